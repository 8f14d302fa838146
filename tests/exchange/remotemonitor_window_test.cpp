// The remote monitor on a real window: timer 1 takes a package another station wrote, timer 5 follows
// a data file rewritten elsewhere.
#include "app/commandids.h"
#include "app/startup.h"
#include "app/ui/logwindow.h"
#include "app/wellservices.h"
#include "exchange/ui/remotesetupdlg.h"
#include "platform/ui/dialog.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/sidefiles_settings.h"
#include "wellfile/wellpackage.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

using testing_support::doubles;
using testing_support::ReadBytes;

TEST(RemoteMonitorWindow, TimerOneTakesThePackageAndTimerFiveFollowsTheFile)
{
    app::CommandLineFilesTaken() = 0;
    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(10, 5));
    LogWindow window{nullptr, QStringLiteral("StrativM")};
    window.SetupWindow();
    app::LogState& s = window.State();
    const QString m = s.well.file.dataFolder;
    ASSERT_EQ(window.OpenDataFile(testing_support::MakeWell(m, "W.svm", 2000, 2400)), 1);
    const QString r = testing_support::TestDir() + "R/", d = testing_support::TestDir() + "D/";
    QDir().mkpath(r);
    exchange::RemoteConfig cfg;
    std::strcpy(cfg.receiveFolder, qPrintable(r));
    cfg.interval = 10;
    ASSERT_EQ(wellfile::SaveRemoteConfig(m, cfg), 1);
    s.env.serverStation = true;
    window.EvCommand(app::cmd::RemoteMonitor);
    ASSERT_TRUE(s.env.remoteMonitorOn);

    testing_support::MakeWell(d, "W.svm", 2000, 2500);
    ASSERT_TRUE(
        wellfile::WritePackage(r + "W.sv8", {d + "W.svm"}, wellfile::kPackageLevel, wellfile::PackageWrite::Replace).ok);
    ASSERT_TRUE(doubles().timers.last->Fire(1));
    EXPECT_EQ(ReadBytes(m + "W.svm"), ReadBytes(d + "W.svm"));
    EXPECT_FALSE(QFile::exists(r + "W.sv8"));
    EXPECT_EQ(window.windowTitle().toStdString(), "W.svm  Last Updated AT 10:05 AM,   1/15/2026  ");
    EXPECT_EQ(s.well.file.fileBottomDepth, 2500);
    EXPECT_TRUE(doubles().prompter.messages.empty());

    // Timer 5 on the file rewritten: the caption gives its time of change.
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

TEST(RemoteMonitorWindow, SetupCommandStoresTheRecordAndShowsItBack)
{
    app::CommandLineFilesTaken() = 0;
    LogWindow window{nullptr, QStringLiteral("StrativM")};
    window.SetupWindow();
    app::LogState& s = window.State();
    const QString m = s.well.file.dataFolder;
    ASSERT_EQ(window.OpenDataFile(testing_support::MakeWell(m, "W.svm", 2000, 2400)), 1);
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
