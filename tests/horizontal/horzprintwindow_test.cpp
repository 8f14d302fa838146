// The horizontal view's pictures and printed pages through the program's own wiring: the deviated well
// opened in a real window, pictures in its pictures folder, the view opened by its menu command, and the
// print command with the set-up's "Horizontal" printing to a PDF read back with poppler.
#include "app/commandids.h"
#include "horizontal/draw/horzplot.h"
#include "horizontal/ui/horzdlg.h"
#include "platform/ui/dialog.h"
#include "print/printsetup.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/deviatedwell.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/pdfpages.h"
#include "support/printers.h"
#include "support/testmain.h"

#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>
#include <QFile>
#include <QLabel>

#include <gtest/gtest.h>

using horizontal::HorzDlg;
using testing_support::doubles;

namespace {

struct Well {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString pictures;
    Well()
    {
        testing_support::OpenNewWell(window, [](const QString& data) {
            return testing_support::MakeDeviatedWell(data, "H.svm", 1000, 1400);
        });
        S().env.screenWidth = 1920;
        S().env.screenHeight = 1080;
        pictures = S().well.file.dataFolder + "bitmaps/H/";
        QDir().mkpath(pictures);
    }
    app::LogState& S() { return window.State(); }
    void Picture(const QString& name) { testing_support::WriteBytes(pictures + name, "\xFF\xD8\xFF", 3); }
    HorzDlg* Open()
    {
        window.EvCommand(app::cmd::HorizontalView);
        return qobject_cast<HorzDlg*>(window.Tools().horzView.data());
    }
};

int Distance(QRgb a, platform::COLORREF b)
{
    return std::abs(qRed(a) - int(platform::GetRValue(b))) + std::abs(qGreen(a) - int(platform::GetGValue(b))) +
           std::abs(qBlue(a) - int(platform::GetBValue(b)));
}

// A pixel near `colour` within `d` pixels of (x, y).
bool NearColour(const QImage& image, int x, int y, platform::COLORREF colour, int d)
{
    for (int yy = y - d; yy <= y + d; ++yy)
        for (int xx = x - d; xx <= x + d; ++xx)
            if (image.valid(xx, yy) && Distance(image.pixel(xx, yy), colour) < 60)
                return true;
    return false;
}

}  // namespace

TEST(HorzPrintWindow, PicturesInRangeAreBoxedAndOpenFromTheirBox)
{
    Well w;
    w.Picture("H@1150-3.jpg");
    w.Picture("1200.JPG");
    w.Picture("notes.jpg");
    HorzDlg* view = w.Open();
    ASSERT_NE(view, nullptr);
    const horizontal::HorzPlot& plot = view->Plot();
    const horizontal::HorzPictureLists& lists = view->Pictures();
    ASSERT_EQ(lists.found.size(), 3u);
    EXPECT_EQ(lists.found[0].depth, 0);  // "notes.jpg" names no depth
    ASSERT_EQ(lists.inRange.size(), 2u);
    EXPECT_EQ(lists.inRange[0].name, "H@1150-3.jpg");
    ASSERT_EQ(lists.boxes.size(), 2u);

    // The box of 1150 sits on the path area's top at the depth's x, filled blue.
    const platform::RECT box = lists.boxes[0];
    const int x = plot.plotLeft + (1150 - plot.plotFirstDepth) * plot.pixelsPerUnit;
    EXPECT_EQ(box.left, x);
    EXPECT_EQ(box.bottom, plot.bands.pathTop);
    EXPECT_EQ(view->Image().pixel(x + 2, plot.bands.pathTop - 17) | 0xFF000000u, qRgb(0, 128, 255));

    // A click on the box asks the desktop to open the quoted full path.
    const int windowX = box.left + 3 - view->ScrollPosition() + view->PlotLeft();
    doubles().shell.opened.clear();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const QPointF at(windowX, box.top + 3);
        QMouseEvent e(type, at, view->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
        QCoreApplication::sendEvent(view, &e);
    }
    ASSERT_EQ(doubles().shell.opened.size(), 1);
    EXPECT_EQ(doubles().shell.opened[0].program, '"' + w.pictures + "H@1150-3.jpg" + '"');
    EXPECT_FALSE(view->OpenPictureAt(windowX, box.bottom + 5));

    // No program of the desktop takes it: said, and shown in the program's own viewer.
    QImage photo(64, 48, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    ASSERT_TRUE(photo.save(w.pictures + "H@1150-3.jpg", "JPG"));
    doubles().shell.openFails = true;
    doubles().prompter.messages.clear();
    EXPECT_TRUE(view->OpenPictureAt(windowX, box.top + 3));
    doubles().shell.openFails = false;
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_TRUE(doubles().prompter.messages[0].text.startsWith("No program could open the picture\n"));
    auto* shown = view->findChild<QLabel*>("Picture");
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->pixmap().size(), photo.size());
    shown->window()->close();
    doubles().shell.opened.clear();

    // Gone from the folder: said with the picture's name, nothing opened.
    QFile::remove(w.pictures + "H@1150-3.jpg");
    doubles().prompter.messages.clear();
    EXPECT_TRUE(view->OpenPictureAt(windowX, box.top + 3));
    EXPECT_TRUE(doubles().shell.opened.isEmpty());
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "2 ERROR_FILE_NOT_FOUND");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "H@1150-3.jpg");

    // A folder without pictures keeps the lists of the last listing.
    for (const QString& name : QDir(w.pictures).entryList(QDir::Files))
        QFile::remove(w.pictures + name);
    view->LoadAndDraw(0);
    EXPECT_EQ(view->Pictures().found.size(), 3u);
}

TEST(HorzPrintWindow, ThePrintCommandWithHorizontalPrintsTheViewImageSliceBySlice)
{
    Well w;
    // 375 dpi: row height 30; 8 inches high: page length 10.
    platform::PrinterDescription printer = testing_support::TestPrinter("Test PDF", "FILE:", 375, {8.5, 8});
    printer.outputFile.clear();
    doubles().printers.defaultPrinter = printer;
    HorzDlg* view = w.Open();
    ASSERT_NE(view, nullptr);
    view->resize(1000, 600);
    ASSERT_EQ(view->LoadAndDraw(0), 1);
    const QImage image = view->Image().copy();
    const horizontal::HorzPlot& plot = view->Plot();
    ASSERT_EQ(plot.pixelsPerUnit, 8);
    ASSERT_GT(image.width(), 2100);
    ASSERT_LT(image.height(), 1000);
    EXPECT_TRUE(print::HorizontalViewOf(w.S()).open);

    platform::Dialog::QueueTestScript([](platform::Dialog& d) {
        d.SetText(print::setupid::EndDepth, QStringLiteral("1400"));
        d.Click(platform::IDOK);
    });
    w.window.EvCommand(app::cmd::Print);
    const QStringList pdfs =
        QDir(w.S().well.file.dataFolder + "sendfile").entryList({QStringLiteral("*-horz.pdf")}, QDir::Files);
    ASSERT_EQ(pdfs.size(), 1);
    const QString pdf = w.S().well.file.dataFolder + "sendfile/" + pdfs[0];
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_EQ(doubles().prompter.messages.last().text, "The horizontal view was printed to\n" + pdf);
    ASSERT_GE(testing_support::PdfPageCount(pdf), 3);
    const QImage page = testing_support::RasterisePdf(pdf, 375, 2);
    ASSERT_FALSE(page.isNull());

    // Page 2 holds image columns 1,000 to 2,000, three printer pixels each, from 60 down at 2.7 a row.
    const int h = image.height();
    const int destHeight = int(h * 2.7f - 60);
    int checked = 0;
    for (const platform::POINT& p : plot.pathTrace) {
        if (p.x < 1100 || p.x >= 1900 || p.x % 100 != 0 || p.y <= 0 || p.y >= h)
            continue;
        const QRgb rgb = image.pixel(p.x, p.y);
        const platform::COLORREF colour = platform::RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
        const int x = 3 * (p.x - 1000);
        const int y = 60 + p.y * destHeight / h;
        EXPECT_TRUE(NearColour(page, x, y, colour, 3)) << p.x << "," << p.y;
        ++checked;
    }
    EXPECT_GE(checked, 4);
}
