#include "wellfile/reportconversion.h"
#include "reports/ui/qreportdlg.h"

#include "app/logstate.h"
#include "app/notes.h"
#include "app/opendatafile.h"
#include "app/runningdriller.h"
#include "entry/memobook.h"
#include "entry/memofiles.h"
#include "entry/ui/memodlg.h"
#include "logview/geometryof.h"
#include "platform/services.h"
#include "platform/ui/svedit.h"
#include "reports/pumpoutput.h"
#include "reports/reportfields.h"
#include "reports/shortreportnotes.h"
#include "reports/shortreports.h"
#include "reports/shortreportsave.h"
#include "wellfile/sidefiles_reports.h"

#include <QFile>
#include <QGuiApplication>

#include <array>
#include <algorithm>
#include <cstddef>
#include <cstring>

namespace reports {

namespace {

constexpr std::uint16_t kNoTextColourProfile = 68;
constexpr int kValueLimit = 10;   // edits of the 10-byte value fields
constexpr int kMmrpmLimit = 12;
constexpr int kCustomLimit = 20;
constexpr int kReadOutLimit = 50;
constexpr std::int32_t kPrefillBelowTop = 20;

// A text field of the record and the edit that shows it.
struct TextField {
    int id;
    std::size_t offset;
    std::size_t width;
};
#define STRATIVM_FIELD(id, member) TextField{QREPORTDLG::id, offsetof(wellfile::QREPORT, member), sizeof(wellfile::QREPORT::member)}
const std::array<TextField, 21> kTextFields{
    STRATIVM_FIELD(IDC_WOB, wob), STRATIVM_FIELD(IDC_RPM, rpm), STRATIVM_FIELD(IDC_MMRPM, mmrpm),
    STRATIVM_FIELD(IDC_PP, pumpPressure), STRATIVM_FIELD(IDC_SPM, spm),
    STRATIVM_FIELD(IDC_MECH_CUSTOM1, mechanicalCustom1), STRATIVM_FIELD(IDC_MECH_CUSTOM2, mechanicalCustom2),
    STRATIVM_FIELD(IDC_WT_IN, weightIn), STRATIVM_FIELD(IDC_WT_OUT, weightOut), STRATIVM_FIELD(IDC_VIS, vis),
    STRATIVM_FIELD(IDC_PH, ph), STRATIVM_FIELD(IDC_CHL, chlorides), STRATIVM_FIELD(IDC_FIL, filtrate),
    STRATIVM_FIELD(IDC_FIL_CK, filterCake), STRATIVM_FIELD(IDC_SOL, solids), STRATIVM_FIELD(IDC_PV, pv),
    STRATIVM_FIELD(IDC_YP, yp), STRATIVM_FIELD(IDC_MUD_CUSTOM1, mudCustom1),
    STRATIVM_FIELD(IDC_MUD_CUSTOM2, mudCustom2), STRATIVM_FIELD(IDC_MUD_CUSTOM3, mudCustom3),
    STRATIVM_FIELD(IDC_MUD_CUSTOM4, mudCustom4)};
#undef STRATIVM_FIELD

// A flag of the record and its check box.
struct FlagField {
    int id;
    std::size_t offset;
};
const std::array<FlagField, 6> kFlags{{{QREPORTDLG::IDC_MECH_FRAME, offsetof(wellfile::QREPORT, mechanicalFrame)},
                                       {QREPORTDLG::IDC_MUD_FRAME, offsetof(wellfile::QREPORT, mudFrame)},
                                       {QREPORTDLG::IDC_MECH_ONE_INCH, offsetof(wellfile::QREPORT, mechanicalOneInch)},
                                       {QREPORTDLG::IDC_MUD_ONE_INCH, offsetof(wellfile::QREPORT, mudOneInch)},
                                       {QREPORTDLG::IDC_MECH_TO_HORZ, offsetof(wellfile::QREPORT, mechanicalToHorz)},
                                       {QREPORTDLG::IDC_MUD_TO_HORZ, offsetof(wellfile::QREPORT, mudToHorz)}}};

// A colour of the record, its button and its read-out.
struct ColourField {
    int button;
    int shown;
    std::size_t offset;
};
const std::array<ColourField, 4> kColours{{{QREPORTDLG::IDC_MECH_TEXT_COLOR, QREPORTDLG::IDC_MECH_TEXT_SHOWN, offsetof(wellfile::QREPORT, mechanicalText)},
                                           {QREPORTDLG::IDC_MUD_TEXT_COLOR, QREPORTDLG::IDC_MUD_TEXT_SHOWN, offsetof(wellfile::QREPORT, mudText)},
                                           {QREPORTDLG::IDC_MECH_BACK_COLOR, QREPORTDLG::IDC_MECH_BACK_SHOWN, offsetof(wellfile::QREPORT, mechanicalBack)},
                                           {QREPORTDLG::IDC_MUD_BACK_COLOR, QREPORTDLG::IDC_MUD_BACK_SHOWN, offsetof(wellfile::QREPORT, mudBack)}}};

char* Bytes(wellfile::QREPORT& r, std::size_t offset) { return reinterpret_cast<char*>(&r) + offset; }

std::uint32_t ColourAt(wellfile::QREPORT& r, std::size_t offset)
{
    std::uint32_t c = 0;
    std::memcpy(&c, Bytes(r, offset), sizeof c);
    return c;
}

bool CtrlHeld() { return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier); }

}  // namespace

QREPORTDLG::QREPORTDLG(QWidget* parent, app::LogState& log, int start, std::function<void()> repaint)
    : Dialog(parent, QStringLiteral("STRATIV SHORT REPORT")), log_(log), start_(start), repaint_(std::move(repaint))
{
    BeginGrid(4);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Report Depth"));
    AddEdit(IDC_DEPTH, kValueLimit, 10);
    AddStatic(platform::IDC_STATIC, QStringLiteral("No."));
    AddEdit(IDC_NUMBER, kValueLimit, 6);
    EndGrid();
    NewRow();

    BeginGroup(platform::IDC_STATIC, QStringLiteral("MECHANICAL DATA"));
    BeginGrid(2);
    const auto edit = [this](const char* caption, int id, int limit) {
        AddStatic(platform::IDC_STATIC, QString::fromLatin1(caption));
        AddEdit(id, limit, limit > kValueLimit ? 20 : 10);
    };
    edit("WOB", IDC_WOB, kValueLimit);
    edit("RPM", IDC_RPM, kValueLimit);
    edit("MMRPM", IDC_MMRPM, kMmrpmLimit);
    edit("PP", IDC_PP, kValueLimit);
    edit("SPM", IDC_SPM, kValueLimit);
    edit("CUSTOM", IDC_MECH_CUSTOM1, kCustomLimit);
    edit("CUSTOM", IDC_MECH_CUSTOM2, kCustomLimit);
    edit("POSITION", IDC_MECH_POSITION, kValueLimit);
    EndGrid();
    NewRow();  // under the fields
    AddCheck(IDC_MECH_FRAME, QStringLiteral("Draw Rectangle around Mech Data"));
    NewRow();
    AddCheck(IDC_MECH_ONE_INCH, QStringLiteral("Draw On One Inch  Log"));
    AddCheck(IDC_MECH_TO_HORZ, QStringLiteral("Draw On Horizontal"));
    NewRow();
    AddButton(IDC_MECH_TEXT_COLOR, QStringLiteral("Mech Text Color"));
    AddEdit(IDC_MECH_TEXT_SHOWN, kReadOutLimit, 20)->setReadOnly(true);
    NewRow();
    AddButton(IDC_MECH_BACK_COLOR, QStringLiteral("Mech Background Color"));
    AddEdit(IDC_MECH_BACK_SHOWN, kReadOutLimit, 20)->setReadOnly(true);
    EndGroup();

    BeginGroup(platform::IDC_STATIC, QStringLiteral("MUD DATA"));
    BeginGrid(4);
    edit("WT IN", IDC_WT_IN, kValueLimit);
    edit("WT OUT", IDC_WT_OUT, kValueLimit);
    edit("VIS", IDC_VIS, kValueLimit);
    edit("PH", IDC_PH, kValueLimit);
    edit("CHL", IDC_CHL, kValueLimit);
    edit("FIL", IDC_FIL, kValueLimit);
    edit("FIL CK", IDC_FIL_CK, kValueLimit);
    edit("SOL", IDC_SOL, kValueLimit);
    edit("PV", IDC_PV, kValueLimit);
    edit("YP", IDC_YP, kValueLimit);
    edit("CUSTOM", IDC_MUD_CUSTOM1, kCustomLimit);
    edit("CUSTOM", IDC_MUD_CUSTOM2, kCustomLimit);
    edit("CUSTOM", IDC_MUD_CUSTOM3, kCustomLimit);
    edit("CUSTOM", IDC_MUD_CUSTOM4, kCustomLimit);
    edit("Position", IDC_MUD_POSITION, kValueLimit);
    EndGrid();
    NewRow();  // under the fields
    AddCheck(IDC_MUD_FRAME, QStringLiteral("Draw Rectangle Around Mud Data"));
    NewRow();
    AddCheck(IDC_MUD_ONE_INCH, QStringLiteral("Draw On One Inch Log"));
    AddCheck(IDC_MUD_TO_HORZ, QStringLiteral("Draw On Horizontal"));
    NewRow();
    AddButton(IDC_MUD_TEXT_COLOR, QStringLiteral("Mud Text Color"));
    AddEdit(IDC_MUD_TEXT_SHOWN, kReadOutLimit, 20)->setReadOnly(true);
    NewRow();
    AddButton(IDC_MUD_BACK_COLOR, QStringLiteral("Mud Background Color"));
    AddEdit(IDC_MUD_BACK_SHOWN, kReadOutLimit, 20)->setReadOnly(true);
    EndGroup();
    NewRow();

    BeginGroup(IDC_GROUP_TYPE, QStringLiteral("TYPE"));
    AddRadio(IDC_MECH_ONLY, QStringLiteral("Mechanical Data Only"), true);
    AddRadio(IDC_MUD_ONLY, QStringLiteral("Mud Data Only"));
    AddRadio(IDC_MECH_AND_MUD, QStringLiteral("Mechanical  And Mud Data"));
    EndGroup();
    NewRow();

    AddButton(platform::IDOK, QStringLiteral("SAVE"), true);
    AddButton(IDC_NEW, QStringLiteral("NEW"));
    AddButton(IDC_PREV, QStringLiteral("PREV"));
    AddButton(IDC_NEXT, QStringLiteral("NEXT"));
    AddButton(IDC_DELETE, QStringLiteral("DELETE"));
    AddButton(platform::IDCANCEL, QStringLiteral("CLOSE"));

    On(platform::IDOK, platform::BN_CLICKED, [this] { CmSave(); });
    On(IDC_NEW, platform::BN_CLICKED, [this] { CmNew(); });
    On(IDC_PREV, platform::BN_CLICKED, [this] { CmPrev(CtrlHeld()); });
    On(IDC_NEXT, platform::BN_CLICKED, [this] { CmNext(CtrlHeld()); });
    On(IDC_DELETE, platform::BN_CLICKED, [this] { CmDelete(); });
    On(IDC_DEPTH, platform::EN_KILLFOCUS, [this] { EvDepthKillFocus(); });
    for (std::size_t k = 0; k < kColours.size(); ++k) {
        const ColourField c = kColours[k];
        On(c.button, platform::BN_CLICKED, [this, c, k] { ChooseColour(c.offset, int(k), c.shown); });
    }
}

QString QREPORTDLG::Path() const { return ShortReportFilePath(log_.well.file.currentFolder, log_.well.file.wellName); }

void QREPORTDLG::SetupWindow()
{
    book_.adding = false;
    Enable(IDC_NUMBER, false);
    Enable(IDC_DEPTH, false);
    if (log_.well.loggerId == kNoTextColourProfile) {
        for (int id : {IDC_MECH_TEXT_COLOR, IDC_MUD_TEXT_COLOR, IDC_MECH_TEXT_SHOWN, IDC_MUD_TEXT_SHOWN})
            Show(id, false);
    }
    for (int id : {IDC_MECH_ONE_INCH, IDC_MUD_ONE_INCH, IDC_MECH_TO_HORZ, IDC_MUD_TO_HORZ})
        Show(id, false);
    // The window's load first: it converts the slots of a file never converted, and this copy is
    // read after it.
    LoadShortReports(log_.shortReports, log_.well, log_.env.remoteMonitorOn);
    loaded_ = LoadShortReportBook(Path(), book_);
    if (!loaded_) {
        // Without the reports nothing may be written over the file: only CLOSE is left.
        EnableBrowsing(false);
        Enable(platform::IDOK, false);
        return;
    }
    OpenShortReportBook(book_, start_, log_.well.file.viewTopDepth);
    if (book_.prefill) {
        EnableBrowsing(false);
        Enable(IDC_DEPTH);
    } else if (book_.count > 5) {
        BackupShortReportFile(log_.well.file.currentFolder, log_.well.file.wellName);
    }
    TransferReport(true);
    entry::WriteMemoLabels(log_, false);
}

void QREPORTDLG::EnableBrowsing(bool enable)
{
    for (int id : {IDC_NEW, IDC_PREV, IDC_NEXT, IDC_DELETE})
        Enable(id, enable);
}

void QREPORTDLG::ShowColours()
{
    wellfile::QREPORT& r = book_.Current();
    for (const ColourField& c : kColours)
        SetText(c.shown, entry::ColourText(ColourAt(r, c.offset)));
}

void QREPORTDLG::ShowPrefill()
{
    wellfile::REPORTEX daily;
    const app::LogState& s = log_;
    if (!wellfile::LoadReport1600(daily, app::PlaceOf(s), s.well.file.wellName, wellfile::ConvertReports)) {
        SetInt(IDC_DEPTH, logview::GeometryOf(log_).viewTopDepth + kPrefillBelowTop);
        SetInt(IDC_NUMBER, 1);
        platform::MessageBox(QStringLiteral("No morning report file found"), QString(), platform::MB_OK);
        EnableBrowsing(false);
        return;
    }
    PrefillShortReport(book_.Current(), daily);
}

void QREPORTDLG::TransferReport(bool toControls)
{
    if (!loaded_ || book_.count <= 0)
        return;
    wellfile::QREPORT& r = book_.Current();
    const wellfile::OpenWell& f = log_.well.file;
    if (!toControls) {
        r.type = GetCheck(IDC_MECH_ONLY) == platform::BST_CHECKED ? 2 : GetCheck(IDC_MUD_ONLY) == platform::BST_CHECKED ? 1 : 0;
        r.depth = GetInt(IDC_DEPTH);
        for (const TextField& t : kTextFields)
            platform::SetFieldText(Bytes(r, t.offset), t.width, GetTextA(t.id));
        const std::int32_t mech = GetInt(IDC_MECH_POSITION);
        const std::int32_t mud = GetInt(IDC_MUD_POSITION);
        // A box moved to another slot starts at the slot's left edge.
        if (mech != shownMechSlot_)
            r.mechanicalOffset = 0;
        if (mud != shownMudSlot_)
            r.mudOffset = 0;
        r.mechanicalSlot = mech;
        r.mudSlot = mud;
        r.reserved198 = 1;
        r.reserved202 = 1;
        r.slotsConverted = 1;  // typed in today's slots: never remapped
        for (const FlagField& flag : kFlags)
            *Bytes(r, flag.offset) = GetCheck(flag.id) == platform::BST_CHECKED ? 1 : 0;
        return;
    }
    if (book_.prefill) {
        ShowPrefill();
        if (r.depth == 0)
            return;
    } else {
        r.depth = ShownShortReportDepth(r.depth, f.fileTopDepth, f.fileBottomDepth);
    }
    SetInt(IDC_DEPTH, r.depth);
    SetInt(IDC_NUMBER, book_.current + 1);
    for (const TextField& t : kTextFields)
        SetTextA(t.id, platform::FieldText(Bytes(r, t.offset), t.width));
    shownMechSlot_ = r.mechanicalSlot;
    shownMudSlot_ = r.mudSlot;
    SetInt(IDC_MECH_POSITION, shownMechSlot_);
    SetInt(IDC_MUD_POSITION, shownMudSlot_);
    for (const FlagField& flag : kFlags)
        SetCheck(flag.id, *Bytes(r, flag.offset) ? platform::BST_CHECKED : platform::BST_UNCHECKED);
    const int type = r.type;
    for (int id : {IDC_MECH_ONLY, IDC_MUD_ONLY, IDC_MECH_AND_MUD})
        SetCheck(id, platform::BST_UNCHECKED);
    SetCheck(type == 2 ? IDC_MECH_ONLY : type == 1 ? IDC_MUD_ONLY : IDC_MECH_AND_MUD, platform::BST_CHECKED);
    ShowColours();
}

void QREPORTDLG::CmSave()
{
    if (!loaded_ || book_.count <= 0)
        return;
    wellfile::OpenWell& f = log_.well.file;
    if (!ShortReportDepthAllowed(GetInt(IDC_DEPTH), f.fileTopDepth, f.fileBottomDepth)) {
        platform::MessageBox(QStringLiteral("Depth out of range"), QStringLiteral("Report ERROR"), platform::MB_OK);
        return;
    }
    TransferReport(false);
    const wellfile::QREPORT& r = book_.Current();
    if ((r.mechanicalToHorz || r.mudToHorz) && f.directional)
        SendToHorizontal(r);
    WriteReportMudWeights(f, r);

    // The file is replaced whole, or not at all: a failed write keeps the old file, and the reports
    // stay in the dialog as they were typed for another try.
    std::vector<wellfile::QREPORT> sorted(book_.reports.begin(), book_.reports.begin() + book_.count);
    SortShortReports(sorted);
    if (!WriteShortReportFile(Path(), sorted)) {
        platform::MessageBox(QStringLiteral("File Open Error"), QStringLiteral("Short Report"), platform::MB_OK);
        return;
    }
    const int shown = book_.adding ? book_.addedFrom + 1 : book_.current;
    LoadShortReports(log_.shortReports, log_.well, log_.env.remoteMonitorOn);
    loaded_ = LoadShortReportBook(Path(), book_);
    if (!loaded_)
        return;
    book_.current = std::clamp(shown, 0, std::max(book_.count - 1, 0));
    TransferReport(true);
    EnableBrowsing(true);
    Enable(IDC_DEPTH, false);
    if (repaint_)
        repaint_();
    if (f.copyOut && f.hooks.copyWellFileOut)
        f.hooks.copyWellFileOut(QStringLiteral(".qpt"));
}

void QREPORTDLG::SendToHorizontal(const wellfile::QREPORT& r)
{
    if (log_.notes.horizontalViewOpen && log_.notes.horizontalViewOpen()) {
        platform::MessageBox(QStringLiteral("You must close the horizontal view to save reports to the Horizontal"),
                             QString(), platform::MB_OK);
        return;
    }
    const QString path = app::HTextPath(log_);
    std::optional<entry::HTextArray> notes = entry::LoadHText(path);
    if (!notes)
        return;
    switch (PlaceShortReportNotes(notes->notes, r)) {
    case NotePlacing::NothingToSend: return;
    case NotePlacing::NoRoom:
        platform::MessageBox(QStringLiteral("The horizontal view has no room for more notes"),
                             QStringLiteral("Short Report"), platform::MB_OK);
        return;
    case NotePlacing::Placed: entry::SaveHText(path, notes->notes); return;
    }
}

void QREPORTDLG::CmNew()
{
    if (!loaded_ || book_.count <= 0)
        return;
    EnableBrowsing(false);
    NewShortReport(book_);
    SetInt(IDC_NUMBER, book_.current + 1);
    SetCheck(IDC_MECH_TO_HORZ, platform::BST_UNCHECKED);
    SetCheck(IDC_MUD_TO_HORZ, platform::BST_UNCHECKED);
    Enable(IDC_DEPTH);
    if (auto* edit = ControlAs<platform::SVEdit>(IDC_DEPTH))
        edit->setSelection(0, 6);
    SetFocusTo(IDC_DEPTH);
}

void QREPORTDLG::EvDepthKillFocus()
{
    if (!book_.adding || book_.count <= 0)
        return;
    wellfile::QREPORT& r = book_.Current();
    const wellfile::OpenWell& f = log_.well.file;
    r.depth = GetInt(IDC_DEPTH);
    if (r.depth > f.fileBottomDepth || r.depth < f.fileTopDepth + 50) {
        platform::MessageBox(QStringLiteral("Depth Out of range"), QString(), platform::MB_OK);
        return;
    }
    const app::RunningDriller* driller = log_.engines.runningDriller;
    if (!driller)
        return;
    const float output = ComputePumpOutput(&f, &driller->Lag(), &driller->Live(), r.depth);
    if (output > 0)
        wellfile::SetReportText(r.mmrpm, platform::CFormat("%.0f", double(output)));
    SetFromField(IDC_MMRPM, r.mmrpm);
}

void QREPORTDLG::CmPrev(bool ctrl)
{
    if (const std::optional<int> to = ShortReportStep(book_.current, book_.count, false, ctrl)) {
        book_.current = *to;
        TransferReport(true);
    } else {
        platform::MessageBeep(0xFFFFFFFFu);
    }
}

void QREPORTDLG::CmNext(bool ctrl)
{
    if (const std::optional<int> to = ShortReportStep(book_.current, book_.count, true, ctrl)) {
        book_.current = *to;
        TransferReport(true);
    } else {
        platform::MessageBeep(0xFFFFFFFFu);
    }
}

void QREPORTDLG::CmDelete()
{
    if (!loaded_ || book_.count <= 0)
        return;
    const int answer = platform::MessageBox(
        QStringLiteral("Report will be permanently deleted when you press Save.\nClick OK to continue and then press "
                       "save to delete,\nor Click CANCEL to return unchanged"),
        QStringLiteral("Delete report"), platform::MB_OKCANCEL);
    if (answer != platform::IDOK)
        return;
    switch (RemoveShortReport(book_)) {
    case ReportRemoval::Only:
        QFile::setPermissions(Path(), QFile::permissions(Path()) | QFile::WriteOwner);
        QFile::remove(Path());
        LoadShortReports(log_.shortReports, log_.well, log_.env.remoteMonitorOn);
        if (repaint_)
            repaint_();
        EndDialog(platform::IDCANCEL);
        return;
    case ReportRemoval::Last: TransferReport(true); return;
    case ReportRemoval::Middle:
        TransferReport(true);
        Enable(IDC_DELETE, book_.current >= 0);
        return;
    }
}

void QREPORTDLG::ChooseColour(std::size_t offset, int chooser, int shownId)
{
    if (!loaded_ || book_.count <= 0)
        return;
    // Each button keeps its own custom colours while the program runs.
    static std::array<platform::CustomColours, 4> tables{};
    wellfile::QREPORT& r = book_.Current();
    platform::Prompter* prompter = platform::services().prompter;
    if (prompter) {
        if (const std::optional<platform::COLORREF> chosen =
                prompter->ChooseColor(ColourAt(r, offset) & 0x00FFFFFFu, &tables[std::size_t(chooser)])) {
            const std::uint32_t c = *chosen;
            std::memcpy(Bytes(r, offset), &c, sizeof c);
        }
    }
    SetText(shownId, entry::ColourText(ColourAt(r, offset)));
}

}  // namespace reports
