#pragma once
// A file-size limit (ulimit -f) ends a process that writes past it with SIGXFSZ unless the signal is
// ignored; ignored, the write fails with EFBIG ("File too large") and the program says so as it says a
// full disk.
#include <QtGlobal>

class QIODevice;

namespace platform {

void IgnoreFileSizeSignal();

// Writes `size` bytes of `data` to `device`: the bytes written. A write cut short (a full disk, a
// file-size limit) reports no error of its own, so the rest is tried once, which either completes it
// or leaves the system's reason in the device's errorString().
qint64 WriteOrReason(QIODevice& device, const char* data, qint64 size);

}  // namespace platform
