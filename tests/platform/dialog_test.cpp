#include "platform/services.h"
#include "platform/ui/dialog.h"
#include "platform/ui/svedit.h"
#include "platform/ui/updown.h"
#include "support/testmain.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <vector>

using namespace platform;
using testing_support::doubles;

namespace {

// A key as the user types it, delivered to the control that has the dialog's focus.
void Key(Dialog& dlg, int key, const QString& text = {})
{
    QWidget* target = dlg.focusWidget() ? dlg.focusWidget() : &dlg;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

void Type(Dialog& dlg, const QString& text)
{
    for (QChar c : text)
        Key(dlg, c.unicode(), QString(c));
}

class FormDlg : public Dialog {
public:
    FormDlg() : Dialog(nullptr, QStringLiteral("Form"))
    {
        BeginGrid(2);
        AddStatic(IDC_STATIC, QStringLiteral("Depth"));
        AddEdit(101, 6);
        AddStatic(IDC_STATIC, QStringLiteral("Name"));
        AddEdit(102, 21);
        EndGrid();
        NewRow();
        AddCheck(103, QStringLiteral("Metres"));
        AddCombo(104);
        BeginGroup(IDC_STATIC, QStringLiteral("Units"));
        AddRadio(105, QStringLiteral("Feet"));
        AddRadio(106, QStringLiteral("Metres"));
        EndGroup();
        AddOkCancel();
    }
    bool askOnClose = false;
    int canCloseCalls = 0;
    int transferred = 0;

protected:
    bool CanClose() override
    {
        ++canCloseCalls;
        return !askOnClose || MessageBox(QStringLiteral("Save the changes?"), QStringLiteral("Report info"), MB_YESNO) == IDYES;
    }
    void TransferOut() override { ++transferred; }
};

}  // namespace

TEST(Dialog, EnterMovesToTheNextFieldAndOkClosesAfterTheUserAgrees)
{
    FormDlg dlg;
    dlg.askOnClose = true;
    ASSERT_NE(qobject_cast<SVEdit*>(dlg.Control(101)), nullptr);
    ASSERT_NE(qobject_cast<SVEdit*>(dlg.Control(102)), nullptr);
    doubles().prompter.answers = {IDNO, IDYES};

    bool scriptRan = false;
    Dialog::QueueTestScript([&](Dialog& d) {
        scriptRan = true;
        ASSERT_TRUE(d.isVisible());
        d.SetFocusTo(101);
        Type(d, QStringLiteral("12345678"));  // a plain edit otherwise, with room for 5 characters
        EXPECT_EQ(d.GetText(101), "12345");
        Key(d, Qt::Key_Return);
        EXPECT_EQ(d.FocusedId(), 102);
        Key(d, Qt::Key_Enter);  // the keypad Enter too; the default button is not pressed
        EXPECT_EQ(d.FocusedId(), 103);
        EXPECT_TRUE(d.isVisible());

        // With nothing focusable after it, Enter in the last field goes round to the first control.
        const int after[] = {103, 104, 105, 106, IDOK, IDCANCEL};
        for (int id : after)
            d.Enable(id, false);
        d.SetFocusTo(102);
        Key(d, Qt::Key_Return);
        EXPECT_EQ(d.FocusedId(), 101);
        EXPECT_FALSE(d.Click(IDOK));  // a disabled button cannot be clicked
        for (int id : after)
            d.Enable(id, true);

        EXPECT_TRUE(d.Click(IDOK));  // answered No: the dialog stays
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(d.Click(IDOK));  // answered Yes
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(dlg.Execute(), IDOK);
    EXPECT_TRUE(scriptRan);
    EXPECT_EQ(dlg.canCloseCalls, 2);
    EXPECT_EQ(dlg.transferred, 1);
    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_EQ(doubles().prompter.messages[1].text, "Save the changes?");
    EXPECT_EQ(doubles().prompter.messages[1].caption, "Report info");
    EXPECT_EQ(doubles().prompter.messages[1].flags, unsigned(MB_YESNO));
}

TEST(Dialog, ControlsReadAsTheRecordsStoreThemAndOnlyTheUserNotifies)
{
    FormDlg dlg;
    ASSERT_TRUE(dlg.Create());
    std::map<std::pair<int, int>, int> seen;
    for (auto [id, code] : {std::pair{101, EN_CHANGE}, {101, EN_KILLFOCUS}, {102, EN_KILLFOCUS}, {103, BN_CLICKED}, {104, CBN_SELCHANGE}})
        dlg.On(id, code, [&seen, id = id, code = code] { ++seen[{id, code}]; });

    // Check boxes are 1 or 0; the program's own changes raise no notification, a click does.
    dlg.SetCheck(103, BST_CHECKED);
    EXPECT_EQ(dlg.GetCheck(103), 1);
    dlg.SetCheck(103, BST_UNCHECKED);
    EXPECT_EQ(dlg.GetCheck(103), 0);
    EXPECT_TRUE(dlg.Click(103));
    EXPECT_EQ(dlg.GetCheck(103), 1);
    EXPECT_EQ((seen[{103, BN_CLICKED}]), 1);

    // Radio buttons of a group: checking one unchecks the other, and none may be checked.
    dlg.SetCheck(105, 1);
    dlg.SetCheck(106, 1);
    EXPECT_EQ(dlg.GetCheck(105), 0);
    dlg.SetCheck(106, 0);
    EXPECT_EQ(dlg.GetCheck(106), 0);

    // A combo box filled by the program has no selection until one is made.
    for (const char* s : {"Feet", "Metres", "Both"})
        dlg.AddString(104, QString::fromLatin1(s));
    EXPECT_EQ(dlg.GetSelIndex(104), CB_ERR);
    EXPECT_EQ(dlg.GetText(104), "");
    dlg.SetSelIndex(104, 1);
    EXPECT_EQ(dlg.GetText(104), "Metres");
    EXPECT_EQ((seen[{104, CBN_SELCHANGE}]), 0);
    dlg.SetFocusTo(104);
    Key(dlg, Qt::Key_Down);  // the user picks the next string
    EXPECT_EQ(dlg.GetSelIndex(104), 2);
    EXPECT_EQ((seen[{104, CBN_SELCHANGE}]), 1);
    dlg.SetSelIndex(104, 7);  // out of range: no selection, as CB_SETCURSEL
    EXPECT_EQ(dlg.GetSelIndex(104), CB_ERR);

    // Edits: typing notifies, SetText does not; leaving the field is reported once.
    dlg.SetText(101, QStringLiteral("1"));
    EXPECT_EQ((seen[{101, EN_CHANGE}]), 0);
    dlg.SetFocusTo(101);
    Type(dlg, QStringLiteral("5"));
    EXPECT_EQ(dlg.GetText(101), "15");
    EXPECT_EQ((seen[{101, EN_CHANGE}]), 1);
    const int leftBefore = seen[{101, EN_KILLFOCUS}];
    Key(dlg, Qt::Key_Tab);
    EXPECT_EQ(dlg.FocusedId(), 102);
    EXPECT_EQ((seen[{101, EN_KILLFOCUS}]), leftBefore + 1);
    // Another window coming to the front (a message box, say) is not the user leaving the field: a
    // check run then would raise its box again and again.
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    EXPECT_EQ((seen[{102, EN_KILLFOCUS}]), 0);
    QApplication::setActiveWindow(&dlg);

    // Two fields that each take the focus back while wrong do not throw it to and fro for ever.
    dlg.SetFocusTo(101);
    dlg.On(101, EN_KILLFOCUS, [&dlg] { dlg.SetFocusTo(101); });
    dlg.On(102, EN_KILLFOCUS, [&dlg] { dlg.SetFocusTo(102); });
    Key(dlg, Qt::Key_Tab);
    EXPECT_EQ(dlg.FocusedId(), 101);

    // Record fields: Windows-1252 text, cut to the field's width, never past it.
    char name[8];
    dlg.SetText(102, QString::fromUtf8("Ba\u00F1o-long-name"));
    dlg.GetField(102, name);
    EXPECT_EQ(std::string(name, 8), std::string("Ba\xF1o-lo\0", 8));
    const char stored[4] = {'F', 'T', '\xB0', 'C'};  // full width, no NUL
    dlg.SetFromField(102, stored);
    EXPECT_EQ(dlg.GetText(102), QString::fromUtf8("FT\u00B0C"));
    bool ok = true;
    EXPECT_EQ(dlg.GetInt(102, &ok), 0);
    EXPECT_FALSE(ok);
    dlg.SetInt(101, -42);
    EXPECT_EQ(dlg.GetInt(101, &ok), -42);
    EXPECT_TRUE(ok);

    // Unknown ids read as nothing and do nothing.
    EXPECT_EQ(dlg.Control(999), nullptr);
    EXPECT_EQ(dlg.GetCheck(999), 0);
    EXPECT_EQ(dlg.GetSelIndex(999), -1);
    dlg.SetText(999, QStringLiteral("x"));
}

TEST(Dialog, CancelEscapeAndOtherClosingButtonsSkipTheOkHook)
{
    {
        FormDlg dlg;
        Dialog::QueueTestScript([](Dialog& d) { EXPECT_TRUE(d.Click(IDCANCEL)); });
        EXPECT_EQ(dlg.Execute(), IDCANCEL);
        EXPECT_EQ(dlg.canCloseCalls, 0);
        EXPECT_EQ(dlg.transferred, 0);
    }
    {
        // Escape in an edit is Cancel; a disabled Cancel button keeps the dialog open.
        FormDlg dlg;
        Dialog::QueueTestScript([](Dialog& d) {
            d.Enable(IDCANCEL, false);
            d.SetFocusTo(101);
            Key(d, Qt::Key_Escape);
            EXPECT_TRUE(d.isVisible());
            d.Enable(IDCANCEL, true);
            d.SetFocusTo(101);
            Key(d, Qt::Key_Escape);
            EXPECT_FALSE(d.isVisible());
        });
        EXPECT_EQ(dlg.Execute(), IDCANCEL);
        EXPECT_EQ(dlg.canCloseCalls, 0);
    }
    {
        // A button declared closing ends the dialog with its own id; a handler of OK replaces the default.
        class AskDlg : public FormDlg {
        public:
            AskDlg()
            {
                AddButton(IDYES, QStringLiteral("&Yes"));
                CloseOn(IDYES);
                On(IDOK, BN_CLICKED, [this] { SetText(102, QStringLiteral("not yet")); });
            }
        } dlg;
        Dialog::QueueTestScript([](Dialog& d) {
            d.Click(IDOK);
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(d.GetText(102), "not yet");
            d.Click(IDYES);
        });
        EXPECT_EQ(dlg.Execute(), IDYES);
        EXPECT_EQ(dlg.canCloseCalls, 0);
    }
    {
        // Headless, a dialog that nobody answers is cancelled instead of waiting for ever.
        FormDlg dlg;
        ASSERT_EQ(Dialog::PendingTestScripts(), 0);
        EXPECT_EQ(dlg.Execute(), IDCANCEL);
        Dialog::QueueTestScript([](Dialog&) {});
        EXPECT_EQ(dlg.Execute(), IDCANCEL);
    }
}

// An up-down control reports each arrow's step and leaves its edit alone; the position follows the step
// unless the handler took it over, and stays within the range.
TEST(Dialog, UpDownArrowsReportTheirStepAndTheHandlerMayTakeThePositionOver)
{
    class SpinDlg : public Dialog {
    public:
        SpinDlg() : Dialog(nullptr, QStringLiteral("Spin"))
        {
            AddEdit(101, 10);
            backwards = AddUpDown(102);      // the default range, 100 down to 0
            forwards = AddUpDown(103, 2, 5);
            On(102, UDN_DELTAPOS, [this] { steps.push_back(UpDownDelta()); });
            On(103, UDN_DELTAPOS, [this] {
                steps.push_back(UpDownDelta());
                if (GetUpDownPos(103) + UpDownDelta() > 5)
                    SetUpDownPos(103, 2);  // wraps round instead of stopping
            });
        }
        UpDown* backwards;
        UpDown* forwards;
        std::vector<int> steps;
    };
    SpinDlg dlg;
    dlg.show();
    dlg.SetText(101, QStringLiteral("typed"));
    dlg.backwards->PressUp();
    dlg.backwards->PressDown();
    dlg.backwards->PressDown();
    EXPECT_EQ(dlg.steps, (std::vector<int>{-1, 1, 1}));
    EXPECT_EQ(dlg.GetUpDownPos(102), 2);
    EXPECT_EQ(dlg.GetText(101), "typed");
    dlg.steps.clear();
    dlg.SetUpDownPos(103, 4);
    dlg.forwards->PressUp();
    dlg.forwards->PressUp();
    EXPECT_EQ(dlg.steps, (std::vector<int>{1, 1}));
    EXPECT_EQ(dlg.GetUpDownPos(103), 2);
    dlg.forwards->PressDown();
    EXPECT_EQ(dlg.GetUpDownPos(103), 2) << "held at the bottom of its range";
    dlg.Enable(103, false);
    dlg.forwards->PressUp();
    EXPECT_EQ(dlg.steps.size(), 3u);
}

// A script a test queues but never uses is dropped when the test ends: the next test must not run it
// in its own first dialog.
TEST(Dialog, ScriptsLeftOverAreDroppedBetweenTests)
{
    // The test main's listener set this test up, as it does every test, with no scripts queued.
    EXPECT_EQ(testing_support::TestSetUpByListener(), "Dialog.ScriptsLeftOverAreDroppedBetweenTests");
    EXPECT_EQ(Dialog::PendingTestScripts(), 0);
    Dialog::QueueTestScript([](Dialog& d) { d.Click(IDOK); });
    testing_support::ResetBetweenTests();
    EXPECT_EQ(Dialog::PendingTestScripts(), 0);
    FormDlg dlg;
    EXPECT_EQ(dlg.Execute(), IDCANCEL);
}
