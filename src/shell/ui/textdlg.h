#pragma once
// TextDlg: a stretch of the well's data as a fixed-pitch text table beside the log, either the e-log
// curve rows or the depth records. Modeless; the main window keeps one of each kind
// (ToolWindows::elogAsText, dataAsText), and CLOSE in either closes both and frees the records the
// data window was opened on.
#include "platform/ui/dialog.h"
#include "shell/ui/toolwindows.h"

#include <string>
#include <vector>

namespace shell {

class TextDlg : public platform::Dialog {
    Q_OBJECT
public:
    enum : int { ID_LIST = 101, ID_CLOSE = 102 };
    enum : int { kElog = 1, kMudlog = 2 };

    // `owner`: the main window, whose tool windows `tools` are; `lines`: the table's heading and rows
    // as shell/textlines.h makes them.
    TextDlg(QWidget& owner, shell::ToolWindows& tools, int kind, std::vector<std::string> lines);

    // Shows other rows of the same kind; `activateOwner` gives the keys back to the log as the command
    // that asks for them does (a refill after a paint leaves the focus where it is).
    void Refill(std::vector<std::string> lines, bool activateOwner = true);
    int Kind() const { return kind_; }
    // Closes both text windows of the owner and frees the data window's records.
    void CmClose();

protected:
    void SetupWindow() override;
    void reject() override;  // Escape and the close box close as CLOSE does

private:
    void FillTables(bool activateOwner = true);

    QWidget& owner_;
    shell::ToolWindows& tools_;
    int kind_;
    std::vector<std::string> lines_;
};

}  // namespace shell
