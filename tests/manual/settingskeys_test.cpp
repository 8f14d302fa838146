// Manual, 10. The settings keys: each key typed into the settings file while the program is closed, as a
// user types it with a text editor, and what it changes seen once the window starts again.
#include "exchange/liveupdate.h"
#include "exchange/sharedwells.h"
#include "manual/lasfilessteps.h"
#include "platform/folders.h"
#include "platform/gameport.h"
#include "platform/mailer.h"
#include "platform/textlink.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/files.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <memory>

using testing_support::doubles;
using testing_support::TestDir;

namespace {

// The settings file as typed in a text editor; the window then starts.
std::unique_ptr<shell::LogWindow> StartWith(const QString& typed)
{
    testing_support::WriteBytes(platform::SettingsFile(), typed.toUtf8());
    qputenv("USER", "tester");
    auto w = std::make_unique<shell::LogWindow>(nullptr, QStringLiteral("StrativM"));
    w->SetupWindow();
    return w;
}

TEST(ManualSettingsKeys, EachKeyTypedIntoTheFileTakesEffectAtTheNextStart)
{
    // [INSTDIR] INSTALL DIR: the install folder gets the demo well; the wells are kept in StrativM of the
    // documents folder, as for every install folder but the one in the home folder.
    {
        const QString install = TestDir() + "opt/strativ";
        auto w = StartWith("[INSTDIR]\nINSTALL DIR=" + install + "\n");
        EXPECT_TRUE(platform::SameFolder(w->State().env.installFolder, install));
        EXPECT_TRUE(QFileInfo(install + "/elogdemo.svm").isFile());
        EXPECT_TRUE(platform::SameFolder(w->State().well.file.dataFolder, platform::DocumentsFolder()));
    }
    // SecondDataFolder, above the first section: the files of a well with live update on (as a new well
    // has it) are copied there as they are saved.
    testing_support::ResetBetweenTests();
    {
        const QString second = TestDir() + "second/";
        QDir().mkpath(second);
        auto w = StartWith("SecondDataFolder=" + second + "\n\n[Options]\nLiveView=0\n");
        platform::Dialog::QueueTestScript([](platform::Dialog& d) {
            d.SetText(101, "Copied");
            d.SetText(102, "3000");
            d.Click(platform::IDOK);
        });
        ASSERT_TRUE(manual::Choose(*w, {"File", "New..."}));
        ASSERT_EQ(w->State().well.file.wellName, "COPIED");
        const QString data = w->State().well.file.dataFolder;
        for (const char* saved : {"COPIED.sch", "COPIED.clr"}) {
            EXPECT_TRUE(QFileInfo(data + saved).isFile()) << saved;
            EXPECT_EQ(testing_support::ReadBytes(second + saved), testing_support::ReadBytes(data + saved)) << saved;
        }
        // With the well's live update off (Setup > Strativ Live Update Configuration...) nothing more goes
        // there; on again, the colours saved as the next scheme is chosen do.
        for (const int live : {0, 1}) {
            QFile::remove(second + "COPIED.clr");
            platform::Dialog::QueueTestScript([live](platform::Dialog& d) {
                d.SetCheck(101, live);  // "Live Update On"
                d.Click(platform::IDOK);
            });
            ASSERT_TRUE(manual::Choose(*w, {"Setup", "Strativ Live Update Configuration..."}));
            ASSERT_TRUE(manual::Choose(*w, {"Schemes", "Custom"}));
            EXPECT_EQ(QFileInfo::exists(second + "COPIED.clr"), live == 1) << live;
        }
    }
    // [GamePort] Device: drilling's depth box is read from that device.
    testing_support::ResetBetweenTests();
    {
        const QString device = TestDir() + "depthbox";
        ASSERT_EQ(::mkfifo(device.toLocal8Bit().constData(), 0600), 0);
        auto w = StartWith("[GamePort]\nDevice=" + device + "\n");
        const std::unique_ptr<platform::GamePort> port = platform::MakeJoystickGamePort();
        EXPECT_TRUE(port->SetCapture(1));
    }
    // [Serial] COM3: a link on COM port 3 opens that device; what it sends arrives at its other end.
    testing_support::ResetBetweenTests();
    {
        testing_support::PtyPair line;
        ASSERT_TRUE(line.Start());
        QSerialPort peer(line.b);
        ASSERT_TRUE(peer.open(QIODevice::ReadWrite));
        auto w = StartWith("[Serial]\nCOM3=" + line.a + "\n");
        const std::uint32_t link = platform::ConnectASCII(3, 1000, {});
        ASSERT_NE(link, 0u);
        EXPECT_EQ(platform::WriteTransparentString(link, 4, "&&\r\n"), 4);
        QByteArray got;
        testing_support::Spin([&] {
            got += peer.readAll();
            return got.size() >= 4;
        }, 5000);
        EXPECT_EQ(got, "&&\r\n");
        platform::CloseConnection(link);
    }
    // [Wits] ServerAddress: the WITS server set up with Setup TCP Wits Feed listens on that address; one
    // this machine does not have leaves the server off, and the link says so.
    for (const char* address : {"192.0.2.1", "127.0.0.1"}) {
        testing_support::ResetBetweenTests();
        const int port = testing_support::FreeTcpPort();
        auto w = StartWith(QStringLiteral("[Wits]\nServerAddress=%1\n").arg(address));
        ASSERT_TRUE(manual::Choose(*w, {"Options", "Drilling"}));
        platform::Dialog::QueueTestScript([port](platform::Dialog& d) {
            d.SetCheck(119, platform::BST_CHECKED);  // "Wits On TCP"
            d.SetCheck(127, platform::BST_CHECKED);  // "Strativ Is Server"
            d.SetText(120, QString::number(port));
            d.Click(platform::IDOK);
        });
        ASSERT_TRUE(manual::Choose(*w, {"Setup", "Setup TCP Wits Feed"}));
        ASSERT_TRUE(manual::Choose(*w, {"Options", "Wits Monitor"}));
        const bool here = QString(address) == "127.0.0.1";
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, quint16(port));
        EXPECT_EQ(client.waitForConnected(2000), here) << address;
        QStringList said;
        for (const auto& m : doubles().prompter.messages)
            said << m.text;
        EXPECT_TRUE(said.contains(here ? "Wits server On TCP" : "Wits server failed")) << said.join('|').toStdString();
    }
    // [ALARMS] MAILER, [STATION] NUMBER, the roots of the shared wells and live users, and the FIT keys.
    testing_support::ResetBetweenTests();
    {
        const QString root = TestDir() + "shared/", users = TestDir() + "users/";
        QDir().mkpath(users + "anna");
        QDir().mkpath(platform::DefaultInstallFolder() + "Dropbox");
        auto w = StartWith("SharedWellsRoot=" + root + "\nLiveUsersRoot=" + users +
                           "\n\n[ALARMS]\nMAILER=/usr/local/bin/mail-alarm\n\n[STATION]\nNUMBER=7\n\n"
                           "[FIT]\nDATA=1\nEXTRECORDS=0\n");
        const app::LogState& s = w->State();
        EXPECT_TRUE(platform::StartAlarmMailer(s.well.file.dataFolder, "GAS HIGH"));
        ASSERT_EQ(doubles().shell.started.size(), 1);
        EXPECT_EQ(doubles().shell.started[0].program, "/usr/local/bin/mail-alarm");
        // The unit's shared folder in the Dropbox folder carries the station number.
        EXPECT_TRUE(s.env.sharedFolder.endsWith("007/")) << s.env.sharedFolder.toStdString();
        EXPECT_TRUE(QFileInfo(s.env.sharedFolder).isDir());
        EXPECT_TRUE(s.well.fit.dataEnabled);
        EXPECT_FALSE(s.well.fit.extRecordOption);
        EXPECT_EQ(exchange::SharedWellsRoot(s.well.file.dataFolder), root);
        EXPECT_EQ(exchange::LiveUsers(exchange::UsersRoot()), QStringList{"anna"});
        // The same keys typed below a section belong to it: not read.
        w = StartWith("[FIT]\nDATA=1\nSharedWellsRoot=" + root + "\nLiveUsersRoot=" + users + "\n");
        EXPECT_NE(exchange::SharedWellsRoot(w->State().well.file.dataFolder), root);
        EXPECT_NE(exchange::UsersRoot(), users);
    }
    // [Options]: 1 turns each switch on; 0 or a missing key leaves it off.
    testing_support::ResetBetweenTests();
    {
        const QStringList keys = {"LiveView", "HorizontalEditing", "HorizontalLithPictures", "HorizontalVerticalGas",
                                  "HorizontalHardness", "HorizontalThirdCurve", "HorizontalScaleNote",
                                  "HorizontalThickTarget", "HorizontalHalfPrint", "FlareTrack", "FlareContinue",
                                  "CombinedGasTrack", "MemoAllCaps"};
        const auto switches = [](const app::LogState& s) {
            const app::OptionSettings& o = s.options;
            return QList<bool>{s.view.liveView, o.horizontalEditing, o.horizontalLithPictures, o.horizontalVerticalGas,
                               o.horizontalHardness, o.horizontalThirdCurve, o.horizontalScaleNote,
                               o.horizontalThickTarget, s.print.horizontalHalfScale, s.layout.flareTrack != 0,
                               s.entry.flareContinue, s.layout.combinedGasTrack, s.notes.allCapsDescriptions};
        };
        for (const int on : {1, 0}) {
            QString typed = "[Options]\n";
            for (qsizetype i = 0; i < keys.size(); ++i)
                if (on || i % 2)  // off: every other key 0, the rest missing
                    typed += keys[i] + "=" + QString::number(on) + "\n";
            auto w = StartWith(typed);
            EXPECT_EQ(switches(w->State()), QList<bool>(keys.size(), on == 1)) << typed.toStdString();
        }
        // The README says what each one turns on: a row of its settings table per key.
        const QString readme = QString::fromUtf8(
            testing_support::ReadExistingBytes(QFileInfo(STRATIVM_MANUAL_MD).absolutePath() + "/../README.md"));
        for (const QString& key : keys)
            EXPECT_TRUE(readme.contains("| `" + key + "` |")) << key.toStdString();
    }
}

}  // namespace
