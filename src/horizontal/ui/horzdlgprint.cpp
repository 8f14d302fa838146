// HorzDlg's printing and pictures: the page the log printout asks for, and a picture opened from its box.
#include "horizontal/ui/horzdlg.h"

#include "app/logstate.h"
#include "elog/picturewindow.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/ui/pictureviewer.h"
#include "print/printstate.h"
#include "wellfile/printcfg.h"

#include <QDir>
#include <QFileInfo>

namespace horizontal {

int HorzDlg::StretchImageTo(platform::Dc& printer, wellfile::PRINTCFG& cfg, float rowHeight, int page)
{
    const print::PrintState& ps = log_.print;
    HorzPrintInput in;
    in.rowHeight = rowHeight;
    in.secondRowHeight = ps.rowHeight;
    in.screenHeight = log_.env.screenHeight;
    in.halveScale = ps.horizontalHalfScale;
    in.onePageLess = ps.horizontalPageLess;
    in.pageLength = cfg.pageLength;
    in.pixelsPerUnit = plot_.pixelsPerUnit;
    in.plotFirstDepth = plot_.plotFirstDepth;
    in.plotLastDepth = plot_.plotLastDepth;
    in.drawFrom = drawFrom_;
    in.plotLeft = plot_.plotLeft;
    in.drawHeader = headerShown_;
    in.imageWidth = plot_.width;
    in.imageHeight = plot_.height;
    plot_.printScaleKind = PrintScaleCode(in.pixelsPerUnit);
    if (page == 1)
        printAt_ = {};
    // The page's columns from the window when it holds them, else drawn for the page.
    const PlotColumns columns = [this](int left, int width) {
        if (!plot_.headerImage.isNull() && left + width <= plot_.headerImage.width())
            return plot_.headerImage.copy(left, 0, width, plot_.height);
        if (WindowHolds(plot_, left, width))
            return plot_.image.image.copy(left - plot_.imageLeft, 0, width, plot_.height);
        return RenderColumns(plot_, painters_, left, width);
    };
    const int left = horizontal::StretchImageTo(printer, columns, WindowWidth(plot_), in, cfg.startDepth, cfg.endDepth,
                                                printAt_, page);
    if (left == 0 && page == 1 && cfg.startDepth > cfg.endDepth)
        setFocus();
    return left;
}

QString HorzDlg::PicturesFolder() const
{
    if (!log_.pictures.folder.isEmpty())
        return log_.pictures.folder;
    elog::PictureTable table;
    return elog::SetImageFolder(table, elog::PicturePlaceOf(log_.well.file, log_.witsChart), false);
}

bool HorzDlg::LaunchPaintProgram(int k)
{
    const HorzPictureLists& lists = plot_.pictureList;
    if (k < 0 || k >= int(lists.inRange.size()))
        return false;
    const QString name = lists.inRange[std::size_t(k)].name;
    // A name with a folder part never reaches outside the pictures folder.
    const QString path = elog::SafePictureName(name) ? platform::FindFileNoCase(lists.folder, name) : QString();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        platform::MessageBox(QStringLiteral("%1 %2").arg(2).arg(QStringLiteral("ERROR_FILE_NOT_FOUND")), name);
        return false;
    }
    platform::Shell* shell = platform::services().shell;
    if (shell && shell->ShellOpen(QLatin1Char('"') + path + QLatin1Char('"'), QStringLiteral("open")))
        return true;
    // No program of the desktop takes it: said, and shown in the program's own viewer.
    const bool shown = platform::ShowPicture(this, path);
    QString text = QStringLiteral("No program could open the picture\n") + QDir::toNativeSeparators(path);
    if (shown)
        text += QStringLiteral("\nIt is shown in the program's own picture viewer.");
    platform::MessageBox(text, QStringLiteral("Pictures"), platform::MB_OK);
    return shown;
}

bool HorzDlg::OpenPictureAt(int x, int y) { return OpenPictureInImage(x + scroll_ - PlotLeft(), y); }

bool HorzDlg::OpenPictureInImage(int x, int y)
{
    if (plot_.pictureList.found.empty())
        return false;
    const int k = PictureBoxAt(plot_.pictureList.boxes, x, y);
    if (k < 0)
        return false;
    LaunchPaintProgram(k);
    return true;
}

}  // namespace horizontal
