#pragma once
// The recent-file list "recentM.lst" in the data folder: up to five data-file paths, one a line, the
// most recent first. Entries hold at most 259 bytes (a 260-byte store with its NUL on the stations).
#include <QString>

#include <array>

namespace wellfile {

constexpr int kRecentCount = 5;
constexpr int kMaxPathBytes = 259;
using RecentFiles = std::array<QString, kRecentCount>;

// Puts the first five lines of the file into entries 0 to 4; entries past the lines read keep their
// contents. A line longer than kMaxPathBytes is left out. 1 when the file was read, else 0.
int LoadRecent(const QString& dataFolder, RecentFiles& recent);

// Replaces the file with the non-empty entries, each followed by "\n". 1, or 0 when it failed.
int SaveRecent(const QString& dataFolder, const RecentFiles& recent);

// Puts `path` first and drops the oldest entry. 0 and nothing changed when the path is already listed
// (compared without regard to letter case) or is longer than kMaxPathBytes. Entries keep their case:
// paths on this system are case-sensitive.
int AddRecent(RecentFiles& recent, const QString& path);

}  // namespace wellfile
