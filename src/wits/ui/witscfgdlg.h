#pragma once
// The WITS chart's settings dialog (53, modal): per chart and curve the data shown, its range, the
// chart's blocks, the label and the direction. "SAVE" keeps the curve shown in the chart's working
// blocks; only "DONE" lets the chart write them to the settings file.
#include "platform/ui/dialog.h"
#include "wits/chartsettings.h"

namespace wits {

enum WitsCfgControl : int {
    kCfgChartList = 101, kCfgDataList = 102, kCfgSave = 103, kCfgCurveGroup = 104, kCfgCurve1 = 105,
    kCfgCurve2 = 106, kCfgMinimum = 107, kCfgMaximum = 108, kCfgBlockCount = 109, kCfgBlockWidth = 110,
    kCfgLabel = 111, kCfgReverse = 112,
};

class WitsCfgDlg final : public platform::Dialog {
    Q_OBJECT
public:
    // Edits `blocks` in place; `chart` (0..3) is shown first.
    WitsCfgDlg(QWidget* parent, ChartBlocks& blocks, int chart);

    int Chart() const { return chart_; }
    int Curve() const { return curve_; }

protected:
    void SetupWindow() override;

private:
    void ShowCurve();
    void EvSelect();
    void CmSave();

    ChartBlocks& blocks_;
    int chart_;
    int dataIndex_ = 0;
    int curve_ = 0;  // 0 curve 1, 1 curve 2
};

}  // namespace wits
