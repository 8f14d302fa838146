#include "reports/ui/recordreportdlg.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "platform/services.h"
#include "reports/reporttext.h"
#include "reports/ui/reportprinter.h"

#include <QDir>

namespace reports {

RecordReportDlg::RecordReportDlg(QWidget* parent, const QString& caption, app::LogState& log, ReportPrinter& printer,
                                 const QString& kind, const QString& pdfKind)
    : FormDialog(parent, caption), log_(log), printer_(printer), kind_(kind), pdfKind_(pdfKind)
{
}

void RecordReportDlg::AddRecordButtons(const Buttons& ids)
{
    NewRow();
    AddButton(ids.previous, QStringLiteral("PREVIOUS"));
    AddButton(ids.next, QStringLiteral("NEXT"));
    AddButton(ids.print, QStringLiteral("PRINT"));
    AddButton(ids.add, QStringLiteral("NEW"));
    AddButton(ids.save, QStringLiteral("SAVE"));
    AddButton(ids.printerSetup, QStringLiteral("Printer Setup"));
    AddButton(ids.remove, QStringLiteral("DELETE"));
    AddButton(ids.saveAsText, QStringLiteral("SAVE AS TEXT"));
    AddButton(platform::IDOK, QStringLiteral("CLOSE"), true);
    On(ids.previous, platform::BN_CLICKED, [this] { CmStep(-1); });
    On(ids.next, platform::BN_CLICKED, [this] { CmStep(1); });
    On(ids.print, platform::BN_CLICKED, [this] { CmPrint(); });
    On(ids.add, platform::BN_CLICKED, [this] { CmNew(); });
    On(ids.save, platform::BN_CLICKED, [this] { CmSave(); });
    On(ids.printerSetup, platform::BN_CLICKED, [this] { printer_.ReportPrinterSetup(log_); });
    On(ids.remove, platform::BN_CLICKED, [this] { CmDelete(); });
    On(ids.saveAsText, platform::BN_CLICKED, [this] { CmSaveAsText(); });
    SetSpacing(3);
}

void RecordReportDlg::CmStep(int step)
{
    const int to = Current() + step;
    if (to < 0 || to >= Count() || !ShowRecord(to))
        platform::MessageBeep(0);
}

void RecordReportDlg::CmPrint()
{
    if (Current() < 0)
        return;
    TransferRecord(0);
    const QString pdfTitle = (QStringLiteral("%1-") + pdfKind_ + QStringLiteral("_No%2@%3"))
                                 .arg(log_.well.file.wellName)
                                 .arg(Current() + 1)
                                 .arg(PrintedDepth());
    printer_.PrintReportPage(log_, this, QStringLiteral("StrativM %1 Report").arg(kind_), pdfTitle,
                             [this](platform::Dc& dc) { DrawPage(dc); });
}

void RecordReportDlg::CmSaveAsText()
{
    if (Current() < 0)
        return;
    TransferRecord(0);
    const QString path = AddReportText(app::PlaceOf(log_), RecordText());
    if (!path.isEmpty())
        platform::MessageBox(QStringLiteral("\"%1\" written").arg(QDir::toNativeSeparators(path)),
                             QStringLiteral("Save As Text"));
}

}  // namespace reports
