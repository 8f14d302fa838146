#pragma once
// The lag calculator: the work behind the "LAG CALCULATOR" dialog, on a working copy of the well's lag
// settings. It fills the dialog, reads its inputs, computes and shows the lag figures, settles the
// measured lag time (the drilling time's lag time) against the calculated one, derives the washout from
// a measured lag, saves the ".lag" file and switches lag by pump strokes on or off.
//
// It reads and writes the dialog through a LagForm (controls by their ids, lagcalc.h) and reaches the
// drilling objects and the rest of the window through a LagCalcHost, so that it runs without widgets.
#include "drilling/lagcalc.h"
#include "platform/numbers.h"
#include "wellfile/lagrecord.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace drilling {

class Driller;
class LogTime;

// The dialog's controls as the calculator sees them.
class LagForm {
public:
    virtual ~LagForm() = default;
    virtual QString Text(int id) const = 0;
    virtual void SetText(int id, const QString& text) = 0;
    virtual bool Checked(int id) const = 0;
    virtual void SetChecked(int id, bool checked) = 0;
    virtual void Enable(int id, bool enable) = 0;
    virtual void Show(int id, bool show) = 0;
    // Ends the dialog with `result`.
    virtual void Close(int result) = 0;
};

// What the calculator needs of the window.
struct LagCalcHost {
    Driller* driller = nullptr;    // the drilling object, with its drilling time (always set)
    int profile = 0;               // logging-company profile
    bool metric = false;           // lengths in metres
    std::int32_t bottomDepth = 0;  // the data file's bottom depth
    bool witsLinkRunning = false;
    bool customLinkRunning = false;
    bool customLinkPumps = false;  // the custom WITS link's pump-strokes setting (lag by strokes from WITS)
    // The custom tracks' copy of the lag settings while custom tracks exist; none otherwise.
    wellfile::LagRecord* customLag = nullptr;
    // Reads the ".lag" file (false: none, or too short); writes it and hands it to the drilling object
    // (false: not written). `lagPath` names the file in the message of a failed save.
    std::function<bool(wellfile::LagRecord&)> loadLag;
    std::function<bool(const wellfile::LagRecord&)> saveLag;
    QString lagPath;
    // Lag by pump strokes on or off (the window's PumpsOn).
    std::function<void()> pumpsOn;
};

class LagCalculator {
public:
    LagCalculator(LagForm& form, LagCalcHost host);

    // Fills the dialog when it opens.
    void SetupWindow();

    // Every input into the record copy, normalised; the measured lag time becomes the drilling time's.
    void ReadInputs();
    // The lag figures from the record copy, shown.
    void Compute();
    // Handlers of the edits losing the focus.
    void OpenHoleFromDepth();
    void PipeFromDepth();
    void DepthChanged();
    void Pressures();
    void WashoutEdited() { washoutEdited = true; }
    // The washout that makes the calculated lag reach the measured one, searched in steps of 0.001.
    void WashoutFromMeasured();
    void ShowRangeError();

    // Command handlers.
    void Save();
    void Calculate();
    void ResetToCalculated();
    void LagUsingStrokes();
    // false when the pumps' state refuses lag by strokes.
    bool CheckPumps();
    void UseWitsStrokes();
    void ToggleCounter();
    // When the dialog closes: the measured lag time goes into the data file's last record. Always true.
    bool CanClose();

    wellfile::LagRecord record{};  // the working copy
    bool settingsComplete = false; // the inputs are enough for a lag by strokes
    bool washoutEdited = false;
    bool writeOnClose = false;     // the measured lag time was 0 when the dialog opened
    float tolerance = 0;           // calculated lag minutes x 1.05
    float shownTotalSpm = 0;
    // Shared by the handlers: the strokes per minute come from the WITS feed, and the total strokes per
    // minute of the pumps on the hole when the dialog opened.
    bool witsPumps = false;
    std::int32_t totalSpm = 0;

private:
    Driller& D() const { return *host_.driller; }
    LogTime& Time() const;
    bool StrokesRunning() const;
    float Measured() const;
    // The measured lag time set and shown with `format`.
    void SetMeasured(float minutes, const char* format = "%.2f");
    void SetNumber(int id, const char* format, double value);
    float Number(int id) const { return platform::LeadingFloat(form_.Text(id)); }
    // The washout and the record's volumes and calculated lag.
    void ShowFigures();
    void ShowPressures(float depth);
    void ShowLagNow();
    void SaveRecord();

    LagForm& form_;
    LagCalcHost host_;
    bool searching_ = false;    // the washout search runs: its range message is shown once
    bool rangeShown_ = false;
};

}  // namespace drilling
