#include "platform/ui/dialog.h"

#include "platform/services.h"
#include "platform/ui/svedit.h"
#include "platform/ui/titlebar.h"
#include "platform/ui/updown.h"
#include "platform/winapi.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <deque>

namespace platform {

namespace {

std::deque<std::function<void(Dialog&)>>& Scripts()
{
    static std::deque<std::function<void(Dialog&)>> scripts;
    return scripts;
}

// Nobody can answer a window on the offscreen platform: that is where tests run.
bool Unattended() { return QGuiApplication::platformName() == QLatin1String("offscreen"); }

// Keeps the program's own changes to a control from notifying the response table.
class Quiet {
public:
    explicit Quiet(int& depth) : depth_(depth) { ++depth_; }
    ~Quiet() { --depth_; }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

private:
    int& depth_;
};

}  // namespace

Dialog::Dialog(QWidget* parent, const QString& caption) : QDialog(parent), router_(std::make_unique<QObject>())
{
    setWindowTitle(caption);
    containers_.push_back({this, new QVBoxLayout(this)});
    closers_[IDOK] = true;
    closers_[IDCANCEL] = false;
}

Dialog::~Dialog() = default;

// ---- running ----------------------------------------------------------------------------------------

void Dialog::Prepare()
{
    if (!prepared_) {
        prepared_ = true;
        SetupWindow();
    }
}

void Dialog::ShowActive()
{
    show();
    if (!Unattended())  // the offscreen platform has no stacking order
        raise();
    activateWindow();
    QApplication::setActiveWindow(this);
}

int Dialog::Execute()
{
    const ModalBoxOpen open;
    Prepare();
    result_ = IDCANCEL;
    if (!Unattended()) {
        exec();
        return result_;
    }
    std::function<void(Dialog&)> script;
    if (!Scripts().empty()) {
        script = std::move(Scripts().front());
        Scripts().pop_front();
    }
    setModal(true);
    ShowActive();
    if (script)
        script(*this);
    if (isVisible()) {
        result_ = IDCANCEL;
        done(IDCANCEL);
    }
    return result_;
}

bool Dialog::Create()
{
    Prepare();
    if (windowFlags() & Qt::WindowDoesNotAcceptFocus)
        show();
    else
        ShowActive();
    return isVisible();
}

void Dialog::CreateHidden() { Prepare(); }

void Dialog::NeverTakeFocus()
{
    // The flag tells the window manager (the input hint of X11) and Qt alike; the attribute keeps a
    // show from activating the window.
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    for (QWidget* w : findChildren<QWidget*>())
        w->setFocusPolicy(Qt::NoFocus);
}

void Dialog::EndDialog(int id)
{
    result_ = id;
    done(id);
}

void Dialog::QueueTestScript(std::function<void(Dialog&)> script) { Scripts().push_back(std::move(script)); }
void Dialog::ClearTestScripts() { Scripts().clear(); }
int Dialog::PendingTestScripts() { return int(Scripts().size()); }

// ---- the response table -----------------------------------------------------------------------------

void Dialog::On(int id, int notification, std::function<void()> handler)
{
    if (handler)
        handlers_[{id, notification}] = std::move(handler);
    else
        handlers_.erase({id, notification});
}

void Dialog::Notify(int id, int notification)
{
    if (quiet_ > 0)
        return;
    // A kill-focus check that raises a message box moves the focus again: one check at a time.
    if (notification == EN_KILLFOCUS && inKillFocus_)
        return;
    auto it = handlers_.find({id, notification});
    if (it == handlers_.end()) {
        if (notification == BN_CLICKED)
            DefaultCommand(id);
        return;
    }
    const std::function<void()> handler = it->second;  // the handler may replace itself
    if (notification == EN_KILLFOCUS) {
        inKillFocus_ = true;
        handler();
        inKillFocus_ = false;
    } else {
        handler();
    }
}

void Dialog::DefaultCommand(int id)
{
    const auto it = closers_.find(id);
    if (it == closers_.end())
        return;
    if (it->second) {
        if (!CanClose())
            return;
        TransferOut();
    }
    EndDialog(id);
}

void Dialog::Command(int id, int notification) { Notify(id, notification); }

bool Dialog::Click(int id)
{
    const Entry* e = Find(id);
    if (!e) {
        Command(id, BN_CLICKED);
        return true;
    }
    auto* b = qobject_cast<QAbstractButton*>(e->widget);
    if (!b || !b->isEnabled() || !b->isVisibleTo(this))
        return false;
    b->click();
    return true;
}

void Dialog::CloseOn(int id, bool check) { closers_[id] = check; }

void Dialog::reject()
{
    // A disabled Cancel button means the dialog may not be left now; Escape obeys it too.
    if (const Entry* c = Find(IDCANCEL); c && !c->widget->isEnabled())
        return;
    Command(IDCANCEL, BN_CLICKED);
}

void Dialog::accept() { Command(IDOK, BN_CLICKED); }

void Dialog::showEvent(QShowEvent* e)
{
    FitCaption();
    QDialog::showEvent(e);
}

void Dialog::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::WindowTitleChange && isVisible())
        FitCaption();
    QDialog::changeEvent(e);
}

void Dialog::FitCaption()
{
    // A window the program placed at a size of its own (a chart from its settings file) is the user's to
    // size and keeps it; a dialog sized by its controls or dialog units, and a tool box beside the log
    // (the drilling status box), placed or not, is widened.
    if (windowType() != Qt::Tool && testAttribute(Qt::WA_Resized) && minimumWidth() != maximumWidth())
        return;
    WidenToCaption(*this);
}

// ---- controls by id ---------------------------------------------------------------------------------

const Dialog::Entry* Dialog::Find(int id) const
{
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

QWidget* Dialog::Control(int id) const
{
    const Entry* e = Find(id);
    return e ? e->widget : nullptr;
}

QString Dialog::GetText(int id) const
{
    const Entry* e = Find(id);
    return e ? ControlText(e->kind, e->widget) : QString();
}

void Dialog::SetText(int id, const QString& text)
{
    if (const Entry* e = Find(id)) {
        Quiet q(quiet_);
        SetControlText(e->kind, e->widget, text);
    }
}

std::string Dialog::GetTextA(int id) const { return ToCp1252(GetText(id)).toStdString(); }

void Dialog::SetTextA(int id, const std::string& text) { SetText(id, FromCp1252(text.data(), text.size())); }

int Dialog::GetInt(int id, bool* ok) const
{
    bool valid = false;
    int value = 0;
    if (const Entry* e = Find(id)) {
        if (e->kind == ControlKind::Spin) {
            value = static_cast<QSpinBox*>(e->widget)->value();
            valid = true;
        } else {
            value = ControlText(e->kind, e->widget).trimmed().toInt(&valid);
        }
    }
    if (ok)
        *ok = valid;
    return valid ? value : 0;
}

void Dialog::SetInt(int id, int value) { SetText(id, QString::number(value)); }

int Dialog::GetCheck(int id) const
{
    const Entry* e = Find(id);
    return e ? ControlCheck(e->kind, e->widget) : BST_UNCHECKED;
}

void Dialog::SetCheck(int id, int state)
{
    if (const Entry* e = Find(id)) {
        Quiet q(quiet_);
        SetControlCheck(e->kind, e->widget, state);
    }
}

int Dialog::GetSelIndex(int id) const
{
    const Entry* e = Find(id);
    return e ? ControlSelIndex(e->kind, e->widget) : CB_ERR;
}

void Dialog::SetSelIndex(int id, int index)
{
    if (const Entry* e = Find(id)) {
        Quiet q(quiet_);
        SetControlSelIndex(e->kind, e->widget, index);
    }
}

int Dialog::AddString(int id, const QString& text)
{
    const Entry* e = Find(id);
    if (!e)
        return CB_ERR;
    Quiet q(quiet_);
    return ControlAddString(e->kind, e->widget, text);
}

void Dialog::ClearStrings(int id)
{
    if (const Entry* e = Find(id)) {
        Quiet q(quiet_);
        ControlClearStrings(e->kind, e->widget);
    }
}

int Dialog::GetCount(int id) const
{
    const Entry* e = Find(id);
    return e ? ControlCount(e->kind, e->widget) : 0;
}

QString Dialog::GetString(int id, int index) const
{
    const Entry* e = Find(id);
    return e ? ControlString(e->kind, e->widget, index) : QString();
}

int Dialog::GetUpDownPos(int id) const
{
    const auto* u = qobject_cast<const UpDown*>(Control(id));
    return u ? u->Position() : 0;
}

void Dialog::SetUpDownPos(int id, int position)
{
    if (auto* u = qobject_cast<UpDown*>(Control(id))) {
        u->SetPosition(position);
        upDownPosSet_ = true;
    }
}

void Dialog::SetUpDownRange(int id, int lower, int upper)
{
    if (auto* u = qobject_cast<UpDown*>(Control(id)))
        u->SetRange(lower, upper);
}

void Dialog::Enable(int id, bool enable)
{
    if (QWidget* w = Control(id))
        w->setEnabled(enable);
}

bool Dialog::IsEnabled(int id) const
{
    const QWidget* w = Control(id);
    return w && w->isEnabled();
}

void Dialog::Show(int id, bool show)
{
    if (QWidget* w = Control(id))
        w->setVisible(show);
}

void Dialog::SetFocusTo(int id)
{
    if (QWidget* w = Control(id))
        w->setFocus(Qt::OtherFocusReason);
}

int Dialog::FocusedId() const
{
    const QWidget* f = focusWidget();
    if (!f)
        return IDC_STATIC;
    // A combo or spin box keeps its focus in an edit of its own.
    for (const auto& [id, e] : controls_)
        if (e.widget == f || e.widget->isAncestorOf(f))
            return id;
    return IDC_STATIC;
}

// ---- building ---------------------------------------------------------------------------------------

void Dialog::Place(QWidget* w, QLayout* layout)
{
    Container& c = containers_.back();
    if (c.grid) {
        const int row = c.cell / c.columns, column = c.cell % c.columns;
        if (w)
            c.grid->addWidget(w, row, column);
        else
            c.grid->addLayout(layout, row, column);
        ++c.cell;
        return;
    }
    if (!c.row) {
        c.row = new QHBoxLayout;
        c.rows->addLayout(c.row);
    }
    if (w)
        c.row->addWidget(w);
    else
        c.row->addLayout(layout);
}

template <typename W>
W* Dialog::Add(int id, ControlKind kind, W* w)
{
    if (id != IDC_STATIC) {
        if (controls_.count(id))
            qWarning("Dialog \"%s\": control %d added twice; the first keeps the number",
                     qPrintable(windowTitle()), id);
        else
            controls_[id] = {w, kind};
    }
    if (kind != ControlKind::Radio)
        radioGroup_ = nullptr;
    Place(w);
    return w;
}

QLabel* Dialog::AddStatic(int id, const QString& text)
{
    return Add(id, ControlKind::Static, new QLabel(text, CurrentOwner()));
}

SVEdit* Dialog::AddEdit(int id, int textLimit, int widthChars)
{
    auto* e = Add(id, ControlKind::Edit, new SVEdit(CurrentOwner(), textLimit));
    if (widthChars > 0)
        e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QLatin1Char('0')) * widthChars + 8);
    connect(e, &QLineEdit::textEdited, router_.get(), [this, id] { Notify(id, EN_CHANGE); });
    connect(e, &SVEdit::focusLost, router_.get(), [this, id] { Notify(id, EN_KILLFOCUS); });
    connect(e, &SVEdit::focusGained, router_.get(), [this, id] { Notify(id, EN_SETFOCUS); });
    return e;
}

QPlainTextEdit* Dialog::AddMultiLineEdit(int id, bool readOnly)
{
    auto* e = Add(id, ControlKind::MultiLineEdit, new QPlainTextEdit(CurrentOwner()));
    e->setReadOnly(readOnly);
    return e;
}

QCheckBox* Dialog::AddCheck(int id, const QString& text)
{
    auto* c = Add(id, ControlKind::Check, new QCheckBox(text, CurrentOwner()));
    connect(c, &QAbstractButton::clicked, router_.get(), [this, id] { Notify(id, BN_CLICKED); });
    return c;
}

QRadioButton* Dialog::AddRadio(int id, const QString& text, bool newGroup)
{
    if (newGroup || !radioGroup_)
        radioGroup_ = new QButtonGroup(this);
    auto* r = Add(id, ControlKind::Radio, new QRadioButton(text, CurrentOwner()));
    radioGroup_->addButton(r);
    connect(r, &QAbstractButton::clicked, router_.get(), [this, id] { Notify(id, BN_CLICKED); });
    return r;
}

QPushButton* Dialog::AddButton(int id, const QString& text, bool isDefault)
{
    auto* b = Add(id, ControlKind::Button, new QPushButton(text, CurrentOwner()));
    b->setDefault(isDefault);
    connect(b, &QAbstractButton::clicked, router_.get(), [this, id] { Notify(id, BN_CLICKED); });
    return b;
}

QComboBox* Dialog::AddCombo(int id, bool editable)
{
    auto* c = Add(id, ControlKind::Combo, new QComboBox(CurrentOwner()));
    c->setEditable(editable);
    c->setInsertPolicy(QComboBox::NoInsert);  // typing never adds strings to the list
    // A choice the user makes notifies, even of the string already shown; the program's own selections do not.
    connect(c, &QComboBox::activated, router_.get(), [this, id] { Notify(id, CBN_SELCHANGE); });
    if (editable)
        connect(c->lineEdit(), &QLineEdit::textEdited, router_.get(), [this, id] { Notify(id, CBN_EDITCHANGE); });
    return c;
}

QListWidget* Dialog::AddList(int id)
{
    auto* l = Add(id, ControlKind::List, new QListWidget(CurrentOwner()));
    connect(l, &QListWidget::currentRowChanged, router_.get(), [this, id] { Notify(id, LBN_SELCHANGE); });
    // A mouse press makes the row current before it selects it: the selection notifies once it is made.
    connect(l, &QListWidget::itemSelectionChanged, router_.get(), [this, id] { Notify(id, LBN_SELCHANGE); });
    connect(l, &QListWidget::itemDoubleClicked, router_.get(), [this, id] { Notify(id, LBN_DBLCLK); });
    return l;
}

QSpinBox* Dialog::AddSpin(int id, int minimum, int maximum)
{
    auto* s = Add(id, ControlKind::Spin, new QSpinBox(CurrentOwner()));
    s->setRange(minimum, maximum);
    connect(s, &QSpinBox::valueChanged, router_.get(), [this, id] { Notify(id, EN_CHANGE); });
    return s;
}

UpDown* Dialog::AddUpDown(int id, int lower, int upper)
{
    auto* u = Add(id, ControlKind::UpDown, new UpDown(CurrentOwner()));
    u->SetRange(lower, upper);
    connect(u, &UpDown::stepRequested, router_.get(), [this, id, u](int delta) {
        const int outerDelta = upDownDelta_;
        const bool outerSet = upDownPosSet_;
        upDownDelta_ = delta;
        upDownPosSet_ = false;
        Notify(id, UDN_DELTAPOS);
        if (!upDownPosSet_)
            u->SetPosition(u->Position() + delta);
        upDownDelta_ = outerDelta;
        upDownPosSet_ = outerSet;
    });
    return u;
}

QGroupBox* Dialog::BeginGroup(int id, const QString& title)
{
    auto* g = Add(id, ControlKind::Group, new QGroupBox(title, CurrentOwner()));
    containers_.push_back({g, new QVBoxLayout(g)});
    containers_.back().isGroup = true;
    return g;
}

void Dialog::EndGroup()
{
    // Closes the innermost group, and any grid left open inside it.
    while (containers_.size() > 1) {
        const bool group = containers_.back().isGroup;
        containers_.pop_back();
        if (group)
            break;
    }
    radioGroup_ = nullptr;
}

void Dialog::BeginGrid(int columns)
{
    auto* grid = new QGridLayout;
    Place(nullptr, grid);
    Container c{CurrentOwner()};
    c.grid = grid;
    c.columns = std::max(1, columns);
    containers_.push_back(c);
}

void Dialog::EndGrid()
{
    if (containers_.size() > 1 && containers_.back().grid)
        containers_.pop_back();
}

void Dialog::NewRow()
{
    Container& c = containers_.back();
    if (c.grid) {
        if (c.cell % c.columns)
            c.cell += c.columns - c.cell % c.columns;
    } else {
        c.row = nullptr;
    }
}

void Dialog::SetSpacing(int pixels)
{
    for (QLayout* l : findChildren<QLayout*>())
        l->setSpacing(pixels);
}

void Dialog::SkipCell()
{
    if (containers_.back().grid)
        ++containers_.back().cell;
}

namespace {

// Takes `w` out of `layout` or of a layout nested in it; true when it was there.
bool TakeOutOfLayout(QLayout* layout, QWidget* w)
{
    for (int i = 0; layout && i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == w) {
            delete layout->takeAt(i);
            return true;
        }
        if (TakeOutOfLayout(item->layout(), w))
            return true;
    }
    return false;
}

}  // namespace

void Dialog::PlaceAt(int id, int x, int y, int width, int height)
{
    QWidget* w = Control(id);
    if (!w)
        return;
    TakeOutOfLayout(layout(), w);
    placed_[w] = QRect(x, y, width, height);
    ApplyPlaces(w);
}

void Dialog::SetDialogUnitSize(int width, int height)
{
    unitSize_ = QSize(width, height);
    ApplyPlaces();
}

void Dialog::AddStretch()
{
    Container& c = containers_.back();
    if (c.grid)
        return;
    if (!c.row) {
        c.row = new QHBoxLayout;
        c.rows->addLayout(c.row);
    }
    c.row->addStretch();
}

void Dialog::AddOkCancel()
{
    NewRow();
    AddStretch();
    AddButton(IDOK, QStringLiteral("OK"), true);
    AddButton(IDCANCEL, QStringLiteral("Cancel"));
    NewRow();
}

}  // namespace platform
