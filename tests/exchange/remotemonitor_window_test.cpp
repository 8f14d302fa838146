// The remote monitor on a real window: timer 1 takes a package another station wrote, timer 5 follows
// a data file rewritten elsewhere.
#include "app/commandids.h"
#include "app/opendatafile.h"
#include "app/wellservices.h"
#include "elog/curves.h"
#include "exchange/ui/remotesetupdlg.h"
#include "layout/schemes.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/reportconversion.h"
#include "wellfile/reportindex.h"
#include "wellfile/sidefiles_settings.h"
#include "wellfile/topsex.h"
#include "wellfile/wellconfig.h"
#include "wellfile/wellheader.h"
#include "wellfile/wellpackage.h"
#include "wellfile/witsrecord.h"
#include "wits/dailyfile.h"
#include "wits/sidefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QStatusBar>

#include <ctime>

#include <gtest/gtest.h>

using testing_support::doubles;
using testing_support::ReadBytes;

TEST(RemoteMonitorWindow, TimerOneTakesThePackageAndTimerFiveFollowsTheFile)
{
    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(10, 5));
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_FALSE(testing_support::OpenNewWell(window, "W.svm", 2000, 2400).isEmpty());
    app::LogState& s = window.State();
    const QString m = s.well.file.dataFolder;
    const QString r = testing_support::TestDir() + "R/", d = testing_support::TestDir() + "D/";
    QDir().mkpath(r);
    wellfile::RemoteConfig cfg;
    std::strcpy(cfg.receiveFolder, qPrintable(r));
    cfg.interval = 10;
    ASSERT_EQ(wellfile::SaveRemoteConfig(m, cfg), 1);
    s.env.serverStation = true;
    window.EvCommand(app::cmd::RemoteMonitor);
    ASSERT_TRUE(s.env.remoteMonitorOn);

    // The package brings the well's tops, header and curve file with its records.
    testing_support::MakeWell(d, "W.svm", 2000, 2500);
    wellfile::TOPSEX top;
    top.depth = 2450;
    testing_support::WriteBytes(d + "W.top", &top, sizeof top);
    wellfile::WellHeader header{};
    platform::SetFieldText(header.well, "NORTH 7");
    testing_support::WriteBytes(d + "W.hdr", &header, sizeof header);
    std::vector<elog::CurveRecord> rows(600);
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].values[0] = float(2000 + i);
    testing_support::WriteBytes(d + "W.svc", testing_support::BytesOf(rows));
    ASSERT_TRUE(wellfile::WritePackage(r + "W.sv8", {d + "W.svm", d + "W.top", d + "W.hdr", d + "W.svc"},
                                       wellfile::kPackageLevel, wellfile::PackageWrite::Replace)
                    .ok);
    // While a data entry holds the well the package waits.
    const QByteArray held = ReadBytes(m + "W.svm");
    s.interaction.dataEntryActive = true;
    ASSERT_TRUE(doubles().timers.last->Fire(1));
    EXPECT_EQ(ReadBytes(m + "W.svm"), held);
    EXPECT_TRUE(QFile::exists(r + "W.sv8"));
    s.interaction.dataEntryActive = false;
    ASSERT_TRUE(doubles().timers.last->Fire(1));
    EXPECT_EQ(ReadBytes(m + "W.svm"), ReadBytes(d + "W.svm"));
    EXPECT_FALSE(QFile::exists(r + "W.sv8"));
    EXPECT_EQ(window.windowTitle().toStdString(), "W.svm  Last Updated AT 10:05 AM,   1/15/2026  ");
    EXPECT_EQ(s.well.file.fileBottomDepth, 2500);
    ASSERT_EQ(s.well.tops.size(), 1u);
    EXPECT_EQ(s.well.tops[0].depth, 2450);
    EXPECT_STREQ(s.well.header.well, "NORTH 7");
    ASSERT_TRUE(s.engines.elogCurves);
    EXPECT_TRUE(doubles().prompter.messages.empty());

    // Timer 5 on the file rewritten (live update on): the caption gives its time of change.
    s.well.file.copyOut = true;
    ASSERT_TRUE(doubles().timers.last->Fire(5));
    testing_support::MakeWell(d, "W.svm", 2000, 2600);
    QFile::remove(m + "W.svm");
    QFile::copy(d + "W.svm", m + "W.svm");
    QFile touched(m + "W.svm");
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
    touched.setFileTime(QDateTime(QDate(2026, 1, 15), QTime(13, 7, 9)), QFileDevice::FileModificationTime);
    touched.close();
    // A picture sent along with it is taken into the well's pictures.
    QImage photo(40, 30, QImage::Format_RGB32);
    photo.fill(Qt::darkYellow);
    ASSERT_TRUE(photo.save(s.well.file.currentFolder + "ISO2100.jpg", "JPG"));
    ASSERT_TRUE(doubles().timers.last->Fire(5));
    EXPECT_EQ(window.windowTitle().toStdString(), "StrativM    W.svm  Last Updated  1-15-26  1:07 PM");
    EXPECT_EQ(s.well.file.fileBottomDepth, 2600);
    EXPECT_FALSE(QFile::exists(s.well.file.currentFolder + "ISO2100.jpg"));
    ASSERT_EQ(s.pictures.all.size(), 1u);
    EXPECT_EQ(s.pictures.all[0].depth, 2100);

    // A well opened where another station writes it: timer 1 repaints on a new even bottom only.
    s.well.file.currentFolder = d;
    int repaints = 0;
    s.view.invalidate = [&repaints] { ++repaints; };
    for (const int bottom : {2610, 2611}) {
        testing_support::MakeWell(m, "W.svm", 2000, bottom);
        ASSERT_TRUE(doubles().timers.last->Fire(1));
        EXPECT_EQ(s.well.file.fileBottomDepth, bottom);
    }
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(window.windowTitle().toStdString(), "StrativM    W.svm...   Last Updated  10:05,  1/15/2026 ");

    // With live update on, the curve file beside it is loaded when first seen and again when written.
    struct Curves final : app::ViewServices {
        QStringList loaded;
        int LoadElog(app::LogState&, const QString& file) override
        {
            loaded << file;
            return 1;
        }
    } curves;
    app::ViewServices* const own = window.WellServices().view;
    window.WellServices().view = &curves;
    s.well.file.copyOut = true;
    testing_support::WriteBytes(d + "W.svc", "curves");
    ASSERT_TRUE(doubles().timers.last->Fire(5));
    ASSERT_TRUE(doubles().timers.last->Fire(5));
    EXPECT_EQ(curves.loaded, QStringList{d + "W.svc"});
    QFile svc(d + "W.svc");
    ASSERT_TRUE(svc.open(QIODevice::ReadWrite));
    svc.setFileTime(QDateTime(QDate(2026, 1, 15), QTime(13, 8)), QFileDevice::FileModificationTime);
    svc.close();
    ASSERT_TRUE(doubles().timers.last->Fire(5));
    EXPECT_EQ(curves.loaded.size(), 2);
    window.WellServices().view = own;
}

// Live update on in the well's own settings is all the refresh asks: with no second data folder the
// curve file rewritten beside the well is taken and the log drawn again at once, its title band naming
// the new curves' depths as a fresh drawing does; the data file written elsewhere gives the caption.
TEST(RemoteMonitorWindow, LiveUpdateAloneFollowsTheCurveFileAndDrawsItsDepths)
{
    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(10, 5));
    const auto writeCurves = [](const QString& path, int last, QTime written) {
        std::vector<elog::CurveRecord> rows(std::size_t(last - 2000 + 1));
        for (std::size_t i = 0; i < rows.size(); ++i)
            rows[i].values[0] = float(2000 + i);
        testing_support::WriteBytes(path, testing_support::BytesOf(rows));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(QDateTime(QDate(2026, 1, 15), written), QFileDevice::FileModificationTime);
    };
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString m;
    ASSERT_FALSE(testing_support::OpenNewWell(window, [&](const QString& data) {
        m = data;
        const QString path = testing_support::MakeWell(data, "W.svm", 2000, 2400);
        wellfile::WellPlace place;
        place.dataFolder = place.currentFolder = place.workingFolder = data;
        place.wellName = "W";
        wellfile::WellConfig cfg = wellfile::DefaultWellConfig({});
        cfg.copyOptions.copyOut = 1;  // "Live Update On"
        bool field = false;
        EXPECT_EQ(wellfile::SaveConfig(cfg, place, field), 1);
        writeCurves(data + "W.svc", 2300, QTime(9, 0));
        return path;
    }).isEmpty());
    app::LogState& s = window.State();
    ASSERT_FALSE(s.well.file.secondFolderOption);
    ASSERT_TRUE(doubles().timers.last->Fire(5));
    window.PaintLog();
    const QRect band(0, 0, window.BackingStore().width(), s.layout.format.logAreaTop);
    const QImage before = window.BackingStore().copy(band);

    // The tick asks the window for a paint, which draws the log again, title band and all.
    int repaints = 0;
    const std::function<void()> paint = s.view.invalidate;
    s.view.invalidate = [&] {
        ++repaints;
        if (paint)
            paint();
    };
    writeCurves(m + "W.svc", 2350, QTime(9, 30));
    ASSERT_TRUE(doubles().timers.last->Fire(5));
    ASSERT_TRUE(s.engines.elogCurves);
    EXPECT_EQ(s.engines.elogCurves->lastDepth, 2350);
    EXPECT_EQ(repaints, 1);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    const QImage shown = window.BackingStore().copy(band);
    s.view.redrawPending = true;
    window.PaintLog();
    EXPECT_FALSE(window.BackingStore().copy(band) == before);
    EXPECT_TRUE(window.BackingStore().copy(band) == shown);

    testing_support::MakeWell(m, "W.svm", 2000, 2410);
    QFile data(m + "W.svm");
    ASSERT_TRUE(data.open(QIODevice::ReadWrite));
    data.setFileTime(QDateTime(QDate(2026, 1, 15), QTime(9, 40)), QFileDevice::FileModificationTime);
    data.close();
    ASSERT_TRUE(doubles().timers.last->Fire(5));
    EXPECT_EQ(window.windowTitle().toStdString(), "StrativM    W.svm  Last Updated  1-15-26  9:40 AM");
    EXPECT_EQ(s.well.file.fileBottomDepth, 2410);
}

TEST(RemoteMonitorWindow, SetupCommandStoresTheRecordAndShowsItBack)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_FALSE(testing_support::OpenNewWell(window, "W.svm", 2000, 2400).isEmpty());
    app::LogState& s = window.State();
    const QString m = s.well.file.dataFolder;
    QString shown;
    platform::Dialog::QueueTestScript([&](platform::Dialog& d) {
        shown = d.GetText(105) + "|" + d.GetText(104);
        d.SetText(105, "5");
        d.SetCheck(103, platform::BST_CHECKED);
        d.Click(platform::IDOK);
    });
    window.EvCommand(app::cmd::RemoteSetup);
    EXPECT_EQ(shown, "30|Not Selected");
    const QByteArray bytes = ReadBytes(m + "svdlcfg.cfg");
    ASSERT_EQ(bytes.size(), 782);
    EXPECT_EQ(testing_support::At<std::int32_t>(bytes, 518), 60);
    EXPECT_EQ(testing_support::At<std::int32_t>(bytes, 264), 0);  // no destination: no copies
    platform::Dialog::QueueTestScript([&](platform::Dialog& d) {
        shown = d.GetText(105);
        d.Click(platform::IDCANCEL);
    });
    window.EvCommand(app::cmd::RemoteSetup);
    EXPECT_EQ(shown, "60");

    // A record that cannot be written is said, not only logged.
    QFile::remove(m + "svdlcfg.cfg");
    QDir().mkpath(m + "svdlcfg.cfg");
    platform::Dialog::QueueTestScript([](platform::Dialog& d) { d.Click(platform::IDOK); });
    window.EvCommand(app::cmd::RemoteSetup);
    ASSERT_EQ(doubles().prompter.messages.size(), 1u);
    EXPECT_EQ(doubles().prompter.messages[0].text, m + "svdlcfg.cfg");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "File Error");
    doubles().prompter.messages.clear();

    exchange::RemoteSetupFields fields;
    platform::Dialog::QueueTestScript([&](platform::Dialog& d) {
        shown = d.windowTitle() + "|" + d.GetText(112);
        d.Click(platform::IDCANCEL);
    });
    exchange::RemoteSetupDlg(nullptr, fields, exchange::RemoteSetupMode::CopyOnly, false, false, {}).Execute();
    EXPECT_EQ(shown, "Copy Files|Select Dir to copy files to when opened from E-Mail");

    s.env.firstInstance = 0;
    window.EvCommand(app::cmd::RemoteSetup);
    ASSERT_EQ(doubles().prompter.messages.size(), 1u);
    EXPECT_EQ(doubles().prompter.messages[0].caption, "ERROR");
}

// The refresh on a real window with live update on: a curve file that appears later becomes the scheme's,
// a rewritten file brings the update text in the well's time zone, the custom-data range and the report
// indexes, and a viewed well's received WITS blocks and loose daily file are filed.
TEST(RemoteMonitorWindow, RefreshFollowsCurvesIndexesAndTheViewedWellsWitsFiles)
{
    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(10, 5));
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_FALSE(testing_support::OpenNewWell(window, "W.svm", 2000, 2400).isEmpty());
    app::LogState& s = window.State();
    const QString m = s.well.file.dataFolder;
    ASSERT_FALSE(s.engines.elogCurves);
    s.well.file.copyOut = true;
    ASSERT_TRUE(doubles().timers.last->Fire(5));  // looked for before it came

    std::vector<elog::CurveRecord> rows(2500);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].values[0] = float(i);
        rows[i].values[elog::SLOT_GAMMA] = 70.0f;
    }
    testing_support::WriteBytes(m + "W.svc", testing_support::BytesOf(rows));
    ASSERT_TRUE(doubles().timers.last->Fire(5));
    ASSERT_TRUE(s.engines.elogCurves);
    EXPECT_EQ(s.well.elogFileName, m + "W.svc");
    wellfile::WellConfig config{};
    ASSERT_TRUE(wellfile::LoadConfig(config, app::PlaceOf(s), s.well.fieldSettings));
    const int scheme = s.layout.schemes.currentScheme;
    EXPECT_EQ(platform::FieldString(config.elogOffsets[scheme].fileName), m + "W.svc");
    const auto schemes = layout::LoadSchemes(s.layout.schemeHost.files, s.layout.schemes.fieldSchemes);
    ASSERT_TRUE(schemes);
    EXPECT_EQ((*schemes)[0].flags[1], 1);
    EXPECT_EQ(s.layout.schemes.trackFlags[1], (*schemes)[scheme].flags[1]);

    // Rewritten elsewhere with custom data and a stale show index: all read again.
    s.well.sharedFolderWell = true;
    s.well.timeZoneAdjust = 2;
    s.well.showDepthIndex.fill(7);
    QByteArray custom(2 * 222, '\0');
    const float depths[] = {2000.0f, 2410.0f};
    std::memcpy(custom.data(), &depths[0], 4);
    std::memcpy(custom.data() + 222, &depths[1], 4);
    testing_support::WriteBytes(s.well.file.customDataFileName, custom);
    testing_support::MakeWell(m, "W.svm", 2000, 2410);
    QFile data(m + "W.svm");
    ASSERT_TRUE(data.open(QIODevice::ReadWrite));
    data.setFileTime(QDateTime(QDate(2026, 1, 15), QTime(9, 0)), QFileDevice::FileModificationTime);
    data.close();
    ASSERT_TRUE(doubles().timers.last->Fire(5));
    EXPECT_EQ(s.well.updateText.toStdString(), "12:05 PM,   1/15/2026  ");
    EXPECT_EQ(window.windowTitle().toStdString(), "StrativM    W.svm  Last Updated  1-15-26 11:00 AM");
    EXPECT_EQ(s.well.file.customBottomDepth, 2410);
    decltype(s.well.showDepthIndex) fresh{};
    wellfile::LoadShowDepthIndex(app::PlaceOf(s), fresh, wellfile::ConvertShows);
    EXPECT_EQ(s.well.showDepthIndex, fresh);

    // Viewing another station's well: its WITS block and today's loose daily file are filed.
    const QString r = testing_support::TestDir() + "R/";
    QDir().mkpath(r);
    s.env.remoteReceiveFolder = r;
    s.witsChart.viewingStation[0] = true;
    s.well.wellTitle = "NORTH 7";
    std::vector<wellfile::WITSRECORD> block(5);
    for (int i = 0; i < 5; ++i) {
        wits::StampSample(block[std::size_t(i)], QDateTime(QDate(2026, 1, 15), QTime(10, 0, i * 6)));
        block[std::size_t(i)].holeDepth = float(2400 + i);
    }
    ASSERT_TRUE(wits::WriteRemoteBlock(r + "W.zl8", block.data(), 5));
    testing_support::WriteBytes(m + "W@1-15-26.wit", "loose day");
    int repaints = 0;
    s.view.invalidate = [&repaints] { ++repaints; };
    testing_support::MakeWell(m, "W.svm", 2000, 2412);
    ASSERT_TRUE(doubles().timers.last->Fire(5));
    EXPECT_FALSE(QFile::exists(r + "W.zl8"));
    const QString wits = platform::FindFileNoCase(m, "wits") + "/";
    EXPECT_EQ(QFileInfo(wits + "W.wit").size(), wellfile::kDailyFileSize);
    EXPECT_FALSE(QFile::exists(m + "W@1-15-26.wit"));
    EXPECT_EQ(ReadBytes(wits + "W@1-15-26.wit"), "loose day");
    EXPECT_TRUE(window.windowTitle().startsWith("StrativM    NORTH 7  Last Updated  "));
    EXPECT_EQ(s.well.file.fileBottomDepth, 2412);
    EXPECT_GE(repaints, 1);
    EXPECT_TRUE(doubles().prompter.messages.empty());
}

// Stopping drilling reads the remote settings again and starts the monitor they ask for; a package the
// monitor refuses is said on the status line, and the next package taken clears it.
TEST(RemoteMonitorWindow, DrillingStopRestartsTheMonitorAndRefusalsGoToTheStatusLine)
{
    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(10, 5));
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_FALSE(testing_support::OpenNewWell(window, "W.svm", 2000, 2400).isEmpty());
    app::LogState& s = window.State();
    const QString m = s.well.file.dataFolder;
    const QString r = testing_support::TestDir() + "R/", d = testing_support::TestDir() + "D/";
    QDir().mkpath(r);
    wellfile::RemoteConfig cfg;
    cfg.startOnOpen = 1;
    std::strcpy(cfg.receiveFolder, qPrintable(r));
    cfg.interval = 20;
    ASSERT_EQ(wellfile::SaveRemoteConfig(m, cfg), 1);
    s.env.serverStation = true;

    window.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(s.well.file.drilling);
    EXPECT_FALSE(s.env.remoteMonitorOn);
    window.EvCommand(app::cmd::Drilling);
    ASSERT_FALSE(s.well.file.drilling);
    EXPECT_TRUE(s.env.remoteMonitorOn);
    EXPECT_EQ(doubles().timers.last->Period(1), 20000);

    testing_support::WriteBytes(r + "W.sv8", "not a package");
    ASSERT_TRUE(doubles().timers.last->Fire(1));
    ASSERT_TRUE(doubles().timers.last->Fire(1));
    ASSERT_TRUE(QFile::exists(r + "rejected/W.sv8"));
    EXPECT_TRUE(window.statusBar()->currentMessage().contains("W.sv8 rejected"));
    EXPECT_TRUE(doubles().prompter.messages.empty());

    testing_support::MakeWell(d, "W.svm", 2000, 2500);
    ASSERT_TRUE(
        wellfile::WritePackage(r + "W.sv8", {d + "W.svm"}, wellfile::kPackageLevel, wellfile::PackageWrite::Replace).ok);
    ASSERT_TRUE(doubles().timers.last->Fire(1));
    EXPECT_EQ(s.well.file.fileBottomDepth, 2500);
    EXPECT_TRUE(window.statusBar()->currentMessage().isEmpty());
}

// "Last Updated" gives the hour the data file was written on the two days a year the clocks change, in
// a time zone with summer time as in UTC.
TEST(RemoteMonitorWindow, LastUpdatedKeepsItsHourOnTheDaysTheClocksChange)
{
    const QByteArray zone = qgetenv("TZ");
    for (const char* tz : {"UTC", "America/New_York"}) {
        qputenv("TZ", tz);
        ::tzset();
        shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
        ASSERT_FALSE(testing_support::OpenNewWell(window, "W.svm", 2000, 2400).isEmpty());
        app::LogState& s = window.State();
        const QString m = s.well.file.dataFolder;
        s.well.file.copyOut = true;
        ASSERT_TRUE(doubles().timers.last->Fire(5));
        for (const QDate& day : {QDate(2026, 3, 8), QDate(2026, 11, 1)}) {
            QFile data(m + "W.svm");
            ASSERT_TRUE(data.open(QIODevice::ReadWrite));
            data.setFileTime(QDateTime(day, QTime(13, 7, 9)), QFileDevice::FileModificationTime);
            data.close();
            ASSERT_TRUE(doubles().timers.last->Fire(5));
            EXPECT_EQ(window.windowTitle(),
                      QStringLiteral("StrativM    W.svm  Last Updated  %1-%2-26  1:07 PM").arg(day.month()).arg(day.day()))
                << tz;
        }
    }
    if (zone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", zone);
    ::tzset();
}
