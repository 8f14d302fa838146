#pragma once
// "Pen Colors": picks colour, style and width of each pen of the log, the text options of the text
// pens and the flags and labels of the custom lithology shades. The dialog works on a copy of the
// table: "Save" hands the copy back, "Cancel" leaves the table as it was.
#include "layout/logcolours.h"
#include "layout/pentable.h"
#include "platform/ui/dialog.h"

namespace wellfile {
struct OpenWell;
}

namespace layout {

class PenColorDlg : public platform::Dialog {
    Q_OBJECT
public:
    // `shades` gives the shade colours "Set To Default" uses.
    PenColorDlg(QWidget* parent, PenTable& table, const PenOptions& options, const LfgBlock& shades);

    const PenTable& Working() const { return work_; }

protected:
    void SetupWindow() override;
    void TransferOut() override;

private:
    int Selected() const;
    void ShowEntry(int index);
    void StoreChecks();
    void StoreLabel();
    void ChooseColour();
    void SetDefaults();

    PenTable& table_;
    PenTable work_;
    PenOptions options_;
    LfgBlock shades_;
};

// The log colours command: runs the dialog on the window's pens and, after "Save", writes the ".lfg"
// block and the colour file and builds the pens again. Returns true when saved; `gridChanged` tells
// whether the grid pens changed (the grid images must then be built again).
bool EditLogColours(QWidget* parent, LogPens& pens, const wellfile::OpenWell& well, const PenOptions& options,
                    bool* gridChanged = nullptr);

}  // namespace layout
