// The live-update settings and the live users through the window's commands, on real folders; the
// clock double reads 15 January 2026.
#include "exchange/liveupdate.h"
#include "exchange/ui/liveupdatedlg.h"

#include "app/commandids.h"
#include "platform/folders.h"
#include "platform/ui/dialog.h"
#include "platform/ui/realservices.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/profile.h"
#include "wellfile/wellconfig.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

#include <cstring>

#include <gtest/gtest.h>

using testing_support::At;
using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

const QString kWarning = "Live updates are enabled. It is the\nloggers responsibility to verify that\nthe shared "
                         "folders are assigned to the correct\ncompanies and/or geologist's.\nIF ANY DOUBT LEAVE "
                         "THEM OFF and verify\nwith your supervisor";

QStringList Messages()
{
    QStringList out;
    for (const auto& m : doubles().prompter.messages)
        out << m.text + "/" + m.caption;
    doubles().prompter.messages.clear();
    return out;
}

QStringList Files(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

struct Window {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString data, shared = TestDir() + "Dropbox/W/";
    Window()
    {
        testing_support::OpenNewWell(window, "W.svm", 100, 200);
        data = window.State().well.file.dataFolder;
        QDir().mkpath(shared);
        window.State().env.sharedFolder = shared;
        Messages();
    }
    // Runs the live-update command with the box, interval and closing button given.
    void Configure(int on, const QString& interval, int button = platform::IDOK)
    {
        platform::Dialog::QueueTestScript([=](platform::Dialog& d) {
            d.SetCheck(101, on);
            d.SetText(102, interval);
            d.Click(button);
        });
        window.EvCommand(app::cmd::LiveUpdateConfig);
    }
    QByteArray Config() const { return ReadBytes(data + "W.cfg"); }
};

}  // namespace

TEST(LiveUpdate, SwitchingOnWarnsOncePublishesAndKeepsTheWindowsIntervalAtTwo)
{
    Window w;
    for (const char* name : {"W.hdr", "W.top", "W.mem", "W.grdx", "W.lfg", "X.hor"})
        WriteBytes(w.data + name, name);
    QDir().mkpath(w.data + "wits");
    WriteBytes(w.data + "wits/W@1-15-26.wit", "today");
    WriteBytes(w.data + "wits/W@1-14-26.wit", "yesterday");
    ASSERT_EQ(At<std::uint8_t>(w.Config(), 4618), 0);

    w.Configure(1, "1");
    EXPECT_EQ(Messages(), (QStringList{kWarning + "/", "Files Updated/"}));
    QStringList published = {"W@1-15-26.wit"};
    for (const QString& extension : exchange::PublishedExtensions())
        if (QFile::exists(w.data + "W" + extension))
            published << "W" + extension;
    published.sort();
    EXPECT_GE(published.size(), 7);
    EXPECT_EQ(Files(w.shared), published);
    EXPECT_EQ(ReadBytes(w.shared + "W@1-15-26.wit"), "today");
    const QByteArray record = w.Config();
    EXPECT_EQ(At<std::uint8_t>(record, 4618), 1);
    EXPECT_EQ(At<std::uint8_t>(record, 4623), 1);
    EXPECT_EQ(At<std::int32_t>(record, 4610), 2);
    const app::LogState& s = w.window.State();
    EXPECT_TRUE(s.well.file.copyOut);
    QByteArray block(reinterpret_cast<const char*>(&s.well.config.copyOptions), 56);
    EXPECT_EQ(block, record.mid(4610, 56));

    // Already on: no warning; the interval is kept in the record only.
    w.Configure(1, "50");
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(At<std::int32_t>(w.Config(), 4610), 50);
    const int interval = s.well.config.copyOptions.liveUpdateInterval;
    EXPECT_EQ(interval, 2);
    block = QByteArray(reinterpret_cast<const char*>(&s.well.config.copyOptions), 56);
    EXPECT_EQ(block.mid(4), w.Config().mid(4614, 52));

    // Switched off: nothing is published.
    QDir(w.shared).removeRecursively();
    QDir().mkpath(w.shared);
    w.Configure(0, "50");
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_TRUE(Files(w.shared).isEmpty());
    EXPECT_EQ(At<std::uint8_t>(w.Config(), 4618), 0);
    EXPECT_FALSE(s.well.file.copyOut);

    // "Close" saves the record as it was read.
    QFile::remove(w.data + "W.cfg");
    w.Configure(1, "9", platform::IDCANCEL);
    EXPECT_EQ(At<std::uint8_t>(w.Config(), 4618), 0);
    EXPECT_EQ(At<std::int32_t>(w.Config(), 4610), 2);

    // Without the shared folder "Update Now" says which folder is missing; a record that cannot be
    // written is said too.
    w.window.State().env.sharedFolder = TestDir() + "gone/";
    QFile::remove(w.data + "W.cfg");
    QDir().mkpath(w.data + "W.cfg");
    w.Configure(1, "9");
    EXPECT_EQ(Messages(), (QStringList{kWarning + "/",
                                       "Files not updated: the shared folder " + TestDir() +
                                           "gone/ is missing.\nPress Update Now once the folder is there./",
                                       "The settings of the well could not be saved/File Error"}));
}

// On the desktop the boxes of "Update Now", which have no caption of their own, show the program's name;
// without the shared folder the box says what to do.
TEST(LiveUpdate, UpdateNowBoxesCarryTheProgramsNameAndSayWhatToDo)
{
    Window w;
    platform::InstallRealServices();
    QStringList boxes;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxes << box->windowTitle() + "|" + box->text();
            box->close();
        }
    });
    closer.start(10);
    platform::Dialog::QueueTestScript([&](platform::Dialog& d) {
        d.SetCheck(101, 1);
        d.Click(103);
        w.window.State().env.sharedFolder = TestDir() + "gone/";
        d.Click(103);
        d.Click(platform::IDCANCEL);
    });
    w.window.EvCommand(app::cmd::LiveUpdateConfig);
    EXPECT_EQ(boxes, (QStringList{"StrativM|Files Updated",
                                  "StrativM|Files not updated: the shared folder " + TestDir() +
                                      "gone/ is missing.\nPress Update Now once the folder is there."}));
}

// While drilling with live update on, a change of the records reaches the shared copy of the data file
// at once, as a saved side file does.
TEST(LiveUpdate, WhileDrillingAChangeOfTheRecordsReachesTheSharedCopy)
{
    Window w;
    w.Configure(1, "2");
    Messages();
    w.window.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(w.window.State().well.file.drilling);
    QFile::remove(w.shared + "W.svm");
    platform::Dialog::QueueTestScript([](platform::Dialog& d) { d.Click(platform::IDOK); });
    w.window.LabelGasesAt(150);
    EXPECT_EQ(ReadBytes(w.shared + "W.svm"), ReadBytes(w.data + "W.svm"));
    w.window.EvCommand(app::cmd::Drilling);
}

TEST(LiveUpdate, TheBoxesShownFollowTheProfileAndTheGasMonitor)
{
    struct Case {
        int profile, gasType;
        bool onForced, chartShown, chartEnabled;
        int chart;
    };
    for (const Case& c : {Case{21, -1, true, true, true, 1}, Case{1, 10, false, false, false, 0},
                          Case{1, 11, false, false, false, 0}, Case{62, -1, false, true, false, 1}}) {
        wellfile::WellConfig config{};
        config.copyOptions.sendChartFiles = 1;
        exchange::LUCFGDLG dialog(nullptr, config, c.profile, c.gasType, {});
        platform::Dialog::QueueTestScript([&](platform::Dialog& d) {
            EXPECT_EQ(d.GetCheck(101), c.onForced ? 1 : 0);
            EXPECT_EQ(d.IsEnabled(101), !c.onForced);
            EXPECT_EQ(d.Control(101)->isHidden(), c.onForced);
            EXPECT_EQ(d.Control(103)->isHidden(), c.onForced);
            EXPECT_EQ(d.GetCheck(105), c.chart) << c.profile << " " << c.gasType;
            EXPECT_EQ(d.IsEnabled(105), c.chartEnabled);
            EXPECT_EQ(!d.Control(105)->isHidden(), c.chartShown);
            for (int id : {104, 106, 107, 108, 109, 111, 112, 113})
                EXPECT_TRUE(d.Control(id)->isHidden()) << id;
            EXPECT_FALSE(d.Control(110)->isHidden());
            EXPECT_EQ(d.GetText(102), "2");
        });
        dialog.Execute();
    }
}

TEST(LiveUsers, OnlyRealUsersAreOfferedAndDeletedWellsLeaveTheirFolders)
{
    const QString root = TestDir() + "Users/", wells = TestDir() + "wells/";
    for (const char* user : {"alice", "Public", "Default User", "all.users"})
        QDir().mkpath(root + user);
    platform::WriteSetting("LiveUsersRoot", root);
    const QString alice = exchange::LiveUserFolder(root, "alice");
    QDir().mkpath(alice);
    QDir().mkpath(wells);
    for (const char* name : {"A.svm", "B.svm"})
        WriteBytes(wells + name, name);
    for (const char* name : {"A.svm", "C.svm", "C.hdr", "C.cfg", "D.svm"})
        WriteBytes(alice + name, name);

    wellfile::SettingsBlock block{};
    ASSERT_TRUE(exchange::SetListedFile(block, 0, wells + "A.svm"));
    ASSERT_TRUE(exchange::SetListedFile(block, 1, wells + "C.svm"));  // deleted since
    ASSERT_TRUE(exchange::SetListedFile(block, 3, wells + "B.svm"));
    ASSERT_TRUE(exchange::SetListedFile(block, 4, TestDir() + "unmounted/D.svm"));
    std::memset(block.fileList[5], 'x', sizeof block.fileList[5]);  // no NUL: read up to the field's end
    std::strcpy(block.lastFileViewed, qPrintable(wells + "B.svm"));
    block.loginCount = 7;
    block.allowGasChartViewing = 1;
    block.fileCount = 5;
    const QString usr = exchange::LiveUserFilePath(root, "alice");
    WriteBytes(usr, &block, sizeof block);

    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    window.SetupWindow();
    doubles().prompter.fileAnswers = {wells + "E.svm", "/" + QString(300, 'p') + ".svm"};
    platform::Dialog::QueueTestScript([&](platform::Dialog& d) {
        EXPECT_EQ(d.GetCount(115), 1);
        EXPECT_EQ(d.GetString(115, 0), "alice");
        ASSERT_EQ(d.GetCount(110), 19);
        EXPECT_EQ(d.GetString(110, 0), wellfile::LoggerFilePrefix(12).section(' ', 0, 0));
        EXPECT_EQ(d.GetString(110, 18), wellfile::LoggerFilePrefix(74).section(' ', 0, 0));
        EXPECT_FALSE(d.IsEnabled(103));

        d.SetSelIndex(115, 0);
        d.Command(115, platform::LBN_SELCHANGE);
        ASSERT_EQ(d.GetCount(112), 4);
        EXPECT_EQ(d.GetString(112, 1), wells + "B.svm");
        EXPECT_EQ(d.GetString(112, 3), QString(260, 'x'));
        EXPECT_EQ(d.GetSelIndex(112), 1);
        EXPECT_EQ(d.GetText(102), "7");
        EXPECT_TRUE(d.IsEnabled(103));
        EXPECT_EQ(d.GetCheck(103), 1);
        // The deleted well's files leave alice's folder; an unreachable one's stay.
        EXPECT_EQ(Files(alice), (QStringList{"A.svm", "D.svm", "alice.usr"}));

        d.SetSelIndex(110, 2);
        d.Command(110, platform::LBN_SELCHANGE);
        EXPECT_EQ(QString(ReadBytes(usr).mid(56, 56).constData()), d.GetString(110, 2));

        d.Click(106);  // ADD: goes into the first free entry, not over B
        d.Click(106);  // a path too long for its field is refused
        const QByteArray added = ReadBytes(usr);
        EXPECT_EQ(QString(added.mid(116 + 2 * 260, 260).constData()), wells + "E.svm");
        EXPECT_EQ(QString(added.mid(116 + 3 * 260, 260).constData()), wells + "B.svm");
        EXPECT_EQ(d.GetCount(112), 5);

        d.SetSelIndex(112, 1);  // REMOVE B, the last file viewed
        d.Click(107);
        EXPECT_EQ(d.GetCount(112), 4);
        EXPECT_EQ(d.GetText(101), "");
        const QByteArray removed = ReadBytes(usr);
        EXPECT_EQ(removed.size(), 14456);
        EXPECT_EQ(QString(removed.mid(116 + 260, 260).constData()), TestDir() + "unmounted/D.svm");
        EXPECT_EQ(removed.at(13116), 0);
        d.Click(platform::IDCANCEL);
    });
    window.EvCommand(app::cmd::LiveUsers);
    EXPECT_EQ(platform::Dialog::PendingTestScripts(), 0);

    // A record of the wrong size lists nothing and stays as it is.
    WriteBytes(usr, QByteArray(14455, 'r'));
    platform::Dialog::QueueTestScript([](platform::Dialog& d) {
        d.SetSelIndex(115, 0);
        d.Command(115, platform::LBN_SELCHANGE);
        EXPECT_EQ(d.GetCount(112), 0);
    });
    window.EvCommand(app::cmd::LiveUsers);
    EXPECT_EQ(ReadBytes(usr), QByteArray(14455, 'r'));
}
