// The shell's small dialogs driven through their controls: the gas-label chooser's boxes by profile, the
// help window and its owner's pointer, the status lines, the offset-well editor's round of entries and
// the d-exponent calculator.
#include "app/ui/helpdlg.h"
#include "platform/text.h"
#include "platform/ui/svedit.h"
#include "platform/winapi.h"
#include "shell/ui/dxdlg.h"
#include "shell/ui/labelgasdlg.h"
#include "shell/ui/osropdlg.h"
#include "shell/ui/statusdlg.h"
#include "shell/ui/toolwindows.h"

#include <QApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

using platform::Dialog;

namespace {

// Text typed into the control that has the dialog's focus.
void Type(Dialog& d, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c.unicode(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(d.focusWidget(), &press);
        QKeyEvent release(QEvent::KeyRelease, c.unicode(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(d.focusWidget(), &release);
    }
}

TEST(SmallDialogs, LabelChooserOffersNc5OnlyToItsProfilesAndKeepsTheRecordOnCancel)
{
    for (int profile : {60, 2, 91, 92, 12, 10, 61}) {
        wellfile::RECORD record;
        record.depth = 1500;
        record.gas[wellfile::GAS_NC5] = 7;
        const bool offered = profile == 60 || profile == 2 || profile == 91 || profile == 92;
        bool shown = !offered;
        Dialog::QueueTestScript([&](Dialog& d) {
            shown = d.Control(108)->isVisible();
            d.Click(108);  // checks it only where it can be seen
            d.Click(platform::IDCANCEL);
        });
        shell::LabelGasDlgX dialog(nullptr, record, profile);
        EXPECT_EQ(dialog.Execute(), platform::IDCANCEL);
        EXPECT_EQ(shown, offered) << profile;
        EXPECT_EQ(record.gas[wellfile::GAS_NC5], 7.0f) << profile;
    }
}

TEST(SmallDialogs, HelpWindowHidesAnEmptyHeadingAndClearsItsOwnersPointerWhenClosed)
{
    QWidget owner;
    shell::ToolWindows tools;
    auto* help = new app::HelpDlg(&owner, "line 1\nline 2", QString(), 0);
    tools.helpWindow = help;
    help->Create();
    EXPECT_EQ(help->windowTitle(), "GAS MONITOR HELP");
    EXPECT_FALSE(help->Control(app::HelpDlg::ID_HEADING)->isVisible());
    EXPECT_EQ(help->GetText(app::HelpDlg::ID_TEXT), "line 1\nline 2");
    help->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(tools.helpWindow.isNull());

    app::HelpDlg titled(&owner, "text", "  Lith   Min. Abbrv.", 1);
    titled.Create();
    EXPECT_EQ(titled.windowTitle(), "Strativ Help");
    EXPECT_TRUE(titled.Control(app::HelpDlg::ID_HEADING)->isVisible());
    EXPECT_EQ(titled.GetText(app::HelpDlg::ID_HEADING), "  Lith   Min. Abbrv.");
}

TEST(SmallDialogs, StatusLinesKeepWhatIsNotGiven)
{
    shell::STATUSDLG status(nullptr);
    status.SetStatus(QString("Archiving Files"), QString("This could take a few minutes"), false);
    EXPECT_TRUE(status.isVisible());
    status.SetStatus(QString("Clearing Directories"), std::nullopt, false);
    EXPECT_EQ(status.GetText(shell::STATUSDLG::ID_LINE1), "Clearing Directories");
    EXPECT_EQ(status.GetText(shell::STATUSDLG::ID_LINE2), "This could take a few minutes");
    status.SetStatus(QString(300, QLatin1Char('x')), std::nullopt, false);
    EXPECT_EQ(status.GetText(shell::STATUSDLG::ID_LINE1).size(), shell::STATUSDLG::kLineLength);
    status.SetStatus(std::nullopt, std::nullopt, true);
    EXPECT_FALSE(status.isVisible());
}

TEST(SmallDialogs, OffsetWellEditorStepsRoundAndStoresWhatWasTyped)
{
    wellfile::WellConfig config{};
    for (int i = 0; i < 6; ++i) {
        config.offsetWells[i].depthShift = 10 * (i + 1);
        config.offsetWells[i].active = 1;
        platform::SetFieldText(config.offsetWells[i].fileName, "well" + std::to_string(i + 1) + ".svm");
    }
    QStringList seen;
    Dialog::QueueTestScript([&](Dialog& d) {
        const auto where
            = [&] { seen << d.GetText(shell::OsRopDlg::ID_NUMBER) + " " + d.GetText(shell::OsRopDlg::ID_NAME); };
        where();
        d.Click(shell::OsRopDlg::ID_PREVIOUS);  // 1 -> 6
        where();
        d.SetText(shell::OsRopDlg::ID_SHIFT, "-35");
        d.Click(shell::OsRopDlg::ID_ACTIVE);  // off
        d.Click(shell::OsRopDlg::ID_NEXT);  // 6 -> 1
        where();
        // The edit has the focus with its text selected, so typing replaces the shift.
        EXPECT_EQ(d.FocusedId(), shell::OsRopDlg::ID_SHIFT);
        Type(d, "12");
        d.Click(shell::OsRopDlg::ID_NEXT);  // 1 -> 2
        d.Click(shell::OsRopDlg::ID_CLEAR);
        EXPECT_EQ(d.GetText(shell::OsRopDlg::ID_SHIFT), "0");
        EXPECT_EQ(d.GetText(shell::OsRopDlg::ID_NAME), "");
        EXPECT_EQ(d.GetCheck(shell::OsRopDlg::ID_ACTIVE), platform::BST_UNCHECKED);
        d.SetText(shell::OsRopDlg::ID_SHIFT, "5");
        d.Click(platform::IDOK);
    });
    shell::OsRopDlg dialog(nullptr, config);
    EXPECT_EQ(dialog.Execute(), platform::IDOK);
    EXPECT_EQ(seen, QStringList({"1 well1.svm", "6 well6.svm", "1 well1.svm"}));
    EXPECT_EQ(+config.offsetWells[5].depthShift, -35);
    EXPECT_EQ(+config.offsetWells[5].active, 0);
    EXPECT_EQ(+config.offsetWells[0].depthShift, 12);
    EXPECT_EQ(+config.offsetWells[1].depthShift, 5);  // OK keeps the entry in hand
    EXPECT_EQ(+config.offsetWells[1].active, 0);
    EXPECT_EQ(platform::FieldText(config.offsetWells[1].fileName), "");
    EXPECT_EQ(+config.offsetWells[2].depthShift, 30);
}

TEST(SmallDialogs, DExponentNeedsFourPositiveValues)
{
    QStringList results;
    Dialog::QueueTestScript([&](Dialog& d) {
        const auto calculate = [&](const char* r, const char* n, const char* w, const char* dia) {
            d.SetText(shell::DXDLG::ID_RATE, r);
            d.SetText(shell::DXDLG::ID_ROTARY, n);
            d.SetText(shell::DXDLG::ID_WEIGHT, w);
            d.SetText(shell::DXDLG::ID_DIAMETER, dia);
            d.Click(shell::DXDLG::ID_CALCULATE);
            results << d.GetText(shell::DXDLG::ID_RESULT);
        };
        calculate("30", "100", "20000", "8.5");
        calculate("", "100", "20000", "8.5");
        calculate("30", "0", "20000", "8.5");
        calculate("30", "100", "-20000", "8.5");
        calculate("30", "100", "20000", "");
    });
    shell::DXDLG dialog(nullptr);
    dialog.Execute();
    EXPECT_EQ(results, QStringList({"1.49", "######", "######", "######", "######"}));
    EXPECT_NEAR(dialog.Result(), 1.4853, 1e-3);
}

}  // namespace
