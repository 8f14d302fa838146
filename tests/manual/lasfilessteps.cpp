#include "manual/lasfilessteps.h"

#include "logview/geometryof.h"
#include "platform/text.h"
#include "shell/ui/logwindow.h"
#include "support/wells.h"


#include <gtest/gtest.h>

namespace manual {

QPoint At(shell::LogWindow& w, int x, int y)
{
    const int menu = w.menuWidget() && w.menuWidget()->isVisible() ? w.menuWidget()->height() : 0;
    return {x - logview::GeometryOf(w.State()).horizontalScroll, y + menu};
}

int RowY(shell::LogWindow& w, int depth)
{
    const logview::ViewGeometry g = logview::GeometryOf(w.State());
    const int y = g.topMargin + (depth - w.State().well.file.viewTopDepth) * g.rowHeight + g.rowHeight / 2;
    EXPECT_EQ(w.DepthAtRow(y), depth);
    return y;
}

QImage Screen(shell::LogWindow& w)
{
    w.PaintLog();
    QCoreApplication::processEvents();
    return w.BackingStore().copy();
}

float KnownRate(int depth) { return 2.0f + float(depth % 7); }
float KnownC1(int depth) { return 10.0f + float(depth % 50); }

std::vector<wellfile::RECORD> KnownRecords(int first, int last)
{
    std::vector<wellfile::RECORD> rows;
    for (int d = first; d <= last; ++d) {
        wellfile::RECORD r = testing_support::ValidRecord(d, KnownRate(d), "100SH");
        r.gas[1] = KnownC1(d);
        rows.push_back(r);
    }
    if (!rows.empty())
        platform::SetFieldText(rows.front().interpretedLith, "PRF12");
    return rows;
}

}  // namespace manual
