#pragma once
// "&Save As Image": the log of an interval drawn into one image at the 5in, 1in or 2in scale, written
// into "bitmaps/<well>/" of the data folder and then offered for copying elsewhere ("SAVE IMAGE AS").
// The image is drawn in bands (imagebands.h): a BMP, PNG or TIFF of any length is written as it is drawn.
// While it draws, the window's paint and idle render wait (ScrollState::renderingImage) and the title
// band draws the header page (ScrollState::imageRender); the layout, the export's flags and the view
// top are put back on every path.
#include <QString>

#include <cstdint>
#include <functional>

class QWidget;

namespace app {
struct LogState;
}

namespace elog {

// What the export asks of the window: re-applying the layout after its row height or unit width changed,
// and rebuilding the grid strips. Either may be empty (nothing is done).
struct ImageWindow {
    QWidget* parent = nullptr;
    std::function<void(int rowHeight)> setLogFormat;
    std::function<void()> buildGridBitmaps;
    // The most pixels a band of a 5in image holds; 0: kImageBandPixels.
    long long bandPixels = 0;
};

// The dialog, the interval, the export.
void CmSaveAsImage(app::LogState& log, const ImageWindow& window);
// The interval as a JPEG allows it, then the 5in render (the header on).
void ExportImage(app::LogState& log, const ImageWindow& window, std::int32_t start, std::int32_t end, int format,
                 int colours, int compression);
// Render, save and tell the user; the path written, or empty when nothing was. The 5in render hands the
// other scales to RenderImage1in2in.
QString RenderImage5in(app::LogState& log, const ImageWindow& window, std::int32_t start, std::int32_t end, int format,
                       int colours, int compression, bool header);
QString RenderImage1in2in(app::LogState& log, const ImageWindow& window, std::int32_t start, std::int32_t end,
                          int format, int colours, int compression, bool header);
// Offers a copy of the image at `path` under a name of the user's choice (the horizontal view's images too).
void SaveImageAs(app::LogState& log, const QString& path, int format);

}  // namespace elog
