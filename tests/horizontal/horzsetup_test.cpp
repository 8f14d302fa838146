// The horizontal set-up record on disk: its defaults, the set-aside of short files, the move of sections
// an older layout kept at the end, the folder rules of the view and of the set-up dialog, and what the
// view makes of a record (markers, offset KBs, gas scales, paths of other stations).
#include "horizontal/horzsetup.h"
#include "support/files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace horizontal;
using testing_support::At;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

namespace {

struct Folders {
    QTemporaryDir dir;
    QString current = dir.path() + "/cur/", data = dir.path() + "/data/";
    bool fieldFlag = false;
    HorzFiles files;
    Folders()
    {
        QDir().mkpath(current);
        QDir().mkpath(data);
        files.currentFolder = current;
        files.dataFolder = data;
        files.wellName = "W1";
        files.useFieldSettings = &fieldFlag;
    }
    QString Hor() const { return current + "W1.hor"; }
};

std::unique_ptr<wellfile::HorzSetupRecord> Record()
{
    auto r = std::make_unique<wellfile::HorzSetupRecord>();
    ViewDefaults(*r, 0);
    return r;
}

}  // namespace

TEST(HorzSetup, MissingFileGetsTheViewDefaultsAndRoundTripsByteForByte)
{
    Folders f;
    const HorzViewSettings v = ApplySetup(f.files, {});
    const QByteArray b = ReadBytes(f.Hor());
    ASSERT_EQ(b.size(), 156458);
    EXPECT_EQ(QByteArray(b.constData()), "NOT SELECTED");
    EXPECT_EQ(QByteArray(b.constData() + 260), "NOT SELECTED");
    EXPECT_EQ(QByteArray(b.constData() + 520), "NOT SELECTED");
    EXPECT_EQ(At<std::int32_t>(b, 964), 1);
    EXPECT_EQ(At<std::int32_t>(b, 968), 2);
    EXPECT_EQ(At<std::int32_t>(b, 972), 4);
    EXPECT_EQ(At<std::int32_t>(b, 990), 6);
    EXPECT_EQ(At<std::int32_t>(b, 156028), 10);
    for (int at : {801, 984, 985, 986, 987, 989, 155438, 155440, 156007})
        EXPECT_EQ(b[at], 1) << at;
    EXPECT_EQ(b[800], 1);  // the rates mark, as the set-up dialog writes it
    EXPECT_EQ(At<float>(b, 808), 0.0f);
    EXPECT_TRUE(v.anchorGammaFile.isEmpty());
    EXPECT_EQ(v.pixelsPerUnit, 8);

    // Loaded curves give the gamma choice; the dialog's defaults differ from the view's.
    auto curves = Record();
    ViewDefaults(*curves, 7);
    EXPECT_EQ(curves->gammaScale, 7);
    DialogDefaults(*curves, 0, 12);
    EXPECT_EQ(curves->gammaScale, 6);
    EXPECT_EQ(curves->reserved800, 1);
    EXPECT_EQ(curves->inchesPer100Ft, 5.0f);
    EXPECT_EQ(curves->rateScale, 2);
    EXPECT_EQ(curves->logGas, 1);

    // Save, load, save.
    auto r = std::make_unique<wellfile::HorzSetupRecord>();
    ASSERT_EQ(LoadSetupFile(f.files, *r), 1);
    ASSERT_EQ(SaveSetupFile(f.files, *r), 1);
    EXPECT_EQ(ReadBytes(f.Hor()), b);
}

TEST(HorzSetup, ShortFilesAreSetAsideUnderNumberedNamesAndNoneIsLost)
{
    Folders f;
    const QByteArray first(156457, 'a'), second(100, 'b');
    WriteBytes(f.Hor(), first);
    auto r = std::make_unique<wellfile::HorzSetupRecord>();
    EXPECT_EQ(LoadSetupFile(f.files, *r), 0);
    EXPECT_EQ(ReadBytes(f.current + "W1.ho_"), first);
    EXPECT_FALSE(QFileInfo::exists(f.Hor()));
    ApplySetup(f.files, {});
    EXPECT_EQ(At<std::int32_t>(ReadBytes(f.Hor()), 964), 1);

    WriteBytes(f.Hor(), second);
    EXPECT_EQ(LoadSetupFile(f.files, *r), 0);
    EXPECT_EQ(ReadBytes(f.current + "W1.ho_"), first);
    EXPECT_EQ(ReadBytes(f.current + "W1.ho_1"), second);

    // A write that fails says so and leaves the old record whole.
    HorzFiles nowhere = f.files;
    nowhere.currentFolder = f.current + "missing/";
    EXPECT_EQ(SaveSetupFile(nowhere, *Record()), 0);
    // No well open: nothing is read or written (no bare ".hor" in the working folder).
    HorzFiles none = f.files;
    none.wellName.clear();
    EXPECT_EQ(SaveSetupFile(none, *Record()), 0);
    EXPECT_EQ(WriteRecord(none, *Record()), 0);
    EXPECT_FALSE(QFileInfo::exists(f.current + ".hor"));
}

TEST(HorzSetup, SectionsOfTheOlderLayoutMoveOnceAndTheFileIsRewritten)
{
    Folders f;
    auto r = Record();
    r->oldSections[0].startTvd = 100.0f;
    r->oldSections[0].startMd = 1200.0f;
    r->oldSections[1].startTvd = 300.0f;
    r->sections[1].startTvd = 50.0f;  // taken: the old entry stays behind, its first float cleared
    r->reserved1554[7] = 0x5a;          // reserved bytes are carried through
    WriteBytes(f.Hor(), r.get(), sizeof *r);

    auto in = std::make_unique<wellfile::HorzSetupRecord>();
    ASSERT_EQ(LoadSetupFile(f.files, *in), 1);
    const QByteArray b = ReadBytes(f.Hor());
    EXPECT_EQ(At<float>(b, 994), 100.0f);
    EXPECT_EQ(At<float>(b, 994 + 8), 1200.0f);
    EXPECT_EQ(At<float>(b, 994 + 56), 50.0f);
    EXPECT_EQ(b.mid(155447, 56), QByteArray(56, '\0'));
    EXPECT_EQ(At<float>(b, 155447 + 56), 0.0f);
    EXPECT_EQ(b[1554 + 7], 0x5a);

    const QDateTime written = QFileInfo(f.Hor()).lastModified();
    {
        QFile file(f.Hor());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(written.addSecs(-60), QFileDevice::FileModificationTime);
    }
    ASSERT_EQ(LoadSetupFile(f.files, *in), 1);
    EXPECT_EQ(QFileInfo(f.Hor()).lastModified(), written.addSecs(-60));
}

TEST(HorzSetup, SharedWellsKeepTheRecordInTheDataFolderOnceTheDialogSavedIt)
{
    Folders f;
    f.files.sharedMode = true;
    const QByteArray dbc(14456, 'd');
    int dbcRewrites = 0;
    f.files.rewriteDbc = [&] {
        WriteBytes(f.data + "W1.dbc", ReadBytes(f.data + "W1.dbc"));
        return ++dbcRewrites > 0;
    };
    WriteBytes(f.data + "W1.dbc", dbc);
    EXPECT_EQ(ViewSetupPath(f.files), f.Hor());

    auto r = Record();
    r->drawFromDepth = 777;
    ASSERT_EQ(WriteRecord(f.files, *r), 1);
    EXPECT_TRUE(f.fieldFlag);
    EXPECT_EQ(dbcRewrites, 1);
    EXPECT_EQ(ReadBytes(f.data + "W1.dbc"), dbc);
    EXPECT_EQ(ViewSetupPath(f.files), f.data + "W1.hor");
    auto in = std::make_unique<wellfile::HorzSetupRecord>();
    ASSERT_EQ(LoadSetupFile(f.files, *in), 1);
    EXPECT_EQ(in->drawFromDepth, 777);

    // Not shared: the current folder, and the flag goes back to 0.
    f.files.sharedMode = false;
    ASSERT_EQ(WriteRecord(f.files, *r), 1);
    EXPECT_FALSE(f.fieldFlag);
    EXPECT_TRUE(QFileInfo::exists(f.Hor()));

    // The dialog reads the view's file; a short one is none, kept aside beside it.
    EXPECT_EQ(ReadRecord(f.files, *in), 1);
    WriteBytes(f.Hor(), QByteArray(10, 'x'));
    EXPECT_EQ(ReadRecord(f.files, *in), 0);
    EXPECT_FALSE(QFileInfo::exists(f.Hor()));
    EXPECT_EQ(ReadBytes(f.current + "W1.ho_"), QByteArray(10, 'x'));
}

TEST(HorzSetup, TheViewsSettingsOfARecord)
{
    Folders f;
    auto r = Record();
    r->markers[3].symbolNumber = 5;
    r->markers[3].offsetY = -40;
    r->markers[7].symbolNumber = 9;
    EXPECT_EQ(SettingsOf(*r, f.files, {}).markers.size(), 2u);  // count 0 reads as 10
    r->markerCount = 5;
    const HorzViewSettings five = SettingsOf(*r, f.files, {});
    ASSERT_EQ(five.markers.size(), 1u);
    EXPECT_EQ(std::int32_t(five.markers[0].offsetY), -40);

    // Offset KBs.
    std::strcpy(r->anchorGammaFile, "/data/wells/a.svc");
    r->anchorOffsetKb = -20;
    HorzApplyInputs in;
    in.kbElevation = 30;
    EXPECT_TRUE(SettingsOf(*r, f.files, in).offsetKbOutOfRange);
    r->targetOffsetKb = 0;
    r->anchorOffsetKb = 1200;
    in.kbElevation = 1000;
    HorzViewSettings v = SettingsOf(*r, f.files, in);
    EXPECT_FALSE(v.offsetKbOutOfRange);
    EXPECT_EQ(v.targetShift, 0);
    EXPECT_EQ(v.anchorShift, 0);
    r->targetOffsetKb = 1250;
    in.kbElevation = 1000.5f;
    v = SettingsOf(*r, f.files, in);
    EXPECT_EQ(v.targetShift, 249);
    EXPECT_EQ(v.anchorShift, 199);

    // Vertical gas scales only with the window's option; every gamma choice as chosen.
    r->verticalGasScales = 1;
    EXPECT_EQ(SettingsOf(*r, f.files, {}).gasScales[2], 250);
    in.verticalGasOption = true;
    EXPECT_EQ(SettingsOf(*r, f.files, in).gasScales[2], 350);
    r->gammaScale = 9;
    r->gasScale = 10;
    v = SettingsOf(*r, f.files, in);
    EXPECT_EQ(v.gammaScale, 9);
    EXPECT_EQ(v.gasScale, 1);
    r->gammaScale = 12;
    EXPECT_EQ(SettingsOf(*r, f.files, in).gammaScale, 6);

    // Paths of other stations.
    EXPECT_EQ(wellfile::RebasedPath("C:\\Strativ\\Wells\\Anchor.svc", f.current), f.current + "Anchor.svc");
    EXPECT_EQ(wellfile::RebasedPath("C:\\users\\me\\DropBox\\W\\T.svc", f.current), f.current + "T.svc");
    EXPECT_EQ(wellfile::RebasedPath("/data/wells/a.svc", f.current), "/data/wells/a.svc");
    EXPECT_EQ(wellfile::RebasedPath("not selected", f.current), "");

    // A target file beside the well is taken and kept in the record.
    WriteBytes(f.current + "W1.trg", QByteArray("1"));
    EXPECT_EQ(ApplySetup(f.files, {}).targetFile, f.current + "W1.trg");
    EXPECT_EQ(QByteArray(ReadBytes(f.Hor()).constData() + 520), (f.current + "W1.trg").toLocal8Bit());
}
