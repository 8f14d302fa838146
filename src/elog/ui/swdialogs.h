#pragma once
// The water saturation dialogs. SWDlg (resource 12, "Archie Water Saturation Setup", modal): Rw, a, m,
// the porosity curve and a depth interval; Save writes them with Sw and BVw into every curve record of
// the interval and rewrites the curve file, and the dialog stays for the next interval. SWDlg2
// (resource 16, "Archie Water Saturation ", modeless, one at a time): the clicked curve record and the
// next one as table rows, where other Rw, a and m can be tried (Recalculate, in memory only).
// Both reach the curve records through the window's curve set at each use, by row, so a curve set
// replaced while SWDlg2 is open is never read through a stale pointer.
#include "platform/ui/dialog.h"

#include <QPointer>

#include <cstdint>

namespace app {
struct LogState;
}

namespace elog {

class Curves;
struct CurveRecord;

namespace swid {
constexpr int Rw = 101, From = 102, To = 103, Save = 104, A = 105, M = 106, Porosity = 107;
constexpr int Recalculate = 102, SecondRow = 109, FirstRow = 110;
}  // namespace swid

// What the two dialogs share: the edits of Rw, a and m and the porosity list.
class ArchieDialog : public platform::Dialog {
protected:
    using Dialog::Dialog;
    void AddParameterEdits();
};

class SWDlg : public ArchieDialog {
public:
    // `position`: the depth whose record the dialog starts from (the view's top depth).
    SWDlg(QWidget* parent, Curves& curves, std::int32_t position);

    void CmSave();
    void EvPorosityChange();
    std::int32_t PorositySlot() const { return porositySlot_; }
    std::int32_t ResistivitySlot() const { return resistivitySlot_; }

protected:
    void SetupWindow() override;

private:
    Curves& curves_;
    std::int32_t position_;
    std::int32_t porositySlot_ = 0;
    std::int32_t resistivitySlot_ = 0;
};

class SWDlg2 : public ArchieDialog {
public:
    // `row`: the clicked curve record's row in the window's curve set.
    SWDlg2(QWidget* parent, app::LogState& log, std::int32_t row);

    // The table around `row`; the dialog takes the focus.
    void FillTable(std::int32_t row);
    void CmRecalculate();
    void EvPorosityChange();
    // Close: the dialog goes.
    void Destroy();
    // Sw of `record` as the table shows it: "Invalid Data" and 100.0 for a porosity below -0.1 or a
    // resistivity of 0 at the dialog's slots; else Archie's equation over the record's own slots.
    double ArchieSw(const CurveRecord& record);
    std::int32_t Row() const { return row_; }

protected:
    void SetupWindow() override;

private:
    CurveRecord* RecordAt(std::int32_t row) const;
    app::LogState& log_;
    std::int32_t row_;
    std::int32_t porositySlot_ = 0;
    std::int32_t resistivitySlot_ = 0;
};

// The e-log read-out of the log at the row of `depth`: refused with "Data not available at this depth"
// past the curve data, with the "Data Error" message above the start of the density porosity or of the
// resistivity curve the row names; otherwise SWDlg2 is opened on the record (made once and kept in `slot`) and its
// table filled. 1 when the table was shown.
int ShowElogReadout(app::LogState& log, QWidget* parent, QPointer<QWidget>& slot, std::int32_t depth);

}  // namespace elog
