// The well's pictures on real JPEG files in a temporary data folder: their import under depth-tagged
// names, the table and its search, the markers and the pictures drawn on screen, on paper and in a log
// image.
#include "elog/draw/picturepainters.h"
#include "elog/pictures.h"
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "shell/ui/logwindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/images.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>

#include <gtest/gtest.h>

#include <algorithm>

using testing_support::TestDir;

namespace {

// A real JPEG of one colour.
void MakeJpeg(const QString& path, int w, int h, QRgb colour = qRgb(255, 0, 0))
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path, "JPG"));
}

QStringList Files(const QString& folder) { return QDir(folder).entryList(QDir::Files, QDir::Name); }

elog::PicturePlace PlaceIn(const QString& folder, bool drilling = false)
{
    elog::PicturePlace p;
    p.fieldFolder = p.localFolder = folder;
    p.wellName = "W1";
    p.drilling = drilling;
    return p;
}

TEST(Pictures, NewPicturesAreMovedInUnderDepthTaggedNamesAndListedByDepth)
{
    const QString data = TestDir();
    for (const char* name : {"ISO1234.jpg", "DES77.jpg", "1300.jpg", "core@1500.jpg", "sample.jpg"})
        MakeJpeg(data + name, 40, 30);
    elog::PictureTable table;
    ASSERT_TRUE(elog::ImportNewImages(table, PlaceIn(data, true)));

    const QStringList stored{"W1-DES@77.JPG", "W1-ISO@1234.JPG", "W1@1300.JPG", "W1@1500.jpg", "W1@SAMPLE.JPG"};
    EXPECT_EQ(table.folder, data + "bitmaps/W1/");
    EXPECT_EQ(Files(table.folder), stored);
    EXPECT_EQ(Files(data + "sendfile/"), stored);  // while drilling each goes out too
    EXPECT_TRUE(QDir(data).entryList({"*.jpg"}, QDir::Files).isEmpty());
    // The send command's copies: every picture again, beside what is there.
    QDir(data + "sendfile/").removeRecursively();
    ASSERT_TRUE(elog::CopyImagesToSendFolder(table, PlaceIn(data)));
    EXPECT_EQ(Files(data + "sendfile/"), stored);

    ASSERT_TRUE(elog::LoadImageList(table, PlaceIn(data), 1200));
    std::vector<std::int32_t> depths;
    for (const elog::PictureEntry& e : table.all)
        depths.push_back(e.depth);
    EXPECT_EQ(depths, (std::vector<std::int32_t>{0, 77, 1234, 1300, 1500}));
    ASSERT_EQ(table.visible.size(), 3u);
    EXPECT_EQ(table.visible[0].name, "W1-ISO@1234.JPG");
    // The picture without a depth is never found for a row.
    EXPECT_EQ(elog::FindNextImageAtDepth(table, 0, -1), -1);
}

TEST(Pictures, AClashingNameNeverCostsAPicture)
{
    const QString data = TestDir();
    elog::PictureTable table;
    MakeJpeg(data + "ISO1234.jpg", 40, 30);
    const QByteArray first = testing_support::ReadBytes(data + "ISO1234.jpg");
    ASSERT_TRUE(elog::ImportNewImages(table, PlaceIn(data)));

    // The same photo again: the copy there counts and the source goes.
    testing_support::WriteBytes(data + "iso1234.JPG", first);
    ASSERT_TRUE(elog::ImportNewImages(table, PlaceIn(data)));
    EXPECT_EQ(Files(table.folder), QStringList{"W1-ISO@1234.JPG"});

    // A different photo of that name is kept beside it, at the same depth.
    MakeJpeg(data + "ISO1234.jpg", 40, 30, qRgb(0, 0, 255));
    const QByteArray second = testing_support::ReadBytes(data + "ISO1234.jpg");
    ASSERT_TRUE(elog::ImportNewImages(table, PlaceIn(data)));
    EXPECT_EQ(Files(table.folder), (QStringList{"W1-ISO@1234-2.jpg", "W1-ISO@1234.JPG"}));
    EXPECT_EQ(testing_support::ReadBytes(table.folder + "W1-ISO@1234.JPG"), first);
    EXPECT_EQ(testing_support::ReadBytes(table.folder + "W1-ISO@1234-2.jpg"), second);
    EXPECT_EQ(elog::PictureDepth("W1-ISO@1234-2.jpg"), 1234);

    // A picture folder that cannot be made (a file holds its name): the source stays where it was.
    const QString other = TestDir() + "other/";
    QDir().mkpath(other + "bitmaps");
    testing_support::WriteBytes(other + "bitmaps/W1", QByteArray("not a folder"));
    MakeJpeg(other + "DES88.jpg", 40, 30);
    elog::PictureTable blocked;
    QStringList failures;
    EXPECT_FALSE(elog::ImportNewImages(blocked, PlaceIn(other), &failures));
    EXPECT_EQ(failures, QStringList{other + "DES88.jpg"});
    EXPECT_TRUE(QFileInfo::exists(other + "DES88.jpg"));
}

// A photo still being copied into the data folder stays there, at every look, until it is whole and has
// settled; then it is taken whole.
TEST(Pictures, APhotoStillBeingCopiedInIsTakenOnlyOnceWhole)
{
    const QString data = TestDir(), photo = data + "1500.jpg";
    MakeJpeg(photo, 400, 300);
    const QByteArray whole = testing_support::ReadBytes(photo);
    const QDateTime now = testing_support::doubles().clock.LocalTime();
    auto copying = [&](const QByteArray& bytes, int secondsAgo) {
        testing_support::WriteBytes(photo, bytes);
        QFile f(photo);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(now.addSecs(-secondsAgo), QFileDevice::FileModificationTime));
    };
    QByteArray sized(whole.size(), '\0');  // a copy that sets the length first
    sized.replace(0, whole.size() * 2 / 5, whole.left(whole.size() * 2 / 5));
    elog::PictureTable table;
    // Being written; written long ago but stopped; whole but written a moment ago.
    for (const auto& [bytes, ago] : {std::pair{whole.left(whole.size() * 2 / 5), 1}, std::pair{sized, 600},
                                     std::pair{whole, 2}}) {
        copying(bytes, ago);
        EXPECT_FALSE(elog::ImportNewImages(table, PlaceIn(data))) << bytes.size() << " bytes, " << ago << " s";
        EXPECT_EQ(testing_support::ReadBytes(photo), bytes);
        EXPECT_TRUE(Files(data + "bitmaps/W1/").isEmpty());
    }
    copying(whole, 6);
    EXPECT_TRUE(elog::ImportNewImages(table, PlaceIn(data)));
    EXPECT_EQ(testing_support::ReadBytes(table.folder + "W1@1500.JPG"), whole);
    EXPECT_FALSE(QFileInfo::exists(photo));
}

// Opening a well takes in a settled photo with bytes after its JPEG end (a phone's motion photo: a
// progressive picture and its clip), and tells once of one that settled cut short, taking it when whole.
TEST(PicturesWindow, OpeningAWellTakesAMotionPhotoAndTellsOnceOfOneCutShort)
{
    qputenv("USER", "tester");
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    window.SetupWindow();
    const QString data = window.State().well.file.dataFolder;
    const QString well = testing_support::MakeWell(data, "W1.svm", 1000, 1500);
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(qRgb(0, 90, 200));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPG");
    writer.setProgressiveScanWrite(true);
    ASSERT_TRUE(writer.write(image));
    const QByteArray jpeg = buffer.data();
    QByteArray clip("\0\0\0\x18" "ftypmp42", 12);
    for (int k = 0; k < 40000; ++k)
        clip += char(k * 7919 % 251);
    const QDateTime settled = testing_support::doubles().clock.LocalTime().addSecs(-3600);
    const auto put = [&](const QString& name, const QByteArray& bytes) {
        testing_support::WriteBytes(data + name, bytes);
        QFile f(data + name);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.setFileTime(settled, QFileDevice::FileModificationTime));
    };
    put("1234.jpg", jpeg + clip);
    put("1300.jpg", jpeg.left(jpeg.size() * 3 / 5));
    const auto told = [](const QString& name) {
        const auto& said = testing_support::doubles().prompter.messages;
        return std::count_if(said.begin(), said.end(), [&](const auto& m) { return m.text.contains(name); });
    };
    for (int k = 0; k < 2; ++k)
        ASSERT_EQ(window.OpenDataFile(well), 1);
    EXPECT_EQ(testing_support::ReadBytes(data + "bitmaps/W1/W1@1234.JPG"), jpeg + clip);
    EXPECT_FALSE(QFileInfo::exists(data + "1234.jpg"));
    EXPECT_EQ(told(data + "1300.jpg"), 1);
    EXPECT_EQ(told("1234.jpg"), 0);
    put("1300.jpg", jpeg);
    ASSERT_EQ(window.OpenDataFile(well), 1);
    EXPECT_EQ(testing_support::ReadBytes(data + "bitmaps/W1/W1@1300.JPG"), jpeg);
    EXPECT_EQ(told(data + "1300.jpg"), 1);
}

TEST(Pictures, NamesGiveDepthsKindsAndNeverAPathOutOfTheFolder)
{
    EXPECT_EQ(elog::PictureDepth("W1@1234.JPG"), 1234);
    EXPECT_EQ(elog::PictureDepth("1300.jpg"), 1300);
    EXPECT_EQ(elog::PictureDepth("W1@SAMPLE.JPG"), 0);
    EXPECT_EQ(elog::PictureDepth("W1@-5.jpg"), 0);
    EXPECT_EQ(elog::PictureDepth("W1@99999999999.jpg"), 0);
    EXPECT_EQ(elog::PictureDepth("W1@" + QString(100, '1') + ".jpg"), 0);
    EXPECT_EQ(elog::RenameImageWithWell("CORE@1500.JPG", "W1", false, true), "W1-DES@1500.jpg");
    EXPECT_EQ(elog::KindOf("W1-DES@1500.jpg", "W1"), elog::PictureKind::Des);
    EXPECT_EQ(elog::KindOf("w1des@1500.jpg", "W1"), elog::PictureKind::Des);  // another station's name
    EXPECT_EQ(elog::KindOf("W1ISO@1500.jpg", "W1"), elog::PictureKind::Iso);
    EXPECT_EQ(elog::KindOf("W1@1500.jpg", "W1"), elog::PictureKind::Plain);
    for (const char* bad : {"..", "../x.jpg", "a\\b.jpg", ""})
        EXPECT_FALSE(elog::SafePictureName(bad)) << bad;

    // Save As: the old well's pictures are copied for the new name into the "bitmaps" there is.
    const QString old = TestDir() + "old/", field = TestDir() + "field/";
    QDir().mkpath(old);
    QDir().mkpath(field + "bitmaps");
    MakeJpeg(old + "OLD-ISO@1234.jpg", 20, 20);
    MakeJpeg(old + "OLD@1300.JPG", 20, 20);
    ASSERT_TRUE(elog::ImportImagesFromFolder(old, field, "NEW"));
    EXPECT_EQ(Files(field + "bitmaps/NEW/"), (QStringList{"NEW-ISO@1234.jpg", "NEW@1300.jpg"}));
    EXPECT_EQ(Files(old).size(), 2);
    EXPECT_FALSE(elog::ImportImagesFromFolder(old, field, "../escape"));
    EXPECT_FALSE(QFileInfo::exists(field + "escape"));
    EXPECT_FALSE(elog::ImportImagesFromFolder(TestDir() + "none/", field, "NEW"));
}

TEST(Pictures, TheTableFindsEachPictureOfADepthOnceAndShowsOnlyTheViewsOwn)
{
    elog::PictureTable table;
    for (auto [depth, name] : std::vector<std::pair<int, QString>>{
             {2300, "W1@2300.jpg"}, {1234, "W1@1234.jpg"}, {1250, "X9@1250.jpg"}, {1202, "W1@1202.jpg"},
             {1203, "W1@1203.jpg"}, {1234, "W1-ISO@1234.jpg"}})
        table.all.push_back({depth, name, 0});
    elog::SortImages(table.all);
    EXPECT_EQ(table.all[2].name, "W1@1234.jpg");  // equal depths keep their order
    const int first = elog::FindNextImageAtDepth(table, 1234, -1);
    EXPECT_EQ(first, 2);
    EXPECT_EQ(elog::FindNextImageAtDepth(table, 1234, first), 3);
    EXPECT_EQ(elog::FindNextImageAtDepth(table, 1234, 3), -1);

    elog::FilterVisibleImages(table, 1200, "W1");
    QStringList visible;
    for (const elog::PictureEntry& e : table.visible)
        visible << e.name;
    EXPECT_EQ(visible, (QStringList{"W1@1203.jpg", "W1@1234.jpg", "W1-ISO@1234.jpg"}));
}

// ---- Painters ----

constexpr int kB = 250, kU = 10, kR = 15, kT = 40;

struct PictureCanvas {
    QImage image = testing_support::White(600, 1400);
    platform::Dc dc{image};
    logview::ViewGeometry g;
    logview::Device device = logview::Device::Screen();
    elog::PictureTable table;
    elog::PictureSource source;
    tracks::PendingCells pending;
    QStringList failures;

    PictureCanvas()
    {
        g.rowHeight = kR;
        g.unitWidth = kU;
        g.topMargin = kT;
        g.viewTopDepth = 1200;
        g.fileLastDepth = 1275;
        g.logBottomY = 1300;
        g.rate = {50, 20, 10};        // right edge 250: the markers' column
        g.lithology = {300, 10, 10};  // 100 wide
        table.folder = TestDir();
        source.table = &table;
        source.wellName = "W1";
        source.failed = [this](const QString& text, const QString& path) { failures << text + " " + path; };
    }
    logview::PaintTarget Target() { return {dc, g, device}; }
    platform::RECT Drawn() { return testing_support::Touched(dc, image.width(), image.height(), platform::RGB(255, 255, 255)); }
    void Clear() { image.fill(Qt::white); }
    int Picture(const QString& name, int w, int h)
    {
        MakeJpeg(TestDir() + name, w, h);
        table.all.push_back({elog::PictureDepth(name), name, 0});
        return int(table.all.size()) - 1;
    }
    void Draw(int index, int y, int x = 0, int size = 0, bool keepAspect = false, bool continuation = false)
    {
        elog::DrawImage(Target(), source, pending, {index, y, x, size, keepAspect, continuation});
    }
};

TEST(PicturePainters, MarkersStandBesideTheRateTrackByKind)
{
    PictureCanvas c;
    for (const char* name : {"W1@1234.jpg", "W1@1250.jpg", "W1-ISO@1260.jpg", "W1-DES@1262.jpg", "W1@1280.jpg"})
        c.table.all.push_back({elog::PictureDepth(name), name, 0});
    c.dc.RecordText(true);
    elog::DrawImageMarkers(c.Target(), c.source);

    const auto at = [&](int x, int y) { return c.image.pixel(x, y) & 0xFFFFFF; };
    const QRgb blue = 0x0080FF, orange = 0xFF8000;
    // 1234: (B - 2U, 535) to (B, 565), "P" centred at B - U.
    EXPECT_EQ(at(kB - 2 * kU + 2, 537), blue);
    EXPECT_EQ(at(kB - 2 * kU + 2, 562), blue);
    EXPECT_EQ(at(kB - 2 * kU + 2, 567), 0xFFFFFFu);
    EXPECT_EQ(at(kB - 2 * kU - 2, 550), 0xFFFFFFu);
    ASSERT_EQ(c.table.visible.size(), 5u);
    EXPECT_EQ(c.table.visible[0].markY, 535);
    // 1250 lies on a fifty line: the box one row lower.
    const int y1250 = 50 * kR + kT - kR;
    EXPECT_EQ(at(kB - 2 * kU + 2, y1250 + 5), 0xFFFFFFu);
    EXPECT_EQ(at(kB - 2 * kU + 2, y1250 + kR + 5), blue);
    // "-ISO" and "-DES": orange boxes three units wide and 15 high.
    const int y1260 = 60 * kR + kT - kR, y1262 = 62 * kR + kT - kR;
    EXPECT_EQ(at(kB - 3 * kU + 2, y1260 + 2), orange);
    EXPECT_EQ(at(kB - 3 * kU + 2, y1262 + 12), orange);
    // 1280 is below the file's last depth: no marker.
    EXPECT_EQ(at(kB - 2 * kU + 2, 80 * kR + kT - kR + 5), 0xFFFFFFu);
    QStringList texts;
    for (const platform::DcText& t : c.dc.TextRecord())
        texts << QString("%1 %2,%3").arg(t.text).arg(t.at.x).arg(t.at.y);
    EXPECT_EQ(texts, (QStringList{"P 240,535", QString("P 240,%1").arg(y1250 + kR), QString("ISO 235,%1").arg(y1260),
                                  QString("M 235,%1").arg(y1262)}));

    // On the five-records-a-row scale the rows are five units.
    c.g.scaleIndex = 3;
    elog::DrawImageMarkers(c.Target(), c.source);
    EXPECT_EQ(c.table.visible[0].markY, (1234 - 1200) / 5 * kR + kT - kR);
}

TEST(PicturePainters, PicturesFillTheirPlaceOnScreenInAnImageAndAcrossPrintedPages)
{
    PictureCanvas c;
    const int p = c.Picture("W1@1234.jpg", 400, 300);

    // Screen, no size: the lithology column's width square, from lithology left + 1, eight rows up.
    c.Draw(p, 500);
    const platform::RECT r = c.Drawn();
    EXPECT_EQ(r.left, 301);
    EXPECT_EQ(r.right, 401);
    EXPECT_EQ(r.top, 500 + kR - 8 * kR);
    EXPECT_EQ(r.bottom, r.top + 100);
    // Never above the top margin.
    c.Clear();
    c.Draw(p, 60);
    EXPECT_EQ(c.Drawn().top, kT);

    // A log image: the picture keeps its proportions in a 200 px width.
    c.Clear();
    c.device.imageExport = true;
    elog::DrawImageKeepAspect(c.Target(), c.source, c.pending, p, 100, 50, 200);
    const platform::RECT k = c.Drawn();
    EXPECT_EQ(k.right - k.left, 200);
    EXPECT_EQ(k.bottom - k.top, 150);
    EXPECT_EQ(k.top, 100 + kR);

    // Paper: a picture that crosses the page's bottom by 90 px draws those 90 px at the next page's top, once.
    c.Clear();
    c.device = logview::Device::Screen();
    c.device.printing = true;
    c.device.printer.rowHeight = kR;
    c.device.printer.unitWidth = kU;
    c.pending.pageBottomY = 600;
    c.Draw(p, 600 + 90 - 150 - kR, 50, 200, true);
    EXPECT_EQ(c.Drawn().bottom, 600);
    EXPECT_EQ(c.pending.picture, p);
    EXPECT_EQ(c.pending.pictureRemaining, 90);
    c.Clear();
    c.Draw(p, 100, 50, 200, true, true);
    EXPECT_EQ(c.Drawn().top, 100);
    EXPECT_EQ(c.Drawn().bottom, 190);
    c.Clear();
    c.Draw(p, 100, 50, 200, true, true);
    EXPECT_EQ(c.Drawn().bottom, 0);
    EXPECT_TRUE(c.failures.isEmpty());
}

TEST(PicturePainters, ADamagedPictureIsListedDrawnAsNothingAndReportedOnce)
{
    PictureCanvas c;
    testing_support::WriteBytes(TestDir() + "W1@1250.jpg", QByteArray("\xFF\xD8 not a picture", 16));
    elog::PicturePlace place;
    place.fieldFolder = TestDir();
    place.wellName = "W1";
    ASSERT_TRUE(elog::LoadImageList(c.table, place, 1200));
    ASSERT_EQ(c.table.all.size(), 1u);
    c.Draw(0, 500);
    c.Draw(0, 500);
    EXPECT_EQ(c.Drawn().bottom, 0);
    EXPECT_EQ(c.failures, QStringList{"Not Loaded " + TestDir() + "W1@1250.jpg"});
}

}  // namespace
