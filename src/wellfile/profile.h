#pragma once
// The logging-company profile of a data file: a number found from the company text of the file's
// first record. Layout, pens, scale lists, menus and dialogs branch on it.
//
// Three tables drive it, all data: patterns (company text -> profile, tried in order), special file
// extensions of other logging programs (-> profile) and the short file-name code of each profile. The
// program carries a built-in set (profiletable.cpp); an installation adds rows with a "profiles.txt"
// in the install folder, in the same format:
//
//   [patterns]            <text> TAB <profile>   the first four rows compare with letter case as stored,
//                                               every later row against the upper-cased company text
//   [extensions]          <.ext> TAB <profile>   compared on the first three characters, any case
//   [codes]               <profile> TAB <code>
//
// Lines starting with '#' and empty lines are skipped. Installation patterns and extensions are tried
// after the built-in ones; an installation code replaces the built-in code of its profile.
#include <QString>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wellfile {

constexpr std::uint16_t kDefaultProfile = 10;  // a company text that matches no pattern
constexpr std::uint16_t kDemoProfile = 12;     // the demo file
constexpr int kCaseSensitivePatterns = 4;      // leading pattern rows compared with letter case

// The program's version text; its version word ends every file-name prefix.
inline constexpr char kVersionText[] = "Strativ Ver 26.5.31";

struct ProfileRow {
    std::string text;  // Windows-1252 bytes
    std::uint16_t profile = 0;
};

struct ProfileTables {
    std::vector<ProfileRow> patterns;
    std::vector<ProfileRow> extensions;
    std::map<std::uint16_t, std::string> codes;

    // Adds the rows of a table text. A malformed row is skipped and named in `errors` (may be null).
    void Add(const QString& tableText, QStringList* errors = nullptr);
};

// The built-in table text (one row per line, format above).
extern const char kBuiltInProfileTable[];

// The tables in force: the built-in rows extended by the install folder's "profiles.txt". Read again
// when that file appears, changes or goes.
const ProfileTables& Profiles();

// The profile of a company text: the first pattern row found in it, else kDefaultProfile. An empty
// text matches nothing and gives kDefaultProfile; this never opens any file.
std::uint16_t ProfileFromText(const ProfileTables& tables, std::string_view companyText);
inline std::uint16_t ProfileFromText(std::string_view companyText) { return ProfileFromText(Profiles(), companyText); }

// The profile of a special extension, when the file name's extension begins with one of the table's.
std::optional<std::uint16_t> ProfileFromExtension(const ProfileTables& tables, const QString& path);

// The company text stored in a file: in a ".svm" data file the text of its first record (at most the
// field's 29 characters); in a file of another kind the text at byte 62 of its first 162-byte record,
// at most 99 characters. Empty when the file does not open or is too short.
std::string CompanyTextOfFile(const QString& path);

// Whether a well's depths are in metres: its rate lists are the metres lists (profiles 4 and 64, and
// profile 11 when its rates are per hour). Lag volumes then turn lengths into feet and the drilling
// status shows tenths of a unit.
bool MetricProfile(int profile, std::int32_t rateUnitPerHour);

// Whether `profile` is one of `profiles`: the question layout, pens, menus and dialogs ask of a file's
// logging-company profile.
constexpr bool ProfileIn(int profile, std::initializer_list<int> profiles)
{
    return std::find(profiles.begin(), profiles.end(), profile) != profiles.end();
}

// Profiles 17 and 88: their gas track follows the alternate (single-gas) format option.
constexpr bool AlternateFormatProfile(int profile) { return ProfileIn(profile, {17, 88}); }

// The percent-gas group: profiles 4, 11, 64 and 78, and 17 and 88 while the alternate format is off.
// Their logs carry the chromatograph track and the percent gas scales.
constexpr bool PercentGasGroup(int profile, bool alternateFormat)
{
    return ProfileIn(profile, {4, 11, 64, 78}) || (AlternateFormatProfile(profile) && !alternateFormat);
}

// Profiles 4, 11 and 64: they offer "Sand and Shale Only" and the temperature scale.
constexpr bool SandShaleProfile(int profile) { return ProfileIn(profile, {4, 11, 64}); }

// What opening the demo file (OpenDemoFile, wellfile/validate.h) asks of the main window.
struct DemoFileActions {
    std::function<void(const QString& path)> openDataFile;  // opens a data file (the open routine)
    std::function<void()> openCommand;                     // runs the Open command (file dialog)
};

// Sets `loggerId` for the file `path`: from a special extension; else from `companyText`, or the text
// read from the file when it is null. An empty company text opens the demo file instead (`demo`) and
// leaves the profile to it. Returns 1.
int LoggerIdFromFile(std::uint16_t& loggerId, const QString& path, const std::string* companyText,
                     const DemoFileActions& demo);

// The file-name prefix of a profile: its code, a blank and the version word of `versionText` (the
// blank-separated word holding its first '.'), e.g. "PRF21 26.5.31". A profile without a code takes
// the default profile's code.
QString LoggerFilePrefix(std::uint16_t profile, const QString& versionText = QString::fromLatin1(kVersionText));

}  // namespace wellfile
