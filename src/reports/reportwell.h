#pragma once
// What the show and DST report dialogs read from and leave beside the open well: the company and well
// names of the header, the path of a report file, and its copy in "sendfile/" of the data folder.
#include <QString>

#include <optional>
#include <string>

namespace wellfile {
struct OpenWell;
struct WellPlace;
}  // namespace wellfile

namespace reports {

struct HeaderNames {
    std::string company;  // Windows-1252, as the header keeps them
    std::string well;
};

// The names from the header of the well at `place`: the older 1,450-byte header for profile 7, else the
// current one. Nothing when the header cannot be read.
std::optional<HeaderNames> ReadHeaderNames(const wellfile::WellPlace& place, int loggerId);

// The well's report file with `extension` (".sho", ".dst") in the well's folder, found whatever its case.
QString ReportFilePath(const wellfile::OpenWell& well, const QString& extension);

// Copies that file, when it is there, to "sendfile/" of the data folder, replacing the copy in one step.
void LeaveSendCopy(const wellfile::OpenWell& well, const QString& extension);

}  // namespace reports
