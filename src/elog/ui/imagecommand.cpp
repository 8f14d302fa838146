#include "elog/ui/imagecommand.h"

#include "app/logstate.h"
#include "elog/draw/compressedimage.h"
#include "elog/draw/imageexport.h"
#include "elog/ui/elogwindowservices.h"
#include "elog/ui/imagebands.h"
#include "elog/ui/imagedialog.h"
#include "elog/ui/lascommand.h"
#include "layout/ui/rangedialog.h"
#include "logview/depthcolumnoptions.h"
#include "logview/geometryof.h"
#include "logview/ui/directpaint.h"
#include "logview/ui/paintinputs.h"
#include "logview/ui/titlerowpaint.h"
#include "platform/draw/dc.h"
#include "platform/services.h"
#include "platform/waitcursor.h"
#include "wellfile/datafile.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <new>
#include <vector>

namespace elog {

namespace {

const QString kError = QStringLiteral("ERROR");

// The window as the export found it, put back however the export ends: the layout (row height, unit
// width, fonts and columns), the view top, the busy flags and the 300-dpi choice, which holds for one
// export only.
class RenderScope {
public:
    RenderScope(app::LogState& log, const ImageWindow& window) : log_(log), window_(window), layout_(log.layout.format)
    {
        viewTop_ = log.well.file.viewTopDepth;
        dpi300_ = std::exchange(log.scroll.imageDpi300, false);
        log.scroll.renderingImage = true;
        log.scroll.imageRender = true;
        if (dpi300_) {
            // The format keeps these while the export runs (its block height waits for renderingImage).
            log.layout.format.pixelsPerStep = 30;
            log.layout.format.trackUnit = 22;
            Reapply(30);
        }
    }
    ~RenderScope()
    {
        log_.well.file.viewTopDepth = viewTop_;
        if (dpi300_) {
            log_.layout.format = layout_;
            Reapply(layout_.pixelsPerStep);
        }
        log_.layout.format = layout_;
        log_.scroll.imageRender = false;
        log_.scroll.renderingImage = false;
    }
    RenderScope(const RenderScope&) = delete;
    RenderScope& operator=(const RenderScope&) = delete;

    bool Dpi300() const { return dpi300_; }

private:
    void Reapply(int rowHeight)
    {
        if (window_.setLogFormat)
            window_.setLogFormat(rowHeight);
        if (window_.buildGridBitmaps)
            window_.buildGridBitmaps();
    }

    app::LogState& log_;
    const ImageWindow& window_;
    const layout::LogLayout layout_;
    std::int32_t viewTop_ = 0;
    bool dpi300_ = false;
};

// "bitmaps/<well>/" of the data folder, where the images go.
QString ImageFolderPath(const app::LogState& log)
{
    const wellfile::OpenWell& f = log.well.file;
    return f.dataFolder + QStringLiteral("bitmaps/") + f.wellName + u'/';
}

// The same folder, made when missing.
QString ImageFolder(const app::LogState& log)
{
    const QString folder = ImageFolderPath(log);
    QDir().mkpath(folder);
    return folder;
}

// An image of `rows` rows in the layout's measures, below the header page when it is drawn.
BandedImage ImageOf(const layout::LogLayout& L, int rows, bool header, const ImageWindow& window)
{
    BandedImage image;
    image.rows = rows;
    image.rowHeight = L.pixelsPerStep;
    image.originY = header ? L.imageHeaderRows * L.pixelsPerStep + L.logAreaTop : 0;
    image.width = LogImageWidth(L.logRight, L.trackUnit, L.gasRight, L.pixelsPerStep, header);
    if (window.bandPixels > 0)
        image.bandPixels = window.bandPixels;
    return image;
}

// Sets the image's height (its rows, 20 more and the header's); false when the format cannot hold it
// (BMP, PNG and TIFF are written as they are drawn; JPEG and GIF are held whole, their sides in 16 bits).
bool FitsItsFormat(BandedImage& image, int format, const layout::LogLayout& L, bool header)
{
    const long long height =
        (long long)(image.rows + kImageExtraRows + (header ? L.imageHeaderRows : 0)) * L.pixelsPerStep;
    if (height > (WrittenRowByRow(format) ? std::numeric_limits<int>::max() : platform::kMaxTallImageHeight))
        return false;
    image.height = int(height);
    return true;
}

void Report(app::LogState& log, int code, const QString& path, int format, const QString& savedText,
            const QString& note)
{
    if (code == platform::IMAGE_NO_MEMORY) {
        platform::MessageBox(QStringLiteral("Memory allocation failed"), kError);
        return;
    }
    if (code != platform::IMAGE_OK) {
        platform::MessageBox(platform::SaveFailedText(code, path), kError);
        return;
    }
    if (platform::MessageBox(savedText.arg(path) + note, QStringLiteral("SAVE IMAGE AS"), platform::MB_OKCANCEL) ==
        platform::IDOK)
        SaveImageAs(log, path, format);
}

}  // namespace

void CmSaveAsImage(app::LogState& log, const ImageWindow& window)
{
    if (log.well.file.dataFileName.isEmpty()) {
        platform::MessageBeep(0);
        return;
    }
    ImageChoice choice;
    choice.dpi300 = log.scroll.imageDpi300;
    choice.folder = QDir::toNativeSeparators(ImageFolderPath(log));
    ImageDlg dialog(window.parent, choice);
    if (dialog.Execute() != platform::IDOK)
        return;
    log.scroll.imageDpi300 = choice.dpi300;

    const wellfile::OpenWell& f = log.well.file;
    const std::int32_t first = f.fileTopDepth, last = f.fileBottomDepth;
    QString startText = QString::number(DefaultImageStart(choice.format, log.view.viewScale, first, last));
    QString endText = QString::number(last);
    layout::RangeRequest request;
    request.caption = QStringLiteral("Enter Interval");
    request.startLabel = QStringLiteral("From");
    request.toLabel = QString();
    request.stopLabel = QStringLiteral("To");
    request.lowest = first;
    request.highest = last;
    request.loggerId = log.well.loggerId;
    layout::RangeDlg range(window.parent, startText, endText, request);
    if (range.Execute() != platform::IDOK) {
        log.scroll.imageDpi300 = false;
        return;
    }
    const std::int32_t start = startText.trimmed().toInt();
    std::int32_t end = endText.trimmed().toInt();
    if (end <= start)
        end = last;
    ExportImage(log, window, start, end, choice.format, choice.colours, choice.compression);
}

void ExportImage(app::LogState& log, const ImageWindow& window, std::int32_t start, std::int32_t end, int format,
                 int colours, int compression)
{
    const platform::WaitCursor wait;
    start = ExportImageStart(format, log.view.viewScale, start, end, log.well.file.fileTopDepth);
    RenderImage5in(log, window, start, end, format, colours, compression, true);
}

QString RenderImage5in(app::LogState& log, const ImageWindow& window, std::int32_t start, std::int32_t end, int format,
                       int colours, int compression, bool header)
{
    if (ImageScaleOf(log.view.viewScale) != ImageScale::FiveInch)
        return RenderImage1in2in(log, window, start, end, format, colours, compression, header);
    wellfile::OpenWell& f = log.well.file;
    const std::int32_t step = std::max(f.depthStep, 1);
    start = std::max(start, f.fileTopDepth);
    end = std::clamp(end, start, std::max(f.fileBottomDepth, start));
    const std::int32_t asked = start;
    const int bits = ImageBits(colours);
    QString path;
    int code = platform::IMAGE_OK;
    {
        RenderScope scope(log, window);
        layout::LogLayout& L = log.layout.format;
        start = FitTallImageStart(format, start, end, step, L.pixelsPerStep, header ? L.imageHeaderRows : 0);
        BandedImage image = ImageOf(L, (end - start) / step, header, window);
        if (!FitsItsFormat(image, format, L, header)) {
            code = platform::IMAGE_NO_MEMORY;
        } else {
            path = ImageFolder(log) + ImageFileName(f.wellName, start, end, ImageScale::FiveInch, format);
            LogImageOutput out({path, format, image.width, image.height, bits, scope.Dpi300(), compression != 0});
            const std::optional<int> drawn = DrawLogImageInBands(log, out, image, start, bits, header);
            if (!drawn) {
                platform::MessageBox(QStringLiteral("Memory Allocation Error"), kError);
                return {};
            }
            code = *drawn;
        }
    }
    const QString note = start == asked ? QString()
                                        : QStringLiteral("\nA %1 image holds at most %2 pixels: it starts at %3.")
                                              .arg(ImageTypeText(format).toUpper())
                                              .arg(kTallestImage)
                                              .arg(start);
    Report(log, code, path, format, QStringLiteral("FILE HAS BEEN SAVED TO\n%1\nTO SAVE TO ANOTHER LOCATION CLICK OK"),
           note);
    return code == platform::IMAGE_OK ? path : QString();
}

QString RenderImage1in2in(app::LogState& log, const ImageWindow& window, std::int32_t start, std::int32_t end,
                          int format, int colours, int compression, bool header)
{
    wellfile::OpenWell& f = log.well.file;
    const std::int32_t step = std::max(f.depthStep, 1);
    const ImageScale scale = ImageScaleOf(log.view.viewScale);
    const ImageInterval range = CompressedImageInterval(format, start, end, f.fileTopDepth, f.fileBottomDepth,
                                                        log.layout.format.pixelsPerStep);
    if (range.end <= range.start) {
        platform::MessageBox(QStringLiteral("The file is too short for an image at this scale"), kError);
        return {};
    }
    const int bits = ImageBits(colours);
    QString path;
    int code = platform::IMAGE_OK;
    {
        RenderScope scope(log, window);
        const layout::LogLayout& L = log.layout.format;
        const int R = L.pixelsPerStep;
        const std::vector<std::int32_t> rowDepths = CompressedRowDepths(scale, range.start, range.end);
        const int rows = int(rowDepths.size());
        // From five records above at the 1in scale, for the mud weights five back.
        const std::int32_t from = std::max(range.start - (scale == ImageScale::OneInch ? 5 * step : 0), f.fileTopDepth);
        const int count = (range.end - from) / step + 10;
        std::vector<wellfile::RECORD> records;
        try {
            records.resize(std::size_t(count) + 10);
        } catch (const std::bad_alloc&) {
            platform::MessageBox(QStringLiteral("Not enough memory to draw log"), kError);
            return {};
        }
        const int read = wellfile::ReadRecords(f, records, f.dataFileName, (from - f.fileTopDepth) / step, count);
        records.resize(std::size_t(std::max(read, 0)) + 1);

        BandedImage image = ImageOf(L, rows, header, window);
        if (!FitsItsFormat(image, format, L, header)) {
            code = platform::IMAGE_NO_MEMORY;
        } else {
            const logview::Device device = ImageDevice(bits);
            logview::RateCurveMemory memory;
            // Each band from the depth line above its first row; each row drawn as its last record.
            const auto paint = [&](platform::Dc& dc, const ImageBand& b) {
                const std::int32_t top = b.firstRow == 0 ? range.start : rowDepths[std::size_t(b.firstRow) - 1];
                f.viewTopDepth = top;
                logview::ViewGeometry g = ImageGeometry(log, top, b.rowCount, image.originY + b.firstRow * R, image.height);
                g.scaleIndex = 1;
                memory = log.view.rateCurve;
                CompressedImage part{g, device, logview::StripsOf(log), logview::PaintersOf(log)};
                part.records = records;
                part.firstDepth = from;
                part.depthStep = step;
                part.rowDepths.assign(rowDepths.begin() + b.firstRow, rowDepths.begin() + b.firstRow + b.rowCount);
                part.curve.memory = &memory;
                part.depthColumn = logview::DepthColumnOptionsOf(log);
                if (header && b.top < image.originY)
                    part.trackTitles = [&log, &part, width = image.width](platform::Dc& d) {
                        logview::PaintTrackTitles(log, d, width, part.painters);
                    };
                DrawCompressedImage(dc, part);
                return true;
            };
            path = ImageFolder(log) + ImageFileName(f.wellName, range.start, range.end, scale, format);
            LogImageOutput out({path, format, image.width, image.height, bits, false, compression != 0});
            code = DrawImageInBands(out, image, paint).value_or(platform::IMAGE_NO_MEMORY);
        }
    }
    Report(log, code, path, format, QStringLiteral("FILE HAS BEEN SAVED TO\n%1\n TO SAVE TO ANOTHER LOCATION CLICK OK"),
           QString());
    return code == platform::IMAGE_OK ? path : QString();
}

void SaveImageAs(app::LogState& log, const QString& path, int format)
{
    const wellfile::OpenWell& f = log.well.file;
    const auto& viewing = log.witsChart.viewingStation;
    platform::FileDialogRequest request;
    request.title = QStringLiteral("SAVE IMAGE AS");
    request.filter = ImageSaveFilter(format);
    request.defaultExt = ImageTypeText(format);
    request.folder = viewing[0] || viewing[1] || f.dataFolder.isEmpty() ? QDir::homePath() : f.dataFolder;
    request.fileName = path;
    const std::optional<QString> chosen = platform::services().prompter->SaveFileName(request);
    if (!chosen || chosen->isEmpty())
        return;
    QString target = *chosen;
    if (QFileInfo(target).suffix().isEmpty())
        target += ImageExtension(format);
    if (QFileInfo(target).absoluteFilePath() == QFileInfo(path).absoluteFilePath())
        return;
    const platform::WaitCursor wait;
    if (!wellfile::CopyFileReplacing(path, target))
        platform::MessageBox(QStringLiteral("Copy Failed, file can be still opened or copied from the StrativM Dir \n") + path,
                             target);
}

void ElogWindowServices::CmSaveAsImage(app::LogState& log)
{
    ImageWindow window;
    window.parent = window_;
    window.setLogFormat = setLogFormat;
    window.buildGridBitmaps = buildGridBitmaps;
    elog::CmSaveAsImage(log, window);
}

}  // namespace elog
