#include "entry/ui/enterflaredlg.h"

#include "app/logstate.h"
#include "entry/entrykeys.h"
#include "entry/ui/entryedit.h"
#include "platform/services.h"
#include "platform/ui/svedit.h"

#include <QLabel>

namespace entry {

namespace {

constexpr int kDepthLimit = 20, kValueLimit = 20, kTextLimit = 15;

// The y of the start depth's record: five rows below the view top.
int StartRowY(const app::LogState& log)
{
    return log.layout.format.logAreaTop + kFlareRowsAboveStart * log.layout.format.pixelsPerStep;
}

}  // namespace

EnterFlareDlg::EnterFlareDlg(QWidget* parent, app::LogState& log, std::function<void(int, int)> drawStep)
    : Dialog(parent, QStringLiteral("STRATIV FLARE DATA")),
      log_(log),
      drawStep_(std::move(drawStep)),
      flareTrack_(log.layout.flareTrack != 0),
      entry_(log.interaction.dataEntryRecords, log.well.file.fileBottomDepth, StartRowY(log),
             log.layout.format.pixelsPerStep, log.view.rowCounter)
{
    SetDialogUnitSize(240, 124);
    AddStatic(platform::IDC_STATIC, QStringLiteral("DEPTH"));
    AddEdit(IDC_DEPTH, kDepthLimit, 8);
    AddStretch();
    NewRow();
    QLabel* prompt = AddStatic(IDC_PROMPT, QStringLiteral("Enter AP for"));
    prompt->setMinimumWidth(prompt->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 36);
    NewRow();
    platform::SVEdit* box = AddEdit(IDC_VALUE, kValueLimit, 10);
    AddStretch();
    NewRow();
    AddStatic(IDC_TEXT_LABEL, QStringLiteral("FLARE TEXT"));
    AddEdit(IDC_TEXT, kTextLimit, 16);
    NewRow();
    BeginGroup(IDC_MODE, QStringLiteral("Mode"));
    AddRadio(IDC_LENGTH, QStringLiteral("Flare Length"), true);
    AddRadio(IDC_AIR, QStringLiteral("Air Pressure"));
    AddRadio(IDC_MUD, QStringLiteral("Mud Wt"));
    AddRadio(IDC_GAIN, QStringLiteral("Gain/Loss"));
    EndGroup();
    NewRow();
    AddStretch();
    AddButton(platform::IDOK, QStringLiteral("DONE"));
    AddButton(platform::IDCANCEL, QStringLiteral("Cancel"));
    for (int id : {int(IDC_LENGTH), int(IDC_AIR), int(IDC_MUD), int(IDC_GAIN)})
        On(id, platform::BN_CLICKED, [this] { CmMode(); });
    edit_ = std::make_unique<FlareEdit>(box, EntryBox::Flare,
                                        [this](const std::optional<QString>& text, int key, bool) { EnterKey(text, key); });
}

EnterFlareDlg::~EnterFlareDlg() = default;

void EnterFlareDlg::SetupWindow()
{
    entry_.SetMode(FlareMode::Length);
    Show(IDC_AIR, flareTrack_);
    Show(IDC_GAIN, flareTrack_);
    Show(IDC_TEXT, flareTrack_);
    Show(IDC_TEXT_LABEL, flareTrack_);
    Show(IDC_MUD, false);
    SetCheck(IDC_LENGTH, platform::BST_CHECKED);
    SetText(IDC_VALUE, entry_.ValueText());
    ShowPrompt();
}

void EnterFlareDlg::ShowPrompt()
{
    SetText(IDC_DEPTH, entry_.DepthText());
    SetText(IDC_VALUE, QString());
    SetText(IDC_TEXT, entry_.FlareText());
    SetText(IDC_PROMPT, entry_.Prompt());
    SetFocusTo(IDC_VALUE);
}

void EnterFlareDlg::CmMode()
{
    FlareMode mode = FlareMode::GainLoss;
    if (GetCheck(IDC_LENGTH) == platform::BST_CHECKED)
        mode = FlareMode::Length;
    else if (GetCheck(IDC_AIR) == platform::BST_CHECKED)
        mode = FlareMode::AirPressure;
    else if (GetCheck(IDC_MUD) == platform::BST_CHECKED)
        mode = FlareMode::MudWeight;
    entry_.SetMode(mode);
    ShowPrompt();
}

void EnterFlareDlg::EnterKey(const std::optional<QString>& text, int key)
{
    FlareKeyResult r;
    switch (key) {
    case KEY_RETURN: r = entry_.Enter(text, GetText(IDC_TEXT)); break;
    case KEY_UP: r = entry_.Up(); break;
    case KEY_DOWN: r = entry_.Down(); break;
    default: return;
    }
    if (r.outcome == FlareOutcome::Refused) {
        platform::MessageBeep(0);
        return;
    }
    if (r.outcome == FlareOutcome::Stored && entry_.Mode() == FlareMode::Length && drawStep_)
        drawStep_(r.index, r.y);
    ShowPrompt();
}

}  // namespace entry
