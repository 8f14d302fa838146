// The well header with its older layouts, and the lag record with the pump threads it drives.
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/lagrecord.h"
#include "wellfile/wellheader.h"

#include "platform/text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstring>

using namespace wellfile;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

WellPlace Place() { return testing_support::MakePlace(QStringLiteral("north7")); }

void Put(QByteArray& bytes, int offset, const char* text) { std::memcpy(bytes.data() + offset, text, std::strlen(text)); }

}  // namespace

TEST(WellHeader, OldLayoutIsConvertedAndRewrittenOnFirstRead)
{
    const WellPlace p = Place();
    QByteArray old(1370, '\0');
    Put(old, 0, "dropped prefix");
    Put(old, 480 + 0, "ACME OIL");
    Put(old, 480 + 80, "NORTH 7-12");
    Put(old, 480 + 540, "1023.5");
    Put(old, 480 + 870, "01234567890123456789");  // fills the geologist field to its end, no NUL
    WriteBytes(p.currentFolder + "north7.hdr", old);

    WellHeader h;
    ASSERT_EQ(ReadHeader(h, p), 1);
    EXPECT_EQ(platform::FieldText(h.company), "ACME OIL");
    EXPECT_EQ(platform::FieldText(h.well), "NORTH 7-12");
    EXPECT_EQ(platform::FieldText(h.kellyBushing), "1023.5");
    EXPECT_EQ(platform::FieldText(h.geologist), "0123456789012345678") << "kept terminated within its field";
    EXPECT_EQ(h.fileName[0], 0);
    EXPECT_EQ(QFileInfo(p.currentFolder + "north7.hdr").size(), 2052);

    WellHeader again;
    ASSERT_EQ(ReadHeader(again, p), 1);
    EXPECT_EQ(std::memcmp(&again, &h, sizeof h), 0);
}

TEST(WellHeader, LayoutOf1450BytesIsTakenAsItIs)
{
    const WellPlace p = Place();
    QByteArray bytes(1450, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char('A' + i % 26);
    Put(bytes, 530, "KB 812");
    WriteBytes(p.currentFolder + "north7.hdr", bytes);

    WellHeader h;
    std::memset(&h, 0x55, sizeof h);
    ASSERT_EQ(ReadHeader(h, p), 1);
    EXPECT_EQ(std::memcmp(&h, bytes.constData(), 1450), 0);
    for (std::size_t i = 1450; i < sizeof h; ++i)
        ASSERT_EQ(reinterpret_cast<const char*>(&h)[i], 0) << i;
    EXPECT_EQ(QFileInfo(p.currentFolder + "north7.hdr").size(), 1450) << "not rewritten";

    WellHeader1450 old;
    ASSERT_EQ(ReadHeaderOld(old, p), 1);
    EXPECT_EQ(platform::FieldText(old.kellyBushing).substr(0, 6), "KB 812");

    ASSERT_EQ(SaveHeader(h, p), 1);
    EXPECT_EQ(ReadHeaderOld(old, p), 0) << "only a file of exactly 1,450 bytes is the old layout";
}

TEST(WellHeader, FileNameFromAGivenName)
{
    WellPlace p = Place();
    p.currentFolder = QStringLiteral("/local/");
    EXPECT_EQ(HeaderFilePath(p), "/local/north7.hdr");
    EXPECT_EQ(HeaderFilePath(p, QStringLiteral("/wells/v1.2/south.svm")), "/local/south.hdr");
    EXPECT_EQ(HeaderFilePath(p, QStringLiteral("C:\\wells\\south.svm")), "/local/south.hdr");
    EXPECT_EQ(HeaderFilePath(p, QStringLiteral("/wells/v1.2/south.svm"), true), "/wells/v1.2/south.hdr");
    EXPECT_EQ(HeaderFilePath(p, QStringLiteral("/wells/v1.2/south"), true), "/wells/v1.2/south.hdr");
}

TEST(WellHeader, MissingFileGivesAnEmptyHeader)
{
    WellHeader h;
    std::memset(&h, 0x55, sizeof h);
    EXPECT_EQ(ReadHeader(h, Place()), 0);
    const char zero[sizeof h] = {};
    EXPECT_EQ(std::memcmp(&h, zero, sizeof h), 0);
}

TEST(LagRecord, PumpThreadsFollowThePumpsOnHole)
{
    LagRecord lag{};
    lag.pumpOnHole[1] = 1;
    EXPECT_EQ(PumpThreadsToToggle(lag, {false, false, false}), (std::array<bool, 3>{false, true, false}));
    EXPECT_EQ(PumpThreadsToToggle(lag, {true, true, false}), (std::array<bool, 3>{true, false, false}));
    lag.allPumps = 1;
    EXPECT_EQ(PumpThreadsToToggle(lag, {false, false, false}), (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(PumpThreadsToToggle(lag, {true, false, true}), (std::array<bool, 3>{false, true, false}));
}

TEST(LagRecord, SavedRecordReachesTheFileAndTheDrillingObject)
{
    const WellPlace p = Place();
    LagRecord lag{};
    lag.pump1Output = 0.083f;
    lag.spmSum = 97.5f;
    LagRecord drillerCopy{};
    PumpStrokeState pumps;
    pumps.drillerLag = &drillerCopy;
    ASSERT_EQ(SaveLag(lag, p, "C:\\", pumps), 1);
    EXPECT_EQ(std::memcmp(&drillerCopy, &lag, sizeof lag), 0);

    LagRecord back{};
    ASSERT_EQ(LoadLag(back, p), 1);
    EXPECT_EQ(std::memcmp(&back, &lag, sizeof lag), 0);

    // A file of another size is not taken: the caller keeps what it had.
    WriteBytes(p.dataFolder + "north7.lag", QByteArray(200, '\x11'));
    EXPECT_EQ(LoadLag(back, p), 0);
    EXPECT_EQ(back.pump1Output, 0.083f);
}

TEST(HeaderAndLag, SaversReportAFailedWrite)
{
    WellPlace p = Place();
    ASSERT_TRUE(QDir().mkpath(p.currentFolder + "north7.hdr"));
    EXPECT_EQ(SaveHeader(WellHeader{}, p), 0);

    p.dataFolder = TestDir() + QStringLiteral("missing/");
    LagRecord drillerCopy{};
    drillerCopy.pump2Spm = 60.0f;
    PumpStrokeState pumps;
    pumps.drillerLag = &drillerCopy;
    EXPECT_EQ(SaveLag(LagRecord{}, p, "C:\\", pumps), 0);
    EXPECT_EQ(drillerCopy.pump2Spm, 60.0f) << "nothing is applied when the file was not written";
}
