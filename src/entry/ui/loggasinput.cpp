#include "entry/ui/loggasinput.h"

#include "app/logstate.h"
#include "entry/entrykeys.h"
#include "entry/entryrow.h"
#include "entry/ui/entryedit.h"
#include "platform/services.h"
#include "platform/ui/svedit.h"

#include <QCheckBox>
#include <QLabel>

#include <array>
#include <utility>

namespace entry {

namespace {

// The mode boxes and their modes; ticking one clears the others.
constexpr std::array<std::pair<int, GasMode>, 5> kModeBoxes = {{
    {LogGasInput::IDC_CO2, GasMode::Co2},
    {LogGasInput::IDC_MUD_OUT, GasMode::MudOut},
    {LogGasInput::IDC_MUD_IN, GasMode::MudIn},
    {LogGasInput::IDC_CUSTOM, GasMode::Custom},
    {LogGasInput::IDC_CUSTOM2, GasMode::Custom2},
}};

GasEntryOptions OptionsOf(const app::LogState& log, const wellfile::WellConfig& config)
{
    GasEntryOptions o;
    o.totalGasFirst = log.entry.gasTotalFirst;
    o.profile = log.well.loggerId;
    o.maxEntries = config.maxGasEntries;
    o.rowHeight = log.layout.format.pixelsPerStep;
    o.firstRowY = FirstEntryRowY(log.layout.format.logAreaTop, o.rowHeight);
    return o;
}

}  // namespace

LogGasInput::LogGasInput(QWidget* parent, app::LogState& log, wellfile::WellConfig& config, LogDrawing drawing)
    : Dialog(parent, QStringLiteral("Enter Gas ")),
      log_(log),
      config_(config),
      drawing_(std::move(drawing)),
      entry_(log.interaction.dataEntryRecords, OptionsOf(log, config), log.view.rowCounter,
             log.well.file.lastMudWeightOut, log.well.file.lastMudWeightOutDepth),
      savedMudOut_(log.well.file.lastMudWeightOut),
      savedMudOutDepth_(log.well.file.lastMudWeightOutDepth)
{
    QLabel* prompt = AddStatic(IDC_PROMPT, QString());
    prompt->setMinimumWidth(prompt->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 30);
    NewRow();
    AddStatic(IDC_PREVIOUS, QString());
    NewRow();
    QLabel* label = AddStatic(IDC_LABEL, QString());
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 10);
    platform::SVEdit* box = AddEdit(IDC_VALUE, 80, 12);
    AddStretch();
    NewRow();
    AddCheck(IDC_USE_RATIOS, QStringLiteral("Use Ratios"));
    AddCheck(IDC_CO2, QStringLiteral("CO2"));
    AddCheck(IDC_MUD_OUT, QStringLiteral("Mud Wt Out"));
    AddCheck(IDC_MUD_IN, QStringLiteral("Mud Wt In"));
    NewRow();
    AddCheck(IDC_CUSTOM, QStringLiteral("Custom Data"));
    AddCheck(IDC_CUSTOM2, QStringLiteral("Custom Data 2"));
    AddCheck(IDC_MUD_PV, QStringLiteral("Mud PV"));
    NewRow();
    AddStatic(platform::IDC_STATIC, QStringLiteral("Max Entries"));
    platform::SVEdit* count = AddEdit(IDC_MAX_ENTRIES, 4, 3);
    count->setReadOnly(true);  // the arrows set it
    AddUpDown(IDC_MAX_SPIN);
    AddStretch();
    NewRow();
    AddStretch();
    AddButton(platform::IDOK, QStringLiteral("Done"));
    AddButton(platform::IDCANCEL, QStringLiteral("Cancel"));

    On(IDC_USE_RATIOS, platform::BN_CLICKED, [this] { CmUseRatios(); });
    for (const auto& [id, mode] : kModeBoxes)
        On(id, platform::BN_CLICKED, [this, id = id, mode = mode] { CmMode(id, mode); });
    On(IDC_MAX_SPIN, platform::UDN_DELTAPOS, [this] { EvMaxEntriesSpin(); });
    // Cancel closes through the same bookkeeping as Done, and puts back what it changed in the window.
    On(platform::IDCANCEL, platform::BN_CLICKED, [this] {
        KeepOnClosing();
        log_.well.file.lastMudWeightOut = savedMudOut_;
        log_.well.file.lastMudWeightOutDepth = savedMudOutDepth_;
        EndDialog(platform::IDCANCEL);
    });
    edit_ = std::make_unique<EntryEdit>(box, EntryBox::Gas,
                                        [this](const std::optional<QString>& text, int key, bool ctrl) {
                                            KeyFromEdit(text, key, ctrl);
                                        });
}

LogGasInput::~LogGasInput() = default;

void LogGasInput::SetupWindow()
{
    if (drawing_.marker)
        drawing_.marker(entry_.Row().y, false, true);
    Show(IDC_MUD_PV, false);
    Show(IDC_USE_RATIOS, log_.entry.gasRatios);
    Enable(IDC_USE_RATIOS, log_.entry.gasRatios);
    Show(IDC_CO2, log_.entry.gasCo2);
    if (log_.entry.gasTotalFirst)
        SetUpDownRange(IDC_MAX_SPIN, 1, 8);
    else
        SetUpDownRange(IDC_MAX_SPIN, 1, 5);
    SetUpDownPos(IDC_MAX_SPIN, entry_.Count());
    SetInt(IDC_MAX_ENTRIES, entry_.Count());
    ShowPrompt();
}

void LogGasInput::ShowPrompt()
{
    SetText(IDC_PROMPT, entry_.Prompt());
    SetText(IDC_PREVIOUS, entry_.PreviousValues());
    SetText(IDC_VALUE, QString());
    ShowLabel();
    SetFocusTo(IDC_VALUE);
}

void LogGasInput::ShowLabel() { SetText(IDC_LABEL, entry_.Label()); }

// The marker line leaves the old row for the new one.
void LogGasInput::MoveMarker(int fromY)
{
    const int toY = entry_.Row().y;
    if (toY != fromY && drawing_.marker)
        drawing_.marker(fromY, toY < fromY, false);
}

void LogGasInput::KeyFromEdit(const std::optional<QString>& text, int key, bool ctrl)
{
    if (ctrl) {
        SendDrillingKey(log_, key);  // dropped while drilling mode is off
        return;
    }
    EnterKey(text, key);
}

bool LogGasInput::EnterKey(const std::optional<QString>& text, int key)
{
    const int fromY = entry_.Row().y;
    GasKeyResult r;
    switch (key) {
    case KEY_RETURN: r = entry_.Enter(text.value_or(QString())); break;
    case KEY_LEFT: r = entry_.Left(); break;
    case KEY_UP: r = entry_.Up(); break;
    case KEY_DOWN: r = entry_.Down(); break;
    default:
        SetText(IDC_VALUE, QString());
        ShowLabel();
        return false;
    }
    if (r.refused) {
        platform::MessageBeep(0);
        return false;
    }
    const std::vector<wellfile::RECORD>& records = log_.interaction.dataEntryRecords;
    if (r.repaint == GasRepaint::GasRow && drawing_.repaintRow && std::size_t(r.index) < records.size())
        drawing_.repaintRow(records[std::size_t(r.index)].depth);
    MoveMarker(fromY);
    if (key == KEY_LEFT)
        ShowLabel();  // what was typed stays for the component gone back to
    else
        ShowPrompt();
    return true;
}

void LogGasInput::CmUseRatios()
{
    const GasKeyResult r = entry_.SetRatios(GetCheck(IDC_USE_RATIOS) == platform::BST_CHECKED);
    if (r.refused)
        platform::MessageBeep(0);
    SetCheck(IDC_USE_RATIOS, entry_.RatiosOn() ? platform::BST_CHECKED : platform::BST_UNCHECKED);
    ShowLabel();
    SetFocusTo(IDC_VALUE);
}

void LogGasInput::CmMode(int box, GasMode mode)
{
    if (GetCheck(box) == platform::BST_CHECKED) {
        for (const auto& [id, other] : kModeBoxes)
            if (id != box)
                SetCheck(id, platform::BST_UNCHECKED);
        SetCheck(IDC_MUD_PV, platform::BST_UNCHECKED);
        entry_.SetMode(mode);
        Show(IDC_USE_RATIOS, false);
        SetText(IDC_VALUE, QString());
        SetText(IDC_PREVIOUS, QString());
        SetText(IDC_LABEL, ModeBoxLabel(mode));
        SetText(IDC_PROMPT, ModeBoxPrompt(mode, entry_.Current().depth));
        SetText(IDC_MAX_ENTRIES, QString());
        Enable(IDC_MAX_ENTRIES, false);
        Enable(IDC_MAX_SPIN, false);
        SetFocusTo(IDC_VALUE);
        return;
    }
    entry_.SetMode(GasMode::Gas);
    Show(IDC_USE_RATIOS, log_.entry.gasRatios);
    Enable(IDC_MAX_ENTRIES, true);
    Enable(IDC_MAX_SPIN, true);
    SetInt(IDC_MAX_ENTRIES, entry_.Count());
    ShowPrompt();
}

void LogGasInput::EvMaxEntriesSpin()
{
    const GasKeyResult r = entry_.Spin(UpDownDelta());
    if (r.refused)
        platform::MessageBeep(0);
    // The count decides; the arrows only ask for a step.
    SetUpDownPos(IDC_MAX_SPIN, entry_.Count());
    SetInt(IDC_MAX_ENTRIES, entry_.Count());
}

bool LogGasInput::CanClose()
{
    if (const std::optional<QString> line = edit_->PendingLine(); line && !EnterKey(line, KEY_RETURN))
        return false;
    KeepOnClosing();
    return true;
}

void LogGasInput::KeepOnClosing()
{
    std::int32_t& resume = log_.interaction.mouseEntry.gasDepth;
    resume = entry_.ResumeDepth(resume);
    config_.maxGasEntries = entry_.Count();
}

}  // namespace entry
