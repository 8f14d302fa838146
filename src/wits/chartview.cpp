#include "wits/chartview.h"

#include <algorithm>

namespace wits {

int ChartViewHeight(int clientBottom)
{
    return std::max(0, clientBottom - kChartBandHeight - 10);
}

int ChartScrollBarWidth(int rowHeight)
{
    return rowHeight * 5 / 2;
}

int VisibleImageWidth(int imageWidth, int clientWidth, int rowHeight)
{
    return std::max(100, std::min(imageWidth, clientWidth - ChartScrollBarWidth(rowHeight)));
}

int ScrollBarLeft(int imageWidth, int clientWidth, int rowHeight)
{
    return std::min(imageWidth, clientWidth - ChartScrollBarWidth(rowHeight));
}

int ScrollViewIndex(int viewIndex, int code, int thumbPosition, bool ctrl, int sampleCount, int viewHeight)
{
    const int line = ctrl ? 10 : 50;
    const int page = ctrl ? 100 : 250;
    int index = viewIndex;
    switch (code) {
    case app::SB_LINEUP: index -= line; break;
    case app::SB_LINEDOWN: index += line; break;
    case app::SB_PAGEUP: index -= page; break;
    case app::SB_PAGEDOWN: index += page; break;
    case app::SB_THUMBPOSITION:
    case app::SB_THUMBTRACK: index = thumbPosition; break;
    case app::SB_TOP: index = 0; break;
    case app::SB_BOTTOM: index = kChartImageRows - 300; break;
    default: return viewIndex;
    }
    index = std::min(index, sampleCount - viewHeight);
    return std::clamp(index, 0, kChartImageRows);
}

int ImageSourceRow(int viewIndex, bool repaint)
{
    return std::max(0, repaint ? viewIndex - 200 : viewIndex);
}

}  // namespace wits
