// The image library: images saved in each format are read back by an independent reader (ImageMagick's
// identify); JPEGs made by ImageMagick are measured and loaded; saves that fail leave nothing behind.
#include "platform/draw/dc.h"
#include "platform/draw/imagelib.h"
#include "platform/draw/imagewriter.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using namespace platform;
using testing_support::TestDir;

namespace {

// Runs ImageMagick on `args` (30 s at most) and gives its standard output, trimmed.
QString Magick(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << p.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QString Identify(const QString& format, const QString& file) { return Magick("identify", {"-format", format, file}); }

// Colours of the log: the light-blue image background, the rate-track red, the gas green, the
// DST-mark green, the report yellow, and black lines.
constexpr COLORREF kLogColours[] = {RGB(223, 239, 255), RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 255, 0),
                                    RGB(255, 255, 0), RGB(0, 0, 0)};

// A 320 x 200 24-bit image in bands of the log colours with a black diagonal.
ImageDescriptor LogColours()
{
    ImageDescriptor d;
    EXPECT_EQ(allocimage(d, 320, 200, 24), IMAGE_OK);
    Dc dc(d.image);
    for (int i = 0; i < 5; ++i)
        dc.FillRect(RECT{i * 64, 0, (i + 1) * 64, 200}, Brush(kLogColours[i]));
    dc.MoveTo(0, 0);
    dc.LineTo(200, 200);
    return d;
}

}  // namespace

TEST(ImageLibrary, EachFormatIsReadBackWithItsFormatAndSize)
{
    const ImageDescriptor d = LogColours();
    const QString base = TestDir() + "log.";
    EXPECT_EQ(savebmp(base + "bmp", d, 0), 0);
    EXPECT_EQ(savejpg(base + "jpg", d, 80), 0);
    EXPECT_EQ(savetif(base + "tif", d, 0), 0);
    EXPECT_EQ(savepng(base + "png", d, 0), 0);
    EXPECT_EQ(savegif(base + "gif", d), 0);
    EXPECT_EQ(Identify("%m %w %h", base + "bmp"), "BMP3 320 200");  // ImageMagick's name for Windows BMP
    EXPECT_EQ(Identify("%m %w %h", base + "jpg"), "JPEG 320 200");
    EXPECT_EQ(Identify("%m %w %h", base + "tif"), "TIFF 320 200");
    EXPECT_EQ(Identify("%m %w %h", base + "png"), "PNG 320 200");
    EXPECT_EQ(Identify("%m %w %h", base + "gif"), "GIF 320 200");
    EXPECT_EQ(Identify("%Q", base + "jpg"), "80");
    // A compressed TIFF is still a TIFF of that size.
    EXPECT_EQ(savetif(base + "lzw.tif", d, 1), 0);
    EXPECT_EQ(Identify("%m %w %h %C", base + "lzw.tif"), "TIFF 320 200 LZW");
    // Lossless formats keep the colours exactly.
    EXPECT_EQ(Identify("%[pixel:p{10,100}]", base + "png"), "srgb(223,239,255)");
    EXPECT_EQ(Identify("%[pixel:p{300,100}]", base + "bmp"), "srgb(255,255,0)");
    // Nothing is left beside the files.
    EXPECT_EQ(QDir(TestDir()).entryList(QDir::Files).size(), 6);
}

TEST(ImageLibrary, GifOfFewColoursKeepsEachColourAndManyColoursAreReduced)
{
    const ImageDescriptor d = LogColours();
    const QString few = TestDir() + "few.gif";
    ASSERT_EQ(savegif(few, d), 0);
    EXPECT_EQ(Identify("%[pixel:p{10,100}]", few), "srgb(223,239,255)");
    EXPECT_EQ(Identify("%[pixel:p{70,10}]", few), "srgb(255,0,0)");
    EXPECT_EQ(Identify("%[pixel:p{140,10}]", few), "srgb(0,160,0)");
    EXPECT_EQ(Identify("%[pixel:p{200,150}]", few), "srgb(0,255,0)");
    EXPECT_EQ(Identify("%[pixel:p{300,10}]", few), "srgb(255,255,0)");
    EXPECT_EQ(Identify("%[pixel:p{50,50}]", few), "srgb(0,0,0)");

    // 320 x 200 distinct colours: the GIF is written from a reduced palette, each pixel near its colour.
    ImageDescriptor many;
    ASSERT_EQ(allocimage(many, 320, 200, 24), 0);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 320; ++x)
            many.image.setPixel(x, y, qRgb(x * 255 / 319, y * 255 / 199, (x + y) % 256));
    const QString lots = TestDir() + "many.gif";
    ASSERT_EQ(savegif(lots, many), 0);
    EXPECT_EQ(Identify("%m %w %h", lots), "GIF 320 200");
    EXPECT_LE(Identify("%k", lots).toInt(), 256);
    // Each channel goes to the nearest of six levels (0, 51, ... 255): (255, 0, 63) and (255, 255, 6).
    EXPECT_EQ(Identify("%[pixel:p{319,0}]", lots), "srgb(255,0,51)");
    EXPECT_EQ(Identify("%[pixel:p{319,199}]", lots), "srgb(255,255,0)");
}

TEST(ImageLibrary, PaletteCopyAndPixelCopiesKeepSizesAndColours)
{
    const ImageDescriptor d = LogColours();
    ImageDescriptor pal;
    ASSERT_EQ(allocimage(pal, 320, 200, 8), 0);
    ASSERT_EQ(convertrgbtopal(256, d, pal), 0);
    EXPECT_EQ(pal.image.format(), QImage::Format_Indexed8);
    EXPECT_EQ(pal.image.colorCount(), 6);
    EXPECT_EQ(pal.image.pixel(10, 100), qRgb(223, 239, 255));

    ImageDescriptor wrongSize, copy, small;
    ASSERT_EQ(allocimage(wrongSize, 100, 100, 8), 0);
    EXPECT_EQ(convertrgbtopal(256, d, wrongSize), IMAGE_SIZE_MISMATCH);
    EXPECT_EQ(convertrgbtopal(300, d, pal), IMAGE_BAD_COLOURS);
    ASSERT_EQ(allocimage(copy, 320, 200, 24), 0);
    EXPECT_EQ(copyimagebits(pal, copy), 0);
    EXPECT_EQ(copy.image.pixel(70, 10), qRgb(255, 0, 0));
    EXPECT_EQ(copy.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(copyimagebits(d, wrongSize), IMAGE_SIZE_MISMATCH);

    // Resizing to the destination's size; nearest pixel keeps the bands' colours.
    ASSERT_EQ(allocimage(small, 32, 20, 24), 0);
    EXPECT_EQ(resizeex(d, small, 0), 0);
    EXPECT_EQ(small.image.size(), QSize(32, 20));
    EXPECT_EQ(small.image.pixel(31, 0), qRgb(255, 255, 0));

    // Drawn on a Dc with its top left corner where asked.
    QImage target(400, 300, QImage::Format_RGB32);
    target.fill(Qt::white);
    Dc dc(target);
    EXPECT_EQ(viewimageex(dc, small, 50, 60), 0);
    EXPECT_EQ(target.pixel(50 + 31, 60), qRgb(255, 255, 0));
    EXPECT_EQ(target.pixel(50 + 32, 60), qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(49, 60), qRgb(255, 255, 255));
}

TEST(ImageLibrary, BadSizesAreRefusedAndAOneBitImageIsSaved)
{
    ImageDescriptor d;
    EXPECT_EQ(allocimage(d, 0, 10, 24), IMAGE_BAD_SIZE);
    EXPECT_EQ(allocimage(d, 10, kMaxImageSide + 1, 24), IMAGE_BAD_SIZE);
    EXPECT_EQ(alloctallimage(d, kMaxImageSide + 1, 10, 24), IMAGE_BAD_SIZE);
    EXPECT_EQ(alloctallimage(d, 10, kMaxTallImageHeight + 1, 8), IMAGE_BAD_SIZE);
    EXPECT_TRUE(d.Empty());
    ASSERT_EQ(alloctallimage(d, 10, kMaxTallImageHeight, 8), 0);  // the export's tall images
    ASSERT_EQ(allocimage(d, 10, 10, 1), 0);
    EXPECT_EQ(savebmp(TestDir() + "mono.bmp", d, 0), 0);
    EXPECT_EQ(Identify("%w %h", TestDir() + "mono.bmp"), "10 10");
    // Compressed, a one-bit TIFF is CCITT Group 4.
    EXPECT_EQ(savetif(TestDir() + "mono.tif", d, 1), 0);
    EXPECT_EQ(Identify("%C %w %h", TestDir() + "mono.tif"), "Group4 10 10");
}

TEST(ImageLibrary, JpegsMadeElsewhereAreMeasuredAndLoaded)
{
    const QString file = TestDir() + "made.jpg";
    Magick("convert", {"-size", "123x45", "xc:rgb(0,0,255)", file});
    JpegInfo info;
    ASSERT_EQ(jpeginfo(file, info), 0);
    EXPECT_EQ(info.width, 123);
    EXPECT_EQ(info.height, 45);
    ImageDescriptor d;
    ASSERT_EQ(allocimage(d, info.width, info.height, 24), 0);
    ASSERT_EQ(loadjpg(file, d), 0);
    EXPECT_EQ(d.image.size(), QSize(123, 45));
    EXPECT_EQ(d.bitsPerPixel, 24);
    const QRgb c = d.image.pixel(60, 20);
    EXPECT_LE(qRed(c), 8);
    EXPECT_GE(qBlue(c), 247);

    // Not a JPEG, or no file at all.
    const QString png = TestDir() + "made.png";
    Magick("convert", {"-size", "8x8", "xc:red", png});
    EXPECT_EQ(jpeginfo(png, info), IMAGE_NOT_JPEG);
    EXPECT_EQ(loadjpg(png, d), IMAGE_NOT_JPEG);
    EXPECT_EQ(d.image.size(), QSize(123, 45));  // what it held stays
    EXPECT_EQ(jpeginfo(TestDir() + "none.jpg", info), IMAGE_CANT_OPEN);
    EXPECT_EQ(loadjpg(TestDir() + "none.jpg", d), IMAGE_CANT_OPEN);
}

TEST(ImageLibrary, FailedSavesReturnTheirCodeAndLeaveNothing)
{
    const ImageDescriptor d = LogColours();
    const QString missingFolder = TestDir() + "no/such/folder/log.png";
    EXPECT_EQ(savepng(missingFolder, d, 0), IMAGE_CANT_OPEN);
    EXPECT_EQ(savegif(missingFolder, d), IMAGE_CANT_OPEN);
    EXPECT_FALSE(QFile::exists(missingFolder));

    // An empty image over an existing file: the code, and the old file as it was.
    const QString old = TestDir() + "old.bmp";
    testing_support::WriteBytes(old, QByteArray("old picture"));
    const ImageDescriptor none;
    EXPECT_EQ(savebmp(old, none, 0), IMAGE_NO_IMAGE);
    EXPECT_EQ(savegif(old, none), IMAGE_NO_IMAGE);
    EXPECT_EQ(testing_support::ReadBytes(old), QByteArray("old picture"));

    // No temporary is left; the callers' message names the code and the file.
    EXPECT_EQ(SaveFailedText(7, "C:/logs/well.png"), "Error code= 7, file save failed on\nC:/logs/well.png");
    EXPECT_EQ(QDir(TestDir()).entryList(QDir::Files), QStringList{"old.bmp"});

    // A disk that fills up during the write: the code, and the old file as it was.
    {
        testing_support::FileSizeLimit limit(64);
        EXPECT_EQ(savepng(old, d, 0), IMAGE_CANT_WRITE);
        EXPECT_EQ(savegif(old, d), IMAGE_CANT_WRITE);
    }
    EXPECT_EQ(testing_support::ReadBytes(old), QByteArray("old picture"));
    EXPECT_EQ(QDir(TestDir()).entryList(QDir::Files), QStringList{"old.bmp"});
}

// An image far taller than one held whole, written in bands of rows: BMP bottom-up in its place, PNG
// and TIFF in order, the palette known only at the end; read back by Qt row for row. A file whose rows
// did not all come is never made.
TEST(ImageLibrary, TallImagesAreWrittenBandByBand)
{
    const int width = 37, height = 70'001, band = 997;
    const QList<QRgb> colours{qRgb(255, 0, 0), qRgb(0, 160, 0), qRgb(0, 0, 255)};
    auto colourAt = [&](int x, int y) { return colours[(y / 1000 + x) % 3]; };
    for (const auto& [format, ext, bits, compress] :
         {std::tuple{RowFileFormat::Bmp, "bmp", 8, false}, std::tuple{RowFileFormat::Png, "png", 8, false},
          std::tuple{RowFileFormat::Tiff, "tif", 8, true}, std::tuple{RowFileFormat::Tiff, "tif", 1, true}}) {
        SCOPED_TRACE(std::string(ext) + " " + std::to_string(bits));
        const QString path = TestDir() + "tall" + QString::number(bits) + "." + ext;
        RowImageWriter writer;
        ASSERT_EQ(writer.Begin(path, format, width, height, bits, false, compress), IMAGE_OK);
        if (bits == 1)
            writer.SetColours({qRgb(255, 255, 255), qRgb(0, 0, 0)});
        QImage rows(width, band, bits == 1 ? QImage::Format_Mono : QImage::Format_Indexed8);
        rows.setColorCount(bits == 1 ? 2 : 256);
        for (int top = 0; top < height; top += band) {
            const int n = std::min(band, height - top);
            for (int y = 0; y < n; ++y)
                for (int x = 0; x < width; ++x)
                    rows.setPixel(x, y, uint(bits == 1 ? (top + y + x) % 2 : ((top + y) / 1000 + x) % 3));
            ASSERT_EQ(writer.WriteRows(rows, 0, n), IMAGE_OK);
        }
        EXPECT_FALSE(QFile::exists(path));
        if (bits == 8)
            writer.SetColours(colours);
        ASSERT_EQ(writer.Finish(), IMAGE_OK);
        const QImage back = QImage(path).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(back.size(), QSize(width, height));
        for (int y : {0, 999, 1000, 35'123, 69'999, 70'000})
            for (int x : {0, 1, 36})
                ASSERT_EQ(back.pixel(x, y), bits == 1 ? ((y + x) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255)) : colourAt(x, y))
                    << x << "," << y;
    }
    RowImageWriter cut;
    ASSERT_EQ(cut.Begin(TestDir() + "cut.png", RowFileFormat::Png, 10, 20, 24, false, false), IMAGE_OK);
    QImage ten(10, 10, QImage::Format_RGB32);
    ten.fill(Qt::white);
    ASSERT_EQ(cut.WriteRows(ten, 0, 10), IMAGE_OK);
    EXPECT_EQ(cut.Finish(), IMAGE_CANT_WRITE);
    EXPECT_TRUE(QDir(TestDir()).entryList({"*cut*"}, QDir::Files | QDir::Hidden).isEmpty());
}
