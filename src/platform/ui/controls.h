#pragma once
// The controls of a dialog, numbered as the dialog resources number them, and the notification codes
// that reach a dialog's response table. Codes and states keep their Windows values, so code written
// against them reads the same and stored check states (1/0) keep their meaning.
//
// The accessors below read and write one control whatever its kind, as the Windows calls did
// (GetDlgItemText on a combo box gives its text, on a button its caption). A call that does not apply to
// a kind does nothing and reads as empty, 0 or -1.
#include <QString>

class QWidget;

namespace platform {

enum : int { IDC_STATIC = -1 };  // controls that are never addressed: any number of them

// Notification codes. Only the user's actions (and Dialog::Click) notify: text, checks and selections
// set by the program do not, as with the multi-line edits, combo and list boxes of the resources.
enum : int {
    BN_CLICKED = 0,
    CBN_SELCHANGE = 1,
    LBN_SELCHANGE = 1,
    LBN_DBLCLK = 2,
    CBN_EDITCHANGE = 5,
    EN_SETFOCUS = 0x100,
    EN_KILLFOCUS = 0x200,
    EN_CHANGE = 0x300,
    UDN_DELTAPOS = -722,  // an up-down arrow asks for a step (Dialog::UpDownDelta)
};
enum : int { BST_UNCHECKED = 0, BST_CHECKED = 1, BST_INDETERMINATE = 2 };
enum : int { CB_ERR = -1, LB_ERR = -1 };

enum class ControlKind { Static, Edit, MultiLineEdit, Check, Radio, Button, Combo, List, Spin, Group, UpDown };

QString ControlText(ControlKind kind, const QWidget* w);
void SetControlText(ControlKind kind, QWidget* w, const QString& text);

// BST_CHECKED / BST_UNCHECKED (BST_INDETERMINATE for a three-state check box).
int ControlCheck(ControlKind kind, const QWidget* w);
// Checking a radio button unchecks the others of its group; unchecking the checked one leaves the group
// with none checked, as the Windows buttons allow.
void SetControlCheck(ControlKind kind, QWidget* w, int state);

// Combo and list boxes: the selected index or -1 (CB_ERR); -1 clears the selection.
int ControlSelIndex(ControlKind kind, const QWidget* w);
void SetControlSelIndex(ControlKind kind, QWidget* w, int index);
// Appends a string and returns its index; the selection does not change (none stays none).
int ControlAddString(ControlKind kind, QWidget* w, const QString& text);
void ControlClearStrings(ControlKind kind, QWidget* w);
int ControlCount(ControlKind kind, const QWidget* w);
QString ControlString(ControlKind kind, const QWidget* w, int index);

}  // namespace platform
