#include "platform/ui/controls.h"

#include "platform/ui/updown.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>

namespace platform {

namespace {
template <typename T>
T* As(QWidget* w) { return qobject_cast<T*>(w); }
template <typename T>
const T* As(const QWidget* w) { return qobject_cast<const T*>(w); }
}  // namespace

QString ControlText(ControlKind kind, const QWidget* w)
{
    switch (kind) {
    case ControlKind::Static: return As<QLabel>(w)->text();
    case ControlKind::Edit: return As<QLineEdit>(w)->text();
    case ControlKind::MultiLineEdit: return As<QPlainTextEdit>(w)->toPlainText();
    case ControlKind::Check:
    case ControlKind::Radio:
    case ControlKind::Button: return As<QAbstractButton>(w)->text();
    case ControlKind::Combo: return As<QComboBox>(w)->currentText();
    case ControlKind::List: {
        const QListWidgetItem* item = As<QListWidget>(w)->currentItem();
        return item ? item->text() : QString();
    }
    case ControlKind::Spin: return As<QSpinBox>(w)->text();
    case ControlKind::Group: return As<QGroupBox>(w)->title();
    case ControlKind::UpDown: return QString::number(As<UpDown>(w)->Position());
    }
    return {};
}

void SetControlText(ControlKind kind, QWidget* w, const QString& text)
{
    switch (kind) {
    case ControlKind::Static: As<QLabel>(w)->setText(text); break;
    case ControlKind::Edit: As<QLineEdit>(w)->setText(text); break;
    case ControlKind::MultiLineEdit: As<QPlainTextEdit>(w)->setPlainText(text); break;
    case ControlKind::Check:
    case ControlKind::Radio:
    case ControlKind::Button: As<QAbstractButton>(w)->setText(text); break;
    case ControlKind::Combo: {
        // The edit of an editable combo takes any text; a drop-down list selects the matching string.
        auto* c = As<QComboBox>(w);
        if (c->isEditable())
            c->setEditText(text);
        else
            c->setCurrentIndex(c->findText(text, Qt::MatchFixedString));
        break;
    }
    case ControlKind::List: break;
    case ControlKind::Spin:
    case ControlKind::UpDown: {
        bool ok = false;
        const int v = text.trimmed().toInt(&ok);
        if (ok && kind == ControlKind::Spin)
            As<QSpinBox>(w)->setValue(v);
        else if (ok)
            As<UpDown>(w)->SetPosition(v);
        break;
    }
    case ControlKind::Group: As<QGroupBox>(w)->setTitle(text); break;
    }
}

int ControlCheck(ControlKind kind, const QWidget* w)
{
    if (kind != ControlKind::Check && kind != ControlKind::Radio)
        return BST_UNCHECKED;
    if (const auto* c = As<QCheckBox>(w); c && c->checkState() == Qt::PartiallyChecked)
        return BST_INDETERMINATE;
    return As<QAbstractButton>(w)->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void SetControlCheck(ControlKind kind, QWidget* w, int state)
{
    if (kind == ControlKind::Check) {
        auto* c = As<QCheckBox>(w);
        if (state == BST_INDETERMINATE) {
            c->setTristate(true);
            c->setCheckState(Qt::PartiallyChecked);
        } else {
            c->setCheckState(state ? Qt::Checked : Qt::Unchecked);
        }
        return;
    }
    if (kind != ControlKind::Radio)
        return;
    auto* b = As<QAbstractButton>(w);
    if (state) {
        b->setChecked(true);
        return;
    }
    // Qt refuses to uncheck the checked button of an exclusive group; lift the rule for the moment.
    QButtonGroup* group = b->group();
    const bool exclusive = group ? group->exclusive() : b->autoExclusive();
    if (group)
        group->setExclusive(false);
    else
        b->setAutoExclusive(false);
    b->setChecked(false);
    if (group)
        group->setExclusive(exclusive);
    else
        b->setAutoExclusive(exclusive);
}

int ControlSelIndex(ControlKind kind, const QWidget* w)
{
    if (kind == ControlKind::Combo)
        return As<QComboBox>(w)->currentIndex();
    if (kind == ControlKind::List) {
        const auto* l = As<QListWidget>(w);
        const QListWidgetItem* item = l->currentItem();
        return item && item->isSelected() ? l->row(item) : LB_ERR;
    }
    return CB_ERR;
}

void SetControlSelIndex(ControlKind kind, QWidget* w, int index)
{
    if (kind == ControlKind::Combo) {
        auto* c = As<QComboBox>(w);
        c->setCurrentIndex(index >= 0 && index < c->count() ? index : -1);
    } else if (kind == ControlKind::List) {
        auto* l = As<QListWidget>(w);
        if (index >= 0 && index < l->count()) {
            l->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        } else {
            l->clearSelection();
            l->setCurrentRow(-1);
        }
    }
}

int ControlAddString(ControlKind kind, QWidget* w, const QString& text)
{
    if (kind == ControlKind::Combo) {
        auto* c = As<QComboBox>(w);
        const int before = c->currentIndex();
        const QString typed = c->currentText();
        c->addItem(text);
        // Qt selects the first string added to an empty combo box; the program expects no selection
        // and the text typed into an editable one to stay.
        if (before < 0) {
            c->setCurrentIndex(-1);
            if (c->isEditable())
                c->setEditText(typed);
        }
        return c->count() - 1;
    }
    if (kind == ControlKind::List) {
        auto* l = As<QListWidget>(w);
        l->addItem(text);
        return l->count() - 1;
    }
    return CB_ERR;
}

void ControlClearStrings(ControlKind kind, QWidget* w)
{
    if (kind == ControlKind::Combo)
        As<QComboBox>(w)->clear();
    else if (kind == ControlKind::List)
        As<QListWidget>(w)->clear();
}

int ControlCount(ControlKind kind, const QWidget* w)
{
    if (kind == ControlKind::Combo)
        return As<QComboBox>(w)->count();
    if (kind == ControlKind::List)
        return As<QListWidget>(w)->count();
    return 0;
}

QString ControlString(ControlKind kind, const QWidget* w, int index)
{
    if (kind == ControlKind::Combo) {
        const auto* c = As<QComboBox>(w);
        return index >= 0 && index < c->count() ? c->itemText(index) : QString();
    }
    if (kind == ControlKind::List) {
        const QListWidgetItem* item = As<QListWidget>(w)->item(index);
        return item ? item->text() : QString();
    }
    return {};
}

}  // namespace platform
