#include "layout/ui/schemedialog.h"

#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/winapi.h"
#include "wellfile/profile.h"
#include "wellfile/wellconfig.h"

#include <QFileInfo>

#include <memory>

namespace layout {

namespace {

const char* const kFlagCaptions[kTrackFlagCount] = {
    "",
    "Gamma Ray", "Density Porosity", "Neutron Porosity", "Crossplot Porosity", "Sonic", "SP", "PE",
    "RES 10", "RES 20", "RES 30 ", "RES 60 ", "RES 90 ", "RES 120", "Sw", "Bulk Volume Water",
    "Lithology", "Gas", "Descriptions", "Shows", "Notes", "Out Lines", "Rop",
    "Plot Density On Rate Grid", "Total gas ( HW) only", "Wrap", "Lag Time", "Wob", "Temperature", "Mud Wt",
    "Mud Gain/Loss", "CO2", "Caliper", "Memo's", "Normalize Chromat Readings", "Flare", "Real Time Gamma",
    "Calcimeter/Hardness", "Plot Interpreted Lith", "Use Hardness Label",
};

int Box(int flag) { return kFlagBoxIds[std::size_t(flag)]; }

bool NoHardnessProfile(int p) { return p == 37 || p == 4 || p == 11 || p == 8 || p == 31 || p == 16 || p == 115; }

QString Fixed2(float v) { return QString::fromStdString(platform::CFormat("%1.2f", double(v))); }

}  // namespace

SchemeDlg::SchemeDlg(QWidget* parent, SchemeSet& schemes, const SchemeDlgContext& context)
    : Dialog(parent, QStringLiteral("Edit Log Schemes")), schemes_(schemes), context_(context)
{
    BeginGrid(4);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Scheme Name"));
    AddEdit(IDC_SCHEME_NAME, 20);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Scheme Number"));
    AddStatic(IDC_SCHEME_NUMBER, QString());
    EndGrid();

    BeginGrid(3);
    for (int k = 1; k < kTrackFlagCount; ++k)
        AddCheck(Box(k), QString::fromLatin1(kFlagCaptions[k]));
    AddCheck(IDC_LINEAR_RES, QStringLiteral("Use Linear Res Scale"));
    EndGrid();

    BeginGrid(2);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Highlight Sw below (x perc)"));
    AddEdit(IDC_SW_THRESHOLD, 20);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Gamma Lag"));
    AddEdit(IDC_GAMMA_LAG, 20);
    EndGrid();

    NewRow();
    AddButton(IDC_PREVIOUS, QStringLiteral("Previous"));
    AddButton(IDC_NEXT, QStringLiteral("Next"));
    AddButton(IDC_SAVE_SCHEME, QStringLiteral("Save"));
    AddButton(IDC_FIELD_SETTINGS, QStringLiteral("Restore Field Settings"));
    AddButton(platform::IDOK, QStringLiteral("Close"), true);
    CloseOn(IDC_FIELD_SETTINGS);

    On(IDC_PREVIOUS, platform::BN_CLICKED, [this] {
        scheme = scheme == 0 ? kSchemeCount - 1 : scheme - 1;
        ShowCurrent();
    });
    On(IDC_NEXT, platform::BN_CLICKED, [this] {
        scheme = scheme == kSchemeCount - 1 ? 0 : scheme + 1;
        ShowCurrent();
    });
    On(IDC_SAVE_SCHEME, platform::BN_CLICKED, [this] { Save(); });
    On(Box(FLAG_DENSITY_ON_RATE_GRID), platform::BN_CLICKED, [this] {
        schemes_[std::size_t(scheme)].densityOnRateGridOff =
            GetCheck(Box(FLAG_DENSITY_ON_RATE_GRID)) == platform::BST_CHECKED ? 0 : 1;
    });

    hardnessLabel = context.hardnessLabel;
    plotInterpretedLith = context.plotInterpretedLith;
    gammaLag = context.gammaLag;
}

void SchemeDlg::SetupWindow()
{
    scheme = 0;
    ShowCurrent();
    SetCheck(Box(FLAG_HARDNESS_LABEL), context_.hardnessLabel);
    SetCheck(Box(FLAG_INTERPRETED_LITH), context_.plotInterpretedLith);
    ApplyBoxRules();

    const int p = context_.loggerId;
    Show(Box(24), false);
    Show(IDC_LINEAR_RES, false);
    if (wellfile::AlternateFormatProfile(p) && !context_.alternateFormat)
        Enable(Box(31), false);
    if (p == 134) {
        Enable(Box(FLAG_DESCRIPTIONS), false);
        Show(Box(FLAG_DESCRIPTIONS), false);
    }
    if (!context_.notesLoaded) {
        Enable(Box(FLAG_MEMOS), false);
        Show(Box(FLAG_MEMOS), false);
    }
    if (p != 37) {
        Enable(Box(30), false);
        Show(Box(30), false);
    }
    if (NoHardnessProfile(p))
        for (int flag : {37, int(FLAG_HARDNESS_LABEL)}) {
            Enable(Box(flag), false);
            Show(Box(flag), false);
        }
    Show(Box(34), false);
    Enable(Box(28), false);
    Show(Box(28), false);

    Show(IDC_FIELD_SETTINGS, context_.showFieldButton);
    if (context_.showFieldButton)
        SetText(IDC_FIELD_SETTINGS,
                context_.fieldSchemes ? QStringLiteral("Use Field Settings") : QStringLiteral("Use Local Settings"));
}

// The boxes that stay unchecked whatever the scheme holds.
void SchemeDlg::ApplyBoxRules()
{
    const int p = context_.loggerId;
    SetCheck(Box(24), 0);
    SetCheck(IDC_LINEAR_RES, 0);
    if (!context_.notesLoaded)
        SetCheck(Box(FLAG_MEMOS), 0);
    if (p != 37)
        SetCheck(Box(30), 0);
    if (NoHardnessProfile(p))
        for (int flag : {37, int(FLAG_INTERPRETED_LITH), int(FLAG_HARDNESS_LABEL)})
            SetCheck(Box(flag), 0);
    SetCheck(Box(34), 0);
    SetCheck(Box(28), 0);
    SetCheck(Box(FLAG_DENSITY_ON_RATE_GRID), 0);
}

void SchemeDlg::ShowCurrent()
{
    ShowScheme(schemes_[std::size_t(scheme)], transfer_);
    SetFromField(IDC_SCHEME_NAME, transfer_.name);
    SetText(IDC_SCHEME_NUMBER, QString::fromStdString(platform::CFormat("%d", scheme + 1)));
    for (int k = 1; k < kTrackFlagCount; ++k)
        SetCheck(Box(k), transfer_.box[k - 1] ? platform::BST_CHECKED : platform::BST_UNCHECKED);
    SetCheck(IDC_LINEAR_RES, transfer_.linearResScale ? platform::BST_CHECKED : platform::BST_UNCHECKED);
    SetText(IDC_SW_THRESHOLD, Fixed2(schemes_[std::size_t(scheme)].swThreshold));
    SetText(IDC_GAMMA_LAG, Fixed2(gammaLag));
    ApplyBoxRules();
}

bool SchemeDlg::NumbersValid()
{
    // Nothing is stored while either number is wrong: the user is told and the field shows its old
    // value again.
    if (!ParseSwThreshold(GetText(IDC_SW_THRESHOLD))) {
        platform::MessageBox(QStringLiteral("Highlight Sw below must be a percentage from 0 to 100 (35 or 0.35)."),
                             QStringLiteral("Edit Log Schemes"));
        SetText(IDC_SW_THRESHOLD, Fixed2(schemes_[std::size_t(scheme)].swThreshold));
        return false;
    }
    if (!ParseGammaLag(GetText(IDC_GAMMA_LAG))) {
        platform::MessageBox(QStringLiteral("Gamma Lag must be a distance from the bit from 0 to %1.")
                                 .arg(kMaxGammaLag, 0, 'f', 0),
                             QStringLiteral("Edit Log Schemes"));
        SetText(IDC_GAMMA_LAG, Fixed2(gammaLag));
        return false;
    }
    return true;
}

void SchemeDlg::Save()
{
    if (!NumbersValid())
        return;
    GetField(IDC_SCHEME_NAME, transfer_.name);
    for (int k = 1; k < kTrackFlagCount; ++k)
        transfer_.box[k - 1] = GetCheck(Box(k)) == platform::BST_CHECKED ? 1 : 0;
    transfer_.linearResScale = GetCheck(IDC_LINEAR_RES) == platform::BST_CHECKED ? 1 : 0;

    LOGSCHEME& s = schemes_[std::size_t(scheme)];
    // Without notes the "Memo's" box is hidden and shows off; the scheme keeps the setting it has.
    if (!context_.notesLoaded)
        transfer_.box[FLAG_MEMOS - 1] = s.flags[FLAG_MEMOS];
    StoreScheme(transfer_, s);
    s.swThreshold = *ParseSwThreshold(GetText(IDC_SW_THRESHOLD));
    s.reserved184 = 0;
    gammaLag = *ParseGammaLag(GetText(IDC_GAMMA_LAG));
    hardnessLabel = transfer_.box[FLAG_HARDNESS_LABEL - 1] != 0;
    plotInterpretedLith = transfer_.box[FLAG_INTERPRETED_LITH - 1] != 0;
    saved = true;
    if (context_.loggerId == 134) {
        SetCheck(Box(FLAG_DESCRIPTIONS), 0);
        Enable(Box(FLAG_DESCRIPTIONS), false);
    }
}

void CmEditSchemes(SchemeState& state, SchemeHost& host, const EditSchemesContext& context, QWidget* parent)
{
    bool defaults = false;
    const auto schemes = LoadSchemes(host.files, state.fieldSchemes, &defaults);
    if (!schemes)
        return;
    if (defaults)
        state.currentScheme = 0;
    const SchemeFiles& files = host.files;
    SchemeDlgContext dc;
    dc.loggerId = host.loggerId;
    dc.alternateFormat = context.alternateFormat;
    dc.notesLoaded = context.notesLoaded;
    dc.showFieldButton = SendsFromOwnFolder(files) &&
                         QFileInfo(platform::FindFileNoCase(files.currentFolder, files.wellName + QStringLiteral(".sch"))).isFile();
    dc.fieldSchemes = state.fieldSchemes;
    dc.hardnessLabel = state.hardnessLabel;
    dc.plotInterpretedLith = state.plotInterpretedLith;
    dc.gammaLag = state.gammaLag;

    const bool interpretedBefore = On(state.trackFlags, FLAG_INTERPRETED_LITH);
    SchemeDlg dlg(parent, *schemes, dc);
    const int result = dlg.Execute();

    if (result == platform::IDOK) {
        if (SendsFromOwnFolder(files)) {
            state.fieldSchemes = true;
            if (host.saveFieldSchemesFlag)
                host.saveFieldSchemesFlag();
        }
        if (dlg.saved) {
            state.hardnessLabel = dlg.hardnessLabel;
            state.plotInterpretedLith = dlg.plotInterpretedLith;
            state.gammaLag = dlg.gammaLag == 0.0f ? 12.0f : dlg.gammaLag;
            if (host.loadConfig && host.saveConfig) {
                auto config = std::make_unique<wellfile::WellConfig>();
                if (host.loadConfig(*config)) {
                    config->useHardnessLabel = state.hardnessLabel ? 1 : 0;
                    config->plotInterpretedLith = state.plotInterpretedLith ? 1 : 0;
                    host.saveConfig(*config);
                }
            }
        }
        SaveSchemes(files, state.fieldSchemes, *schemes);
        ApplyScheme(state, host, state.currentScheme, true);
        if (host.loggerId == 62)
            state.trackFlags[FLAG_DESCRIPTIONS] = 1;
        else if (host.loggerId == 134)
            state.trackFlags[FLAG_DESCRIPTIONS] = 0;
        state.descriptionByMemo = On(state.trackFlags, FLAG_MEMOS) && !On(state.trackFlags, FLAG_DESCRIPTIONS);
    } else if (result == IDC_FIELD_SETTINGS) {
        // Switches between the field and the local schemes; the edits of this session are dropped.
        state.fieldSchemes = !state.fieldSchemes;
        if (host.saveFieldSchemesFlag)
            host.saveFieldSchemesFlag();
        ApplyScheme(state, host, state.currentScheme, false);
    } else {
        return;
    }

    const bool interpretedChanged = On(state.trackFlags, FLAG_INTERPRETED_LITH) != interpretedBefore;
    if (interpretedChanged) {
        if (!host.customTracksOn && host.resetCustomTracks)
            host.resetCustomTracks();
        else if (host.customTracksOn && host.loadCustomTracks)
            host.loadCustomTracks();
    }
    // The columns follow the flags, so the layout is rebuilt after every change of scheme.
    if (host.setLogFormat)
        host.setLogFormat();
    if (host.buildGridBitmaps)
        host.buildGridBitmaps();
    if (host.customTracksOn || result == IDC_FIELD_SETTINGS) {
        if (host.curvesLoaded && host.reloadCurves)
            host.reloadCurves();
        if (host.customTracksOn && host.loadCustomTracks)
            host.loadCustomTracks();
    }
    if (host.buildMenu)
        host.buildMenu();
    if (host.markRedraw)
        host.markRedraw();
    if (host.invalidate)
        host.invalidate();
}

}  // namespace layout
