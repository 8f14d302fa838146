#include "horizontal/ui/horzsetupdlg.h"

#include "app/infocommands.h"
#include "app/logstate.h"
#include "app/welltops.h"
#include "exchange/filehelpers.h"
#include "horizontal/horzplace.h"
#include "horizontal/horzsections.h"
#include "horizontal/ui/horzblockdlg.h"
#include "horizontal/ui/tvdlithdlg.h"
#include "platform/inputbox.h"
#include "platform/services.h"
#include "wellfile/datafile.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <tuple>

namespace horizontal {
namespace {

using namespace setupid;

// Check boxes in the order they stand in the dialog.
struct CheckBox {
    int id;
    const char* text;
};
constexpr CheckBox kChecks[] = {
    {BlockedRop, "Blocked ROP"},
    {DrawRates, "Draw Rates"},
    {DrawGas, "Draw Gas"},
    {DrawGamma, "Draw Gamma"},
    {DrawWrtGamma, "Draw WRT Gamma"},
    {DrawDescriptions, "Draw Descriptions"},
    {DrawMemos, "Draw Memos"},
    {DrawMemos2, "Draw Memos"},
    {DrawShows, "Draw Shows"},
    {DrawHeader, "Draw Header"},
    {TextOwnTrack, "Draw Text in Own Track"},
    {LithPics, "Draw Lith Pics"},
    {FillBehindGas, "Fill Behind Gas"},
    {GammaOnTrack, "Draw Gamma  On Well Track"},
    {LithOnTrack, "Draw Lithology on Well Track"},
    {LogGas, "Logrithmic Gas"},
    {LogRop, "Logarithmic ROP"},
    {LogGamma, "Logarithmic Gamma"},
    {FillTargetGamma, "Fill Behind Target Gamma"},
    {CustomTracks, "Draw Custom Tracks"},
    {VerticalGas, "Use Vertical Gas Scales"},
    {LithInOrder, "Draw Lith In Order Entered"},
    {MultipleGammas, "Use Multiple Target Gamma's"},
    {LithOverlay, "Draw Lithology Overlay"},
};

void AddItems(platform::Dialog& d, int id, std::initializer_list<const char*> items)
{
    for (const char* item : items)
        d.AddString(id, QString::fromLatin1(item));
}

}  // namespace

HorzSetupDlg::HorzSetupDlg(QWidget* parent, app::LogState& log)
    : FormDialog(parent, QStringLiteral("Strativ Horizontal Setup")),
      log_(log),
      files_(FilesOf(log.well)),
      rec_(std::make_unique<wellfile::HorzSetupRecord>())
{
    const HorzApplyInputs applied = ApplyInputsOf(log.well, log.engines, log.customTracks, log.options);
    inputs_.kbElevation = applied.kbElevation;
    inputs_.curvesGammaScale = applied.curvesGammaScale;
    inputs_.customTracks = applied.customTracks;
    inputs_.lithPictures = applied.lithPictures;
    inputs_.verticalGasOption = applied.verticalGasOption;
    inputs_.loggerProfile = log.well.loggerId;
    inputs_.drilling = log.well.file.drilling;

    // Each file beside its Browse button.
    BeginGrid(3);
    for (const auto& [caption, edit, browse] : {std::tuple{"Anchor Gamma File (tvd)", AnchorGamma, BrowseAnchor},
                                                {"Target Gamma File (tvd)", TargetGamma, BrowseTarget},
                                                {"Target Horizontal File", TargetFile, BrowseTargetFile}}) {
        AddCaptionedEdits({{caption, edit, 260, 40}});
        AddButton(browse, QStringLiteral("Browse"));
    }
    EndGrid();

    // Each block on a row of its own, so that the dialog fits a screen 1,024 pixels wide.
    NewRow();
    BeginGrid(4);
    AddCaptionedEdits({{"Regional Dip ( ft/mile or degrees (less than 20) )", RegionalDip, 10},
                       {"Draw From (depth)", DrawFrom, 10}});
    AddEdit(DrawFrom2, 20);
    SkipCell();
    AddCaptionedEdits({{"Anchor  Offset KB", AnchorKb, 20},
                       {"Target Offset Kb", TargetKb, 20},
                       {"Number of Gases", GasCount, 10},
                       {"Highlite Target Gamma Below", Highlight, 10},
                       {"Number of Text Blocks", TextBlocks, 10}});
    AddCaptionedCombos({{"Save as Image File", ImageFormat},
                        {"Rate Scale", RateScale},
                        {"Gas Scale", GasScale},
                        {"Gamma Scale", GammaScale},
                        {"Select View", ViewList}});
    EndGrid();

    NewRow();
    BeginGroup(ScaleGroup, QStringLiteral("Scaling"));
    AddRadio(Scale1, QStringLiteral("1 In. per 100 ft"), true);
    AddRadio(Scale2, QStringLiteral("2 In per 100 Ft"));
    AddRadio(Scale5, QStringLiteral("5 In per 100ft"));
    EndGroup();
    AddRadio(SetupColors, QStringLiteral("Setup Colors"), true);

    NewRow();
    BeginGrid(3);
    for (const CheckBox& c : kChecks)
        AddCheck(c.id, QString::fromLatin1(c.text));
    EndGrid();

    NewRow();
    AddButton(EnterData, QStringLiteral("Enter Data"));
    AddButton(TopsLithology, QStringLiteral("Assign Tops Lithology"));
    AddButton(EditSections, QStringLiteral("Edit Vertical Scaling"));
    AddButton(FieldSettings, QStringLiteral("UseField Settings"));
    AddButton(SaveViewAs, QStringLiteral("Save View As"));
    AddButton(Save, QStringLiteral("SAVE"));
    AddButton(platform::IDOK, QStringLiteral("CLOSE"), true);

    On(BrowseAnchor, platform::BN_CLICKED, [this] { Browse(AnchorGamma, false); });
    On(BrowseTarget, platform::BN_CLICKED, [this] { Browse(TargetGamma, false); });
    On(BrowseTargetFile, platform::BN_CLICKED, [this] { Browse(TargetFile, true); });
    On(EnterData, platform::BN_CLICKED, [this] { CmEnterData(); });
    for (int id : {int(BlockedRop), int(Scale1), int(Scale2), int(Scale5)})
        On(id, platform::BN_CLICKED, [this] { EvScaleClicked(); });
    On(TopsLithology, platform::BN_CLICKED, [this] { CmTvdLithology(); });
    On(FieldSettings, platform::BN_CLICKED, [this] { CmUseFieldSettings(); });
    On(EditSections, platform::BN_CLICKED, [this] { CmEditSections(); });
    On(SaveViewAs, platform::BN_CLICKED, [this] { CmSaveViewAs(); });
    On(Save, platform::BN_CLICKED, [this] { CmSave(); });
    On(ViewList, platform::CBN_SELCHANGE, [this] { viewChosen_ = true; });
}

HorzSetupDlg::~HorzSetupDlg() = default;

void HorzSetupDlg::SetupWindow()
{
    const app::LogState& s = log_;
    if (!inputs_.lithPictures)
        Enable(LithPics, false);

    const bool horExists = QFileInfo::exists(files_.currentFolder + files_.wellName + QStringLiteral(".hor"));
    Show(FieldSettings, horExists && s.well.sharedFolderWell);
    SetText(FieldSettings, s.well.horizontalFieldSettings ? QStringLiteral("Use Field Settings")
                                                          : QStringLiteral("Use Local Settings"));

    Show(EditSections, s.options.horizontalEditing);
    Enable(EditSections, s.well.file.directional);  // the well has deviated records

    if (!inputs_.customTracks) {
        SetCheck(CustomTracks, 0);
        Show(CustomTracks, false);
    }
    Show(DrawMemos2, false);
    Show(SetupColors, false);
    Show(VerticalGas, inputs_.verticalGasOption);
    Enable(DrawFrom2, false);
    Show(DrawFrom2, false);
    Enable(TopsLithology, false);
    Show(TopsLithology, false);
    SetCheck(LithOverlay, 0);
    Enable(LithOverlay, false);
    Show(LithOverlay, false);

    AddItems(*this, ImageFormat, {"None", "BMP", "JPG", "TIF", "PNG"});
    AddItems(*this, RateScale, {"1-2.5", "1-5", "1-10", "1-15", "1-20", "1-50"});
    AddItems(*this, GasScale, {"1-100", "1-250", "1-500", "1-1000", "1-1500", "1-2000", "1-2500", "1-5000", "1-10000"});
    AddItems(*this, GammaScale, {"1-25", "1-50", "1-100", "1-150", "1-200", "1-300", "1-500", "1-800", "1-1500"});

    wellfile::HorzSetupRecord& r = *rec_;
    // Defaults are written only where no record is: a file it could not read stays as it is.
    const int read = ReadRecord(files_, r);
    if (read <= 0)
        DialogDefaults(r, inputs_.curvesGammaScale, inputs_.loggerProfile);
    if (read == 0)
        WriteRecord(files_, r);
    QStringList svc;
    std::vector<QDateTime> times;
    exchange::ListFilesWithTimes(svc, 1000, files_.currentFolder + QStringLiteral("*.svc"), times);
    const bool manyTargetGammas = CountTargetGammaFiles(svc, files_.wellName) > 1;
    if (r.drawRates == 0 && r.drawGas == 0) {
        DialogDefaults(r, inputs_.curvesGammaScale, inputs_.loggerProfile);
        WriteRecord(files_, r);
    }
    const QString trg = files_.currentFolder + files_.wellName + QStringLiteral(".trg");
    if (r.targetFile[0] == '\0' && QFileInfo::exists(trg)) {
        const QByteArray bytes = trg.toLocal8Bit().left(int(sizeof r.targetFile) - 1);
        std::memcpy(r.targetFile, bytes.constData(), std::size_t(bytes.size()));
        if (read >= 0)
            WriteRecord(files_, r);
    }
    multipleShown_ = manyTargetGammas && PathChosen(r.anchorGammaFile) && PathChosen(r.targetGammaFile);

    const HorzSetupForm form = FormOf(r, inputs_, files_.currentFolder);
    ShowForm(form);
    Show(LithInOrder, inputs_.drilling);
    Show(MultipleGammas, multipleShown_);
    if (!multipleShown_)
        SetCheck(MultipleGammas, 0);
    if (s.env.remoteMonitorOn) {  // a monitoring station takes its files from the drilling one
        for (int id : {int(BrowseAnchor), int(BrowseTarget), int(BrowseTargetFile)})
            Show(id, false);
        for (int id : {int(AnchorGamma), int(TargetGamma), int(TargetFile)})
            Enable(id, false);
    }
    FillViewList();
}

void HorzSetupDlg::ShowForm(const HorzSetupForm& f)
{
    for (const auto& [id, on] : f.checks)
        SetCheck(id, on ? 1 : 0);
    Enable(GammaOnTrack, f.gammaOnTrackEnabled);
    SetCheck(f.inches == 1 ? Scale1 : f.inches == 2 ? Scale2 : Scale5, 1);
    SetText(AnchorGamma, f.anchorGamma);
    SetText(TargetGamma, f.targetGamma);
    SetText(TargetFile, f.targetFile);
    SetText(RegionalDip, f.regionalDip);
    SetText(GasCount, f.gasCount);
    SetText(TextBlocks, f.textBlocks);
    SetText(Highlight, f.highlight);
    SetText(DrawFrom, f.drawFrom);
    Enable(DrawFrom, f.drawFromEnabled);
    SetText(AnchorKb, f.anchorKb);
    SetText(TargetKb, f.targetKb);
    Enable(AnchorKb, f.kbEnabled);
    Enable(TargetKb, f.kbEnabled);
    SetSelIndex(ImageFormat, f.imageFormat);
    SetSelIndex(RateScale, f.rateIndex);
    SetSelIndex(GasScale, f.gasIndex);
    SetSelIndex(GammaScale, f.gammaIndex);
}

HorzSetupForm HorzSetupDlg::FormOfControls() const
{
    HorzSetupForm f;
    f.anchorGamma = GetText(AnchorGamma);
    f.targetGamma = GetText(TargetGamma);
    f.targetFile = GetText(TargetFile);
    f.regionalDip = GetText(RegionalDip);
    f.drawFrom = GetText(DrawFrom);
    f.drawFromEnabled = IsEnabled(DrawFrom);
    f.anchorKb = GetText(AnchorKb);
    f.targetKb = GetText(TargetKb);
    f.gasCount = GetText(GasCount);
    f.highlight = GetText(Highlight);
    f.textBlocks = GetText(TextBlocks);
    f.imageFormat = GetSelIndex(ImageFormat);
    f.rateIndex = GetSelIndex(RateScale);
    f.gasIndex = GetSelIndex(GasScale);
    f.gammaIndex = GetSelIndex(GammaScale);
    f.inches = GetCheck(Scale1) ? 1 : GetCheck(Scale2) ? 2 : 5;
    for (const CheckBox& c : kChecks)
        f.checks[c.id] = GetCheck(c.id) == platform::BST_CHECKED;
    return f;
}

void HorzSetupDlg::FillViewList()
{
    const QStringList names =
        QDir(files_.dataFolder + QStringLiteral("views")).entryList({QStringLiteral("*.hor")}, QDir::Files);
    const QStringList list = ViewListOf(names);
    ClearStrings(ViewList);
    for (const QString& name : list)
        AddString(ViewList, name);
    const QString viewName = QString::fromLatin1(rec_->viewName, qsizetype(::strnlen(rec_->viewName, sizeof rec_->viewName)));
    SetSelIndex(ViewList, ViewSelection(list, viewName));
}

void HorzSetupDlg::Browse(int edit, bool targetFile)
{
    platform::FileDialogRequest request;
    request.folder = files_.dataFolder;
    request.filter = targetFile ? QStringLiteral("StrativM Files (*.TRG)|*.trg|")
                                : QStringLiteral("StrativM Files (*.SVC)|*.svc|");
    const std::optional<QString> chosen = platform::services().prompter->OpenFileName(request);
    if (chosen && QFileInfo(*chosen).isFile())
        SetText(edit, *chosen);
}

void HorzSetupDlg::CopyGammaOut(const QString& path) const
{
    if (!files_.sharedMode || files_.copyOutFolder.isEmpty() || path.size() < 5 || !QFileInfo(path).isFile())
        return;
    const QString target = files_.copyOutFolder + QFileInfo(path).fileName();
    if (!QFileInfo::exists(target))
        QFile::copy(path, target);
}

bool HorzSetupDlg::ReadAgain()
{
    auto again = std::make_unique<wellfile::HorzSetupRecord>();
    if (ReadRecord(files_, *again) != 1)
        return false;  // the copy read when the dialog opened stands
    rec_ = std::move(again);
    return true;
}

void HorzSetupDlg::CmSave()
{
    ReadAgain();  // what the dialog does not show (sections, markers, scroll) stays as stored
    wellfile::HorzSetupRecord& r = *rec_;
    const HorzSetupForm f = FormOfControls();
    StoreForm(r, f, inputs_, multipleShown_, viewSaved_);
    CopyGammaOut(f.anchorGamma);
    CopyGammaOut(f.targetGamma);
    WriteRecord(files_, r);
    if (viewChosen_)
        CopyChosenView();
    viewSaved_ = viewChosen_ = false;
}

void HorzSetupDlg::CopyChosenView()
{
    const int sel = GetSelIndex(ViewList);
    if (sel <= 0)
        return;  // "default" names no file
    const QString source = files_.dataFolder + QStringLiteral("views/") + GetString(ViewList, sel);
    const QString target = DialogSetupPath(files_);
    if (!wellfile::CopyFileReplacing(source, target))
        platform::MessageBox(source, QStringLiteral("Save As failed"), platform::MB_OK);
}

void HorzSetupDlg::CmSaveViewAs()
{
    QString name;
    if (!platform::AskInput(QStringLiteral("Name View"), QStringLiteral("Enter name for this view"), name, 30))
        return;
    if (!ViewNameUsable(name)) {
        platform::MessageBox(QStringLiteral("A view name must be 1 to 29 characters, without \"/\", \"\\\" or \"..\""),
                             QStringLiteral("Name View"), platform::MB_OK);
        return;
    }
    const QByteArray file = (name + QStringLiteral(".hor")).toLatin1();
    std::memset(rec_->viewName, 0, sizeof rec_->viewName);
    std::memcpy(rec_->viewName, file.constData(), std::size_t(file.size()));
    WriteRecord(files_, *rec_);
    const QString views = files_.dataFolder + QStringLiteral("views/");
    QDir().mkpath(views);
    const QString source = DialogSetupPath(files_);
    if (!wellfile::CopyFileReplacing(source, views + QString::fromLatin1(file)))
        platform::MessageBox(source, QStringLiteral("Save As failed"), platform::MB_OK);
    viewSaved_ = true;
}

void HorzSetupDlg::CmUseFieldSettings()
{
    if (files_.useFieldSettings)
        *files_.useFieldSettings = !*files_.useFieldSettings;
    if (files_.rewriteDbc)
        files_.rewriteDbc();
    EndDialog(2);  // the view does not apply the set-up
}

void HorzSetupDlg::CmEnterData()
{
    std::vector<wellfile::RECORD> records = app::ReadTvdBuffer(log_.well.file);
    Enable(platform::IDOK, false);
    Enable(Save, false);
    log_.marks.tvdBuild = 1;
    if (runTvdDialog)
        runTvdDialog(records);
    wellfile::ReadAllRecords(log_.well.file);  // the dialog may have rewritten the surveys
    log_.marks.tvdBuild = 0;
    Enable(platform::IDOK, true);
    Enable(Save, true);
}

void HorzSetupDlg::CmEditSections()
{
    const std::vector<wellfile::RECORD> records = app::ReadTvdBuffer(log_.well.file);
    ReadAgain();
    SectionEditor editor;
    std::memcpy(editor.sections, rec_->sections, sizeof editor.sections);
    editor.count = LeadingSectionCount(editor.sections);
    for (int id : {int(EditSections), int(platform::IDOK), int(Save)})
        Enable(id, false);
    HORZBLOCKDLG sections(this, editor, records);
    if (sections.Execute() == platform::IDOK) {
        std::memcpy(rec_->sections, editor.sections, sizeof editor.sections);
        rec_->sectionCount = SavedCount(editor);
        WriteRecord(files_, *rec_);
        if (redrawView)
            redrawView();  // the dialog stays shown: hiding a modal dialog would end it
    }
    for (int id : {int(EditSections), int(platform::IDOK), int(Save)})
        Enable(id, true);
}

void HorzSetupDlg::CmTvdLithology()
{
    if (log_.well.tops.empty())
        return;
    TVDLITHDLG dialog(this, log_.well.tops, [this] { return app::SaveWellTops(log_); });
    dialog.Execute();
    activateWindow();
}

void HorzSetupDlg::EvScaleClicked()
{
    if (GetCheck(Scale5) == platform::BST_CHECKED) {
        Enable(LithOnTrack, true);
        Enable(GammaOnTrack, true);
    } else {
        SetCheck(GammaOnTrack, 0);
    }
}

}  // namespace horizontal
