// The alarm pop-up and the limits dialog, driven through their controls, and the command that opens
// the dialog.
#include "alarmfiles.h"
#include "app/commandids.h"
#include "shell/ui/logwindow.h"
#include "wits/ui/witsalarmwindows.h"
#include "wits/witsalarmhost.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>

#include <gtest/gtest.h>

#include <memory>

using namespace wits;
using namespace wits_testing;
using platform::Dialog;
using testing_support::doubles;
using testing_support::TestDir;

namespace {

// A host whose tables show the real pop-up over `parent`.
WitsAlarmHost HostOver(QWidget* parent, int* reloads, int profile = 0)
{
    WitsAlarmHost h;
    h.dataFolder = [] { return TestDir(); };
    h.profile = [profile] { return profile; };
    h.makePopup = [parent](WitsAlarms& table, int channel, const QString& text) {
        return ShowWitsAlarmDisplay(parent, table, channel, text);
    };
    h.reloadEngineTable = [reloads] { ++*reloads; };
    return h;
}

// The alarm of an entry with a time of at most a minute: values out of range a minute apart.
WitsAlarmDisplay* Fire(WitsAlarms& table, int channel, float v)
{
    for (int i = 0; i < 3; ++i) {
        doubles().clock.ms += 60'001;
        table.Feed(channel, v);
    }
    return dynamic_cast<WitsAlarmDisplay*>(table.Display());
}

void WriteFlowLimits()
{
    WitsAlarmBlock block{};
    block[kFlowChannel] = Limits(100, 0, 1);
    block[11] = Limits(0, 5, 0);
    WriteAlarmFile(block);
}

// The user picks another channel of the list.
void Select(Dialog& d, int channel)
{
    d.SetSelIndex(101, channel);
    d.Command(101, platform::CBN_SELCHANGE);
}

}  // namespace

TEST(WitsAlarmDisplay, IsMadeOnceHiddenByCloseShownByTheNextAlarmAndDisableClearsItsChannel)
{
    WriteFlowLimits();
    QWidget window;
    int reloads = 0;
    WitsAlarms table(HostOver(&window, &reloads));
    WitsAlarmDisplay* popup = Fire(table, kFlowChannel, 50);
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->parentWidget(), &window);
    EXPECT_EQ(popup->GetText(105), "FLOW OUT OF RANGE");

    EXPECT_TRUE(popup->Click(102));
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(Fire(table, 11, 7), popup);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->GetText(105), "CO2 OUT OF RANGE");
    EXPECT_EQ(popup->Channel(), 11);

    popup->SetAlarmText(QStringLiteral("FLOW OUT OF RANGE"), kFlowChannel);
    EXPECT_TRUE(popup->Click(127));
    EXPECT_TRUE(AllZero(BytesOf(table.Entry(kFlowChannel))));
    EXPECT_TRUE(AllZero(FileEntry(kFlowChannel)));
    EXPECT_EQ(reloads, 1);
    EXPECT_TRUE(popup->isVisible());

    QFile::remove(AlarmFile());
    ASSERT_TRUE(QDir().mkdir(AlarmFile()));
    EXPECT_TRUE(popup->Click(127));
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_TRUE(doubles().prompter.messages[0].text.contains("\"wits.alm\" could not be saved"));
}

TEST(WitsAlarmDisplay, NeverActsOnATableThatIsReloadedOrGone)
{
    WriteFlowLimits();
    QWidget window;
    int reloads = 0;
    {
        // The engine's reload of the very table whose pop-up is used, twice.
        WitsAlarmHost host = HostOver(&window, &reloads);
        std::unique_ptr<WitsAlarms> table;
        host.reloadEngineTable = [&] { table->Reload(), ++reloads; };
        table = std::make_unique<WitsAlarms>(host);
        WitsAlarmDisplay* popup = Fire(*table, kFlowChannel, 50);
        ASSERT_NE(popup, nullptr);
        EXPECT_TRUE(popup->Click(127));
        EXPECT_TRUE(popup->Click(127));
        EXPECT_EQ(table->Display(), popup);
        EXPECT_EQ(reloads, 2);
    }
    {
        // The owner of a table deleted while its pop-up is open: the pop-up closes and reaches nothing.
        WriteFlowLimits();
        auto owner = std::make_unique<WitsAlarms>(HostOver(&window, &reloads));
        QPointer<WitsAlarmDisplay> popup = Fire(*owner, kFlowChannel, 50);
        ASSERT_TRUE(popup);
        owner.reset();
        ASSERT_TRUE(popup);
        EXPECT_FALSE(popup->isVisible());
        popup->Command(127);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(popup);
        EXPECT_EQ(reloads, 2);
    }
    // The pop-up's parent goes first: the table forgets it and makes a new one for its next alarm.
    WriteFlowLimits();
    auto parent = std::make_unique<QWidget>();
    WitsAlarmHost host = HostOver(nullptr, &reloads);
    host.makePopup = [&parent](WitsAlarms& t, int channel, const QString& text) {
        return ShowWitsAlarmDisplay(parent.get(), t, channel, text);
    };
    WitsAlarms table(host);
    ASSERT_NE(Fire(table, kFlowChannel, 50), nullptr);
    parent = std::make_unique<QWidget>();
    EXPECT_EQ(table.Display(), nullptr);
    EXPECT_NE(Fire(table, kFlowChannel, 50), nullptr);
}

TEST(WitsAlarmsDlg, ShowsTheStoredLimitsWholeThenWithOneDecimalAndSavesOnlyTheChannelShown)
{
    WitsAlarmBlock block{};
    block[0] = Limits(5, 0, 0);
    block[kBitDepthChannel] = Limits(5, 12.25f, 3, 1);
    block[kFlowChannel] = Limits(100, 900, 4, 1);
    block[kFlowChannel].Value = 77;  // whatever the file holds is written back as it came
    block[40].reserved2[0] = 9;
    WriteAlarmFile(block);
    int reloads = 0;
    WitsAlarmsDlg dlg(nullptr, HostOver(nullptr, &reloads, 4));
    Dialog::QueueTestScript([&](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Wits Alarms");
        ASSERT_EQ(d.GetCount(101), 31);
        EXPECT_EQ(d.GetString(101, 7), "Gain or Loss");
        EXPECT_EQ(d.GetString(101, 30), "DXC");
        EXPECT_EQ(d.GetText(102) + d.GetText(103) + d.GetText(104), "5 0 0 ");
        EXPECT_FALSE(d.Control(106)->isVisible()) << "e-mail only for the one company";

        Select(d, kBitDepthChannel);
        EXPECT_EQ(d.GetText(102) + d.GetText(103) + d.GetText(104), "5.0 12.2 3.0 ");
        EXPECT_EQ(d.GetCheck(106), 1);

        // A time with a decimal part is whole minutes; text that is no number clears a limit.
        Select(d, kFlowChannel);
        d.SetText(102, QStringLiteral("abc"));
        d.SetText(103, QStringLiteral(" 950.5x"));
        d.SetText(104, QStringLiteral("2.5"));
        EXPECT_TRUE(d.Click(105));
        EXPECT_EQ(reloads, 1);
        // Both limits 0: kept, but not enabled.
        Select(d, 14);
        d.SetText(102, QStringLiteral("0"));
        d.SetText(103, QString());
        d.SetText(104, QStringLiteral("7"));
        EXPECT_TRUE(d.Click(105));
        EXPECT_TRUE(d.Click(platform::IDOK));
    });
    EXPECT_EQ(dlg.Execute(), platform::IDOK);

    WitsAlarmBlock expected = block;
    expected[kFlowChannel].Low = 0;
    expected[kFlowChannel].High = 950.5f;
    expected[kFlowChannel].Delay = 2;
    expected[kFlowChannel].Notify = 0;  // cleared for a company without e-mail
    expected[14].Delay = 7;
    EXPECT_EQ(testing_support::ReadExistingBytes(AlarmFile()), BytesOf(expected));
    EXPECT_EQ(reloads, 2);
}

TEST(WitsAlarmsDlg, TheMailingCompanyStoresTheEmailFlagAndANewFileHoldsOnlyTheChannelSaved)
{
    int reloads = 0;
    WitsAlarmsDlg dlg(nullptr, HostOver(nullptr, &reloads, 12));
    Dialog::QueueTestScript([](Dialog& d) {
        EXPECT_EQ(d.GetText(102) + d.GetText(103) + d.GetText(104), "");
        EXPECT_TRUE(d.Control(106)->isVisible());
        Select(d, kSpm1Channel);
        d.SetText(103, QStringLiteral("120"));
        d.SetText(104, QStringLiteral("1"));
        d.SetCheck(106, platform::BST_CHECKED);
        EXPECT_TRUE(d.Click(105));
    });
    dlg.Execute();
    WitsAlarmBlock expected{};
    expected[kSpm1Channel] = Limits(0, 120, 1, 1);
    EXPECT_EQ(testing_support::ReadExistingBytes(AlarmFile()), BytesOf(expected));

    // A file that cannot be written is reported, and the engine keeps its table.
    QFile::remove(AlarmFile());
    ASSERT_TRUE(QDir().mkdir(AlarmFile()));
    WitsAlarmsDlg failing(nullptr, HostOver(nullptr, &reloads, 12));
    Dialog::QueueTestScript([](Dialog& d) {
        d.SetText(102, QStringLiteral("3"));
        EXPECT_TRUE(d.Click(105));
    });
    failing.Execute();
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_TRUE(doubles().prompter.messages[0].text.contains("\"wits.alm\" could not be saved"));
    EXPECT_EQ(reloads, 1);
}

TEST(WitsAlarmsDlg, TheWitsAlarmsCommandOpensItOverTheMainWindowWhichAlsoParentsThePopups)
{
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    window.State().well.file.dataFolder = TestDir();
    bool ran = false;
    Dialog::QueueTestScript([&](Dialog& d) {
        ran = true;
        EXPECT_EQ(d.parentWidget(), &window);
        d.SetText(102, QStringLiteral("4"));
        d.Click(105);
    });
    EXPECT_TRUE(window.EvCommand(app::cmd::WitsAlarms));
    EXPECT_TRUE(ran);
    EXPECT_EQ(FileEntry(0), BytesOf(Limits(4, 0, 0)));

    WitsAlarms table(MakeWitsAlarmHost(window.State()));
    WitsAlarmDisplay* popup = Fire(table, 0, 1);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->parentWidget(), &window);
    EXPECT_EQ(popup->GetText(105), "WITS PERCENT OUT OF RANGE");
}
