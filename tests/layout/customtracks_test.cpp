#include "layout/custchartcfg.h"
#include "platform/text.h"
#include "support/files.h"
#include "trackentries.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/openwell.h"
#include "wellfile/wellconfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>
#include <vector>

using namespace layout;
using layout_tests::Title;
using layout_tests::Track;
using testing_support::ReadBytes;
using testing_support::WriteRecords;
using testing_support::TestDir;

namespace {

struct Fixture {
    wellfile::OpenWell well;
    wellfile::FitFile fit;
    CustomTrackHost host;
    Fixture()
    {
        well.dataFolder = TestDir() + "data/";
        well.currentFolder = TestDir() + "well/";
        well.wellName = "BETA2";
        well.customDataFileName = well.currentFolder + "BETA2.svx";
        // The data file of depths 1000 to 1010: the custom-data files never hold more records than it.
        well.dataFileName = testing_support::MakeWell(well.currentFolder, "BETA2.svm", 1000, 1010);
        well.fileTopDepth = 1000;
        well.fileBottomDepth = 1010;
        fit.path = well.currentFolder + "BETA2.fit";
        QDir().mkpath(well.dataFolder + "sendfile");
        QDir().mkpath(well.currentFolder);
        host.well = &well;
        host.fit = &fit;
        host.logWidth = 900;
        host.unitColumnWidth = 20;
        host.customTotalWidth = 125;
        host.logTopMargin = 300;
        host.rowHeight = 10;
    }
    QString Path() const { return well.currentFolder + well.wellName + ".grdx"; }
};

void Save(const QString& path, const CUSTCHARTCFGEX& cfg) { ASSERT_TRUE(WriteCustChartFile(path, cfg)); }


}  // namespace

TEST(CustomTracks, WithoutAFileTheDrillingTrackIsWrittenAndLaidOut)
{
    Fixture f;
    CUSTOMDATA data(&f.host, false);
    data.LoadTrackConfig();

    ASSERT_EQ(QFileInfo(f.Path()).size(), 16576);
    EXPECT_EQ(ReadBytes(f.well.dataFolder + "sendfile/BETA2.grdx"), ReadBytes(f.Path()));
    CUSTCHARTCFGEX saved;
    ASSERT_TRUE(data.LoadConfig(saved));
    const CustomTrackEntry& t = saved.track[0];
    EXPECT_EQ(Title(t), " DRILLING ");
    EXPECT_EQ(t.blockWidth, 5);
    EXPECT_EQ(t.blockCount, 25);
    EXPECT_EQ(t.leftX, 1000);  // no gas track edge known
    EXPECT_EQ(t.rightX, 1125);
    EXPECT_EQ(platform::FieldText(t.label[2]), "PP");
    EXPECT_EQ(t.dataCode[2], 14);
    EXPECT_FLOAT_EQ(t.maximum[2], 3000.0f);
    EXPECT_EQ(t.colour[3], 0xFF00FFu);
    EXPECT_EQ(saved.track[1].blockCount, 0);

    // On screen the track starts at log width - custom width - unit column.
    EXPECT_EQ(data.trackCount, 1);
    EXPECT_EQ(data.screenSet[0].leftX, 755);
    EXPECT_EQ(data.screenSet[0].rightX, 880);
    EXPECT_FLOAT_EQ(data.screenSet[0].pixelsPerUnit[0], 125.0f / 500.0f);
    EXPECT_FLOAT_EQ(data.screenSet[0].pixelsPerUnit[5], 1.0f);  // unused curve: no scale
    EXPECT_EQ(data.screenPens[0][0], (PenSpec{0x0000FF, 2, PS_SOLID}));
    EXPECT_EQ(f.host.titleRects[0].top, 150);
    EXPECT_EQ(f.host.titleRects[0].bottom, 300);
}

TEST(CustomTracks, AGapHidesTheTracksAfterItAndFlatScalesDrawAtOnePixelPerUnit)
{
    Fixture f;
    CUSTCHARTCFGEX cfg;
    Track(cfg.track[0], 4, 10, 100, "ONE");
    cfg.track[0].minimum[1] = 50;
    cfg.track[0].maximum[1] = 50;  // minimum = maximum
    cfg.track[0].minimum[2] = 80;
    cfg.track[0].maximum[2] = 20;  // reversed by mistake
    Track(cfg.track[1], 6, 0, 100, "GAP");
    Track(cfg.track[2], 6, 10, 100, "HIDDEN");
    Save(f.Path(), cfg);

    CUSTOMDATA data(&f.host, false);
    data.LoadTrackConfig();
    EXPECT_EQ(data.trackCount, 1);
    EXPECT_FLOAT_EQ(data.screenSet[0].pixelsPerUnit[0], 40.0f / 100.0f);
    EXPECT_FLOAT_EQ(data.screenSet[0].pixelsPerUnit[1], 1.0f);
    EXPECT_FLOAT_EQ(data.screenSet[0].pixelsPerUnit[2], 1.0f);

    // The window reserves room for the tracks shown only.
    std::unique_ptr<CUSTOMDATA> object;
    LoadCustomTracks(f.host, object, true);
    EXPECT_FALSE(object);
    EXPECT_EQ(f.host.customTrackCount, 1);
    EXPECT_EQ(f.host.customTotalWidth, 40);
}

TEST(CustomTracks, TracksFollowEachOtherOnScreenAndOnPaper)
{
    Fixture f;
    f.host.printerBlockHeight = 20;
    f.host.printScale = 1.5f;  // print factor 3
    f.host.printCustomX = 2000;
    f.host.printBlackWhite = true;
    CUSTCHARTCFGEX cfg;
    Track(cfg.track[0], 5, 10, 100, "A");
    Track(cfg.track[1], 4, 5, 10, "B");
    cfg.track[1].lineWidth[0] = 0;
    Save(f.Path(), cfg);

    CUSTOMDATA screen(&f.host, false);
    screen.LoadTrackConfig();
    ASSERT_EQ(screen.trackCount, 2);
    EXPECT_EQ(screen.screenSet[1].leftX, screen.screenSet[0].rightX);
    EXPECT_EQ(screen.screenSet[1].rightX, screen.screenSet[0].rightX + 20);

    CUSTOMDATA print(&f.host, true);
    print.LoadTrackConfig();
    EXPECT_EQ(print.printSet[0].blockWidth, 15);
    EXPECT_EQ(print.printSet[0].leftX, 2000);
    EXPECT_EQ(print.printSet[1].leftX, 2150);
    EXPECT_EQ(print.printSet[1].rightX, 2210);
    EXPECT_EQ(f.host.printTotalWidth, 210);
    EXPECT_EQ(print.printSet[1].lineWidth[0], 1);
    EXPECT_EQ(print.printPens[0][0], (PenSpec{0, 2, PS_SOLID}));  // black and white print
}

TEST(CustomTracks, HostileSizesNeitherOverflowNorHang)
{
    Fixture f;
    CUSTCHARTCFGEX cfg;
    // A track wider than any screen is a gap: it and the tracks after it are not shown.
    Track(cfg.track[0], 10, 5, 1, "SANE");
    Track(cfg.track[1], 100000, 100000, 1, "HUGE");
    Track(cfg.track[2], 10, 3, 1, "AFTER");
    Save(f.Path(), cfg);
    CUSTOMDATA data(&f.host, false);
    data.LoadTrackConfig();
    EXPECT_EQ(data.trackCount, 1);
    std::unique_ptr<CUSTOMDATA> object;
    LoadCustomTracks(f.host, object, false);
    EXPECT_EQ(f.host.customTrackCount, 1);
    EXPECT_EQ(f.host.customTotalWidth, 50);
    Track(cfg.track[0], 0x7FFFFFFF, 3, 1, "HUGE2");
    Track(cfg.track[1], kMaxTrackWidth, 1, 1, "WIDEST");  // as wide as a track may be
    Save(f.Path(), cfg);
    LoadCustomTracks(f.host, object, false);
    EXPECT_EQ(f.host.customTotalWidth, 120);  // no track shown: the room of one default track
    Track(cfg.track[0], kMaxTrackWidth, 1, 1, "WIDEST");
    Save(f.Path(), cfg);
    LoadCustomTracks(f.host, object, false);
    EXPECT_EQ(f.host.customTotalWidth, kMaxTrackWidth + kMaxTrackWidth + 30);

    f.fit.dataEnabled = true;
    f.fit.topDepth = 0;
    f.fit.bottomDepth = 0x7FFFFFFF;  // no such well: nothing is allocated
    data.Load();
    EXPECT_EQ(data.extCount, 0);
    EXPECT_TRUE(data.extRecords.empty());

    // A range of 300,000 depths over a ".fit" of ten records: only what the file holds is kept.
    std::vector<wellfile::EXTRECORD> ten(10);
    for (int i = 0; i < 10; ++i)
        ten[std::size_t(i)].depth = float(1000 + i);
    WriteRecords(f.fit.path, ten);
    f.fit.topDepth = 1000;
    f.fit.bottomDepth = 1000 + 299'999;
    data.Load();
    EXPECT_EQ(data.extCount, 10);
    EXPECT_EQ(data.extRecords.size(), 20u);
    EXPECT_FLOAT_EQ(data.extRecords[9].depth, 1009.0f);

    // A print scale that is not a number gives the printed tracks no room.
    f.host.printerBlockHeight = 20;
    f.host.printScale = std::numeric_limits<float>::quiet_NaN();
    CUSTOMDATA print(&f.host, true);
    print.LoadTrackConfig();
    EXPECT_EQ(print.printSet[0].blockWidth, 0);
    EXPECT_EQ(f.host.printTotalWidth, 0);
    // Nor does a printed width no int holds; one an int holds is kept whole.
    f.host.printScale = 5e7f;  // print factor 1e8
    Track(cfg.track[0], 30, 1, 1, "3E9");
    Track(cfg.track[1], 21, 1, 1, "2.1E9");
    Track(cfg.track[2], 0, 0, 1, "");
    Save(f.Path(), cfg);
    print.LoadTrackConfig();
    EXPECT_EQ(print.printSet[0].blockWidth, 0);
    EXPECT_EQ(print.printSet[1].blockWidth, 2100000000);
    EXPECT_EQ(f.host.printTotalWidth, 2100000000);
}

TEST(CustomTracks, ShortFilesReadAsFarAsTheyGoAndTrailingBytesSurviveASave)
{
    Fixture f;
    CUSTCHARTCFGEX cfg;
    Track(cfg.track[0], 5, 10, 100, "A");
    Track(cfg.track[1], 5, 10, 100, "B");
    std::memset(cfg.head, 0x5A, sizeof cfg.head);
    std::memset(cfg.tail, 0xA5, sizeof cfg.tail);
    Save(f.Path(), cfg);

    CUSTOMDATA data(&f.host, false);
    data.LoadTrackConfig();
    data.MoveTrack(1, 1);
    CUSTCHARTCFGEX after;
    ASSERT_TRUE(data.LoadConfig(after));
    EXPECT_EQ(Title(after.track[0]), "B");
    EXPECT_EQ(Title(after.track[1]), "A");
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(after.tail), sizeof after.tail), QByteArray(sizeof after.tail, char(0xA5)));
    EXPECT_EQ(after.head[15], 0x5A);
    EXPECT_EQ(Title(data.screenSet[0]), "B");  // reloaded

    // A file cut after the first entry gives one track and zeros.
    QFile file(f.Path());
    ASSERT_TRUE(file.resize(16 + 1024));
    ASSERT_TRUE(data.LoadConfig(after));
    EXPECT_EQ(Title(after.track[0]), "B");
    EXPECT_EQ(after.track[1].blockCount, 0);
    EXPECT_EQ(after.tail[0], 0);
}

TEST(CustomTracks, MovingPastEitherEndChangesNothing)
{
    Fixture f;
    CUSTCHARTCFGEX cfg;
    Track(cfg.track[0], 5, 10, 100, "A");
    Track(cfg.track[1], 5, 10, 100, "B");
    Track(cfg.track[2], 5, 10, 100, "C");
    Save(f.Path(), cfg);
    CUSTOMDATA data(&f.host, false);
    data.LoadTrackConfig();
    const QByteArray before = ReadBytes(f.Path());
    int repaints = 0;
    f.host.repaint = [&] { ++repaints; };

    data.MoveTrack(0, 1);
    data.MoveTrack(2, 2);
    data.MoveTrack(14, 1);  // beyond the tracks in use
    data.MoveTrack(-1, 2);
    EXPECT_EQ(ReadBytes(f.Path()), before);
    EXPECT_EQ(repaints, 0);

    data.MoveTrack(0, 2);
    CUSTCHARTCFGEX after;
    ASSERT_TRUE(data.LoadConfig(after));
    EXPECT_EQ(Title(after.track[0]), "B");
    EXPECT_EQ(Title(after.track[1]), "A");
    EXPECT_EQ(repaints, 1);
}

TEST(CustomTracks, EditRunsTheDialogOnTheTrackUnderTheMouse)
{
    Fixture f;
    CUSTCHARTCFGEX cfg;
    Track(cfg.track[0], 5, 10, 100, "A");
    Track(cfg.track[1], 5, 10, 100, "B");
    Save(f.Path(), cfg);
    std::unique_ptr<CUSTOMDATA> object;
    LoadCustomTracks(f.host, object, false);
    object->Load();
    const std::int32_t secondLeft = object->screenSet[1].leftX;

    int askedTrack = -1;
    std::int32_t askedDepth = 0;
    bool accept = false;
    f.host.depthAtRow = [](int row) { return 1000 + row; };
    f.host.custCfgDlg = [&](CUSTCHARTCFGEX& c, std::int32_t depth, int track) {
        askedTrack = track;
        askedDepth = depth;
        c.track[1].blockCount = 20;
        return accept;
    };
    int layouts = 0;
    f.host.setLogFormat = [&] { ++layouts; };

    const QByteArray before = ReadBytes(f.Path());
    f.host.horizontalOffset = 10;
    EditCustomTracks(f.host, object, secondLeft - 5, 7);  // 5 pixels into the second track
    EXPECT_EQ(askedTrack, 1);
    EXPECT_EQ(askedDepth, 1007);
    EXPECT_EQ(ReadBytes(f.Path()), before);  // cancelled
    EXPECT_EQ(layouts, 0);

    accept = true;
    EditCustomTracks(f.host, object, -500, 0);  // not over a track: the first
    EXPECT_EQ(askedTrack, 0);
    EXPECT_EQ(layouts, 1);
    EXPECT_EQ(object->screenSet[1].blockCount, 20);
    EXPECT_EQ(object->paintSet[1].blockCount, 20);
    EXPECT_EQ(f.host.customTotalWidth, 150);
    CUSTCHARTCFGEX saved;
    ASSERT_TRUE(object->LoadConfig(saved));
    EXPECT_EQ(saved.track[1].blockCount, 20);
}

TEST(CustomTracks, NoFileMeansOneTrackOfRoomAndResetClearsTheCounts)
{
    Fixture f;
    f.fit.dataEnabled = true;
    std::unique_ptr<CUSTOMDATA> object;
    LoadCustomTracks(f.host, object, false);
    EXPECT_TRUE(QFileInfo::exists(f.well.customDataFileName));  // the per-depth files are made first
    EXPECT_TRUE(QFileInfo::exists(f.fit.path));
    ASSERT_TRUE(object);
    EXPECT_EQ(f.host.customTrackCount, 1);
    EXPECT_EQ(f.host.customTotalWidth, 120);
    EXPECT_FALSE(QFileInfo::exists(f.Path()));  // only laying the tracks out writes the defaults
    object->Load();
    ASSERT_EQ(object->extCount, 10);  // the FIT records of depths 1000 to 1009 are in memory
    EXPECT_FLOAT_EQ(object->extRecords[9].depth, 1009.0f);
    EXPECT_EQ(object->extLastDepth, f.fit.bottomDepth);  // the last depth of the ".fit" range

    auto config = std::make_unique<wellfile::WellConfig>();
    std::memset(config.get(), 0, sizeof *config);
    config->customTrackCount = 3;
    config->customTracksEnabled = 1;
    f.host.textTrackFlag = 1;
    ResetCustomTracks(f.host, object.get(), config.get());
    EXPECT_EQ(f.host.customTrackCount, 0);
    EXPECT_EQ(f.host.customTotalWidth, 0);
    EXPECT_EQ(f.host.textTrackFlag, 0);
    EXPECT_EQ(config->customTracksEnabled, 0);  // switched off in the record
    EXPECT_EQ(config->customTrackCount, 3);
}

TEST(CustomTracks, SharedFolderWellsKeepTheirTracksInTheDataFolder)
{
    Fixture f;
    f.host.sharedFolderWell = true;
    f.well.secondFolderOption = true;
    int marked = 0;
    f.host.markFieldCustomTracks = [&] { ++marked; };
    CUSTOMDATA data(&f.host, false);
    CUSTCHARTCFGEX cfg;
    Track(cfg.track[0], 5, 10, 100, "FIELD");
    ASSERT_TRUE(data.SaveConfig(cfg));
    EXPECT_EQ(marked, 1);
    EXPECT_EQ(f.host.customTrackSource, 1);
    EXPECT_TRUE(QFileInfo::exists(f.well.dataFolder + "BETA2.grdx"));
    EXPECT_FALSE(QFileInfo::exists(f.Path()));
    CUSTCHARTCFGEX read;
    ASSERT_TRUE(data.LoadConfig(read));
    EXPECT_EQ(Title(read.track[0]), "FIELD");
}

// Tracks marked as living in the data folder on a station that does not copy to a second folder: saves
// go to the current folder, and loading must find them there.
TEST(CustomTracks, LoadFindsWhatTheLastSaveWrote)
{
    Fixture f;
    f.host.sharedFolderWell = true;
    f.host.customTrackSource = 1;
    CUSTCHARTCFGEX mine;
    Track(mine.track[0], 5, 10, 100, "MINE");
    Save(f.Path(), mine);
    const QByteArray before = ReadBytes(f.Path());

    // The data folder has none: the current folder's layout is shown, not replaced by the defaults.
    CUSTOMDATA data(&f.host, false);
    data.LoadTrackConfig();
    EXPECT_EQ(Title(data.screenSet[0]), "MINE");
    EXPECT_EQ(ReadBytes(f.Path()), before);
    EXPECT_FALSE(QFileInfo::exists(f.well.dataFolder + "BETA2.grdx"));

    // A field copy in the data folder is shown until the well has a layout of its own; an edit then
    // comes back and the field copy is left alone.
    ASSERT_TRUE(QFile::remove(f.Path()));
    CUSTCHARTCFGEX field;
    Track(field.track[0], 5, 10, 100, "FIELD");
    Save(f.well.dataFolder + "BETA2.grdx", field);
    const QByteArray fieldBytes = ReadBytes(f.well.dataFolder + "BETA2.grdx");
    CUSTCHARTCFGEX read;
    ASSERT_TRUE(data.LoadConfig(read));
    EXPECT_EQ(Title(read.track[0]), "FIELD");
    platform::SetFieldText(read.track[0].title, "EDITED");
    ASSERT_TRUE(data.SaveConfig(read));
    ASSERT_TRUE(data.LoadConfig(read));
    EXPECT_EQ(Title(read.track[0]), "EDITED");
    EXPECT_EQ(ReadBytes(f.well.dataFolder + "BETA2.grdx"), fieldBytes);

    // A station that saves to the data folder but has not yet: the current folder's layout is read.
    f.host.customTrackSource = 0;
    f.well.secondFolderOption = true;
    ASSERT_TRUE(QFile::remove(f.well.dataFolder + "BETA2.grdx"));
    ASSERT_TRUE(data.LoadConfig(read));
    EXPECT_EQ(Title(read.track[0]), "EDITED");
}
