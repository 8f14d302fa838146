#pragma once
// The depth interval asked for before a scale is written into the records of the data file: the
// "Enter Interval" dialog with "From" (the view's top depth) and "To" (the file's last depth), limited to
// the file's depths. It runs modally over `parent`; `slot` holds it while it runs.
#include <QPointer>

#include <cstdint>
#include <optional>
#include <utility>

class QWidget;

namespace layout {
class RangeDlg;
}

namespace layout {

struct IntervalBounds {
    std::int32_t viewTopDepth = 0, fileTopDepth = 0, fileBottomDepth = 0;
    int loggerId = 0;
};

// The interval chosen, From first; a To above From means the file's last depth. Nothing when cancelled.
std::optional<std::pair<std::int32_t, std::int32_t>> AskDepthInterval(QWidget* parent, QPointer<layout::RangeDlg>& slot,
                                                                      const IntervalBounds& bounds);

}  // namespace layout
