#pragma once
// The main window's two file-copy threads: the WITS copy, which carries the last block of WITS samples
// (the ".zl8" transfer file) to a monitoring station, and the file copy, which carries the packages the
// exchange code makes. Each runs in its own Engines slot, copies its source over its target in one
// step, deletes the source only after a good copy and then sets its done flag. The file copy writes
// "<target>.part" first and renames it to the target only once it read back the same as the source, so
// a station watching the target's folder never sees a package half there.
#include <QString>

#include <functional>

namespace app {

struct LogState;
struct Engines;

enum class CopyKind { File, Wits };

// Told, on the copy thread as it ends, how the copy went: empty when the target is whole, else why
// not ("the destination folder does not exist" ...).
using CopyOutcome = std::function<void(const QString& failure)>;

// Starts the copy of `source` to `target` on the thread of `kind`, after the previous copy of that kind
// has ended. A thread that cannot be started is reported and gives false.
bool StartCopyThread(LogState& log, CopyKind kind, QString source, QString target, CopyOutcome outcome = {});
bool StartCopyThread(Engines& engines, CopyKind kind, QString source, QString target, CopyOutcome outcome = {});

// Whether the file copy started last is still under way.
bool FileCopyRunning(const LogState& log);
bool FileCopyRunning(const Engines& engines);

// Waits until the copy of `kind` under way (if any) has ended.
void WaitForCopyThread(LogState& log, CopyKind kind);
void WaitForCopyThread(Engines& engines, CopyKind kind);

}  // namespace app
