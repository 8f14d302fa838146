#include "demo/draw/demowell_pictures.h"

#include "demo/demowell.h"
#include "platform/folders.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

namespace demo {

namespace {

constexpr int kWidth = 320, kHeight = 240;

QString PictureFolder(const QString& folder)
{
    const QString bitmaps = platform::FindFileNoCase(folder, QStringLiteral("bitmaps"));
    return platform::FindFileNoCase(bitmaps, QString::fromLatin1(kDemoWellName)) + u'/';
}

// A blank picture. Its resolution is set: by default it is the screen's, and the files of a first start
// and of the tool would differ.
QImage Blank(QRgb fill)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(fill);
    image.setDotsPerMeterX(3780);  // 96 dpi
    image.setDotsPerMeterY(3780);
    return image;
}

// Cuttings under the microscope: grains of sand and shale on a light tray.
QImage Cuttings(QRandomGenerator& random)
{
    QImage image = Blank(qRgb(226, 214, 190));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 70, 50), 1));
    for (int i = 0; i < 140; ++i) {
        const int shade = random.bounded(60);
        const bool shale = random.bounded(4) == 0;
        p.setBrush(shale ? QColor(70 + shade, 75 + shade, 80 + shade) : QColor(190 + shade / 2, 150 + shade, 95 + shade));
        const int w = 8 + random.bounded(18), h = 6 + random.bounded(14);
        p.drawEllipse(random.bounded(kWidth - w), random.bounded(kHeight - h), w, h);
    }
    return image;
}

// The same cuttings under ultraviolet light: oil-stained grains glow yellow-green on the dark tray.
QImage Fluorescence(QRandomGenerator& random)
{
    QImage image = Blank(qRgb(18, 12, 40));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        const int glow = random.bounded(80);
        p.setBrush(QColor(150 + glow, 200 + glow / 2, 40 + glow / 3));
        const int w = 6 + random.bounded(16), h = 5 + random.bounded(12);
        p.drawEllipse(random.bounded(kWidth - w), random.bounded(kHeight - h), w, h);
    }
    return image;
}

// A described sample: a slabbed piece of core with its beds.
QImage CoreSlab(QRandomGenerator& random)
{
    QImage image = Blank(qRgb(240, 240, 236));
    QPainter p(&image);
    int y = 20;
    while (y < kHeight - 20) {
        const int bed = 8 + random.bounded(30), shade = random.bounded(50);
        p.fillRect(30, y, kWidth - 60, std::min(bed, kHeight - 20 - y), QColor(150 + shade, 140 + shade, 120 + shade / 2));
        y += bed;
    }
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(30, 20, kWidth - 60, kHeight - 40);
    return image;
}

}  // namespace

bool MakeDemoPictures(const QString& folder)
{
    const QString target = PictureFolder(folder);
    if (!QDir().mkpath(target))
        return false;
    QRandomGenerator random(kDemoSeed);
    const QString well = QString::fromLatin1(kDemoWellName);
    bool ok = Cuttings(random).save(target + well + QStringLiteral("@1604.jpg"), "JPG", 85);
    ok = Fluorescence(random).save(target + well + QStringLiteral("-ISO@1620.jpg"), "JPG", 85) && ok;
    ok = CoreSlab(random).save(target + well + QStringLiteral("-DES@1640.jpg"), "JPG", 85) && ok;
    return ok;
}

bool InstallDemoPictures(const QString& folder)
{
    if (!QDir(PictureFolder(folder)).entryList({QStringLiteral("*.jpg")}, QDir::Files).isEmpty())
        return true;
    return MakeDemoPictures(folder);
}

}  // namespace demo
