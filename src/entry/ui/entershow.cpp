#include "entry/ui/entershow.h"

#include "app/logstate.h"
#include "entry/entrywalk.h"
#include "entry/entryrow.h"
#include "entry/ui/entryedit.h"
#include "logview/geometryof.h"
#include "platform/services.h"
#include "platform/ui/svedit.h"
#include "wellfile/profile.h"

#include <QLabel>

namespace entry {

namespace {

constexpr int kRadio[kShowColumns]
    = { EnterShow::IDC_POROSITY, EnterShow::IDC_FLUORESCENCE, EnterShow::IDC_CUT, EnterShow::IDC_CALCIMETER };

}  // namespace

ShowOptions ShowOptionsOf(const app::LogState& log)
{
    ShowOptions o;
    o.settings.profile = log.well.loggerId;
    o.settings.hardness = log.layout.schemes.hardnessLabel;
    o.settings.lastDepth = log.well.file.fileBottomDepth;
    const logview::ViewGeometry g = logview::GeometryOf(log);
    o.calcimeter = g.profile == 115 || (g.Flag(38) && g.hardness.count > 0);
    o.showColour = log.entry.showColourOption;
    return o;
}

EnterShow::EnterShow(QWidget* parent, app::LogState& log, std::function<void(std::int32_t, int)> repaintRows)
    : Dialog(parent, QStringLiteral("Enter Show"))
    , log_(log)
    , options_(ShowOptionsOf(log))
    , repaintRows_(std::move(repaintRows))
    , entry_(log.interaction.dataEntryRecords, options_.settings, log.entry.showColours,
          FirstEntryRowY(log.layout.format.logAreaTop, log.layout.format.pixelsPerStep),
          log.layout.format.pixelsPerStep, log.view.rowCounter)
{
    QLabel* prompt = AddStatic(IDC_PROMPT, QString());
    prompt->setMinimumWidth(prompt->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 24);
    NewRow();
    platform::SVEdit* box = AddEdit(IDC_VALUE, 80, 12);
    AddStatic(IDC_VALID, QString());
    NewRow();
    BeginGroup(IDC_SELECT, QStringLiteral("Select"));
    AddRadio(IDC_POROSITY, QStringLiteral("Porosity"), true);
    AddRadio(IDC_FLUORESCENCE, QStringLiteral("Fluoresence"));
    AddRadio(IDC_CUT, QStringLiteral("Cut"));
    AddRadio(IDC_CALCIMETER, QStringLiteral("Calcimeter"));
    EndGroup();
    AddButton(IDC_COLOR, QStringLiteral("Color"));
    NewRow();
    AddStretch();
    AddButton(platform::IDOK, QStringLiteral("Done"));
    AddButton(platform::IDCANCEL, QStringLiteral("Cancel"));
    for (int c = 0; c < kShowColumns; ++c)
        On(kRadio[c], platform::BN_CLICKED, [this, c] { SelectColumn(ShowColumn(c)); });
    On(IDC_COLOR, platform::BN_CLICKED, [this] { CmColor(); });
    edit_ = std::make_unique<EntryEdit>(box, EntryBox::Show,
        [this](const std::optional<QString>& text, int key, bool ctrl) { KeyFromEdit(text, key, ctrl); });
}

EnterShow::~EnterShow() = default;

void EnterShow::SetupWindow()
{
    const int profile = options_.settings.profile;
    entry_.Select(SHOW_POROSITY);
    Show(IDC_CALCIMETER, options_.calcimeter);
    if (options_.settings.hardness)
        SetText(IDC_CALCIMETER, QStringLiteral("Hardness"));
    Enable(IDC_COLOR, false);
    Show(IDC_COLOR, options_.showColour);
    if (profile == 11) {
        SetText(IDC_CUT, QStringLiteral("Show"));
        Enable(IDC_FLUORESCENCE, false);
    }
    const bool fluorescenceFirst = wellfile::FluorescenceFirstProfile(profile);
    if (fluorescenceFirst) {
        Enable(IDC_CUT, false);
        Enable(IDC_POROSITY, false);
    }
    if (fluorescenceFirst || profile == 9) {
        entry_.Select(SHOW_FLUORESCENCE);
        SetCheck(IDC_FLUORESCENCE, platform::BST_CHECKED);
    } else {
        SetCheck(IDC_POROSITY, platform::BST_CHECKED);
    }
    ShowPrompt();
    SetText(IDC_VALID, SetupValidValuesText(profile));
    if (fluorescenceFirst)
        SelectColumn(SHOW_FLUORESCENCE);
}

void EnterShow::SelectColumn(ShowColumn column)
{
    if (column == SHOW_FLUORESCENCE && options_.settings.profile == 11)
        return;
    entry_.Select(column);
    SetText(IDC_VALID, ValidValuesText(column, options_.settings.profile, options_.settings.hardness));
    const bool colour = column != SHOW_POROSITY && options_.showColour;
    Enable(IDC_COLOR, colour);
    Show(IDC_COLOR, colour);
    ShowPrompt();
}

void EnterShow::ShowPrompt()
{
    SetText(IDC_PROMPT, entry_.Prompt());
    SetText(IDC_VALUE, QString());
    SetFocusTo(IDC_VALUE);
}

void EnterShow::CmColor()
{
    platform::Prompter* prompter = platform::services().prompter;
    if (!prompter)
        return;
    if (const std::optional<platform::COLORREF> chosen = prompter->ChooseColor(0, nullptr))
        entry_.SetColour(*chosen);
    SetFocusTo(IDC_VALUE);
}

void EnterShow::KeyFromEdit(const std::optional<QString>& text, int key, bool ctrl)
{
    if (const std::optional<EntryStep> step = StepOfKey(log_, EntryBox::Show, key, ctrl))
        Answer(TakeStep(entry_, *step, text.value_or(QString())));
}

bool EnterShow::Answer(const ShowKeyResult& r)
{
    switch (r.outcome) {
    case ShowOutcome::Refused:
        platform::MessageBeep(0);
        return false;
    case ShowOutcome::Dropped:
        return false;
    case ShowOutcome::WrongLetter:
        platform::MessageBeep(0);
        platform::MessageBox(r.message, r.caption, platform::MB_OK);
        SetText(IDC_VALUE, QString());
        SetFocusTo(IDC_VALUE);
        return false;
    case ShowOutcome::OutOfRange:
        platform::MessageBeep(0);
        platform::MessageBox(r.message, r.caption, platform::MB_OK);
        SetFocusTo(IDC_VALUE);
        return false;
    case ShowOutcome::Stored:
        if (const std::optional<std::int32_t> depth = StoredRowDepth(log_.interaction.dataEntryRecords, r.index);
            depth && repaintRows_)
            repaintRows_(*depth, r.rows);
        ShowPrompt();
        // Said beside the prompt: a box would take the keys of the next value typed.
        if (r.blackCut)
            SetText(IDC_PROMPT, entry_.Prompt() + QStringLiteral("   Black cut"));
        return true;
    case ShowOutcome::Moved:
        ShowPrompt();
        return true;
    }
    return false;
}

bool EnterShow::CanClose()
{
    const std::optional<QString> line = edit_->PendingLine();
    return !line || Answer(TakeStep(entry_, EntryStep::Enter, *line));
}

}  // namespace entry
