#pragma once
// The well-site pictures of a well: JPEG files named with the depth they belong to, kept in the well's
// picture folder ("bitmaps/<well>/" of the field data folder), listed by depth, taken in from the data
// folder under depth-tagged names and copied out for sending.
//
// Names: well + "@" + own name (a plain picture, "P" marker), well + "-ISO@" + depth tag ("ISO"),
// well + "-DES@" + depth tag ("M"). The depth is the integer after the first "@" up to the first "." or
// "-". Names are compared without regard to letter case: pictures come from Windows stations and cameras.
#include "app/picturetable.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace elog {

// The window's picture table (app/picturetable.h).
using app::PictureEntry;
using app::PictureTable;

// Where a well's pictures live and what the import needs to know of the window.
struct PicturePlace {
    QString fieldFolder;  // the field data folder, ends with '/'
    QString localFolder;  // the local data folder, ends with '/'
    QString wellName;
    // A viewing station: the picture folder is the local data folder's "bitmaps/"; in its first state
    // new pictures are also taken from the local data folder.
    bool viewingStation = false;
    bool importFromLocal = false;
    bool drilling = false;
    QString secondFolder;  // copies to the second data folder are on: that folder; else empty
};

enum class PictureKind { Plain, Iso, Des };

// The depth in a picture's name; 0 when there is none (never negative).
std::int32_t PictureDepth(const QString& name);
// The depth tag of a new picture's name: the text after "@", or else from the first digit after "ISO"
// or "DES" to the end; upper case.
QString ImageDepthTag(const QString& name);
// A name with "@" takes the well: well + "-ISO" / "-DES" / "" + "@" + the text up to the next "." +
// ".jpg". A name without "@" comes back unchanged.
QString RenameImageWithWell(const QString& name, const QString& wellName, bool iso, bool des);
// The name a new picture of the data folder gets in the picture folder.
QString ImportedImageName(const QString& fileName, const QString& wellName);
// The kind a name's marker shows: "-ISO", "-DES", and also well + "ISO@" / well + "DES@" as older
// stations named them.
PictureKind KindOf(const QString& name, const QString& wellName);
// False for a name that could lead out of its folder or is no file name at all.
bool SafePictureName(const QString& name);

// The picture folder of `place`, kept in the table and made when missing (with `create`); empty when it
// cannot be made. Listing the pictures makes no folder: only taking pictures in does.
QString SetImageFolder(PictureTable& table, const PicturePlace& place, bool create = true);
// Lists the "*.jpg" of the picture folder into the table, sorted, with the visible ones of the view top.
// False when the folder cannot be entered or holds no picture.
bool LoadImageList(PictureTable& table, const PicturePlace& place, std::int32_t viewTop);
void SortImages(std::vector<PictureEntry>& entries);
// The visible table: pictures with view top + 2 < depth < view top + 1000 whose name holds the well name.
void FilterVisibleImages(PictureTable& table, std::int32_t viewTop, const QString& wellName);
// The first index above `after` whose depth is `depth`, else -1.
int FindNextImageAtDepth(const PictureTable& table, std::int32_t depth, int after);

// Copies `source` into `folder` as `name`, never replacing a file there: when an identical file is
// there already, that one counts; a different one makes the copy "<name>-2.jpg" ("-3", ...). Returns the
// path of the copy, or empty when it could not be made.
QString StorePictureCopy(const QString& source, const QString& folder, const QString& name);

// Moves the "*.jpg" of the data folder into the picture folder under their new names (and, while
// drilling, copies them into "sendfile/" and the second data folder's "Bitmaps/"). A source is deleted
// only once its copy in the picture folder is there. A photo is taken once its size has settled (not
// written to for a few seconds) and it is a whole JPEG, an end marker after its last scan, whatever
// follows it. `failures` gets the files that stayed; `incomplete` the settled ones that are not whole,
// each once for the table. True when any picture was taken in.
bool ImportNewImages(PictureTable& table, const PicturePlace& place, QStringList* failures = nullptr,
                     QStringList* incomplete = nullptr);
// Copies the "*.jpg" of `folder` into `fieldFolder` + "Bitmaps/" + well, renamed for the well. False when
// the folder holds no picture.
bool ImportImagesFromFolder(const QString& folder, const QString& fieldFolder, const QString& wellName);
// Copies the pictures of the picture folder into the field data folder's "sendfile/", not overwriting.
bool CopyImagesToSendFolder(PictureTable& table, const PicturePlace& place);

}  // namespace elog
