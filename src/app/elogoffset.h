#pragma once
// The depth shifts the well's settings record keeps for other data: the e-log curve file's depth
// offset and the shifts of the offset (comparison) wells, and the offset well's records in memory.
#include <QString>

#include <cstdint>

namespace app {

struct LogState;

// True when two file names name the same file: compared by base name without regard to letter case,
// since names stored by other stations may be Windows paths.
bool SameWellFile(const QString& a, const QString& b);

// Stores `elogFile` and the current e-log depth offset in the settings record while a curve set is
// loaded. A name longer than the record's field is refused with a message, not stored cut. Returns 0.
int SaveElogOffset(LogState& log, const QString& elogFile);
// Takes the stored e-log depth offset when the record names `elogFile` (0 when the record cannot be
// read). 0 when no curve set is loaded, else 1.
int LoadElogOffset(LogState& log, const QString& elogFile);
// Marks the offset well's entry of the settings record active with its shift (the first entry naming
// it or, failing that, the first empty one, which takes its name); the others are cleared. With six
// other wells named no entry is marked. Returns 1.
int SaveOffsetEntry(LogState& log);
// Takes the data file `path` as the offset well, `shift` depth units off: its depth range and KB
// elevation read from its files; its records are loaded on demand (LoadOffsetRecords).
void TakeOffsetWell(LogState& log, const QString& path, std::int32_t shift);
// (Re)loads the offset well's records over its depth range. Returns 1.
int LoadOffsetRecords(LogState& log);

}  // namespace app
