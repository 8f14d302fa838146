// The horizontal set-up dialog run by the main window's command on a deviated well: its defaults, what
// SAVE stores, saved views, the field/local switch, Enter Data, the sections dialog and the tops
// lithology dialog, each checked in the ".hor" (or ".top") on disk.
#include "app/commandids.h"
#include "app/welltops.h"
#include "horizontal/horizontal_services.h"
#include "horizontal/horzsetup.h"
#include "horizontal/ui/horzdlg.h"
#include "horizontal/ui/tvdlithdlg.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/deviatedwell.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using wellfile::HorzSetupRecord;
using platform::Dialog;
using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

namespace {

struct SetupOnWell {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString hor;
    // `folder`: where the well lies, below the data folder (none: the data folder itself).
    explicit SetupOnWell(const std::function<void(HorzSetupRecord&)>& stored = {}, const QString& folder = {})
    {
        testing_support::OpenNewWell(window, [&](const QString& data) {
            return testing_support::MakeDeviatedWell(data + folder, "H.svm", 1000, 1400);
        });
        hor = S().well.file.currentFolder + "H.hor";
        if (stored) {
            auto r = std::make_unique<HorzSetupRecord>();
            horizontal::ViewDefaults(*r, 0);
            stored(*r);
            WriteBytes(hor, r.get(), sizeof *r);
        }
        doubles().sounder.beeps = 0;
    }
    app::LogState& S() { return window.State(); }
    // The set-up through the window's own command, driven by `script`.
    void Run(std::function<void(Dialog&)> script)
    {
        Dialog::QueueTestScript(std::move(script));
        window.EvCommand(app::cmd::HorizontalOptions);
        EXPECT_EQ(Dialog::PendingTestScripts(), 0);
    }
    std::unique_ptr<HorzSetupRecord> Rec() const
    {
        auto r = std::make_unique<HorzSetupRecord>();
        const QByteArray bytes = ReadBytes(hor);
        EXPECT_EQ(bytes.size(), qsizetype(sizeof *r));
        std::memcpy(r.get(), bytes.constData(), std::min<std::size_t>(sizeof *r, std::size_t(bytes.size())));
        return r;
    }
};

QString Selected(const Dialog& d, int id) { return d.GetString(id, d.GetSelIndex(id)); }

int IndexStarting(const Dialog& d, int id, const QString& prefix)
{
    for (int i = 0; i < d.GetCount(id); ++i)
        if (d.GetString(id, i).startsWith(prefix))
            return i;
    return -1;
}

wellfile::HorzSection Section(float startMd, float endMd, float startTvd, float endTvd, float dip)
{
    wellfile::HorzSection s{};
    s.startMd = startMd;
    s.endMd = endMd;
    s.startTvd = startTvd;
    s.endTvd = endTvd;
    s.dip = dip;
    return s;
}

}  // namespace

TEST(HorzSetupDialog, WritesItsDefaultsAndResetsARecordThatDrawsNothing)
{
    SetupOnWell f;
    ASSERT_EQ(f.S().well.loggerId, 12);
    f.Run([](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Strativ Horizontal Setup");
        EXPECT_EQ(d.GetText(101), "NOT SELECTED");
        EXPECT_EQ(Selected(d, 110), "1-300");
        EXPECT_EQ(Selected(d, 131), "1-5");
        EXPECT_EQ(d.GetCheck(130), 1);
        EXPECT_TRUE(d.IsEnabled(122));
    });
    auto r = f.Rec();
    EXPECT_EQ(+r->anchorGammaFile[0], 0);
    EXPECT_EQ(+r->reserved800, 1);
    EXPECT_EQ(+r->inchesPer100Ft, 5.0f);
    EXPECT_EQ(+r->fillBehindGas, 1);
    EXPECT_EQ(+r->rateScale, 2);
    EXPECT_EQ(+r->gasScale, 2);
    EXPECT_EQ(+r->gammaScale, 6);
    EXPECT_EQ(+r->gasCount, 6);
    EXPECT_EQ(+r->textBlockCount, 10);
    EXPECT_EQ(+r->logGas, 1);  // profile 12

    // Drawing neither rates nor gas: the dialog defaults again, over what the dialog does not show.
    r->drawRates = r->drawGas = 0;
    r->sections[0] = Section(1100, 1400, 1050, 1100, 1);
    r->markers[2].symbolNumber = 7;
    r->scrollPosition = 321;
    r->gasCount = 2;
    r->gammaScale = 0;
    WriteBytes(f.hor, r.get(), sizeof *r);
    f.Run([](Dialog& d) { EXPECT_EQ(Selected(d, 110), "1-300"); });
    r = f.Rec();
    EXPECT_EQ(+r->drawRates, 1);
    EXPECT_EQ(+r->gasCount, 6);
    EXPECT_EQ(+r->sections[0].startMd, 1100);
    EXPECT_EQ(+r->markers[2].symbolNumber, 7);
    EXPECT_EQ(+r->scrollPosition, 321);

    // A stored gamma choice of 0 shows the profile's default entry.
    r->gammaScale = 0;
    WriteBytes(f.hor, r.get(), sizeof *r);
    f.Run([](Dialog& d) { EXPECT_EQ(Selected(d, 110), "1-150"); });
}

TEST(HorzSetupDialog, SaveStoresTheControlsWithinTheirLimits)
{
    SetupOnWell f([](HorzSetupRecord& r) {
        r.imageFormat = 3;
        r.gammaScale = 9;
        r.inchesPer100Ft = 5.0f;
        r.gammaOffWellTrack = 0;
        r.sections[0] = Section(1100, 1200, 1050, 1100, 1);
        r.sections[1] = Section(1200, 1400, 1100, 1150, 2);
        r.drawFromDepth = 1234;
        r.targetOffsetKb = 111;
        r.anchorOffsetKb = 222;
        r.markers[0].symbolNumber = 3;
        std::strcpy(r.anchorGammaFile, "/data/A@1.svc");
        std::strcpy(r.targetGammaFile, "/data/B@1.svc");
    });
    for (const char* name : {"H@100.svc", "H@200.svc", "h@300.svc", "other.svc"})
        WriteBytes(f.S().well.file.currentFolder + name, QByteArray(96, 0));
    f.Run([&f](Dialog& d) {
        EXPECT_TRUE(d.Control(148)->isVisible());  // several target gamma files and both paths set
        d.SetCheck(148, 1);
        EXPECT_EQ(Selected(d, 128), "None");
        EXPECT_EQ(Selected(d, 110), "1-1500");
        EXPECT_FALSE(d.IsEnabled(106));
        EXPECT_EQ(d.GetText(115), "No KB");
        EXPECT_FALSE(d.IsEnabled(116));
        EXPECT_EQ(d.GetCheck(122), 1);
        d.SetText(101, "a.sv");
        d.SetText(102, "/data/x@1.svc");
        d.SetText(119, "9");
        d.SetText(154, "25");
        d.SetText(145, "12abc");
        d.SetText(103, "1.5ft");
        d.SetText(106, "999");
        d.Click(125);  // 2 inches: the gamma leaves the well track
        EXPECT_EQ(d.GetCheck(122), 0);
        d.Click(153);
        auto r = f.Rec();
        EXPECT_STREQ(r->anchorGammaFile, "NOT SELECTED");
        EXPECT_STREQ(r->targetGammaFile, "/data/x@1.svc");  // letter case kept
        EXPECT_EQ(+r->gasCount, 6);
        EXPECT_EQ(+r->textBlockCount, 20);
        EXPECT_EQ(+r->highlightTargetGammaBelow, 12);
        EXPECT_FLOAT_EQ(+r->regionalDip, 1.5f);
        EXPECT_EQ(+r->drawFromDepth, 1234);  // the sections give it
        EXPECT_EQ(+r->targetOffsetKb, 111);
        EXPECT_EQ(+r->anchorOffsetKb, 222);
        EXPECT_EQ(+r->gammaOffWellTrack, 1);
        EXPECT_EQ(+r->inchesPer100Ft, 2.0f);
        EXPECT_EQ(+r->imageFormat, 0);
        EXPECT_EQ(+r->gammaScale, 9);
        EXPECT_EQ(+r->sections[1].endMd, 1400);
        EXPECT_EQ(+r->markers[0].symbolNumber, 3);
        EXPECT_EQ(+r->multipleTargetGammas, 1);

        d.SetText(119, "-3");
        d.SetText(154, "0");
        d.Click(153);
        EXPECT_EQ(+f.Rec()->gasCount, 0);
    });
    f.S().well.kbElevation = 900;
    f.Run([&f](Dialog& d) {
        EXPECT_EQ(d.GetText(154), "10");
        EXPECT_EQ(d.GetText(116), "111");
        d.SetText(116, "950");
        d.Click(153);
        EXPECT_EQ(+f.Rec()->targetOffsetKb, 950);
    });
}

TEST(HorzSetupDialog, ViewsAreSavedListedAndChosen)
{
    SetupOnWell f([](HorzSetupRecord&) {});
    const QString views = f.S().well.file.dataFolder + "views/";
    doubles().prompter.inputAnswers = {QString("north"), QString("../x"), QString()};
    f.Run([&](Dialog& d) {
        EXPECT_EQ(Selected(d, 152), "default");
        d.Click(151);
        d.Click(151);  // refused: it would leave the views folder
        EXPECT_FALSE(QFile::exists(f.S().well.file.dataFolder + "x.hor"));
        EXPECT_EQ(doubles().prompter.messages.size(), 1);
        d.Click(151);  // a name left empty
    });
    EXPECT_EQ(doubles().prompter.inputCaptions.value(0), "Name View");
    EXPECT_EQ(doubles().prompter.inputPrompts.value(0), "Enter name for this view");
    EXPECT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_EQ(ReadBytes(views + "north.hor"), ReadBytes(f.hor));
    EXPECT_STREQ(f.Rec()->viewName, "north.hor");

    WriteBytes(views + "Alpha.hor", QByteArray(10, 'a'));
    f.Run([&](Dialog& d) {
        ASSERT_EQ(d.GetCount(152), 3);
        EXPECT_EQ(d.GetString(152, 1), "Alpha.hor");
        EXPECT_EQ(Selected(d, 152), "north.hor");
        d.SetText(119, "3");
        d.Click(153);  // no view saved in this run
        EXPECT_EQ(+f.Rec()->viewName[0], 0);
        EXPECT_EQ(+f.Rec()->gasCount, 3);

        d.SetSelIndex(152, 2);
        d.Command(152, platform::CBN_SELCHANGE);
        d.Click(153);
        EXPECT_EQ(ReadBytes(f.hor), ReadBytes(views + "north.hor"));

        QFile::remove(views + "north.hor");
        doubles().prompter.messages.clear();
        d.Command(152, platform::CBN_SELCHANGE);
        d.Click(153);
        ASSERT_EQ(doubles().prompter.messages.size(), 1);
        EXPECT_EQ(doubles().prompter.messages[0].caption, "Save As failed");
        EXPECT_EQ(doubles().prompter.messages[0].text, views + "north.hor");
    });
}

TEST(HorzSetupDialog, FieldSwitchEndsTheDialogAndSectionsFollowTheWellsOptions)
{
    SetupOnWell f([](HorzSetupRecord&) {});
    const QString dbc = f.S().well.file.dataFolder + "H.dbc";
    const QByteArray settings(14456, 'd');
    WriteBytes(dbc, settings);
    f.S().well.sharedFolderWell = true;
    Dialog::QueueTestScript([](Dialog& d) {
        EXPECT_EQ(d.GetText(137), "Use Local Settings");
        EXPECT_FALSE(d.Control(138)->isVisible());
        d.Click(137);
    });
    horizontal::HorizontalServices& h = *f.window.Neighbours().horizontal;
    EXPECT_EQ(h.RunSetupDialog(f.S(), &f.window, nullptr), 2);
    EXPECT_TRUE(f.S().well.horizontalFieldSettings);
    EXPECT_EQ(ReadBytes(dbc), settings);

    f.S().well.sharedFolderWell = false;
    f.S().options.horizontalEditing = true;
    f.S().well.file.directional = false;
    f.Run([](Dialog& d) {
        EXPECT_FALSE(d.Control(137)->isVisible());
        EXPECT_TRUE(d.Control(138)->isVisible());
        EXPECT_FALSE(d.IsEnabled(138));
    });
}

TEST(HorzSetupDialog, EnterDataRunsTheTvdDialogWithCloseAndSaveDisabled)
{
    SetupOnWell f([](HorzSetupRecord&) {});
    Dialog* setup = nullptr;
    Dialog::QueueTestScript([&setup](Dialog& d) {
        setup = &d;
        d.Click(107);
        EXPECT_TRUE(d.IsEnabled(platform::IDOK));
        EXPECT_TRUE(d.IsEnabled(153));
    });
    bool ran = false;
    Dialog::QueueTestScript([&](Dialog& tvd) {
        ran = true;
        EXPECT_EQ(tvd.windowTitle(), "TVD WELL DATA");
        EXPECT_FALSE(setup->IsEnabled(platform::IDOK));
        EXPECT_FALSE(setup->IsEnabled(153));
    });
    f.window.EvCommand(app::cmd::HorizontalOptions);
    EXPECT_TRUE(ran);
}

TEST(HorzSetupDialog, SectionsAreEditedAndStoredOnlyByDone)
{
    SetupOnWell f([](HorzSetupRecord& r) {
        r.sections[0] = Section(1100, 1200, 1050, 1100, 1.5f);
        r.sections[1] = Section(1200, 1300, 1100, 1150, 2.5f);
        r.sections[2] = Section(1300, 1400, 1150, 1190, 3.5f);
        r.sectionCount = 3;
    });
    f.S().options.horizontalEditing = true;
    ASSERT_TRUE(f.S().well.file.directional);
    const std::vector<wellfile::RECORD> records = testing_support::DeviatedRecords(1000, 1400);
    float least = 0, greatest = 0;
    for (const wellfile::RECORD& r : records)
        if (r.depth >= 1350) {
            least = least == 0 ? r.tvd : std::min(least, r.tvd);
            greatest = std::max(greatest, r.tvd);
        }
    QByteArray afterDone;
    Dialog::QueueTestScript([&](Dialog& d) {
        d.Click(138);
        afterDone = ReadBytes(f.hor);
        d.Click(138);
    });
    Dialog::QueueTestScript([&](Dialog& b) {
        EXPECT_EQ(b.windowTitle(), "Strativ Horizontal Section Setup");
        EXPECT_EQ(b.GetText(113), "3");
        EXPECT_EQ(b.GetText(101), "1300");
        EXPECT_TRUE(b.IsEnabled(101));
        EXPECT_FALSE(b.IsEnabled(114));
        b.Click(112);
        b.Click(112);
        EXPECT_EQ(b.GetText(113), "1");
        EXPECT_FALSE(b.IsEnabled(110));
        EXPECT_FALSE(b.IsEnabled(101));
        b.Click(112);
        EXPECT_EQ(b.GetText(113), "3");
        EXPECT_EQ(doubles().sounder.beeps, 1);

        b.Click(109);
        ASSERT_FALSE(doubles().prompter.messages.isEmpty());
        EXPECT_EQ(doubles().prompter.messages.last().caption, "INFO");
        b.SetSelIndex(114, IndexStarting(b, 114, "MD :1340 "));
        b.Command(114, platform::LBN_SELCHANGE);
        b.Click(109);  // a second choice before Save replaces the new section
        const int line = IndexStarting(b, 114, "MD :1350 TVD :");
        ASSERT_GE(line, 0);
        b.SetSelIndex(114, line);
        b.Command(114, platform::LBN_SELCHANGE);
        EXPECT_EQ(b.GetText(113), "4");
        EXPECT_EQ(b.GetText(101), "1350");
        EXPECT_EQ(b.GetText(105), "3.50");
        EXPECT_EQ(b.GetText(103), "1150");
        EXPECT_EQ(b.GetText(104), "1190");
        EXPECT_EQ(b.GetText(106), QString::asprintf("%.2f", double(least)));
        EXPECT_EQ(b.GetText(107), QString::asprintf("%.2f", double(greatest)));
        b.Click(108);
        b.Click(110);  // 4 of 4: section 3 ends at the well's last depth again
        EXPECT_EQ(b.GetText(113), "3");
        EXPECT_EQ(b.GetText(102), "1400");

        b.Click(109);
        b.SetSelIndex(114, IndexStarting(b, 114, "MD :1380 "));
        b.Command(114, platform::LBN_SELCHANGE);
        b.Click(108);
        b.Click(112);
        b.Click(112);
        EXPECT_EQ(b.GetText(113), "2");
        b.Click(110);  // 2 of 4: the later ones move down
        EXPECT_EQ(b.GetText(113), "1");
        b.Click(platform::IDOK);
    });
    Dialog::QueueTestScript([](Dialog& b) {
        b.Click(110);
        b.Click(platform::IDCANCEL);
    });
    f.window.EvCommand(app::cmd::HorizontalOptions);
    EXPECT_EQ(ReadBytes(f.hor), afterDone);
    auto r = f.Rec();
    EXPECT_EQ(+r->sectionCount, 3);
    EXPECT_EQ(+r->sections[0].endMd, 1200);
    EXPECT_EQ(+r->sections[1].startMd, 1300);
    EXPECT_EQ(+r->sections[1].endMd, 1380);
    EXPECT_EQ(+r->sections[2].startMd, 1380);
    EXPECT_FLOAT_EQ(+r->sections[2].dip, 3.5f);
    EXPECT_EQ(+r->sections[3].startMd, 0);
}

TEST(HorzSetupDialog, TheViewsSetupRedrawsAfterSectionsAndAppliesWhatWasSaved)
{
    SetupOnWell f([](HorzSetupRecord& r) {
        r.sections[0] = Section(1100, 1400, 1050, 1100, 0);
        r.sectionCount = 1;
    });
    f.S().env.screenWidth = 1920;
    f.S().env.screenHeight = 1080;
    f.S().options.horizontalEditing = true;
    f.window.EvCommand(app::cmd::HorizontalView);
    auto* view = qobject_cast<horizontal::HorzDlg*>(f.window.Tools().horzView.data());
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->Settings().drawDescriptions);
    Dialog::QueueTestScript([view](Dialog& d) {
        EXPECT_EQ(view->ChildDialog(), &d);
        const int redraws = view->Redraws();
        d.Click(138);
        EXPECT_EQ(view->Redraws(), redraws + 1);
        d.SetCheck(120, 1);
        d.Click(153);
        d.Click(platform::IDOK);
    });
    Dialog::QueueTestScript([](Dialog& b) { b.Click(platform::IDOK); });
    view->CmSetup();
    EXPECT_TRUE(view->Settings().drawDescriptions);
    EXPECT_EQ(view->ChildDialog(), nullptr);
}

TEST(HorzSetupDialog, TopsLithologyIsWrittenToTheTopsFile)
{
    SetupOnWell f;
    std::vector<wellfile::TOPSEX>& tops = f.S().well.tops;
    tops.assign(3, wellfile::TOPSEX{});
    std::strcpy(tops[0].menuName, "Lansing");
    tops[0].drawOnHorizontal = 1;
    tops[1].depth = 1200;
    std::strcpy(tops[2].text, "Base");
    tops[2].drawOnHorizontal = 1;
    tops[2].lithology = 5;
    Dialog::QueueTestScript([](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "TVD Lithology");
        EXPECT_EQ(d.GetString(104, 0), "Lansing");
        EXPECT_EQ(d.GetString(104, 1), "no label");
        EXPECT_EQ(d.GetString(104, 2), "Base");
        EXPECT_EQ(d.GetSelIndex(104), 2);  // the first drawn top after the first
        EXPECT_EQ(Selected(d, 102), "Sand");
        d.SetSelIndex(104, 1);
        d.Command(104, platform::CBN_SELCHANGE);
        EXPECT_EQ(Selected(d, 102), "None");
        d.SetSelIndex(102, 3);
        d.Click(101);
    });
    horizontal::TVDLITHDLG dialog(&f.window, tops, [&f] { return app::SaveWellTops(f.S()); });
    dialog.Execute();
    const QByteArray top = ReadBytes(f.S().well.file.currentFolder + "H.top");
    ASSERT_EQ(top.size(), 3 * 253);
    std::int32_t lith = 0;
    std::memcpy(&lith, top.constData() + 253 + 96, 4);
    EXPECT_EQ(lith, 3);
}

TEST(HorzSetupDialog, AWellOpenedOutsideTheDataFolderKeepsItsOwnRecordAndTheDialogFitsASmallScreen)
{
    SetupOnWell f(
        [](HorzSetupRecord& r) {
            r.regionalDip = 2.5f;
            r.sections[0] = Section(1100, 1400, 1050, 1100, 1);
            r.markers[0].symbolNumber = 4;
            std::strcpy(r.anchorGammaFile, "/data/A@1.svc");
            std::strcpy(r.targetGammaFile, "/data/B@1.svc");
        },
        "elsewhere/");
    const QString data = f.S().well.file.dataFolder;
    ASSERT_NE(f.S().well.file.currentFolder, data);
    const QByteArray before = ReadBytes(f.hor);
    // Two curve files of the well: both count, so several target gammas can be chosen.
    for (const char* name : {"H@1100.svc", "H@1200.svc"})
        WriteBytes(f.S().well.file.currentFolder + name, QByteArray(96, 0));
    f.Run([](Dialog& d) {
        EXPECT_LE(d.frameGeometry().width(), 1024);  // a 1,024 x 768 screen
        EXPECT_LE(d.frameGeometry().height(), 768);
        EXPECT_EQ(d.GetText(103), "2.50");  // the view's record, not defaults
        EXPECT_TRUE(d.Control(148)->isVisible());
        d.Click(platform::IDOK);
    });
    EXPECT_EQ(ReadBytes(f.hor), before);
    EXPECT_FALSE(QFile::exists(data + "H.hor"));
    doubles().prompter.inputAnswers = {QString("east")};
    f.Run([](Dialog& d) {
        d.SetText(119, "4");
        d.Click(153);
        d.Click(151);
    });
    auto r = f.Rec();
    EXPECT_EQ(+r->gasCount, 4);
    EXPECT_EQ(+r->sections[0].startMd, 1100);
    EXPECT_EQ(+r->markers[0].symbolNumber, 4);
    EXPECT_EQ(ReadBytes(data + "views/east.hor"), ReadBytes(f.hor));
}
