#pragma once
// "Lines and Scales" (resource 1, caption "STRATIV SETUP"): how the log is drawn and a number of well
// options. The dialog edits a copy of the well's settings record and the window settings kept outside
// it; "Save and Close" stores them through the host, Cancel drops them. The scales chosen for depth
// intervals, the CO2 scale and the logarithmic rate scale cleared by a rate-scale choice wait for
// "Save and Close" too; only the drilling machine's anti-bounce delay and on-bottom mode act at once.
#include "layout/drillersettings.h"
#include "layout/linesandscales.h"
#include "layout/scaleinterval.h"
#include "layout/trackflags.h"
#include "platform/ui/formdialog.h"
#include "wellfile/wellconfig.h"

#include <QPointer>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace layout {
class RangeDlg;
}

namespace layout {

// What the dialog shows besides the record.
struct SetupDlgContext {
    SetupEnvironment env;
    bool gasMonitor = false;         // the gas monitor exists
    bool localConfigExists = false;  // the current folder holds the well's ".cfg"
    TrackFlags trackFlags{};
    ScaleCodes codes;                // of the file's last record
    std::int32_t screenWidth = 0, screenHeight = 0, monitorCount = 0;
    std::int32_t fileTopDepth = 0, fileBottomDepth = 0, viewTopDepth = 0;
    layout::DrillerSettings driller;  // while drilling
};

// The window's side of the dialog.
struct SetupHost {
    // A scale code for the records of an interval (and, while drilling at the bottom, the records to
    // come); To is already at or above From.
    std::function<void(ScaleField field, std::uint16_t code, std::int32_t from, std::int32_t to)> writeInterval;
    std::function<void()> clearLogRateScale;  // in the window's record
    std::function<void(int code)> setCo2Scale;
    std::function<void(std::int32_t delay)> setDelay;  // while drilling
    std::function<void(int mode)> setOnBottomMode;     // while drilling
    std::function<void()> resetDialogs;
    // Switches between the field and the local settings; the dialog then ends as Cancel.
    std::function<void()> toggleFieldSettings;
    // "Save and Close": writes the record and the rest; false (after telling the user) keeps the
    // dialog open.
    std::function<bool(const wellfile::WellConfig& config, const OutsideSettings& outside,
                       const layout::DrillerSettings* driller)>
        save;
};

class SetupDlg : public platform::FormDialog {
public:
    // `config` and `outside` are the dialog's copies; they hold what was saved once the dialog ends
    // with "Save and Close".
    SetupDlg(QWidget* parent, wellfile::WellConfig& config, OutsideSettings& outside, const SetupDlgContext& context,
             SetupHost& host);
    ~SetupDlg() override;

    float highlightBelow = 0;  // the highlight value the spin steps

protected:
    void SetupWindow() override;
    bool CanClose() override;

private:
    void BuildControls();
    void FillScaleLists();
    void ShowPpmOption();
    void ApplyAltFormatRules();
    void CmOnBottomMode();
    void EvHighlightSpin();
    void EvDelaySpin();
    void ToggleFieldSettings();
    // The interval handlers of the four scale lists.
    void SetRopScaleInterval();
    void SetGasScaleInterval();
    void SetScale3Interval();
    void SetScale4Interval();
    // Asks for the interval and writes `code` into `field` of its records.
    void AskInterval(ScaleField field, std::uint16_t code);
    // The temperature list holds the CO2 entries (after the temperature ones in the percent-gas group).
    bool Co2List() const;
    int Co2Offset() const;
    bool PercentGroup() const;
    void CheckBox(int id, bool on);
    void Hide(int id);
    // A box a rule settles: checked as `on` and out of the user's reach.
    void Lock(int id, bool on);
    // A box a rule takes away: unchecked, out of reach and out of sight.
    void Remove(int id);
    SetupForm ReadForm() const;

    wellfile::WellConfig& config_;
    OutsideSettings& outside_;
    SetupDlgContext context_;
    SetupHost& host_;
    layout::DrillerSettings driller_;
    // The choices that act on the well, in the order made, done at "Save and Close".
    std::vector<std::function<void()>> pending_;
    QPointer<layout::RangeDlg> rangeDialog_;  // the interval dialog while it is open
};

}  // namespace layout
