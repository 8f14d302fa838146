#pragma once
// A file-size limit (ulimit -f) ends a process that writes past it with SIGXFSZ unless the signal is
// ignored; ignored, the write fails with EFBIG ("File too large") and the program says so as it says a
// full disk.
namespace platform {

void IgnoreFileSizeSignal();

}  // namespace platform
