#include "print/ui/printsetupdlg.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "platform/folders.h"
#include "platform/ui/svedit.h"
#include "print/printer_commands.h"
#include "print/ui/printheaderof.h"
#include "wellfile/wellconfig.h"

#include <QFileInfo>
#include <QLabel>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <memory>

namespace print {

using namespace setupid;
using platform::BST_CHECKED;
using platform::BST_UNCHECKED;

namespace {

constexpr int kDepthLimit = int(sizeof PrintSetupTransfer::startDepth);  // five characters

// The 32-bit states of the transfer record and the controls they belong to, in record order.
struct StateField {
    int id;
    std::size_t offset;
};
constexpr StateField kStates[] = {
    {OneTo500, offsetof(PrintSetupTransfer, oneTo500)},
    {TwoFoot, offsetof(PrintSetupTransfer, twoFoot)},
    {TenFoot, offsetof(PrintSetupTransfer, tenFoot)},
    {TenFootFiveRates, offsetof(PrintSetupTransfer, tenFootFiveRates)},
    {FiveFoot, offsetof(PrintSetupTransfer, fiveFoot)},
    {RatePointToPoint, offsetof(PrintSetupTransfer, ratePointToPoint)},
    {RateBlocked, offsetof(PrintSetupTransfer, rateBlocked)},
    {GasPointToPoint, offsetof(PrintSetupTransfer, gasPointToPoint)},
    {GasBlocked, offsetof(PrintSetupTransfer, gasBlocked)},
    {RatePerHour, offsetof(PrintSetupTransfer, ratePerHour)},
    {TwoAndHalfInch, offsetof(PrintSetupTransfer, twoAndHalfInch)},
    {FullHeader, offsetof(PrintSetupTransfer, fullHeader)},
    {ShortHeader, offsetof(PrintSetupTransfer, shortHeader)},
    {Colour, offsetof(PrintSetupTransfer, colour)},
    {NarrowFormat, offsetof(PrintSetupTransfer, narrowFormat)},
    {DataAsText, offsetof(PrintSetupTransfer, dataAsText)},
    {TopsLine, offsetof(PrintSetupTransfer, topsLine)},
    {Horizontal, offsetof(PrintSetupTransfer, horizontal)},
    {Descriptions, offsetof(PrintSetupTransfer, descriptions)},
};

std::int32_t StateAt(const PrintSetupTransfer& t, std::size_t offset)
{
    std::int32_t v = 0;
    std::memcpy(&v, reinterpret_cast<const char*>(&t) + offset, sizeof v);
    return v;
}

void SetStateAt(PrintSetupTransfer& t, std::size_t offset, std::int32_t v)
{
    std::memcpy(reinterpret_cast<char*>(&t) + offset, &v, sizeof v);
}

template <std::size_t N>
void WriteDepth(char (&field)[N], std::int32_t depth)
{
    std::snprintf(field, N, "%d", int(depth));
}

QString DepthText(std::int32_t depth) { return QString::number(depth); }

}  // namespace

printSetupDlg::printSetupDlg(QWidget* parent, app::LogState& log, PrintSetupTransfer& transfer, wellfile::PRINTCFG& cfg)
    : Dialog(parent, QStringLiteral("STRATIV PRINT SETUP")), log_(log), transfer_(transfer), cfg_(cfg),
      continuousPaper_(static_cast<std::uint8_t>(cfg.continuousPaper))
{
    AddStatic(platform::IDC_STATIC, QStringLiteral("Start Depth"));
    AddEdit(StartDepth, kDepthLimit, 7);
    AddStatic(platform::IDC_STATIC, QStringLiteral("End Depth"));
    AddEdit(EndDepth, kDepthLimit, 7);
    AddStretch();
    NewRow();

    BeginGroup(platform::IDC_STATIC, QStringLiteral("Rates"));
    AddRadio(OneTo500, QStringLiteral("1 to 500"));
    NewRow();
    AddRadio(TwoFoot, QStringLiteral("Two Foot ( 5 in. /100 ft )"));
    NewRow();
    AddRadio(TenFoot, QStringLiteral("Ten Foot  ( 1 in. /100 ft  10 Ft Rates)"));
    NewRow();
    AddRadio(TenFootFiveRates, QStringLiteral("Ten Foot  ( 1 in. /100 ft  5 Ft Rates)"));
    NewRow();
    AddRadio(FiveFoot, QStringLiteral("Five Foot ( 2 in. /100ft )"));
    EndGroup();

    BeginGroup(platform::IDC_STATIC, QStringLiteral("Rate Line Style"));
    AddRadio(RatePointToPoint, QStringLiteral("Point to Point"), true);
    AddRadio(RateBlocked, QStringLiteral("Blocked"));
    EndGroup();
    BeginGroup(platform::IDC_STATIC, QStringLiteral("Gas Line Style"));
    AddRadio(GasPointToPoint, QStringLiteral("Point to Point"), true);
    AddRadio(GasBlocked, QStringLiteral("Blocked"));
    EndGroup();
    NewRow();

    AddCheck(RatePerHour, QStringLiteral("M/HR"));
    AddCheck(TwoAndHalfInch, QStringLiteral("2.5 in. / 100 ft"));
    NewRow();
    BeginGroup(platform::IDC_STATIC, QStringLiteral("Header"));
    AddCheck(FullHeader, QStringLiteral("Full Header"));
    AddCheck(ShortHeader, QStringLiteral("Short Header"));
    EndGroup();
    NewRow();
    AddCheck(Colour, QStringLiteral("Color"));
    AddCheck(NarrowFormat, QStringLiteral("Narrow Format"));
    AddCheck(DataAsText, QStringLiteral("Data As Text"));
    NewRow();
    AddCheck(TopsLine, QStringLiteral("Tops Line"));
    AddCheck(Horizontal, QStringLiteral("Horizontal"));
    AddCheck(Descriptions, QStringLiteral("Print descriptions on 1 in. log"));
    NewRow();
    AddButton(SetupPrinter, QStringLiteral("Setup printer"));
    NewRow();

    AddCheck(PrintDsts, QStringLiteral("Print Shows at end of log"));
    AddCheck(PrintAll, QStringLiteral("Print All"));
    NewRow();
    AddCheck(TypeLabel, QStringLiteral("Print Type label In Header"));
    AddCheck(Pictures, QStringLiteral("Print Lithology Pictures"));
    AddRadio(TenFootOneRates, QStringLiteral("Ten Foot (1 in. /100 ft 1 Ft Rates)"), true);
    NewRow();
    AddStatic(platform::IDC_STATIC, QStringLiteral("Length "));
    AddEdit(Length, 21, 10)->setReadOnly(true);
    widthLabel_ = AddStatic(platform::IDC_STATIC, QStringLiteral("Width"));
    AddEdit(Width, 21, 10)->setReadOnly(true);
    AddStatic(Resolution, QString());
    NewRow();
    AddStretch();
    AddButton(platform::IDOK, QStringLiteral("Print"), true);
    AddButton(platform::IDCANCEL, QStringLiteral("Cancel"));

    On(FullHeader, platform::BN_CLICKED, [this] { ToggleHeader(FullHeader, ShortHeader); });
    On(ShortHeader, platform::BN_CLICKED, [this] { ToggleHeader(ShortHeader, FullHeader); });
    On(DataAsText, platform::BN_CLICKED, [this] { log_.print.dataAsText = GetCheck(DataAsText) == BST_CHECKED; });
    On(Descriptions, platform::BN_CLICKED, [this] {
        log_.print.printDescriptions = IsEnabled(Descriptions) && GetCheck(Descriptions) == BST_CHECKED;
    });
    On(SetupPrinter, platform::BN_CLICKED, [this] { ChoosePrinter(); });
    On(PrintDsts, platform::BN_CLICKED, [this] { log_.print.dstPages = GetCheck(PrintDsts) == BST_CHECKED; });
    On(PrintAll, platform::BN_CLICKED, [this] { ClickPrintAll(); });
    On(Pictures, platform::BN_CLICKED, [this] { cfg_.pictures = GetCheck(Pictures) == BST_CHECKED ? 1 : 0; });
    On(StartDepth, platform::EN_KILLFOCUS, [this] { ShowLength(); });
    On(EndDepth, platform::EN_KILLFOCUS, [this] { ShowLength(); });
}

void printSetupDlg::SetupWindow()
{
    PrintState& ps = log_.print;
    const wellfile::OpenWell& file = log_.well.file;
    const HorizontalViewFacts horizontal = HorizontalViewOf(log_);
    const int profile = log_.well.loggerId;
    const bool alternateHeader = ps.profileOptions.alternateHeader;
    const std::int32_t first = file.fileTopDepth, last = file.fileBottomDepth;

    // The print scale is the window's own, carried by the hidden radios.
    widthLabel_->hide();
    Show(Width, false);
    for (int id : {TenFoot, FiveFoot, TenFootFiveRates, TwoFoot, TenFootOneRates})
        Show(id, false);
    SetCheck(OneTo500, BST_CHECKED);
    Enable(OneTo500, false);

    if (!horizontal.open) {
        transfer_.horizontal = 0;
        startDepth_ = OfferedStartDepth(cfg_.startDepth, file.viewTopDepth, first, last);
    } else {
        transfer_.horizontal = 1;
        for (int id : {OneTo500, TwoFoot, TenFoot, TenFootFiveRates, FiveFoot, RatePointToPoint, RateBlocked,
                       GasPointToPoint, GasBlocked, ShortHeader, TopsLine, Horizontal, RatePerHour})
            Enable(id, false);
        Enable(Colour, false);
        for (int id : {PrintDsts, TwoAndHalfInch, DataAsText}) {
            SetCheck(id, BST_UNCHECKED);
            Enable(id, false);
        }
        startDepth_ = horizontal.startDepth;
    }
    if (ps.compression)
        Enable(TwoAndHalfInch, false);
    startDepth_ = std::max(startDepth_, first + 2);
    endDepth_ = last / 2 * 2;

    PrintSetupTransfer& t = transfer_;
    WriteDepth(t.startDepth, startDepth_);
    WriteDepth(t.endDepth, endDepth_);
    SetScaleRadios(t, ps.scaleKind);
    t.ratePointToPoint = log_.well.config.rateLineStyle == 1;
    t.rateBlocked = !t.ratePointToPoint;
    t.gasPointToPoint = log_.well.config.gasLineStyle == 1;
    t.gasBlocked = !t.gasPointToPoint;
    t.ratePerHour = log_.view.rateInMetresPerHour != 0;
    t.twoAndHalfInch = ps.twoAndHalfInch && !horizontal.open;
    t.fullHeader = 1;
    t.shortHeader = 0;
    t.colour = ps.printInColour && ps.colourPrinter;
    t.narrowFormat = alternateHeader && !AlwaysNarrowProfile(profile);
    t.dataAsText = 0;
    t.topsLine = 0;
    TransferIn();
    if (!horizontal.open)
        Enable(Horizontal, false);

    if (ps.colourPrinter) {
        SetCheck(Colour, BST_CHECKED);
    } else {
        SetCheck(Colour, BST_UNCHECKED);
        Enable(Colour, false);
    }
    if (ps.scaleKind < 3)
        Enable(Descriptions, false);
    if (log_.well.config.topsLine)
        SetCheck(TopsLine, BST_CHECKED);

    // The box says what it does; the window's option follows it, so an earlier print's choice is not
    // carried into this one unseen.
    SetText(PrintDsts, QStringLiteral(" Print DST's at end of log"));
    SetCheck(PrintDsts, BST_UNCHECKED);
    ps.dstPages = false;
    const wellfile::WellPlace place = app::PlaceOf(log_);
    Enable(PrintDsts, !horizontal.open &&
                         QFileInfo::exists(platform::FindFileNoCase(place.currentFolder, place.wellName + ".dst")));

    ShowResolution();

    if ((DescriptionsProfile(profile) || alternateHeader) && ps.scaleKind > 2) {
        SetCheck(Descriptions, BST_CHECKED);
        Enable(Descriptions, true);
        ps.printDescriptions = true;
    }
    if (!alternateHeader || AlwaysNarrowProfile(profile))
        SetCheck(NarrowFormat, continuousPaper_ && ps.tractorFeed ? BST_UNCHECKED : BST_CHECKED);
    else
        SetCheck(NarrowFormat, BST_UNCHECKED);

    auto config = std::make_unique<wellfile::WellConfig>();
    if (wellfile::LoadConfig(*config, place, log_.well.fieldSettings) && config->printAll) {
        SetCheck(PrintAll, BST_CHECKED);
        SetText(StartDepth, DepthText(first + 2));
        SetText(EndDepth, DepthText(last));
        endDepth_ = last / 2 * 2;
        SetCheck(FullHeader, BST_CHECKED);
    } else {
        SetCheck(PrintAll, BST_UNCHECKED);
    }

    ps.largePrint = false;
    if (ps.pageClass && !horizontal.open) {
        SetCheck(FullHeader, BST_CHECKED);
        Enable(FullHeader, false);
        SetCheck(ShortHeader, BST_UNCHECKED);
        Enable(ShortHeader, false);
    }
    cfg_.pictures = 0;
    SetCheck(Pictures, BST_UNCHECKED);
    if (!log_.view.picturesPresent || horizontal.open || ps.scaleKind > 2)
        Enable(Pictures, false);
    if (horizontal.open)
        SetCheck(FullHeader, horizontal.fullHeader ? BST_CHECKED : BST_UNCHECKED);

    // Estimated last, so that it is that of the range and header the dialog opens with.
    ShowLength();
}

void printSetupDlg::TransferIn()
{
    SetFromField(StartDepth, transfer_.startDepth);
    SetFromField(EndDepth, transfer_.endDepth);
    for (const StateField& f : kStates)
        SetCheck(f.id, StateAt(transfer_, f.offset) ? BST_CHECKED : BST_UNCHECKED);
}

void printSetupDlg::TransferOut()
{
    GetField(StartDepth, transfer_.startDepth);
    GetField(EndDepth, transfer_.endDepth);
    for (const StateField& f : kStates)
        SetStateAt(transfer_, f.offset, GetCheck(f.id) == BST_CHECKED ? 1 : 0);
}

void printSetupDlg::ShowLength()
{
    char start[sizeof PrintSetupTransfer::startDepth], end[sizeof PrintSetupTransfer::endDepth];
    GetField(StartDepth, start);
    GetField(EndDepth, end);
    // The rows and the header as the run prints them on the printer in hand.
    const PrintState& ps = log_.print;
    const bool tenFoot = GetCheck(TenFoot) == BST_CHECKED || GetCheck(TenFootFiveRates) == BST_CHECKED;
    PrintLengthInput in;
    in.start = DepthOfText(start);
    in.end = DepthOfText(end);
    in.depthStep = log_.well.file.depthStep;
    in.recordsPerRow = tenFoot ? 5 : 1;
    in.rowHeight = GetCheck(TwoAndHalfInch) == BST_CHECKED ? ps.rowHeight / 2 : ps.rowHeight;
    in.dpi = ps.printer ? ps.printer->Info().dpiY : 10 * ps.columnUnit;
    if (GetCheck(FullHeader) == BST_CHECKED)
        in.headerHeight = PrintHeaderHeight(log_, cfg_);
    else if (GetCheck(ShortHeader) == BST_CHECKED)
        in.headerHeight = tenFoot ? 14 * ps.rowHeight : int(14.3 * ps.rowHeight);
    SetText(Length, QStringLiteral("%1 inches").arg(PrintedLength(in)));
}

void printSetupDlg::ShowResolution()
{
    SetText(Resolution, ResolutionText(log_.print.columnUnit, log_.print.rowHeight));
}

void printSetupDlg::ToggleHeader(int clicked, int other)
{
    // The box has already changed: turning one header on turns the other off.
    if (GetCheck(clicked) == BST_CHECKED)
        SetCheck(other, BST_UNCHECKED);
    ShowLength();
}

void printSetupDlg::ClickPrintAll()
{
    const bool all = GetCheck(PrintAll) == BST_CHECKED;
    if (all) {
        const wellfile::OpenWell& file = log_.well.file;
        startDepth_ = file.fileTopDepth;
        endDepth_ = file.fileBottomDepth / 2 * 2 + 6;
        SetText(StartDepth, DepthText(startDepth_));
        SetText(EndDepth, DepthText(endDepth_));
        SetCheck(FullHeader, BST_CHECKED);
    }
    SavePrintAll(log_, all);
    ShowLength();
}

void printSetupDlg::ChoosePrinter()
{
    if (!PrintDialog(log_.print))
        return;
    continuousPaper_ = CheckPrinter(log_);
    cfg_.continuousPaper = continuousPaper_;
    ShowResolution();
    if (log_.print.colourPrinter) {
        Enable(Colour, true);
        SetCheck(Colour, BST_CHECKED);
    }
}

int RunPrintSetup(app::LogState& log, wellfile::PRINTCFG& cfg, QWidget* parent)
{
    PrintSetupTransfer transfer{};
    printSetupDlg dialog(parent, log, transfer, cfg);
    log.print.printBottomDepth = log.well.file.fileBottomDepth;
    const int result = dialog.Execute();
    log.print.printDescriptions = dialog.GetCheck(Descriptions) == BST_CHECKED;
    if (result != platform::IDOK)
        return 0;
    return TakePrintSetup(log, cfg, transfer);
}

}  // namespace print
