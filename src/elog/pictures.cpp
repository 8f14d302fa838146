#include "elog/pictures.h"

#include "platform/folders.h"
#include "platform/services.h"
#include "wellfile/fileattrs.h"
#include "wellfile/wholefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>

namespace elog {

namespace {

constexpr int kMaxDepthText = 80;
// Copies beside a different picture of the same name: "-2" up to this.
constexpr int kMaxCopyNumber = 99;
// A picture written to within this many seconds may still be being copied in.
constexpr qint64 kSettleSeconds = 5;

QStringList JpegsIn(const QString& folder)
{
    // QDir's name filters ignore letter case unless asked: "*.JPG" from a camera is listed too.
    return QDir(folder).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
}

using platform::SubFolder;

// A picture written to within the last few seconds may still be growing: its size has not settled.
bool Settling(const QString& path, const QDateTime& now)
{
    const QDateTime written = QFileInfo(path).lastModified();
    return now.isValid() && written.isValid() && std::abs(written.secsTo(now)) < kSettleSeconds;
}

// True when the JPEG in `b` is complete: its segments, walked from the start marker, reach an end
// marker after the last scan. Whatever follows that marker (a phone's motion clip, a camera's padding)
// is not looked at; a copy cut short, or zeros where data are still to come, never reach it.
bool JpegComplete(const QByteArray& b)
{
    const auto at = [&b](qsizetype i) { return std::uint8_t(b[i]); };
    const qsizetype n = b.size();
    if (n < 4 || at(0) != 0xFF || at(1) != 0xD8)
        return false;
    bool scanned = false;
    for (qsizetype i = 2; i + 1 < n;) {
        if (at(i) != 0xFF)
            return false;
        const std::uint8_t marker = at(i + 1);
        if (marker == 0xFF) {  // fill byte
            ++i;
            continue;
        }
        i += 2;
        if (marker == 0xD9)
            return scanned;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;  // no length
        if (i + 1 >= n)
            return false;
        const qsizetype length = (qsizetype(at(i)) << 8) | at(i + 1);
        if (length < 2)
            return false;
        i += length;
        if (marker != 0xDA)
            continue;
        // The scan's coded data run to the next marker other than a stuffed 0 or a restart.
        scanned = true;
        while (i + 1 < n && !(at(i) == 0xFF && at(i + 1) != 0x00 && !(at(i + 1) >= 0xD0 && at(i + 1) <= 0xD7)))
            ++i;
    }
    return false;
}

}  // namespace

std::int32_t PictureDepth(const QString& name)
{
    const int at = int(name.indexOf(u'@'));
    const QString text = at >= 0 ? name.mid(at + 1) : name;
    long long depth = 0;
    int i = 0;
    while (i < text.size() && i < kMaxDepthText && text[i] == u' ')
        ++i;
    if (i < text.size() && text[i] == u'+')
        ++i;
    for (; i < text.size() && i < kMaxDepthText && text[i].isDigit(); ++i) {
        depth = depth * 10 + text[i].digitValue();
        if (depth > std::numeric_limits<std::int32_t>::max())
            return 0;
    }
    return std::int32_t(depth);
}

QString ImageDepthTag(const QString& name)
{
    const QString up = name.toUpper();
    const int at = int(up.indexOf(u'@'));
    if (at >= 0)
        return up.mid(at + 1);
    int start = int(up.indexOf(QStringLiteral("ISO")));
    if (start < 0)
        start = int(up.indexOf(QStringLiteral("DES")));
    start = start < 0 ? 0 : start + 3;
    for (int i = start; i < up.size(); ++i)
        if (up[i].isDigit())
            return up.mid(i);
    // No depth: the name after the kind, which keeps the extension (depth 0, never drawn).
    return up.mid(start);
}

QString RenameImageWithWell(const QString& name, const QString& wellName, bool iso, bool des)
{
    const int at = int(name.indexOf(u'@'));
    if (at < 0)
        return name;
    const int dot = int(name.indexOf(u'.', at + 1));
    const QString text = dot < 0 ? name.mid(at + 1) : name.mid(at + 1, dot - at - 1);
    // The hyphen stays: the markers know "-ISO" and "-DES".
    const QString kind = iso ? QStringLiteral("-ISO") : des ? QStringLiteral("-DES") : QString();
    return wellName + kind + u'@' + text + QStringLiteral(".jpg");
}

QString ImportedImageName(const QString& fileName, const QString& wellName)
{
    const QString up = fileName.toUpper();
    const bool iso = up.contains(QStringLiteral("ISO"));
    const bool des = !iso && up.contains(QStringLiteral("DES"));
    if (up.contains(u'@'))
        return RenameImageWithWell(up, wellName, iso, des);
    if (iso)
        return wellName + QStringLiteral("-ISO@") + ImageDepthTag(up);
    if (des)
        return wellName + QStringLiteral("-DES@") + ImageDepthTag(up);
    return wellName + u'@' + up;
}

PictureKind KindOf(const QString& name, const QString& wellName)
{
    const QString up = name.toUpper(), well = wellName.toUpper();
    if (up.contains(QStringLiteral("-ISO")) || up.contains(well + QStringLiteral("ISO@")))
        return PictureKind::Iso;
    if (up.contains(QStringLiteral("-DES")) || up.contains(well + QStringLiteral("DES@")))
        return PictureKind::Des;
    return PictureKind::Plain;
}

bool SafePictureName(const QString& name)
{
    return !name.isEmpty() && name != u'.' && name != QStringLiteral("..") && !name.contains(u'/') &&
           !name.contains(u'\\') && !name.contains(QChar(0));
}

QString SetImageFolder(PictureTable& table, const PicturePlace& place, bool create)
{
    QString folder;
    if (place.viewingStation && !place.localFolder.isEmpty())
        folder = SubFolder(place.localFolder, QStringLiteral("bitmaps"));
    else if (!place.fieldFolder.isEmpty() && SafePictureName(place.wellName))
        folder = SubFolder(SubFolder(place.fieldFolder, QStringLiteral("bitmaps")), place.wellName);
    if (create && !folder.isEmpty() && !QDir().mkpath(folder))
        folder.clear();
    if (folder != table.folder)
        table.failureShown.clear();
    table.folder = folder;
    return folder;
}

void SortImages(std::vector<PictureEntry>& entries)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [](const PictureEntry& a, const PictureEntry& b) { return a.depth < b.depth; });
}

void FilterVisibleImages(PictureTable& table, std::int32_t viewTop, const QString& wellName)
{
    table.visible.clear();
    const long long top = viewTop;
    for (const PictureEntry& e : table.all)
        if (e.depth > top + 2 && e.depth < top + 1000 && e.name.contains(wellName, Qt::CaseInsensitive))
            table.visible.push_back(e);
}

bool LoadImageList(PictureTable& table, const PicturePlace& place, std::int32_t viewTop)
{
    table.loaded = false;
    table.all.clear();
    table.visible.clear();
    if (table.folder.isEmpty())
        SetImageFolder(table, place, false);
    if (table.folder.isEmpty() || !QFileInfo(table.folder).isDir())
        return false;
    const QStringList names = JpegsIn(table.folder);
    if (names.isEmpty())
        return false;
    table.all.reserve(std::size_t(names.size()));
    for (const QString& name : names)
        table.all.push_back({PictureDepth(name), name, 0});
    SortImages(table.all);
    FilterVisibleImages(table, viewTop, place.wellName);
    table.loaded = true;
    return true;
}

int FindNextImageAtDepth(const PictureTable& table, std::int32_t depth, int after)
{
    // Depth 0 is a picture without a depth, and the end mark of a record buffer: never drawn.
    if (depth <= 0)
        return -1;
    for (std::size_t i = std::size_t(std::max(after + 1, 0)); i < table.all.size(); ++i) {
        if (table.all[i].depth == depth)
            return int(i);
        if (table.all[i].depth > depth)
            break;  // the table is sorted by depth
    }
    return -1;
}

QString StorePictureCopy(const QString& source, const QString& folder, const QString& name)
{
    if (!SafePictureName(name) || !QDir().mkpath(folder))
        return {};
    const std::optional<QByteArray> bytes = wellfile::ReadWholeFile(source);
    if (!bytes)
        return {};
    const int dot = int(name.lastIndexOf(u'.'));
    const QString base = dot > 0 ? name.left(dot) : name;
    for (int n = 1; n <= kMaxCopyNumber; ++n) {
        const QString candidate = n == 1 ? name : base + u'-' + QString::number(n) + QStringLiteral(".jpg");
        const QString path = platform::FindFileNoCase(folder, candidate);
        if (QFileInfo::exists(path)) {
            if (wellfile::ReadWholeFile(path) == bytes)
                return path;  // the same picture is there already
            continue;         // a different picture of that name is never overwritten
        }
        return wellfile::WriteWholeFile(path, bytes->constData(), std::size_t(bytes->size())) ? path : QString();
    }
    return {};
}

bool ImportNewImages(PictureTable& table, const PicturePlace& place, QStringList* failures, QStringList* incomplete)
{
    if (place.fieldFolder.isEmpty())
        return false;
    const QString folder = SetImageFolder(table, place);
    const QString source = place.importFromLocal ? place.localFolder : place.fieldFolder;
    const platform::Clock* clock = platform::services().clock;
    const QDateTime now = clock ? clock->LocalTime() : QDateTime::currentDateTime();
    bool any = false;
    for (const QString& file : JpegsIn(source)) {
        const QString path = source + file;
        if (Settling(path, now))
            continue;  // neither taken nor a failure: the next look takes it
        const std::optional<QByteArray> bytes = wellfile::ReadWholeFile(path);
        if (!bytes || !JpegComplete(*bytes)) {
            // Settled and still not whole: a copy that stopped. Said once; taken when it is whole.
            if (incomplete && !table.incompleteShown.contains(path)) {
                *incomplete << path;
                table.incompleteShown.insert(path);
            }
            continue;
        }
        table.incompleteShown.remove(path);
        const QString name = ImportedImageName(file, place.wellName);
        if (folder.isEmpty() || !SafePictureName(name)) {
            if (failures)
                *failures << path;
            continue;
        }
        if (place.drilling) {
            StorePictureCopy(path, SubFolder(place.fieldFolder, QStringLiteral("sendfile")), name);
            if (!place.secondFolder.isEmpty())
                StorePictureCopy(path, SubFolder(place.secondFolder, QStringLiteral("Bitmaps")), name);
        }
        wellfile::SetNormalAttributes(path);
        if (StorePictureCopy(path, folder, name).isEmpty() || !QFile::remove(path)) {
            if (failures)
                *failures << path;
            continue;
        }
        any = true;
    }
    return any;
}

bool ImportImagesFromFolder(const QString& folder, const QString& fieldFolder, const QString& wellName)
{
    const QStringList files = JpegsIn(folder);
    if (files.isEmpty() || fieldFolder.isEmpty() || !SafePictureName(wellName))
        return false;
    const QString target = SubFolder(SubFolder(fieldFolder, QStringLiteral("Bitmaps")), wellName);
    for (const QString& file : files) {
        const QString up = file.toUpper();
        const QString name = RenameImageWithWell(file, wellName, up.contains(QStringLiteral("-ISO")),
                                                 up.contains(QStringLiteral("DES")));
        StorePictureCopy(platform::JoinPath(folder, file), target, name);
    }
    return true;
}

bool CopyImagesToSendFolder(PictureTable& table, const PicturePlace& place)
{
    if (place.fieldFolder.isEmpty())
        return false;
    const QString folder = table.folder.isEmpty() ? SetImageFolder(table, place) : table.folder;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    const QString send = SubFolder(place.fieldFolder, QStringLiteral("sendfile"));
    for (const QString& file : JpegsIn(folder))
        StorePictureCopy(folder + file, send, file);
    return true;
}

}  // namespace elog
