#include "entry/ui/enterrate.h"

#include "app/logstate.h"
#include "entry/entrywalk.h"
#include "entry/entryrow.h"
#include "entry/ui/entryedit.h"
#include "platform/services.h"
#include "platform/ui/svedit.h"

#include <QLabel>

namespace entry {

EnterRate::EnterRate(QWidget* parent, app::LogState& log, std::function<void(std::int32_t)> repaintRow)
    : Dialog(parent, QStringLiteral("Enter Rates")),
      log_(log),
      repaintRow_(std::move(repaintRow)),
      entry_(log.interaction.dataEntryRecords, log.view.rateInMetresPerHour != 0, log.well.file.fileBottomDepth,
             log.well.file.depthStep,
             FirstEntryRowY(log.layout.format.logAreaTop, log.layout.format.pixelsPerStep),
             log.layout.format.pixelsPerStep, log.view.rowCounter)
{
    QLabel* prompt = AddStatic(IDC_PROMPT, QString());
    prompt->setMinimumWidth(prompt->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 72);
    NewRow();
    AddStatic(IDC_PREVIOUS, QString());
    NewRow();
    platform::SVEdit* box = AddEdit(IDC_VALUE, 80, 12);
    AddStretch();
    NewRow();
    // The previous-rates list is never shown.
    QLabel* listCaption = AddStatic(platform::IDC_STATIC, QStringLiteral("Previous Rates"));
    AddList(IDC_PREVIOUS_LIST);
    listCaption->hide();
    Show(IDC_PREVIOUS_LIST, false);
    NewRow();
    AddStretch();
    AddButton(platform::IDOK, QStringLiteral("Done"));
    AddButton(platform::IDCANCEL, QStringLiteral("Cancel"));
    edit_ = std::make_unique<EntryEdit>(box, EntryBox::Rate,
                                        [this](const std::optional<QString>& text, int key, bool ctrl) {
                                            KeyFromEdit(text, key, ctrl);
                                        });
}

EnterRate::~EnterRate() = default;

void EnterRate::SetupWindow()
{
    Show(IDC_PREVIOUS_LIST, false);
    ShowPrompt();
}

void EnterRate::ShowPrompt()
{
    entry_.ShowPrompt();
    SetText(IDC_PROMPT, entry_.Prompt());
    SetText(IDC_PREVIOUS, entry_.PreviousRates());
    SetText(IDC_VALUE, QString());
    SetFocusTo(IDC_VALUE);
}

void EnterRate::KeyFromEdit(const std::optional<QString>& text, int key, bool ctrl)
{
    if (const std::optional<EntryStep> step = StepOfKey(log_, EntryBox::Rate, key, ctrl))
        Answer(TakeStep(entry_, *step, text.value_or(QString())));
}

bool EnterRate::Answer(const RateKeyResult& r)
{
    switch (r.outcome) {
    case RateOutcome::Refused: platform::MessageBeep(0); return false;
    case RateOutcome::OutOfRange:
        platform::MessageBox(QStringLiteral("Value out of range"), QStringLiteral("Input Error"), platform::MB_OK);
        SetText(IDC_VALUE, QString());
        SetFocusTo(IDC_VALUE);
        return false;
    case RateOutcome::FirstHalf:
        SetText(IDC_PROMPT, entry_.Prompt());
        SetText(IDC_VALUE, QString());
        return true;
    case RateOutcome::StepDone:
        if (const std::optional<std::int32_t> depth = StoredRowDepth(log_.interaction.dataEntryRecords, r.index);
            depth && repaintRow_)
            repaintRow_(*depth);
        ShowPrompt();
        return true;
    case RateOutcome::Moved: ShowPrompt(); return true;
    }
    return false;
}

bool EnterRate::CanClose()
{
    if (const std::optional<QString> line = edit_->PendingLine();
        line && !Answer(TakeStep(entry_, EntryStep::Enter, *line)))
        return false;
    ShowPrompt();
    return true;
}

}  // namespace entry
