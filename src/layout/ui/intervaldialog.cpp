#include "layout/ui/intervaldialog.h"

#include "layout/ui/rangedialog.h"
#include "platform/winapi.h"

#include <memory>

namespace layout {

std::optional<std::pair<std::int32_t, std::int32_t>> AskDepthInterval(QWidget* parent, QPointer<layout::RangeDlg>& slot,
                                                                      const IntervalBounds& bounds)
{
    if (slot)
        delete slot.data();
    QString from = QString::number(bounds.viewTopDepth);
    QString to = QString::number(bounds.fileBottomDepth);
    std::int32_t lasVersion3 = 0, tab = 0, ppm = 0;
    layout::RangeRequest request;
    request.caption = QStringLiteral("Enter Interval");
    request.startLabel = QStringLiteral("From");
    request.toLabel = QString();
    request.stopLabel = QStringLiteral("To");
    request.lowest = bounds.fileTopDepth;
    request.highest = bounds.fileBottomDepth;
    request.loggerId = bounds.loggerId;
    request.lasVersion3 = &lasVersion3;
    request.tabDelimiter = &tab;
    request.ppm = &ppm;
    auto range = std::make_unique<layout::RangeDlg>(parent, from, to, request);
    slot = range.get();
    const int result = range->Execute();
    range.reset();
    if (result != platform::IDOK)
        return std::nullopt;
    const std::int32_t start = from.trimmed().toInt();
    std::int32_t stop = to.trimmed().toInt();
    if (stop < start)
        stop = bounds.fileBottomDepth;
    return std::pair{start, stop};
}

}  // namespace layout
