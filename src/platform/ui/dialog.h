#pragma once
// Dialog: the base of the program's dialogs. Controls carry the numbers of the dialog resources and are
// read and written by number; a response table routes "control + notification" to the dialog's handlers.
//
// Building: a subclass adds its controls in its constructor. They go left to right into the current
// row; NewRow() starts the next one. BeginGroup/EndGroup frame controls in a group box, BeginGrid/EndGrid
// lay them out cell by cell (a label and its edit per pair of cells, say). The tab order is the order the
// controls were added in. Consecutive radio buttons form one exclusive group.
//
//     SetupDlg::SetupDlg(QWidget* parent) : Dialog(parent, "Setup") {
//         BeginGrid(2);
//         AddStatic(IDC_STATIC, "Depth"); AddEdit(101, sizeof rec.depth);
//         EndGrid();
//         AddCheck(102, "Metres");
//         AddOkCancel();
//         On(102, BN_CLICKED, [this] { Enable(101, GetCheck(102) == BST_CHECKED); });
//     }
//
// Closing: IDOK and IDCANCEL close the dialog unless the response table holds a handler of their own
// (which then calls EndDialog itself when it wants). IDOK first asks CanClose() and then TransferOut();
// IDCANCEL asks nothing. CloseOn(id) makes any other button close the dialog with its id. Escape and the
// window's close box are IDCANCEL. Execute() returns the id the dialog was closed with.
//
// Tests: under the offscreen platform Execute() never enters an event loop. It shows and activates the
// dialog, runs the next script queued with QueueTestScript (which clicks, types and checks through the
// controls), and returns the closing id; a dialog the script leaves open, or one executed with no script
// queued, is closed as IDCANCEL. Modeless dialogs (Create) need no script: tests drive them directly.
#include "platform/text.h"
#include "platform/ui/controls.h"

#include <QDialog>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QVBoxLayout;

namespace platform {

class SVEdit;
class UpDown;

class Dialog : public QDialog {
    Q_OBJECT
public:
    Dialog(QWidget* parent, const QString& caption);
    ~Dialog() override;

    // Modal: returns the id of the button that closed the dialog (IDCANCEL for Escape).
    int Execute();
    // Modeless: shows the dialog and returns at once; false when it could not be shown.
    bool Create();
    // Modeless, made with its controls but not shown yet (its owner is not on the screen).
    void CreateHidden();
    // Closes the dialog; Execute() returns `id`.
    void EndDialog(int id);
    // For the small tool windows that sit beside the log: the window and its controls never take the
    // keyboard focus, neither when shown (Create, show) nor when clicked, so keys go on reaching the
    // window that had them. Call once the controls are added.
    void NeverTakeFocus();
    int Result() const { return result_; }

    // Controls by id. Calls on an id the dialog does not have do nothing and read as empty, 0 or -1.
    QWidget* Control(int id) const;
    template <typename T>
    T* ControlAs(int id) const { return qobject_cast<T*>(Control(id)); }
    bool HasControl(int id) const { return controls_.count(id) != 0; }

    QString GetText(int id) const;
    void SetText(int id, const QString& text);
    // Windows-1252 text for record fields.
    std::string GetTextA(int id) const;
    void SetTextA(int id, const std::string& text);
    // Copies a control's text into a record field, cut to fit and NUL-terminated; and back.
    template <std::size_t N>
    void GetField(int id, char (&field)[N]) const { SetFieldText(field, GetTextA(id)); }
    template <std::size_t N>
    void SetFromField(int id, const char (&field)[N]) { SetTextA(id, FieldText(field)); }
    // The text as a whole number (surrounding blanks allowed); `ok` tells whether it was one.
    int GetInt(int id, bool* ok = nullptr) const;
    void SetInt(int id, int value);

    int GetCheck(int id) const;  // BST_CHECKED (1) or BST_UNCHECKED (0)
    void SetCheck(int id, int state);
    int GetSelIndex(int id) const;  // -1 when nothing is selected
    void SetSelIndex(int id, int index);
    int AddString(int id, const QString& text);
    void ClearStrings(int id);
    int GetCount(int id) const;
    QString GetString(int id, int index) const;

    // Up-down controls (AddUpDown): the position, kept within the range, and the range.
    int GetUpDownPos(int id) const;
    void SetUpDownPos(int id, int position);
    void SetUpDownRange(int id, int lower, int upper);
    // While a UDN_DELTAPOS handler runs: the step asked for (+1 or -1); 0 otherwise. A handler that sets
    // the position itself (SetUpDownPos) keeps the control from taking the step.
    int UpDownDelta() const { return upDownDelta_; }

    void Enable(int id, bool enable = true);
    bool IsEnabled(int id) const;
    void Show(int id, bool show = true);
    void SetFocusTo(int id);
    // The id of the control holding the dialog's focus, or IDC_STATIC.
    int FocusedId() const;

    // The response table: `handler` runs when control `id` sends `notification`. One handler per pair;
    // a later On() replaces it, an empty one removes it.
    void On(int id, int notification, std::function<void()> handler);
    // Clicks a push button, check box or radio button as the user would: nothing when it is disabled or
    // hidden. An id without a control (IDOK, IDCANCEL of a dialog without such buttons) is sent as a
    // command. Returns false when nothing was clicked.
    bool Click(int id);
    // Sends a command as the control `id` would, whether or not the control exists.
    void Command(int id, int notification = BN_CLICKED);

    // Test support (see the header comment). Scripts are taken one per Execute(), in order.
    static void QueueTestScript(std::function<void(Dialog&)> script);
    static void ClearTestScripts();
    static int PendingTestScripts();

protected:
    // Called once before the dialog is first shown, when the subclass is complete: fill the controls.
    virtual void SetupWindow() {}
    // Asked before IDOK closes the dialog; false keeps it open (the check has told the user why).
    virtual bool CanClose() { return true; }
    // Copies the controls into the dialog's data after CanClose agreed.
    virtual void TransferOut() {}

    // Building (see the header comment). `id` may be IDC_STATIC for controls never addressed.
    QLabel* AddStatic(int id, const QString& text);
    SVEdit* AddEdit(int id, int textLimit, int widthChars = 0);
    // A multi-line edit (Enter starts a new line), read-only when `readOnly`; no notifications.
    QPlainTextEdit* AddMultiLineEdit(int id, bool readOnly);
    QCheckBox* AddCheck(int id, const QString& text);
    QRadioButton* AddRadio(int id, const QString& text, bool newGroup = false);
    QPushButton* AddButton(int id, const QString& text, bool isDefault = false);
    QComboBox* AddCombo(int id, bool editable = false);
    QListWidget* AddList(int id);
    QSpinBox* AddSpin(int id, int minimum, int maximum);
    // Arrow buttons beside an edit, which they leave alone: each press notifies UDN_DELTAPOS and then,
    // unless the handler set the position, moves the position by the step within the range.
    UpDown* AddUpDown(int id, int lower = 100, int upper = 0);
    QGroupBox* BeginGroup(int id, const QString& title);
    void EndGroup();
    // A grid goes into the current row like a control: NewRow() first puts it under what came before.
    void BeginGrid(int columns);
    void EndGrid();
    void NewRow();
    // Pixels between the rows and between the controls of every layout built so far (the style's own
    // spacing otherwise): forms of many rows stay within a small screen.
    void SetSpacing(int pixels);
    void SkipCell();
    void AddStretch();
    // Puts control `id` at the place its dialog resource gives, in dialog units of the dialog's font
    // (x and width in quarters of the average character width, y and height in eighths of the line
    // height), out of the rows. For dialogs whose controls stand at fixed places.
    void PlaceAt(int id, int x, int y, int width, int height);
    // Fixes the dialog's inner size in dialog units.
    void SetDialogUnitSize(int width, int height);
    // The unit is the font's average character width, and words of capitals and wide letters run wider
    // than that: widens the placed controls, their places and the fixed size alike, by the least factor
    // at which every placed label, check box, radio button and push button shows its text whole with
    // room before whatever stands right of it. Call once the texts are set, and again after a font change.
    void FitPlacedTexts();
    // A row of its own with "OK" (the default button) and "Cancel" at its right.
    void AddOkCancel();
    // Makes button `id` close the dialog; with `check`, after CanClose() and TransferOut() as IDOK does.
    void CloseOn(int id, bool check = false);

    void reject() override;  // Escape and the close box
    void accept() override;
    // A dialog is never narrower than its caption with the title bar's buttons beside it, so the window
    // manager shows the caption whole: checked when shown and when the caption changes.
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    struct Entry {
        QWidget* widget;
        ControlKind kind;
    };
    // Where the next control goes: rows of a box (current row may be null), or the cells of a grid.
    struct Container {
        QWidget* owner;
        QVBoxLayout* rows = nullptr;
        QBoxLayout* row = nullptr;
        QGridLayout* grid = nullptr;
        int columns = 0;
        int cell = 0;
        bool isGroup = false;
    };

    template <typename W>
    W* Add(int id, ControlKind kind, W* w);
    QWidget* CurrentOwner() const { return containers_.back().owner; }
    void Place(QWidget* w, QLayout* layout = nullptr);
    // Sets the geometry of placed control `only` (all when null) and the fixed size from the dialog units.
    void ApplyPlaces(QWidget* only = nullptr);
    const Entry* Find(int id) const;
    void Notify(int id, int notification);
    void DefaultCommand(int id);
    void Prepare();
    void ShowActive();
    void FitCaption();

    std::map<int, Entry> controls_;
    std::map<QWidget*, QRect> placed_;  // control -> its place in dialog units (PlaceAt)
    QSize unitSize_;                    // SetDialogUnitSize's size, empty when not fixed
    double widen_ = 1.0;                // FitPlacedTexts' factor on x and width
    std::map<std::pair<int, int>, std::function<void()>> handlers_;
    std::map<int, bool> closers_;  // id -> close after CanClose/TransferOut
    std::vector<Container> containers_;
    QButtonGroup* radioGroup_ = nullptr;
    int quiet_ = 0;          // > 0 while the program itself changes a control
    int upDownDelta_ = 0;    // the step of the UDN_DELTAPOS being handled
    bool upDownPosSet_ = false;  // its handler set the position
    bool inKillFocus_ = false;
    bool prepared_ = false;
    int result_ = 2;  // IDCANCEL
    // The context of every connection from the controls. Declared last, so it goes first: no control
    // can reach a handler once the dialog has begun to go away.
    std::unique_ptr<QObject> router_;
};

}  // namespace platform
