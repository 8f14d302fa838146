#pragma once
// The short report dialog (dialog resource 65, "STRATIV SHORT REPORT"): the well's short reports one at
// a time, browsed, made (the first one from the newest daily report), saved with their mud weights
// written into the depth records and, on request, sent to the horizontal view as notes, and deleted.
// It works on its own copy of the ".qpt"; the window's copy is read again after each save.
#include "platform/ui/dialog.h"
#include "reports/shortreportbook.h"

#include <functional>

namespace app {
struct LogState;
}

namespace reports {

class QREPORTDLG final : public platform::Dialog {
    Q_OBJECT
public:
    enum : int {
        IDC_GROUP_TYPE = 101,
        IDC_MECH_CUSTOM1 = 102,
        IDC_MECH_CUSTOM2 = 103,
        IDC_DEPTH = 104,
        IDC_RPM = 105,
        IDC_WOB = 106,
        IDC_PP = 107,
        IDC_SPM = 108,
        IDC_VIS = 109,
        IDC_CHL = 110,
        IDC_PH = 111,
        IDC_SOL = 112,
        IDC_WT_OUT = 113,
        IDC_FIL_CK = 114,
        IDC_PV = 115,
        IDC_FIL = 116,
        IDC_YP = 117,
        IDC_NEW = 118,
        IDC_PREV = 119,
        IDC_NEXT = 120,
        IDC_DELETE = 121,
        IDC_NUMBER = 122,
        IDC_MUD_CUSTOM1 = 123,
        IDC_MUD_CUSTOM2 = 124,
        IDC_MECH_POSITION = 125,
        IDC_MUD_POSITION = 126,
        IDC_MUD_TEXT_COLOR = 127,
        IDC_MECH_TEXT_COLOR = 128,
        IDC_MECH_AND_MUD = 129,
        IDC_MECH_ONLY = 130,
        IDC_MUD_ONLY = 131,
        IDC_MECH_FRAME = 132,
        IDC_MUD_FRAME = 133,
        IDC_MECH_TEXT_SHOWN = 134,
        IDC_MUD_TEXT_SHOWN = 135,
        IDC_MECH_ONE_INCH = 136,
        IDC_MUD_ONE_INCH = 137,
        IDC_MMRPM = 138,
        IDC_MECH_TO_HORZ = 139,
        IDC_MECH_BACK_COLOR = 140,
        IDC_MECH_BACK_SHOWN = 141,
        IDC_MUD_TO_HORZ = 142,
        IDC_MUD_CUSTOM3 = 143,
        IDC_MUD_CUSTOM4 = 144,
        IDC_MUD_BACK_COLOR = 147,
        IDC_MUD_BACK_SHOWN = 148,
        IDC_WT_IN = 149,
    };

    // Shows report `start` of the file; below 1 the first report at or below the top of the view.
    // `repaint` draws the log again after a save.
    QREPORTDLG(QWidget* parent, app::LogState& log, int start, std::function<void()> repaint = {});

    void CmPrev(bool ctrl);
    void CmNext(bool ctrl);
    const ShortReportBook& Book() const { return book_; }

protected:
    void SetupWindow() override;

private:
    void TransferReport(bool toControls);
    void ShowPrefill();
    void ShowColours();
    void CmSave();
    void CmNew();
    void CmDelete();
    void EvDepthKillFocus();
    void SendToHorizontal(const wellfile::QREPORT& report);
    void ChooseColour(std::size_t offset, int chooser, int shownId);
    void EnableBrowsing(bool enable);
    QString Path() const;

    app::LogState& log_;
    int start_;
    std::function<void()> repaint_;
    ShortReportBook book_;
    bool loaded_ = false;
    std::int32_t shownMechSlot_ = 0;  // the positions when the report was shown
    std::int32_t shownMudSlot_ = 0;
};

}  // namespace reports
