#pragma once
// File steps of the layout's side files that the whole-file helpers of wellfile/wholefile.h leave out.
#include <QString>

namespace wellfile {

// Renames a file that could not be used to a free name beside it ("x.clr.bad", "x.clr.bad2", ...)
// so that writing the defaults over it loses nothing. Returns the new path, or empty when it failed.
QString KeepAside(const QString& path);

}  // namespace wellfile
