#pragma once
// RecordReportDlg: what the show and DST report dialogs share. One record of the well's report file is
// shown at a time; a row of buttons under the fields steps through the records (a beep at either end),
// makes, saves and deletes one, sets up the printer and prints the shown record as one page.
#include "platform/draw/dc.h"
#include "platform/ui/formdialog.h"

namespace app {
struct LogState;
}

namespace reports {

class ReportPrinter;

class RecordReportDlg : public platform::FormDialog {
    Q_OBJECT
public:
    virtual int Count() const = 0;
    virtual int Current() const = 0;  // -1: no record
    // Draws the shown record as one page on a printer's device.
    virtual void DrawPage(platform::Dc& dc) = 0;

protected:
    // The ids of the buttons, each dialog's own; PRINT's job is titled "StrativM <kind> Report", on a PDF
    // printer "<well>-<pdfKind>_No<record>@<depth>".
    struct Buttons {
        int previous, next, print, add, save, printerSetup, remove, saveAsText;
    };
    // `printer` prints the pages and sets up the printer.
    RecordReportDlg(QWidget* parent, const QString& caption, app::LogState& log, ReportPrinter& printer,
                    const QString& kind, const QString& pdfKind);

    // The row of buttons under the fields, each routed to its command (CLOSE is IDOK); then the report
    // dialogs' tight spacing over the whole dialog.
    void AddRecordButtons(const Buttons& ids);
    // The same by the ids dialog `D` names.
    template <class D>
    void AddRecordButtons()
    {
        AddRecordButtons({D::IDC_PREVIOUS, D::IDC_NEXT, D::IDC_PRINT, D::IDC_NEW, D::IDC_SAVE, D::IDC_PRINTER_SETUP,
                          D::IDC_DELETE, D::IDC_SAVE_AS_TEXT});
    }

    virtual void TransferRecord(int direction) = 0;  // 1: record to the fields; 0: fields to the record
    // Shows record `index`; false (nothing changes) when it is not there.
    virtual bool ShowRecord(int index) = 0;
    virtual void CmNew() = 0;
    virtual void CmSave() = 0;
    virtual void CmDelete() = 0;
    // The depth in the printed file's name, read after the fields went into the record.
    virtual QString PrintedDepth() const = 0;
    // The shown record as the reports saved as text write it.
    virtual QByteArray RecordText() const = 0;

    app::LogState& log_;
    ReportPrinter& printer_;

private:
    void CmStep(int step);
    void CmPrint();
    // SAVE AS TEXT: the shown record, as it stands in the fields, added to the well's text file; the user
    // is told where it went.
    void CmSaveAsText();

    QString kind_, pdfKind_;
};

}  // namespace reports
