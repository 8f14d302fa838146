#include "layout/custchartcfg.h"
#include "layout/predefinedtracks.h"
#include "layout/scaleinterval.h"
#include "layout/ui/custcfgdialog.h"
#include "layout/ui/rangedialog.h"
#include "platform/text.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "trackentries.h"
#include "wellfile/openwell.h"
#include "wellfile/record.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

using namespace layout;
using layout_tests::Title;
using layout_tests::Track;
using namespace platform;
using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::ReadExistingBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;
namespace id = custid;

namespace {


struct Editor {
    CUSTCHARTCFGEX cfg;
    CustCfgContext context;
    CustCfgHost host;
    int reloads = 0;

    Editor()
    {
        context.dataFolder = TestDir() + "data/";
        context.currentFolder = TestDir() + "well/";
        context.wellName = "GAMMA3";
        context.configPath = context.currentFolder + "GAMMA3.grdx";
        context.predefinedTracksOption = true;
        QDir().mkpath(context.dataFolder + "VIEWS");
        QDir().mkpath(context.currentFolder);
        Track(cfg.track[0], 5, 20, 100, "ONE");
        Track(cfg.track[1], 6, 10, 200, "TWO");
        Track(cfg.track[2], 4, 10, 300, "THREE");
        host.reloadTracks = [this] { ++reloads; };
    }

    // Runs the dialog on track `track` with `script`; returns how it ended.
    int Run(int track, std::function<void(CustCfgDlg&)> script)
    {
        Dialog::QueueTestScript([script](Dialog& d) { script(static_cast<CustCfgDlg&>(d)); });
        CustCfgDlg dlg(nullptr, cfg, track, context, host);
        return dlg.Execute();
    }
};

void Pick(Dialog& d, int combo, int index)
{
    d.SetSelIndex(combo, index);
    d.Command(combo, CBN_SELCHANGE);
}

void Leave(Dialog& d, int edit, const QString& text)
{
    d.SetText(edit, text);
    d.Command(edit, EN_KILLFOCUS);
}

QStringList Messages()
{
    QStringList out;
    for (const auto& m : doubles().prompter.messages)
        out << m.text;
    return out;
}

}  // namespace

TEST(CustomTrackSetup, DataListLineWidthsAndTheTrackShown)
{
    Editor s;
    s.cfg.track[1].lineWidth[0] = 0;
    s.cfg.track[1].lineWidth[1] = 4;
    s.cfg.track[1].dataCode[0] = 150;  // from a FIT well
    s.context.hardnessColumn = true;
    const int end = s.Run(1, [](CustCfgDlg& d) {
        EXPECT_EQ(d.GetText(id::Track), "CHART 2");
        EXPECT_EQ(d.GetCount(id::Data), 82);
        EXPECT_EQ(d.GetString(id::Data, 81), "NORMALIZED TG");
        EXPECT_EQ(d.GetString(id::Data, 23), "HARDNESS");
        EXPECT_EQ(d.GetSelIndex(id::Data), -1);  // no FIT code without FIT data
        d.SetSelIndex(id::Data, 150);
        EXPECT_EQ(d.GetSelIndex(id::Data), -1);
        EXPECT_EQ(d.GetText(id::Maximum), "200.0");
        EXPECT_EQ(d.GetText(id::Minimum), "0.00");
        EXPECT_EQ(d.GetText(id::CurveLabel), "NO LABEL");
        EXPECT_EQ(d.GetCheck(id::Medium), BST_CHECKED);
        EXPECT_EQ(d.trackCount(), 3);
        // Heavy on curve 1, then curve 2 (stored 4, shown as medium), thin and SAVE.
        d.Click(id::Heavy);
        d.Click(id::Save);
        d.Click(id::Curve2);
        EXPECT_EQ(d.GetCheck(id::Medium), BST_CHECKED);
        d.Click(id::Thin);
        d.Click(id::Save);
        d.Click(id::Done);
    });
    EXPECT_EQ(end, IDOK);
    EXPECT_EQ(s.cfg.track[1].lineWidth[0], 3);
    EXPECT_EQ(s.cfg.track[1].lineWidth[1], 1);
    EXPECT_EQ(s.cfg.track[1].dataCode[0], 150);  // a code the list cannot show is kept
    EXPECT_EQ(platform::FieldText(s.cfg.track[1].label[0]), "NO LABEL");

    s.context.fitDataEnabled = true;
    s.context.hardnessColumn = false;
    s.cfg.track[0].lineWidth[0] = 0;
    s.Run(0, [](CustCfgDlg& d) {
        EXPECT_EQ(d.GetCount(id::Data), 204);
        EXPECT_EQ(d.GetString(id::Data, 23), "CALCIMITER");
        EXPECT_EQ(d.GetCount(id::Predefined), 39);
        Pick(d, id::Track, 1);
        EXPECT_EQ(d.GetSelIndex(id::Data), 150);
        d.Click(id::Done);
    });
    EXPECT_EQ(s.cfg.track[0].lineWidth[0], 2);  // shown as medium, kept as medium
}

TEST(CustomTrackSetup, LogarithmicScalesAndTheKindOfAnEditedTrack)
{
    Editor s;
    BuildPredefinedTrack(s.cfg.track[0], 1);
    s.cfg.track[1].logarithmic = 1;
    s.Run(0, [](CustCfgDlg& d) {
        EXPECT_EQ(d.GetSelIndex(id::Predefined), 1);
        Leave(d, id::Minimum, "0.00");  // the same value: still "DRILLING"
        EXPECT_EQ(d.GetSelIndex(id::Predefined), 1);
        Leave(d, id::Minimum, "5");
        EXPECT_EQ(d.GetSelIndex(id::Predefined), 0);
        d.Click(id::Done);
    });
    EXPECT_EQ(s.cfg.track[0].kind, 0);
    EXPECT_FLOAT_EQ(s.cfg.track[0].minimum[0], 0);  // typed but not saved

    s.Run(1, [&s](CustCfgDlg& d) {
        Leave(d, id::Maximum, "1000");  // curve 1 of a log track: every curve at once
        for (int c = 0; c < kCurvesPerTrack; ++c)
            EXPECT_FLOAT_EQ(s.cfg.track[1].maximum[c], 1000) << c;
        d.Click(id::Curve2);
        Leave(d, id::Maximum, "50");
        EXPECT_FLOAT_EQ(s.cfg.track[1].maximum[1], 1000);
        d.SetText(id::Minimum, "-3");
        d.Click(id::Save);
        d.Click(id::Done);
    });
    const CustomTrackEntry& t = s.cfg.track[1];
    EXPECT_FLOAT_EQ(t.maximum[1], 50);
    EXPECT_FLOAT_EQ(t.maximum[2], 1000);
    EXPECT_FLOAT_EQ(t.minimum[1], 1.0f);  // a log scale starts above 0
    EXPECT_EQ(t.logarithmic, 1);
}

TEST(CustomTrackSetup, SaveClosesGapsCutsTextsAndRefusesWhatIsNotANumber)
{
    Editor s;
    s.cfg.track[1] = CustomTrackEntry{};
    s.cfg.track[2] = CustomTrackEntry{};
    Track(s.cfg.track[3], 4, 10, 300, "FOUR");
    const CUSTCHARTCFGEX before = s.cfg;
    s.Run(0, [&s, &before](CustCfgDlg& d) {
        for (const char* bad : {"abc", ""}) {
            for (int field : {id::Minimum, id::Maximum, id::Blocks, id::Width, id::ScaleInterval}) {
                const QString kept = d.GetText(field);
                d.SetText(field, QString::fromLatin1(bad));
                d.Click(id::Save);
                d.SetText(field, kept);
            }
        }
        EXPECT_EQ(std::memcmp(&s.cfg, &before, sizeof before), 0);
        EXPECT_EQ(doubles().prompter.messages.size(), 10);
        EXPECT_EQ(Messages().first(), "Enter a number for \"Minimum Value\"");
        EXPECT_TRUE(Messages().contains("Enter a number for \"Width of Blocks (In Pixels)\""));

        d.SetText(id::TrackLabel, QString(60, u'T'));
        d.SetText(id::CurveLabel, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
        d.Click(id::Save);
        EXPECT_EQ(Title(s.cfg.track[2]), "FOUR");  // one place per save
        d.Click(id::Save);
        d.Click(id::Done);
    });
    EXPECT_EQ(Title(s.cfg.track[1]), "FOUR");
    EXPECT_EQ(s.cfg.track[2].blockCount, 0);
    EXPECT_EQ(s.cfg.track[3].blockCount, 0);
    EXPECT_EQ(Title(s.cfg.track[0]), std::string(48, 'T'));
    EXPECT_EQ(platform::FieldText(s.cfg.track[0].label[0]), "ABCDEFGHIJKLMNOPQR");
}

TEST(CustomTrackSetup, DeleteMovesLaterTracksUpAndNeverReachesOutside)
{
    Editor s;
    s.Run(1, [](CustCfgDlg& d) {
        d.Click(id::Delete);
        EXPECT_EQ(d.trackCount(), 2);
        EXPECT_EQ(d.GetSelIndex(id::Track), 0);
        d.Click(id::Done);
    });
    EXPECT_EQ(Title(s.cfg.track[0]), "ONE");
    EXPECT_EQ(Title(s.cfg.track[1]), "THREE");
    EXPECT_EQ(s.cfg.track[2].blockCount, 0);
    EXPECT_EQ(Title(s.cfg.track[2]), "");

    // The only track stays.
    s.cfg.track[1] = CustomTrackEntry{};
    s.Run(0, [](CustCfgDlg& d) { d.Click(id::Delete); });
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Can not delete only track");
    EXPECT_EQ(Title(s.cfg.track[0]), "ONE");

    // No track of sound size: nothing to delete, and nothing before the first entry is touched.
    s.cfg.track[0].blockCount = 500;
    const CUSTCHARTCFGEX unsound = s.cfg;
    s.Run(0, [](CustCfgDlg& d) {
        EXPECT_EQ(d.trackCount(), 0);
        d.Click(id::Delete);
        d.Click(id::Done);
    });
    EXPECT_EQ(std::memcmp(s.cfg.head, unsound.head, sizeof unsound.head), 0);
    EXPECT_EQ(s.cfg.track[0].blockCount, 500);

    // A track beyond the counted ones goes alone; the counted ones stay.
    s.cfg.track[0].blockCount = 20;
    Track(s.cfg.track[5], 4, 10, 300, "SIX");
    s.Run(5, [](CustCfgDlg& d) {
        d.Click(id::Delete);
        d.Click(id::Done);
    });
    EXPECT_EQ(Title(s.cfg.track[0]), "ONE");
    EXPECT_EQ(s.cfg.track[5].blockCount, 0);
}

TEST(CustomTrackSetup, PredefinedTracksBuildOnlyTheTrackShown)
{
    Editor s;
    s.context.fitDataEnabled = true;
    s.context.fitC5 = 0x112233;
    Track(s.cfg.track[4], 4, 10, 300, "FIVE");
    const CUSTCHARTCFGEX before = s.cfg;
    s.Run(3, [](CustCfgDlg& d) {
        Pick(d, id::Predefined, 38);
        EXPECT_EQ(d.GetText(id::TrackLabel), " THC C1-C10 ");
        EXPECT_FALSE(d.IsEnabled(id::Blocks));
        EXPECT_FALSE(d.IsEnabled(id::AllowOnHorz));
        d.Click(id::Done);
    });
    for (int t = 0; t < kCustomTrackCount; ++t)
        if (t != 3) {
            EXPECT_EQ(std::memcmp(&s.cfg.track[t], &before.track[t], sizeof(CustomTrackEntry)), 0) << t;
        }
    EXPECT_EQ(s.cfg.track[3].kind, 38);
    EXPECT_EQ(s.cfg.track[3].dataCode[10], 101);
    EXPECT_EQ(s.cfg.track[3].colour[5], 0x112233u);

    // "RESERVE" changes only the kind; "NONE" empties the track, whose title then shows as "Grid 3".
    const CustomTrackEntry built = s.cfg.track[3];
    s.Run(3, [&s, &built](CustCfgDlg& d) {
        Pick(d, id::Predefined, 5);
        CustomTrackEntry expected = built;
        expected.kind = 5;
        EXPECT_EQ(std::memcmp(&s.cfg.track[3], &expected, sizeof expected), 0);
        Pick(d, id::Predefined, 0);
        EXPECT_EQ(d.GetText(id::TrackLabel), "Grid 3");
        EXPECT_TRUE(d.IsEnabled(id::Blocks));
        d.Click(id::Done);
    });
    EXPECT_EQ(s.cfg.track[3].blockCount, 20);
    EXPECT_EQ(s.cfg.track[3].blockWidth, 5);
    EXPECT_EQ(Title(s.cfg.track[3]), "");

    // Without the ext-record option there are no predefined tracks or views.
    s.context.predefinedTracksOption = false;
    s.Run(0, [](CustCfgDlg& d) {
        EXPECT_TRUE(d.Control(id::Predefined)->isHidden());
        EXPECT_TRUE(d.Control(id::View)->isHidden());
    });
}

TEST(CustomTrackSetup, MaxGasScaleGoesIntoTheRecordsOfTheInterval)
{
    Editor s;
    s.context.loggerId = 86;
    wellfile::OpenWell well;
    well.dataFileName = testing_support::MakeWell(TestDir() + "data/", "W.svm", 90, 130);
    well.fileTopDepth = 90;
    well.fileBottomDepth = 130;
    well.depthStep = 1;
    s.context.fileTopDepth = 90;
    s.context.fileBottomDepth = 130;
    s.context.viewTopDepth = 95;
    int writes = 0;
    s.host.writeMaxGasScale = [&](std::uint16_t value, std::int32_t from, std::int32_t to) {
        ++writes;
        WriteScaleInterval(well, ScaleField::MaxGas, value, from, to);
    };
    const QByteArray original = ReadExistingBytes(well.dataFileName);

    Dialog::QueueTestScript([](Dialog& d) {
        Leave(d, id::MaxGasScale, "10");   // the default: nothing asked
        Leave(d, id::MaxGasScale, "abc");
        Leave(d, id::MaxGasScale, "500.7");
        d.Click(id::Done);
    });
    Dialog::QueueTestScript([](Dialog& range) {
        EXPECT_EQ(range.GetText(layout::rangeid::Start), "95");
        EXPECT_EQ(range.GetText(layout::rangeid::Stop), "130");
        range.SetText(layout::rangeid::Start, "100");
        range.SetText(layout::rangeid::Stop, "109");
        range.Click(IDOK);
    });
    CustCfgDlg dlg(nullptr, s.cfg, 0, s.context, s.host);
    dlg.Execute();

    ASSERT_EQ(Messages(), QStringList({"Gas Scale set to default", "Gas Scale set to default"}));
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Info");
    EXPECT_EQ(writes, 1);
    const QByteArray now = ReadExistingBytes(well.dataFileName);
    int changed = 0;
    for (qsizetype k = 0; k < now.size(); ++k)
        if (now[k] != original[k]) {
            EXPECT_TRUE(k % wellfile::kRecordSize == 413 || k % wellfile::kRecordSize == 414) << k;
            ++changed;
        }
    for (int depth = 100; depth <= 109; ++depth) {
        std::uint16_t v = 0;
        std::memcpy(&v, now.constData() + qsizetype(depth - 90) * wellfile::kRecordSize + 413, sizeof v);
        EXPECT_EQ(v, 500) << depth;
    }
    EXPECT_LE(changed, 20);
    EXPECT_EQ(s.cfg.track[0].maximum[0], 100);  // nothing of the layout
}

TEST(CustomTrackSetup, ViewsAreWholeLayoutsSavedAndTakenBack)
{
    Editor s;
    CUSTCHARTCFGEX saved;
    Track(saved.track[0], 7, 7, 70, "SAVED");
    ASSERT_TRUE(WriteCustChartFile(s.context.configPath, saved));
    const QString views = s.context.dataFolder + "VIEWS/";
    WriteBytes(views + "beta.grdx", QByteArray(16576, '\1'));
    WriteBytes(views + "Alpha.grdx", QByteArray(16576, '\2'));
    WriteBytes(views + "short.grdx", QByteArray(100, '\3'));
    WriteBytes(views + "notes.txt", QByteArray("x"));
    EXPECT_EQ(ViewNames(s.context.dataFolder), QStringList({"default", "Alpha.grdx", "beta.grdx", "short.grdx"}));

    // Save View As: the well's layout file under the chosen name, with the layout's extension.
    doubles().prompter.fileAnswers.push_back(views + "mine");
    int end = s.Run(0, [](CustCfgDlg& d) {
        EXPECT_EQ(d.GetString(id::View, 0), "default");
        EXPECT_EQ(d.GetSelIndex(id::View), 0);
        d.Click(id::SaveViewAs);
        d.Click(id::Done);
    });
    ASSERT_EQ(doubles().prompter.fileRequests.size(), 1);
    EXPECT_EQ(doubles().prompter.fileRequests[0].defaultExt, "grdx");
    EXPECT_EQ(doubles().prompter.fileRequests[0].filter, "StrativM Files (*.GRDX)|*.grdx|");
    EXPECT_EQ(ReadBytes(views + "mine.grdx"), ReadBytes(s.context.configPath));

    // A file that is not a whole layout is refused and the well's stays.
    const QByteArray layout = ReadBytes(s.context.configPath);
    end = s.Run(0, [](CustCfgDlg& d) {
        Pick(d, id::View, 4);  // short.grdx
        EXPECT_TRUE(d.isVisible());
        d.Click(id::Done);
    });
    EXPECT_EQ(end, IDOK);
    EXPECT_EQ(ReadBytes(s.context.configPath), layout);
    EXPECT_EQ(s.reloads, 0);
    EXPECT_EQ(Messages().last(), views + "short.grdx is not a custom track view");

    // "default" has no file: choosing it does nothing, without a word; nor does a copy that fails.
    const int messages = int(Messages().size());
    end = s.Run(0, [](CustCfgDlg& d) {
        Pick(d, id::View, 0);
        EXPECT_TRUE(d.isVisible());
        d.Click(id::Done);
    });
    const QString configPath = s.context.configPath;
    s.context.configPath = s.context.dataFolder + "nofolder/W.grdx";
    s.Run(0, [](CustCfgDlg& d) {
        Pick(d, id::View, 2);
        EXPECT_TRUE(d.isVisible());
        d.Click(id::Done);
    });
    s.context.configPath = configPath;
    EXPECT_EQ(int(Messages().size()), messages);
    EXPECT_EQ(s.reloads, 0);
    EXPECT_EQ(ReadBytes(s.context.configPath), layout);

    // Select View copies the view over the layout, reloads and ends the dialog as 2.
    end = s.Run(0, [](CustCfgDlg& d) { Pick(d, id::View, 2); });
    EXPECT_EQ(end, 2);
    EXPECT_EQ(s.reloads, 1);
    EXPECT_EQ(ReadBytes(s.context.configPath), QByteArray(16576, '\1'));

    // A shared-folder well has no views.
    s.context.sharedFolderWell = true;
    s.Run(0, [](CustCfgDlg& d) {
        EXPECT_TRUE(d.Control(id::SaveViewAs)->isHidden());
        EXPECT_TRUE(d.Control(id::View)->isHidden());
    });
}

TEST(CustomTrackSetup, TheSettingsButtonSwitchesTheSourceOnlyWhenStored)
{
    Editor s;
    ASSERT_TRUE(WriteCustChartFile(s.context.configPath, s.cfg));
    bool stores = false;
    std::int32_t asked = -1;
    s.host.setTrackSource = [&](std::int32_t source) {
        asked = source;
        return stores;
    };
    int end = s.Run(0, [](CustCfgDlg& d) {
        EXPECT_EQ(d.GetText(id::SettingsSource), "Use Local Settings");
        d.Click(id::SettingsSource);  // not stored: the dialog stays
        EXPECT_TRUE(d.isVisible());
        d.Click(id::Done);
    });
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(end, IDOK);
    EXPECT_EQ(s.reloads, 0);

    stores = true;
    end = s.Run(0, [](CustCfgDlg& d) { d.Click(id::SettingsSource); });
    EXPECT_EQ(end, 2);
    EXPECT_EQ(s.reloads, 1);

    // No layout of its own, or drilling: no button.
    s.context.drilling = true;
    s.Run(0, [](CustCfgDlg& d) { EXPECT_TRUE(d.Control(id::SettingsSource)->isHidden()); });
}

TEST(CustomTrackSetup, OnlyDoneWritesTheLayoutAndAFailedWriteKeepsTheOneShown)
{
    Editor s;
    wellfile::OpenWell well;
    well.dataFolder = s.context.dataFolder;
    well.currentFolder = s.context.currentFolder;
    well.wellName = "GAMMA3";
    CustomTrackHost host;
    host.well = &well;
    host.suppressSendfile = true;
    ASSERT_TRUE(WriteCustChartFile(s.context.configPath, s.cfg));
    auto object = std::make_unique<CUSTOMDATA>(&host, false);
    object->LoadTrackConfig();

    std::function<void(Dialog&)> script;
    host.custCfgDlg = [&](CUSTCHARTCFGEX& c, std::int32_t, int track) {
        Dialog::QueueTestScript(script);
        CustCfgDlg dlg(nullptr, c, track, s.context, s.host);
        return dlg.Execute() == IDOK;
    };
    auto widen = [](Dialog& d) {
        d.SetText(id::Blocks, "30");
        d.Click(id::Save);
    };

    // Escape after a SAVE: the file and the sets stay as they were.
    const QByteArray before = ReadBytes(s.context.configPath);
    script = [widen](Dialog& d) {
        widen(d);
        d.Click(IDCANCEL);  // Escape
    };
    EditCustomTracks(host, object, -1, 0);
    EXPECT_EQ(ReadBytes(s.context.configPath), before);
    EXPECT_EQ(object->screenSet[0].blockCount, 20);
    EXPECT_EQ(object->paintSet[0].blockCount, 0);

    // A layout that cannot be written is reported and the window keeps the layout it had.
    QFile::remove(s.context.configPath);
    ASSERT_TRUE(QDir().mkpath(s.context.configPath));  // a folder where the file should be
    script = [widen](Dialog& d) {
        widen(d);
        d.Click(id::Done);
    };
    EditCustomTracks(host, object, -1, 0);
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_TRUE(doubles().prompter.messages.last().text.startsWith("Could not save the custom track layout"));
    EXPECT_EQ(object->screenSet[0].blockCount, 20);
    EXPECT_EQ(object->paintSet[0].blockCount, 0);

    // DONE writes the file and the sets take the edits.
    ASSERT_TRUE(QDir(s.context.configPath).removeRecursively());
    ASSERT_TRUE(WriteCustChartFile(s.context.configPath, s.cfg));
    EditCustomTracks(host, object, -1, 0);
    CUSTCHARTCFGEX saved;
    ASSERT_TRUE(ReadCustChartFile(s.context.configPath, saved));
    EXPECT_EQ(saved.track[0].blockCount, 30);
    EXPECT_EQ(object->paintSet[0].blockCount, 30);
}

TEST(CustomTrackSetup, PenColourIsStoredAtOnceAndTheCustomColoursLastTheRun)
{
    Editor s;
    doubles().prompter.colorAnswers = {platform::COLORREF(0x00AB12), std::nullopt};
    s.cfg.track[0].colour[1] = 0x01000000;  // no colour of its own
    s.Run(0, [&s](CustCfgDlg& d) {
        d.Click(id::Curve2);
        d.Click(id::PenColor);
        EXPECT_EQ(s.cfg.track[0].colour[1], 0x00AB12u);
        EXPECT_EQ(d.GetText(id::ColourText), "RD=18  GN=171 BL=0");
        d.Click(id::PenColor);  // cancelled: kept
        EXPECT_EQ(s.cfg.track[0].colour[1], 0x00AB12u);
        d.Click(id::Done);
    });
    s.Run(0, [](CustCfgDlg& d) { d.Click(id::PenColor); });
    const auto& prompter = doubles().prompter;
    ASSERT_EQ(prompter.colorInitials.size(), 3);
    EXPECT_EQ(prompter.colorInitials[0], 0u);
    EXPECT_EQ(prompter.colorInitials[1], 0x00AB12u);
    ASSERT_NE(prompter.colorTables[0], nullptr);
    EXPECT_EQ(prompter.colorTables[2], prompter.colorTables[0]);
}
