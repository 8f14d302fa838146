#include "entry/ui/enterlithdlg.h"

#include "app/logstate.h"
#include "app/ui/helpdlg.h"
#include "entry/entrywalk.h"
#include "entry/entryrow.h"
#include "entry/lithhelp.h"
#include "entry/ui/entryedit.h"
#include "platform/services.h"
#include "platform/ui/svedit.h"

#include <QLabel>

namespace entry {

namespace {

// The help text's lines end in CR LF; a text control ends them at LF, and a heading has none.
QString ControlLines(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return lines;
}

QString HeadingLine(const QString& text)
{
    QString line = ControlLines(text);
    if (line.endsWith(QLatin1Char('\n')))
        line.chop(1);
    return line;
}

}  // namespace

EnterLithDlg::EnterLithDlg(QWidget* parent, app::LogState& log, QWidget* helpOwner, QPointer<QWidget>& helpWindow,
    std::function<void(std::int32_t)> repaintRow)
    : Dialog(parent, QStringLiteral("Enter Lithology"))
    , log_(log)
    , helpOwner_(helpOwner)
    , helpWindow_(helpWindow)
    , repaintRow_(std::move(repaintRow))
    , entry_(log.interaction.dataEntryRecords, log.well.file.fileBottomDepth, log.interaction.mouseEntry.interpreted,
          FirstEntryRowY(log.layout.format.logAreaTop, log.layout.format.pixelsPerStep),
          log.layout.format.pixelsPerStep, log.view.rowCounter)
{
    QLabel* prompt = AddStatic(IDC_PROMPT, QString());
    prompt->setMinimumWidth(prompt->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 40);
    NewRow();
    AddStatic(IDC_PREVIOUS, QString());
    NewRow();
    platform::SVEdit* box = AddEdit(IDC_VALUE, kLithTextChars + 1, 30);
    AddCheck(IDC_INTRP, QStringLiteral("Intrp Lith"));
    NewRow();
    AddButton(IDC_HELP, QStringLiteral("Help"));
    AddStretch();
    AddButton(platform::IDOK, QStringLiteral("Done"));
    AddButton(platform::IDCANCEL, QStringLiteral("Cancel"));
    On(IDC_INTRP, platform::BN_CLICKED, [this] { CmIntrpLith(); });
    On(IDC_HELP, platform::BN_CLICKED, [this] { CmHelp(); });
    edit_ = std::make_unique<EntryEdit>(box, EntryBox::Lithology,
        [this](const std::optional<QString>& text, int key, bool ctrl) { KeyFromEdit(text, key, ctrl); });
}

EnterLithDlg::~EnterLithDlg() { LendHelp(helpOwner_); }

void EnterLithDlg::LendHelp(QWidget* to)
{
    QWidget* help = helpWindow_;
    if (!help || !to || help->parentWidget() == to)
        return;
    const bool shown = help->isVisible();
    const QPoint at = help->pos();
    help->setParent(to, help->windowFlags());
    help->move(at);
    if (shown)
        help->show();
}

void EnterLithDlg::SetupWindow()
{
    LendHelp(this);
    SetCheck(IDC_INTRP, entry_.Interpreted() ? platform::BST_CHECKED : platform::BST_UNCHECKED);
    SetText(IDC_PROMPT, LithPrompt(LithPromptKind::Setup, entry_.Interpreted(), entry_.Depth()));
    SetTextA(IDC_PREVIOUS, entry_.Previous());
    SetFocusTo(IDC_VALUE);
}

void EnterLithDlg::ShowPrompt()
{
    SetText(IDC_PROMPT, LithPrompt(LithPromptKind::Step, entry_.Interpreted(), entry_.Depth()));
    SetTextA(IDC_PREVIOUS, entry_.Previous());
    SetText(IDC_VALUE, QString());
    SetFocusTo(IDC_VALUE);
}

void EnterLithDlg::CmIntrpLith()
{
    entry_.SetInterpreted(GetCheck(IDC_INTRP) == platform::BST_CHECKED);
    SetText(IDC_PROMPT, LithPrompt(LithPromptKind::ModeChanged, entry_.Interpreted(), entry_.Depth()));
    SetText(IDC_VALUE, QString());
    SetFocusTo(IDC_VALUE);
}

void EnterLithDlg::CmHelp()
{
    if (helpWindow_.isNull()) {
        auto* help = new app::HelpDlg(this, ControlLines(LithHelpText()), HeadingLine(LithHelpHeader()), 1);
        help->setWindowTitle(QStringLiteral("Lithology Help"));
        help->Create();
        helpWindow_ = help;
    } else {
        QWidget* help = helpWindow_;
        helpWindow_ = nullptr;
        help->hide();
        delete help;
    }
    SetFocusTo(IDC_VALUE);
}

void EnterLithDlg::KeyFromEdit(const std::optional<QString>& text, int key, bool ctrl)
{
    if (const std::optional<EntryStep> step = StepOfKey(log_, EntryBox::Lithology, key, ctrl))
        Answer(TakeStep(entry_, *step, text.value_or(QString())));
}

bool EnterLithDlg::Answer(const LithKeyResult& r)
{
    switch (r.outcome) {
    case LithOutcome::Refused:
        platform::MessageBeep(0);
        return false;
    case LithOutcome::Invalid:
        platform::MessageBox(QStringLiteral("You have entered more or\nless than 100 percent"),
            QStringLiteral("INVALID DATA"), platform::MB_OK);
        SetFocusTo(IDC_VALUE);
        return false;
    case LithOutcome::Stored:
        if (const std::optional<std::int32_t> depth = StoredRowDepth(log_.interaction.dataEntryRecords, r.index);
            depth && repaintRow_)
            repaintRow_(*depth);
        ShowPrompt();
        return true;
    case LithOutcome::Moved:
        ShowPrompt();
        return true;
    }
    return false;
}

bool EnterLithDlg::CanClose()
{
    if (const std::optional<QString> line = edit_->PendingLine();
        line && !Answer(TakeStep(entry_, EntryStep::Enter, *line)))
        return false;
    log_.entry.lithologyResumeDepth = entry_.ResumeDepthAfter(log_.entry.lithologyResumeDepth);
    log_.interaction.mouseEntry.interpreted = false;
    return true;
}

}  // namespace entry
