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
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

WellPlace Place() { return testing_support::MakePlace(QStringLiteral("north7")); }

void Put(QByteArray& bytes, int offset, const char* text) { std::memcpy(bytes.data() + offset, text, std::strlen(text)); }

}  // namespace

TEST(WellHeader, OldLayoutIsConvertedOnFirstReadAndSavesGoToTheFileAsSpeltOnDisk)
{
    const WellPlace p = Place();
    const QString onDisk = p.currentFolder + "NORTH7.HDR";  // as a Windows station named it
    QByteArray old(1370, '\0');
    Put(old, 0, "dropped prefix");
    Put(old, 480 + 0, "ACME OIL");
    Put(old, 480 + 80, "NORTH 7-12");
    Put(old, 480 + 540, "1023.5");
    Put(old, 480 + 870, "01234567890123456789");  // fills the geologist field to its end, no NUL
    WriteBytes(onDisk, old);

    WellHeader h;
    ASSERT_EQ(ReadHeader(h, p), 1);
    EXPECT_EQ(platform::FieldText(h.company), "ACME OIL");
    EXPECT_EQ(platform::FieldText(h.well), "NORTH 7-12");
    EXPECT_EQ(platform::FieldText(h.kellyBushing), "1023.5");
    EXPECT_EQ(platform::FieldText(h.geologist), "0123456789012345678") << "kept terminated within its field";
    EXPECT_EQ(h.fileName[0], 0);
    EXPECT_EQ(QFileInfo(onDisk).size(), 2052);

    WellHeader again;
    ASSERT_EQ(ReadHeader(again, p), 1);
    EXPECT_EQ(std::memcmp(&again, &h, sizeof h), 0);

    // An edit is saved over that file, not beside it in other letter case, and is read back.
    platform::SetFieldText(h.company, "ACME OIL & GAS");
    ASSERT_EQ(SaveHeader(h, p), 1);
    EXPECT_EQ(QDir(p.currentFolder).entryList({"*.hdr", "*.HDR"}, QDir::Files), QStringList{"NORTH7.HDR"});
    ASSERT_EQ(ReadHeader(again, p), 1);
    EXPECT_EQ(platform::FieldText(again.company), "ACME OIL & GAS");
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
    pumps.takeLag = [&drillerCopy](const LagRecord& taken) { drillerCopy = taken; };
    ASSERT_EQ(SaveLag(lag, p, "C:\\", pumps), 1);
    EXPECT_EQ(std::memcmp(&drillerCopy, &lag, sizeof lag), 0);

    LagRecord back{};
    ASSERT_EQ(LoadLag(back, p), 1);
    EXPECT_EQ(std::memcmp(&back, &lag, sizeof lag), 0);
}

TEST(LagRecord, SavingHandsTheSettingsToTheStrokeCounterAndThePumpThreads)
{
    const WellPlace p = Place();
    LagRecord lag{};
    lag.pumpOnHole[0] = lag.pumpOnHole[2] = 1;
    PumpStrokeState pumps;
    QList<int> toggled;
    int taken = 0;
    pumps.togglePump = [&](int pump) {
        toggled << pump;
        return 1;
    };
    pumps.strokesTakeSettings = [&] { ++taken; };
    pumps.threadRunning = {false, true, true};

    // Counting by the depth box's contacts: the counter takes the settings, no thread is touched.
    pumps.strokeCounting = true;
    ASSERT_EQ(SaveLag(lag, p, "C:\\", pumps), 1);
    EXPECT_EQ(taken, 1);
    EXPECT_TRUE(toggled.isEmpty());

    // Counting by the pump threads: exactly the pumps on the hole get one.
    pumps.strokeSourceConfigured = true;
    ASSERT_EQ(SaveLag(lag, p, "C:\\", pumps), 1);
    EXPECT_EQ(taken, 2);
    EXPECT_EQ(toggled, (QList<int>{0, 1}));

    // Not counting: neither.
    pumps.strokeCounting = false;
    ASSERT_EQ(SaveLag(lag, p, "C:\\", pumps), 1);
    EXPECT_EQ(taken, 2);
    EXPECT_EQ(toggled.size(), 2);
}

TEST(LagRecord, FilesOfOtherLengthsAreReadAsFarAsTheyMakeSense)
{
    const WellPlace p = Place();
    const QString path = p.dataFolder + "north7.lag";
    LagRecord lag{};
    lag.pump1Output = 0.083f;
    lag.pumpOnHole[2] = 1;
    lag.allPumps = 1;
    const QByteArray record(reinterpret_cast<const char*>(&lag), sizeof lag);

    // A longer file: its first 256 bytes are the record.
    WriteBytes(path, record + QByteArray(44, '\x7f'));
    LagRecord back{};
    ASSERT_EQ(LoadLag(back, p), 1);
    EXPECT_EQ(std::memcmp(&back, &lag, sizeof lag), 0);

    // A shorter one that still holds every pump setting: the rest is zero.
    WriteBytes(path, record.left(200));
    std::memset(&back, 0x55, sizeof back);
    ASSERT_EQ(LoadLag(back, p), 1);
    EXPECT_EQ(back.pump1Output, 0.083f);
    EXPECT_EQ(back.allPumps, 1);
    EXPECT_EQ(back.rest[73], 0);

    // Cut off before the pump settings end, or empty: the caller keeps what it had.
    for (const int length : {176, 0}) {
        WriteBytes(path, record.left(length));
        back.pump1Output = 0.5f;
        EXPECT_EQ(LoadLag(back, p), 0) << length;
        EXPECT_EQ(back.pump1Output, 0.5f);
    }
}

TEST(LagRecord, DrillingCopiesTheFileToTheBackupDrive)
{
    WellPlace p = Place();
    p.drilling = true;
    LagRecord lag{};
    lag.pump2Spm = 88.0f;
    PumpStrokeState pumps;
    const QString usb = TestDir() + "usb/";  // a mounted backup drive
    const QByteArray bytes(reinterpret_cast<const char*>(&lag), sizeof lag);
    ASSERT_EQ(SaveLag(lag, p, usb.toStdString(), pumps), 1);
    EXPECT_EQ(ReadBytes(usb + "north7/north7.lag"), bytes);

    p.drilling = false;
    lag.pump2Spm = 90.0f;
    ASSERT_EQ(SaveLag(lag, p, usb.toStdString(), pumps), 1);
    EXPECT_EQ(ReadBytes(usb + "north7/north7.lag"), bytes) << "copies are made only while drilling";
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
    pumps.takeLag = [&drillerCopy](const LagRecord& taken) { drillerCopy = taken; };
    EXPECT_EQ(SaveLag(LagRecord{}, p, "C:\\", pumps), 0);
    EXPECT_EQ(drillerCopy.pump2Spm, 60.0f) << "nothing is applied when the file was not written";
}
