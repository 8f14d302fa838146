// The log image export: the interval and row rules, the writers' colours and compression as
// ImageMagick reads the files, and the command on the demo window with its dialogs, messages and copy.
#include "app/commandids.h"
#include "elog/draw/imageexport.h"
#include "elog/draw/imageoutput.h"
#include "elog/ui/imagecommand.h"
#include "elog/ui/imagedialog.h"
#include "layout/pentable.h"
#include "layout/ui/rangedialog.h"
#include "logview/geometryof.h"
#include "platform/draw/syscolors.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

using namespace elog;
using platform::Dialog;

namespace {

QString Identify(const QString& path, const char* format)
{
    QProcess p;
    p.start("identify", {"-format", format, path + "[0]"});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// An image taller than ImageMagick's limits, as Qt reads it.
QImage ReadTall(const QString& path)
{
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(0);
    QImage image = QImageReader(path).read();
    QImageReader::setAllocationLimit(limit);
    return image;
}

// The process's peak resident memory in kB since the last reset (Linux keeps it in VmHWM).
long long PeakKb(bool reset)
{
    if (reset)
        std::ofstream("/proc/self/clear_refs") << "5";
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stoll(line.substr(6));
    return 0;
}

int CountColour(const QImage& image, const QRect& box, QRgb colour)
{
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

TEST(ImageRules, IntervalsOfTheThreeScales)
{
    // 5in: a JPEG longer than 6,000 units starts 6,000 above the end, other formats keep the start, and
    // no start lies before the file.
    EXPECT_EQ(DefaultImageStart(IMAGE_JPG, 0, 1000, 8000), 2000);
    EXPECT_EQ(DefaultImageStart(IMAGE_PNG, 0, 1000, 8000), 1000);
    EXPECT_EQ(DefaultImageStart(IMAGE_JPG, 3, 1000, 8000), 1000);
    EXPECT_EQ(ExportImageStart(IMAGE_JPG, 0, 1000, 8000, 1000), 2000);
    EXPECT_EQ(ExportImageStart(IMAGE_PNG, 1, 1000, 8000, 1000), 1000);
    EXPECT_EQ(ExportImageStart(IMAGE_PNG, 1, 900, 1100, 1000), 1000);
    // Rows of 10 fit; rows of 30 do not: (rows + 20 + 62) x 30 <= 65,500 leaves 2,101 rows.
    EXPECT_EQ(FitTallImageStart(IMAGE_JPG, 2000, 8000, 1, 10, 62), 2000);
    EXPECT_EQ(FitTallImageStart(IMAGE_GIF, 2000, 8000, 1, 30, 62), 8000 - 2101);
    EXPECT_LE((8000 - FitTallImageStart(IMAGE_GIF, 2000, 8000, 1, 30, 62) + 20 + 62) * 30, kTallestImage);
    EXPECT_EQ(FitTallImageStart(IMAGE_PNG, 2000, 8000, 1, 30, 62), 2000);

    // 1in and 2in: the end to a multiple of 10, the start within first + 10 .. last - 200, then up to a
    // multiple of 10.
    ImageInterval r = CompressedImageInterval(IMAGE_PNG, 1003, 1997, 1000, 2600, 10);
    EXPECT_EQ(r.start, 1010);
    EXPECT_EQ(r.end, 1990);
    EXPECT_EQ(CompressedImageInterval(IMAGE_PNG, 2500, 2600, 1000, 2600, 10).start, 2400);
    EXPECT_EQ(CompressedImageInterval(IMAGE_PNG, 1234, 2600, 1000, 2600, 10).start, 1240);
    // A JPEG or GIF ends while (end - start) / 2 x R is at most 65,000.
    r = CompressedImageInterval(IMAGE_GIF, 1010, 8000, 1000, 8000, 30);
    EXPECT_EQ(r.end, 1010 + 4330);
    EXPECT_EQ(CompressedImageInterval(IMAGE_TIF, 1010, 8000, 1000, 8000, 30).end, 8000);

    // 1in: five records a row. 2in: two after a multiple of 10, then three and two in turn.
    const auto one = CompressedRowDepths(ImageScale::OneInch, 1010, 1990);
    ASSERT_EQ(one.size(), 196u);
    EXPECT_EQ(one[1], 1020);
    const auto two = CompressedRowDepths(ImageScale::TwoInch, 1010, 1990);
    ASSERT_EQ(two.size(), 392u);
    EXPECT_EQ(std::vector<std::int32_t>(two.begin(), two.begin() + 6), (std::vector<std::int32_t>{1012, 1015, 1017, 1020, 1022, 1025}));
    EXPECT_EQ(two.back(), 1990);

    EXPECT_EQ(ImageFileName("W1", 1000, 1100, ImageScaleOf(1), IMAGE_PNG), "W1@1000-1100-5in.png");
    EXPECT_EQ(ImageFileName("W1", 1010, 1990, ImageScaleOf(4), IMAGE_JPG), "W1@1010-1990-2in.jpg");
    EXPECT_TRUE(ImageSaveFilter(IMAGE_GIF).startsWith("GIF Files (*.gif)|*.GIF|BMP Files (*.bmp)|*.BMP|"));
}

// Bands of a 24-bit drawing leave on an exact palette, written once the last row is known; when the
// colours pass 256 the output asks for the rows again and maps them onto the colour cube.
TEST(ImageRules, ColoursPastAnExactPaletteAreDrawnAgainOntoTheCube)
{
    QImage band(20, 10, QImage::Format_RGB32);
    auto paint = [&](int first) {  // 200 colours a band, from colour `first` on
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 20; ++x)
                band.setPixel(x, y, qRgb((first + y * 20 + x) % 256, (first + y * 20 + x) / 256, 7));
    };
    const QString path = QDir::tempPath() + "/strativm-palette.png";
    LogImageOutput out({path, IMAGE_PNG, 20, 20, 24, false, false});
    ASSERT_EQ(out.Start(), platform::IMAGE_OK);
    paint(0);
    ASSERT_EQ(out.Take(band, 0, 10), platform::IMAGE_OK);
    EXPECT_FALSE(out.Again());
    paint(200);
    ASSERT_EQ(out.Take(band, 0, 10), platform::IMAGE_OK);
    ASSERT_TRUE(out.Again());
    for (int first : {0, 200}) {
        if (first == 0) {
            ASSERT_EQ(out.Start(), platform::IMAGE_OK);
        }
        paint(first);
        ASSERT_EQ(out.Take(band, 0, 10), platform::IMAGE_OK);
    }
    ASSERT_EQ(out.Finish(), platform::IMAGE_OK);
    const QImage back(path);
    EXPECT_EQ(back.format(), QImage::Format_Indexed8);
    // The cube's six steps of 51 a channel: (245, 0, 7) and (143, 1, 7) are nearest (255, 0, 0), (153, 0, 0).
    EXPECT_EQ(back.pixel(5, 12), qRgb(255, 0, 0));
    EXPECT_EQ(back.pixel(19, 19), qRgb(153, 0, 0));
    QFile::remove(path);
}

class ImageExportWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testing_support::ShowDemoWindow(window));
        folder = S().well.file.dataFolder + "bitmaps/" + S().well.file.wellName + "/";
        doubles().prompter.messages.clear();
    }
    void TearDown() override
    {
        doubles().prompter.answers.clear();
        doubles().prompter.fileAnswers.clear();
        Dialog::ClearTestScripts();
    }
    app::LogState& S() { return window.State(); }
    testing_support::Doubles& doubles() { return testing_support::doubles(); }
    // Runs the command with the dialog choices of `dialog` over from..to; the message is answered Cancel.
    void Run(std::function<void(Dialog&)> dialog, const QString& from, const QString& to)
    {
        Dialog::QueueTestScript(std::move(dialog));
        Dialog::QueueTestScript([from, to](Dialog& d) {
            d.SetText(layout::rangeid::Start, from);
            d.SetText(layout::rangeid::Stop, to);
            d.Click(platform::IDOK);
        });
        doubles().prompter.answers.push_back(platform::IDCANCEL);
        ASSERT_TRUE(window.EvCommand(app::cmd::SaveAsImage));
    }
    static std::function<void(Dialog&)> Choose(int format, int colours, bool lzw, bool dpi300 = false)
    {
        return [=](Dialog& d) {
            d.SetSelIndex(imageid::Type, format);
            d.Command(imageid::Type, platform::CBN_SELCHANGE);
            d.Click(colours == IMAGE_GREY ? imageid::Grey : colours == IMAGE_BLACK_WHITE ? imageid::BlackWhite : imageid::Colour);
            d.Click(lzw ? imageid::Lzw : imageid::NoCompression);
            if (dpi300)
                d.Click(imageid::Dpi300);
            d.Click(platform::IDOK);
        };
    }
    QString Name(int from, int to, const char* scale, const char* ext)
    {
        return folder + QStringLiteral("%1@%2-%3-%4.%5").arg(S().well.file.wellName).arg(from).arg(to).arg(scale, ext);
    }

    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString folder;
};

// The dialog as it opens and as the type changes it; a colour PNG with the header through the command,
// its size, palette, rows and the copy elsewhere; then the same at 300 dpi.
TEST_F(ImageExportWindow, ColourPngWithHeaderAndItsCopy)
{
    ASSERT_EQ(S().well.file.fileTopDepth, 1000);
    const layout::LogLayout before = S().layout.format;
    const int R = before.pixelsPerStep, U = before.trackUnit, H = before.imageHeaderRows;
    Dialog::QueueTestScript([](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Strativ Save As Image");
        EXPECT_EQ(d.GetCount(imageid::Type), 5);
        EXPECT_EQ(d.GetString(imageid::Type, d.GetSelIndex(imageid::Type)), "tif");
        EXPECT_EQ(d.GetCheck(imageid::Colour) + d.GetCheck(imageid::NoCompression) + d.GetCheck(imageid::Res5), 3);
        EXPECT_TRUE(d.Control(imageid::Res5)->isHidden());
        d.SetSelIndex(imageid::Type, IMAGE_PNG);
        d.Command(imageid::Type, platform::CBN_SELCHANGE);
        EXPECT_FALSE(d.IsEnabled(imageid::Lzw));
        EXPECT_EQ(d.GetCheck(imageid::Lzw), 0);
        d.SetSelIndex(imageid::Type, IMAGE_TIF);
        d.Command(imageid::Type, platform::CBN_SELCHANGE);
        EXPECT_TRUE(d.IsEnabled(imageid::Lzw));
        EXPECT_EQ(d.GetCheck(imageid::Lzw), 1);
        d.SetSelIndex(imageid::Type, IMAGE_PNG);
        d.Command(imageid::Type, platform::CBN_SELCHANGE);
        d.Click(platform::IDOK);
    });
    Dialog::QueueTestScript([](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Enter Interval");
        EXPECT_EQ(d.GetText(layout::rangeid::StartLabel), "From");
        EXPECT_EQ(d.GetText(layout::rangeid::Start), "1000");
        EXPECT_EQ(d.GetText(layout::rangeid::Stop), "2600");
        d.SetText(layout::rangeid::Stop, "1100");
        d.Click(platform::IDOK);
    });
    doubles().prompter.answers.push_back(platform::IDOK);
    const QString copy = QDir::tempPath() + "/strativm-image-copy";
    QFile::remove(copy + ".png");
    doubles().prompter.fileAnswers.push_back(copy);
    ASSERT_TRUE(window.EvCommand(app::cmd::SaveAsImage));

    const QString png = Name(1000, 1100, "5in", "png");
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_EQ(doubles().prompter.messages.back().text,
              "FILE HAS BEEN SAVED TO\n" + png + "\nTO SAVE TO ANOTHER LOCATION CLICK OK");
    EXPECT_EQ(doubles().prompter.messages.back().caption, "SAVE IMAGE AS");
    ASSERT_EQ(doubles().prompter.fileRequests.size(), 1);
    EXPECT_EQ(doubles().prompter.fileRequests[0].folder, S().well.file.dataFolder);
    EXPECT_TRUE(doubles().prompter.fileRequests[0].filter.startsWith("PNG Files (*.png)|*.PNG|"));
    EXPECT_EQ(testing_support::ReadBytes(copy + ".png"), testing_support::ReadBytes(png));  // the extension added

    QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), LogImageWidth(before.logRight, U, before.gasRight, R, true));
    EXPECT_EQ(image.height(), (100 + 20 + H) * R);
    EXPECT_EQ(Identify(png, "%r"), "PseudoClass sRGB");
    // The grid rows run from the header's foot to one row below the last record; below them only paper.
    const int origin = H * R + before.logAreaTop;
    auto inkIn = [&](int y) {
        int ink = 0;
        for (int x = before.rate.left + 1; x < before.rate.Right(); ++x)
            ink += image.pixel(x, y) != qRgb(255, 255, 255);
        return ink;
    };
    EXPECT_GT(inkIn(origin + 50 * R + R / 2), 0);
    EXPECT_EQ(inkIn(origin + 103 * R + R / 2), 0);
    // The header page fills the band above the rows.
    int headerInk = 0;
    for (int y = 5; y < origin - 5; y += 3)
        for (int x = 5; x < image.width() - 10; x += 3)
            headerInk += image.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(headerInk, 100);

    // 300 dpi: rows of 30, unit width 22, written at 24 bits; the window's layout and flag as before.
    Run(Choose(IMAGE_PNG, IMAGE_COLOUR, false, true), "1000", "1100");
    const QImage fine(png);
    EXPECT_EQ(fine.height(), (100 + 20 + H) * 30);
    EXPECT_GE(fine.width(), 100 * 22);
    EXPECT_EQ(Identify(png, "%r").section(' ', 0, 0), "DirectClass");
    EXPECT_EQ(S().layout.format.pixelsPerStep, R);
    EXPECT_EQ(S().layout.format.trackUnit, U);
    EXPECT_EQ(S().layout.format.logRight, before.logRight);
    EXPECT_FALSE(S().scroll.imageDpi300);
    EXPECT_FALSE(S().scroll.renderingImage || S().scroll.imageRender);
    QFile::remove(copy + ".png");
}

// Compression only for TIFF (LZW in colour, Group 4 in black and white), JPEG at quality 80, grey and
// black-and-white depths, and the end not above the start taking the last depth.
TEST_F(ImageExportWindow, ColoursAndCompressionOfEachFormat)
{
    struct Case {
        int format, colours;
        bool lzw;
        const char* ext;
        const char* compression;
        const char* depth;
    };
    for (const Case& c : {Case{IMAGE_TIF, IMAGE_COLOUR, true, "tif", "LZW", "8"}, Case{IMAGE_TIF, IMAGE_BLACK_WHITE, true, "tif", "Group4", "1"},
                          Case{IMAGE_TIF, IMAGE_GREY, false, "tif", "None", "8"}, Case{IMAGE_BMP, IMAGE_GREY, true, "bmp", "None", "8"},
                          Case{IMAGE_GIF, IMAGE_BLACK_WHITE, false, "gif", "LZW", "8"}}) {
        Run(Choose(c.format, c.colours, c.lzw), "1000", "1040");
        const QString path = Name(1000, 1040, "5in", c.ext);
        ASSERT_TRUE(QFile::exists(path)) << c.ext;
        EXPECT_EQ(Identify(path, "%C"), c.compression) << c.ext << c.colours;
        EXPECT_EQ(Identify(path, "%z"), c.depth) << c.ext << c.colours;
        if (c.format == IMAGE_TIF && c.colours == IMAGE_GREY) {
            EXPECT_EQ(Identify(path, "%[colorspace]"), "Gray");
        }
        if (c.colours == IMAGE_BLACK_WHITE) {
            EXPECT_EQ(Identify(path, "%k"), "2") << c.ext;  // black and white only
        }
        QFile::remove(path);
    }
    Run(Choose(IMAGE_JPG, IMAGE_COLOUR, true), "2550", "2500");
    const QString jpg = Name(2550, 2600, "5in", "jpg");
    ASSERT_TRUE(QFile::exists(jpg));
    EXPECT_EQ(Identify(jpg, "%Q"), "80");
}

// 1in and 2in: the interval moved to multiples of 10 within the file, 196 and 392 rows for 1010-1990.
TEST_F(ImageExportWindow, CompressedScalesHoldTheWholeInterval)
{
    const int R = S().layout.format.pixelsPerStep, H = S().layout.format.imageHeaderRows;
    S().view.viewScale = 3;
    const ImageWindow w;
    doubles().prompter.answers = {platform::IDCANCEL, platform::IDCANCEL, platform::IDCANCEL};
    EXPECT_EQ(RenderImage5in(S(), w, 1003, 1997, IMAGE_PNG, IMAGE_COLOUR, 0, true), Name(1010, 1990, "1in", "png"));
    EXPECT_EQ(QImage(Name(1010, 1990, "1in", "png")).height(), (196 + 20 + H) * R);
    EXPECT_EQ(doubles().prompter.messages.back().text,
              "FILE HAS BEEN SAVED TO\n" + Name(1010, 1990, "1in", "png") + "\n TO SAVE TO ANOTHER LOCATION CLICK OK");
    EXPECT_EQ(RenderImage5in(S(), w, 2500, 2600, IMAGE_PNG, IMAGE_COLOUR, 0, true), Name(2400, 2600, "1in", "png"));
    S().view.viewScale = 4;
    const QString two = RenderImage5in(S(), w, 1003, 1997, IMAGE_PNG, IMAGE_COLOUR, 0, true);
    ASSERT_EQ(two, Name(1010, 1990, "2in", "png"));
    const QImage image(two);
    EXPECT_EQ(image.height(), (392 + 20 + H) * R);
    // The grid strips reach the interval's last row and stop a few rows below it.
    const int origin = H * R + S().layout.format.logAreaTop;
    const int x = S().layout.format.rate.left + 1;
    int lastInk = 0;
    for (int y = origin; y < image.height() - 1; ++y)
        if (image.pixel(x, y) != qRgb(255, 255, 255))
            lastInk = y;
    EXPECT_GE(lastInk, origin + 391 * R);
    EXPECT_LT(lastInk, origin + 398 * R);
    EXPECT_FALSE(S().scroll.renderingImage);
}

// Drawn in bands of 30 rows the image is the image drawn whole, pixel for pixel, at 5in and at 2in: the
// memos, pictures, short reports, tops and custom tracks that cross a band's edge included. The flare
// outline's edge line, which a paint draws down the flare column only while it holds a flare, is drawn
// as on the screen: in the bands that hold one.
TEST_F(ImageExportWindow, BandsGiveTheWholeImagesPixels)
{
    ASSERT_TRUE(testing_support::ShowDemoCustomTracks(window));
    S().view.picturesShown = true;
    const logview::ViewGeometry g = logview::GeometryOf(S());
    const int flareEdge = g.gasRight - 10 * g.gas.cell;
    ImageWindow whole, bands;
    whole.bandPixels = 1LL << 40;
    bands.bandPixels = 30LL * g.rowHeight * std::max(g.logWidth, 100 * g.unitWidth);
    for (int scale : {1, 4}) {
        S().view.viewScale = scale;
        doubles().prompter.answers = {platform::IDCANCEL, platform::IDCANCEL};
        const QString path = RenderImage5in(S(), whole, 1000, 2600, IMAGE_PNG, IMAGE_COLOUR, 0, true);
        QImage one = QImage(path).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(RenderImage5in(S(), bands, 1000, 2600, IMAGE_PNG, IMAGE_COLOUR, 0, true), path);
        QImage many = QImage(path).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(one.size(), many.size());
        ASSERT_GT(one.width(), flareEdge);
        int different = 0;
        for (int y = 0; y < one.height(); ++y) {
            one.setPixel(flareEdge, y, 0);
            many.setPixel(flareEdge, y, 0);
            different += std::memcmp(one.constScanLine(y), many.constScanLine(y), std::size_t(one.bytesPerLine())) != 0;
        }
        EXPECT_EQ(different, 0) << "scale " << scale;
    }
}

// The gas track of the image is the screen's: the same pixels of the total gas and of each chromatograph
// component, drawn by the same painters; and the header page's legend of the gas curves is whole.
TEST_F(ImageExportWindow, TheGasTrackIsTheScreens)
{
    const layout::LogLayout& L = S().layout.format;
    const int R = L.pixelsPerStep, U = L.trackUnit, rows = 50;
    S().view.viewScale = 1;
    S().well.file.viewTopDepth = 1580;
    window.PaintLog();
    const QImage screen = window.BackingStore().copy();
    const logview::ViewGeometry g = logview::GeometryOf(S());
    doubles().prompter.answers = {platform::IDCANCEL};
    const QImage image(RenderImage5in(S(), {}, 1580, 1680, IMAGE_PNG, IMAGE_COLOUR, 0, true));
    ASSERT_FALSE(image.isNull());
    // Row k shows depth 1581 + k: on the screen from the log's top, in the image below the header page
    // (whose title box covers the first rows).
    const int origin = L.imageHeaderRows * R + L.logAreaTop;
    const QRect onScreen(L.gas.left + 1, L.logAreaTop + 10 * R, L.gas.Width() - 2, rows * R);
    const QRect inImage(L.gas.left + 1, origin + 10 * R, L.gas.Width() - 2, rows * R);
    const QRect legend(L.gasRight - 10 * U, 0, image.width() - 1 - (L.gasRight - 10 * U), origin - 2 * R);
    for (int entry = layout::PEN_TG; entry <= layout::PEN_NC5; ++entry) {
        const platform::COLORREF c = platform::ResolveColor(g.pens.table[std::size_t(entry)].colour);
        const QRgb pen = qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
        const int drawn = CountColour(screen, onScreen, pen);
        EXPECT_GT(drawn, 10) << "pen " << entry;
        EXPECT_EQ(CountColour(image, inImage, pen), drawn) << "pen " << entry;
        // Its name and a sample of its pen ten units long, clear of the image's edge.
        EXPECT_GE(CountColour(image, legend, pen), 10 * U) << "legend, pen " << entry;
        if (pen != qRgb(0, 0, 0)) {  // the page's frame is black
            EXPECT_EQ(CountColour(image, QRect(image.width() - 3, 0, 2, origin), pen), 0) << "legend, pen " << entry;
        }
    }
}

// A whole well of 1000-9000 at 5in is one PNG, far taller than an image held whole, written as it is
// drawn in bands; the memory it takes stays that of a band.
TEST_F(ImageExportWindow, AWholeLongWellIsOneFileDrawnInBands)
{
    ASSERT_EQ(window.OpenDataFile(testing_support::MakeWell(S().well.file.dataFolder, "Deep.svm", 1000, 9000)), 1);
    const layout::LogLayout& L = S().layout.format;
    const int R = L.pixelsPerStep, H = L.imageHeaderRows, U = L.trackUnit;
    const int width = LogImageWidth(L.logRight, U, L.gasRight, R, true), height = (8000 + 20 + H) * R;
    doubles().prompter.answers = {platform::IDCANCEL};
    const long long before = PeakKb(true);
    const QString png = RenderImage5in(S(), {}, 1000, 9000, IMAGE_PNG, IMAGE_COLOUR, 0, true);
    const long long peak = PeakKb(false);
    const long long wholeKb = (long long)width * height * 4 / 1024;
    std::cout << "[ image ] 1000-9000 at 5in: " << width << " x " << height << " px; peak resident memory "
              << peak / 1024 << " MB (" << (peak - before) / 1024 << " MB above the start; the image held whole: "
              << wholeKb / 1024 << " MB)" << std::endl;
    ASSERT_EQ(png, S().well.file.dataFolder + "bitmaps/Deep/Deep@1000-9000-5in.png");
    EXPECT_LT(peak - before, wholeKb / 2);
    // Every chunk and the compressed rows whole, as libpng's own checker reads them.
    QProcess check;
    check.start("pngfix", {png});
    ASSERT_TRUE(check.waitForFinished(300000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardError().toStdString();
    const QImage image = ReadTall(png);
    ASSERT_EQ(image.size(), QSize(width, height));
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);  // the 256-colour copy
    // The grid down to the row below 9000, then paper, and the frame at the foot.
    const int origin = H * R + L.logAreaTop;
    auto paper = [&](int y) { return CountColour(image, QRect(L.rate.left + 1, y, L.rate.Width() - 2, 1), qRgb(255, 255, 255)); };
    EXPECT_LT(paper(origin + 7995 * R + R / 2), L.rate.Width() - 2) << "grid at depth 8996";
    EXPECT_EQ(paper(origin + 8002 * R + R / 2), L.rate.Width() - 2) << "paper below the last row";
    EXPECT_EQ(image.pixel(width / 2, height - 1), qRgb(0, 0, 0)) << "the frame";
}

// Failures: a file that cannot be written (no partial file, the library's code), a copy that cannot be
// made; every flag and the layout back as they were.
TEST_F(ImageExportWindow, FailuresSayWhyAndPutTheWindowBack)
{
    const ImageWindow w;
    const QString blocked = Name(1000, 1050, "5in", "png");
    QDir().mkpath(blocked);  // a folder where the file should go
    EXPECT_TRUE(RenderImage5in(S(), w, 1000, 1050, IMAGE_PNG, IMAGE_COLOUR, 0, true).isEmpty());
    EXPECT_TRUE(doubles().prompter.messages.back().text.startsWith("Error code= "));
    EXPECT_TRUE(doubles().prompter.messages.back().text.endsWith(", file save failed on\n" + blocked));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).filter("1050").size(), 0);
    QDir(blocked).removeRecursively();

    ASSERT_EQ(window.OpenDataFile(testing_support::MakeWell(S().well.file.dataFolder, "Long.svm", 1000, 4000)), 1);
    // A start before the file draws from its first depth.
    const QString png = RenderImage5in(S(), w, 900, 1020, IMAGE_PNG, IMAGE_COLOUR, 0, false);
    ASSERT_EQ(png, S().well.file.dataFolder + "bitmaps/Long/Long@1000-1020-5in.png");
    const QByteArray saved = testing_support::ReadBytes(png);
    doubles().prompter.fileAnswers.push_back(QDir::tempPath() + "/no-such-folder-for-images/copy.png");
    SaveImageAs(S(), png, IMAGE_PNG);
    EXPECT_EQ(doubles().prompter.messages.back().text,
              "Copy Failed, file can be still opened or copied from the StrativM Dir \n" + png);
    EXPECT_EQ(doubles().prompter.messages.back().caption, QDir::tempPath() + "/no-such-folder-for-images/copy.png");
    EXPECT_EQ(testing_support::ReadBytes(png), saved);
}

}  // namespace
