#include "wellfile/wellheader.h"

#include "platform/folders.h"
#include "platform/text.h"
#include "wellfile/copyout.h"
#include "wellfile/wholefile.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace wellfile {

namespace {
const QString kHdr = QStringLiteral(".hdr");

// The texts the older layout holds, by their place in today's header.
struct Field {
    std::size_t offset;
    std::size_t width;
};
constexpr Field kOldFields[] = {
    {0, 80},    {80, 80},   {160, 30},  {190, 30},  {220, 30}, {250, 80}, {330, 80}, {410, 20}, {430, 20}, {450, 20},
    {470, 20},  {490, 20},  {510, 30},  {540, 30},  {570, 30}, {600, 80}, {680, 80}, {760, 30}, {790, 80}, {870, 20},
};
static_assert(kOldHeaderShift + 870 + 20 == kOldHeaderSize);

int SepIndex(const QString& s) { return int(std::max(s.lastIndexOf(u'/'), s.lastIndexOf(u'\\'))); }

// Drops the extension of the file part only: a dot in a folder name is not an extension.
QString WithoutExtension(const QString& path)
{
    const int sep = SepIndex(path);
    const int dot = int(path.lastIndexOf(u'.'));
    return dot > sep ? path.left(dot) : path;
}

// Files from Windows stations may differ in letter case.
QString OnDisk(const QString& path)
{
    const QFileInfo fi(path);
    return platform::FindFileNoCase(fi.path(), fi.fileName());
}

// Writes the header file at `path` (through a temporary file) and, while drilling with `copyOut` on,
// copies the well's header out.
int WriteHeaderFile(const WellHeader& header, const QString& path, const WellPlace& place, bool copyOut)
{
    if (!WriteWholeFile(path, &header, sizeof header))
        return 0;
    if (place.drilling && copyOut)
        wellfile::CopyWellFileOut(place.dataFolder, place.wellName, kHdr);
    return 1;
}
}  // namespace

WellHeader ConvertOldHeader(const char (&old)[kOldHeaderSize])
{
    WellHeader h;
    std::memset(&h, 0, sizeof h);
    char* out = reinterpret_cast<char*>(&h);
    for (const Field& f : kOldFields)
        platform::SetFieldText(out + f.offset, f.width, platform::FieldText(old + kOldHeaderShift + f.offset, f.width));
    return h;
}

QString HeaderFilePath(const WellPlace& place, const QString& name, bool asGiven)
{
    if (name.isEmpty())
        return platform::JoinPath(place.currentFolder, place.wellName + kHdr);
    if (asGiven)
        return WithoutExtension(name) + kHdr;
    const QString file = name.mid(SepIndex(name) + 1);
    return platform::JoinPath(place.currentFolder, WithoutExtension(file) + kHdr);
}

int ReadHeader(WellHeader& header, const WellPlace& place, const QString& name, bool asGiven, bool copyOut)
{
    std::memset(&header, 0, sizeof header);
    if (name.isEmpty() && place.wellName.isEmpty())
        return 0;
    const QString path = OnDisk(HeaderFilePath(place, name, asGiven));
    if (QFileInfo(path).size() == qint64(kOldHeaderSize)) {
        char old[kOldHeaderSize];
        if (!ReadExactFile(path, old, sizeof old))
            return 0;
        header = ConvertOldHeader(old);
        // Saved as any header is, over the very file read, so it is converted once; a failed rewrite
        // leaves the old file for next time.
        WriteHeaderFile(header, path, place, copyOut);
        return 1;
    }
    return ReadFilePrefix(path, &header, sizeof header) < 0 ? 0 : 1;
}

int SaveHeader(const WellHeader& header, const WellPlace& place, const QString& name, bool copyOut)
{
    const QString base = name.isEmpty() ? place.wellName : name;
    if (base.isEmpty())
        return 0;
    // Over the file as it is spelt on disk: a second file in other letter case would never be read.
    return WriteHeaderFile(header, OnDisk(platform::JoinPath(place.currentFolder, base + kHdr)), place, copyOut);
}

int ReadHeaderOld(WellHeader1450& header, const WellPlace& place, const QString& name)
{
    std::memset(&header, 0, sizeof header);
    if (name.isEmpty() && place.wellName.isEmpty())
        return 0;
    return ReadExactFile(OnDisk(HeaderFilePath(place, name)), &header, sizeof header) ? 1 : 0;
}

}  // namespace wellfile
