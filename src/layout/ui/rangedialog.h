#pragma once
// RangeDlg (resource 38 "RANGE"): the start and stop depth dialog of the LAS export, the log image export
// and the scale set-ups, each with its own caption and labels. "OK" keeps it open while a value lies
// outside the caller's limits; the three option boxes hand their states back to the caller. Enter in
// either depth presses "OK": the two depths are all there is to type.
#include "platform/ui/dialog.h"

#include <cstdint>
#include <functional>

namespace layout {

namespace rangeid {
constexpr int Start = 101, Stop = 102;
constexpr int StartLabel = 103, ToLabel = 104, StopLabel = 105;
constexpr int Advanced = 106, LasVer3 = 107, TabDelimiter = 108, Ppm = 110;
}  // namespace rangeid

// What the caller hands over: the texts in and out, the labels of statics 103-105, the limits and the
// three flags (each may be null).
struct RangeRequest {
    QString caption;
    QString startLabel = QStringLiteral("Start");
    QString toLabel = QStringLiteral("To");
    QString stopLabel = QStringLiteral("Stop");
    std::int32_t lowest = 0;   // lowest start; 0 or less: no limit
    std::int32_t highest = 0;  // highest stop; 0 or less: no limit
    int loggerId = 0;          // profile 134 always writes PPM
    std::int32_t* lasVersion3 = nullptr;
    std::int32_t* tabDelimiter = nullptr;
    std::int32_t* ppm = nullptr;
};

class RangeDlg : public platform::Dialog {
public:
    // `startText` and `stopText` fill the two edits and receive them after "OK".
    RangeDlg(QWidget* parent, QString& startText, QString& stopText, const RangeRequest& request);

    // "Advanced": runs this when set (the LAS export sets the custom LAS groups dialog).
    std::function<void()> advanced;

protected:
    void SetupWindow() override;
    bool CanClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString& startText_;
    QString& stopText_;
    RangeRequest request_;
};

}  // namespace layout
