#pragma once
// The well's title strings for the drilling status band, read from the well header: the well title,
// the company, the company flag and the kelly-bushing elevation.
#include "wellfile/wellplace.h"

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>

namespace drilling {

// The one customer name whose appearance in the upper-cased company text sets the company flag.
inline constexpr std::string_view kFlaggedCustomer = "CUSTOMER ONE";

// Whether a company text names the flagged customer (compared in upper case).
bool FlaggedCompany(std::string_view company);

// What a header missing altogether gives for both texts.
inline constexpr std::string_view kNoHeaderTitle = "No Header File";

struct WellTitle {
    std::string title;    // Windows-1252, as the header keeps it
    std::string company;
    bool companyFlag = false;
    float kb = 0;         // the KB elevation
};

// The log formats whose wells keep the older 1,450-byte header.
bool OldHeaderFormat(int logFormat);

// Reads the header of the well at `place`: the older 1,450-byte header for log formats 3 and 7 (KB text
// at byte 530), else the 2,052-byte one (KB at 540). Without a header: "No Header File" for title and
// company, flag and elevation 0. Every text is read within its field.
WellTitle ReadWellTitle(const wellfile::WellPlace& place, int logFormat);

// The text of the backup reminder button: `text` when given and shorter than 40 characters, else
// "Last Full Back Up = %d" of `depth`.
QString BackupReminderText(std::int32_t depth, const QString& text);

}  // namespace drilling
