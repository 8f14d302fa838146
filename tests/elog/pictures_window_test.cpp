// The pictures on a real main window: the demo well's pictures are marked beside the rate track and a
// click on a marker opens the picture; opening a well takes the photographs of its data folder in, the
// quick bar's "Pics On" draws them on the log, and Save As takes them to the new name.
#include "elog/elog_services.h"
#include "logview/geometryof.h"
#include "shell/ui/logwindow.h"
#include "shell/ui/qbtndlg.h"
#include "support/demowindow.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

using testing_support::doubles;

namespace {

std::optional<QPoint> FindColour(const QImage& image, QRgb colour, int left, int right, int top, int bottom)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                return QPoint(x, y);
    return std::nullopt;
}

int ClientTop(shell::LogWindow& w)
{
    return w.menuWidget() && w.menuWidget()->isVisible() ? w.menuWidget()->height() : 0;
}

void ClickAt(shell::LogWindow& w, QPoint p)
{
    QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, QPoint(p.x(), p.y() + ClientTop(w)));
    QCoreApplication::processEvents();
}

TEST(PicturesWindow, TheDemoPicturesAreMarkedAndAClickOnAMarkerOpensItsPicture)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    app::LogState& s = window.State();
    ASSERT_TRUE(s.pictures.loaded);
    ASSERT_EQ(s.pictures.all.size(), 3u);
    EXPECT_TRUE(s.view.picturesPresent);
    EXPECT_FALSE(s.view.picturesShown);
    // Their resolution is their own, not the screen's: the tool writes the same files.
    EXPECT_EQ(qRound(QImage(s.pictures.folder + "elogdemo@1604.jpg").dotsPerMeterX() * 0.0254), 96);

    s.well.file.viewTopDepth = 1590;
    window.PaintLog();
    const logview::ViewGeometry g = logview::GeometryOf(s);
    const int B = g.rate.Right(), y1604 = (1604 - 1590) * g.rowHeight + g.topMargin - g.rowHeight;
    const std::optional<QPoint> blue =
        FindColour(window.BackingStore(), qRgb(0, 128, 255), B - 2 * g.unitWidth, B, y1604, y1604 + 2 * g.rowHeight);
    ASSERT_TRUE(blue);
    ClickAt(window, *blue);
    ASSERT_EQ(doubles().shell.opened.size(), 1);
    EXPECT_EQ(doubles().shell.opened[0].program, s.pictures.folder + "elogdemo@1604.jpg");
    EXPECT_EQ(s.pictures.folder, s.well.file.dataFolder + "bitmaps/elogdemo/");

    // No program for it: the message names the picture. (The click column is the markers' last two rows'
    // width, the wider orange box's right part.)
    doubles().shell.openFails = true;
    const int y1620 = (1620 - 1590) * g.rowHeight + g.topMargin - g.rowHeight;
    const std::optional<QPoint> orange =
        FindColour(window.BackingStore(), qRgb(255, 128, 0), B - 2 * g.rowHeight, B, y1620, y1620 + 15);
    ASSERT_TRUE(orange);
    ClickAt(window, *orange);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_TRUE(doubles().prompter.messages[0].text.contains("elogdemo-ISO@1620.jpg"));
}

TEST(PicturesWindow, OpeningAWellTakesItsPhotographsInAndPicsOnDrawsThem)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    app::LogState& s = window.State();
    const QString folder = s.well.file.dataFolder;
    const QString path = testing_support::MakeWell(folder, "W1.svm", 1000, 1500);
    QImage photo(400, 300, QImage::Format_RGB32);
    photo.fill(qRgb(255, 0, 0));
    ASSERT_TRUE(photo.save(folder + "ISO1234.jpg", "JPG"));
    ASSERT_EQ(window.OpenDataFile(path), 1);
    EXPECT_TRUE(QFileInfo::exists(folder + "bitmaps/W1/W1-ISO@1234.JPG"));
    EXPECT_FALSE(QFileInfo::exists(folder + "ISO1234.jpg"));
    ASSERT_TRUE(s.pictures.loaded);

    window.EnsureQuickBar();
    auto* bar = qobject_cast<shell::QBTNDLG*>(window.Tools().quickBar.data());
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->Click(shell::QBTNDLG::ID_PICTURES));
    EXPECT_TRUE(s.view.picturesShown);
    s.well.file.viewTopDepth = 1200;
    window.PaintLog();
    // The photograph fills the lithology column's width eight rows above its row.
    const logview::ViewGeometry g = logview::GeometryOf(s);
    const int top = (1234 - 1200) * g.rowHeight + g.topMargin + g.rowHeight - 8 * g.rowHeight;
    const QRgb middle = window.BackingStore().pixel(g.lithology.left + g.lithology.Width() / 2, top + g.lithology.Width() / 2);
    EXPECT_GT(qRed(middle), 200);
    EXPECT_LT(qGreen(middle), 60);

    // Save As hands the well's picture folder on: the pictures follow the new name.
    elog::DefaultElogServices().ImportImagesFromFolder(s, folder + "bitmaps/", "W2");
    EXPECT_TRUE(QFileInfo::exists(folder + "bitmaps/W2/W2-ISO@1234.jpg"));
}

}  // namespace
