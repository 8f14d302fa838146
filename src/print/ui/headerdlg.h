#pragma once
// The "STRATIV HEADER INFORMATION" dialog (resource 2, modal) of "&Header...": the well header's texts
// for editing. "SAVE" stores them (print/headercommand.h), "CLOSE" leaves the header as it was, and
// "PRINT" stores what is typed and prints the header page alone, leaving the dialog open.
#include "platform/ui/dialog.h"
#include "print/headertransfer.h"
#include "wellfile/wellheader.h"

class QWidget;

namespace app {
struct LogState;
}

namespace print {

class PrintServices;

class HeaderDlg final : public platform::Dialog {
    Q_OBJECT
public:
    // Loads `transfer` from `header` for the window's profile; "PRINT" prints through `services`.
    HeaderDlg(QWidget* parent, app::LogState& log, HeaderTransfer& transfer, wellfile::WellHeader& header,
              PrintServices& services);

protected:
    void SetupWindow() override;
    void TransferOut() override;

private:
    void TransferIn();
    void ClickPrint();

    app::LogState& log_;
    HeaderTransfer& transfer_;
    wellfile::WellHeader& header_;
    PrintServices& services_;
};

// Command 51685 "&Header...": beeps while the window is busy; else, after the header copy of a drilling
// station, edits the well's header in HeaderDlg and stores it on "SAVE".
void CmHeader(app::LogState& log, PrintServices& services, QWidget* parent = nullptr);

}  // namespace print
