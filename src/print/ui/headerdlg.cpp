#include "print/ui/headerdlg.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "platform/services.h"
#include "platform/text.h"
#include "print/headercommand.h"
#include "print/print_services.h"
#include "print/sendheadercopy.h"

#include <memory>

namespace print {

using namespace headerid;
using platform::BST_CHECKED;
using platform::BST_UNCHECKED;

namespace {

// Every text control of the record, with the phone numbers and the e-log KB past the table.
template <typename Fn>
void ForEachText(Fn fn)
{
    for (const HeaderTextField& f : kHeaderTextFields)
        fn(f.id, f.transferOffset, f.width);
    fn(PhoneNumbers, offsetof(HeaderTransfer, phoneNumbers), sizeof HeaderTransfer::phoneNumbers);
    fn(ElogKb, offsetof(HeaderTransfer, elogKb), sizeof HeaderTransfer::elogKb);
}

}  // namespace

HeaderDlg::HeaderDlg(QWidget* parent, app::LogState& log, HeaderTransfer& transfer, wellfile::WellHeader& header,
                     PrintServices& services)
    : Dialog(parent, QStringLiteral("STRATIV HEADER INFORMATION")), log_(log), transfer_(transfer), header_(header),
      services_(services)
{
    transfer_ = HeaderToTransfer(header_, HeaderDialogContextOf(log_));

    AddStatic(TitleLine, QString());
    NewRow();
    BeginGrid(4);
    auto pair = [this](int labelId, const QString& label, int id, int width) {
        AddStatic(labelId, label);
        AddEdit(id, width, width > 40 ? 40 : width);
    };
    const int S = platform::IDC_STATIC;
    pair(S, QStringLiteral("COMPANY:"), Company, sizeof transfer.company);
    pair(S, QStringLiteral("WELL:"), Well, sizeof transfer.well);
    pair(S, QStringLiteral("FIELD:"), Field, sizeof transfer.field);
    pair(S, QStringLiteral("COUNTY:"), County, sizeof transfer.county);
    pair(S, QStringLiteral("STATE:"), State, sizeof transfer.state);
    pair(S, QStringLiteral("API NO.:"), ApiNumber, sizeof transfer.apiNumber);
    pair(S, QStringLiteral("LOCATION:"), Location, sizeof transfer.location);
    pair(S, QString(), Location2, sizeof transfer.location2);
    pair(S, QStringLiteral("START DEPTH:"), StartDepth, sizeof transfer.startDepth);
    pair(S, QStringLiteral("END DEPTH:"), EndDepth, sizeof transfer.endDepth);
    pair(S, QStringLiteral("START DATE:"), StartDate, sizeof transfer.startDate);
    pair(S, QStringLiteral("END DATE:"), EndDate, sizeof transfer.endDate);
    pair(S, QStringLiteral("SPUD DATE:"), SpudDate, sizeof transfer.spudDate);
    pair(S, QStringLiteral("G.L.:"), GroundLevel, sizeof transfer.groundLevel);
    pair(S, QStringLiteral("K.B.:"), KellyBushing, sizeof transfer.kellyBushing);
    pair(S, QStringLiteral("ELOG KB"), ElogKb, sizeof transfer.elogKb);
    pair(S, QStringLiteral("RIG:"), Rig, sizeof transfer.rig);
    pair(UnitNumberLabel, QStringLiteral("UNIT NO.:"), UnitNumber, sizeof transfer.unitNumber);
    pair(LoggersLabel, QStringLiteral("LOGGERS:"), Loggers, sizeof transfer.loggers);
    pair(S, QString(), Loggers2, sizeof transfer.loggers2);
    pair(S, QStringLiteral("GEOLOGIST:"), Geologist, sizeof transfer.geologist);
    pair(S, QStringLiteral("FILE NAME:"), FileName, sizeof transfer.fileName);
    pair(FileNumberLabel, QStringLiteral("FILE NO"), FileNumber, sizeof transfer.fileNumber);
    pair(S, QStringLiteral("ENGINEER"), Engineer, sizeof transfer.engineer);
    pair(PhoneNumbersLabel, QStringLiteral("PHONE NUMBERS"), PhoneNumbers, sizeof transfer.phoneNumbers);
    pair(S, QStringLiteral("Unique Well ID"), UniqueWellId, kUniqueWellIdLimit);
    EndGrid();

    AddCheck(NarrowFormat, QStringLiteral("Narrow Format:"));
    AddStretch();
    NewRow();
    BeginGroup(OperatorGroup, QStringLiteral("Operator"));
    for (int i = 0; i < kOperatorRadios; ++i)
        AddRadio(OperatorFirst + i, QString::number(i + 1), i == 0);
    EndGroup();
    NewRow();
    AddCheck(UpdateHeader, QString());
    AddStatic(UpdateHeaderText,
              QStringLiteral("Update depth and date when opened, printed or sending files in drilling mode"));
    AddStretch();
    NewRow();
    AddStretch();
    AddButton(Save, QStringLiteral("SAVE"), true);
    AddButton(Close, QStringLiteral("CLOSE"));
    AddButton(Print, QStringLiteral("PRINT"));

    On(UpdateHeader, platform::BN_CLICKED, [this] { log_.print.updateHeader = GetCheck(UpdateHeader) == BST_CHECKED; });
    On(Print, platform::BN_CLICKED, [this] { ClickPrint(); });
}

void HeaderDlg::SetupWindow()
{
    TransferIn();
    const int profile = log_.well.loggerId;
    const bool alternateHeader = log_.print.profileOptions.alternateHeader;

    for (int i = 0; i < kOperatorRadios; ++i) {
        SetCheck(OperatorFirst + i, BST_UNCHECKED);
        Show(OperatorFirst + i, false);
    }
    Show(OperatorGroup, false);

    SetText(UniqueWellId, log_.well.uniqueWellId);
    Enable(UniqueWellId, false);
    SetText(TitleLine, log_.layout.format.title);

    if (alternateHeader) {
        SetCheck(NarrowFormat, BST_CHECKED);
        Show(NarrowFormat, false);
    }
    Show(UnitNumberLabel, profile != 9);
    Show(UnitNumber, profile != 9);
    Show(FileNumberLabel, profile == 5);
    Show(FileNumber, profile == 5);
    SetCheck(NarrowFormat, BST_CHECKED);
    Show(PhoneNumbersLabel, false);
    Show(PhoneNumbers, false);

    if (!log_.well.file.drilling) {
        Show(UpdateHeader, false);
        Show(UpdateHeaderText, false);
        SetCheck(UpdateHeader, BST_UNCHECKED);
    } else {
        SetCheck(UpdateHeader, log_.print.updateHeader ? BST_CHECKED : BST_UNCHECKED);
    }
}

void HeaderDlg::TransferIn()
{
    ForEachText([this](int id, std::size_t offset, std::size_t width) {
        SetTextA(id, platform::FieldText(reinterpret_cast<const char*>(&transfer_) + offset, width));
    });
    SetCheck(NarrowFormat, transfer_.narrowFormat ? BST_CHECKED : BST_UNCHECKED);
}

void HeaderDlg::TransferOut()
{
    ForEachText([this](int id, std::size_t offset, std::size_t width) {
        platform::SetFieldText(reinterpret_cast<char*>(&transfer_) + offset, width, GetTextA(id));
    });
    transfer_.narrowFormat = GetCheck(NarrowFormat) == BST_CHECKED ? 1 : 0;
}

void HeaderDlg::ClickPrint()
{
    // What is printed is what the user sees: the typed values go into the header first, as "SAVE" does.
    TransferOut();
    if (StoreHeaderForPrint(log_, header_, transfer_))
        PrintHeaderOnly(services_, log_);
}

void CmHeader(app::LogState& log, PrintServices& services, QWidget* parent)
{
    if (HeaderCommandBusy(log)) {
        platform::MessageBeep(0);
        return;
    }
    SendHeaderCopy(log);
    auto header = std::make_unique<wellfile::WellHeader>();
    wellfile::ReadHeader(*header, app::PlaceOf(log));
    HeaderTransfer transfer{};
    HeaderDlg dialog(parent, log, transfer, *header, services);
    if (dialog.Execute() == platform::IDOK)
        SaveHeaderFromDialog(log, *header, transfer);
}

}  // namespace print
