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

// Whether `profile` is one of `profiles`, as layout, pens, menus and dialogs ask of a file's logging
// profile. The lists have names below: use the name (or a function named after its rule, in its file).
constexpr bool ProfileIn(int profile, std::initializer_list<int> profiles)
{
    return std::find(profiles.begin(), profiles.end(), profile) != profiles.end();
}

// The profile sets that recur, each named after what its profiles share (the other rules they share
// follow the colon).

// Profiles 17 and 88: their gas track follows the alternate (single-gas) format option; the survey
// column stays put when compressed; a gas scale of 50.
constexpr bool AlternateFormatProfile(int profile) { return ProfileIn(profile, {17, 88}); }

// The percent-gas group: profiles 4, 11, 64 and 78, and 17 and 88 while the alternate format is off.
// Their logs carry the chromatograph track and the percent gas scales.
constexpr bool PercentGasGroup(int profile, bool alternateFormat)
{
    return ProfileIn(profile, {4, 11, 64, 78}) || (AlternateFormatProfile(profile) && !alternateFormat);
}

// Profiles 4, 11, 17, 64, 78 and 88, the percent-gas group whatever the format: the chromatograph
// track's width on an image and in drilling; the well title's place, the gas grid's doubled lines and
// the trip marks build on it.
constexpr bool ChromatographProfile(int profile) { return PercentGasGroup(profile, false); }

// Profiles 4, 11 and 64: they offer "Sand and Shale Only" and the temperature scale: their gas scale
// list, the narrow lithology grid, the mud outline's place, no ratio plot.
constexpr bool SandShaleProfile(int profile) { return ProfileIn(profile, {4, 11, 64}); }

// Profiles 4 and 64: always in metres (profile 11 only with rates per hour): no show column, the
// chromatograph temperature line.
constexpr bool AlwaysMetricProfile(int profile) { return ProfileIn(profile, {4, 64}); }

// Profiles 21 and 86: the 21/86 ("feet") log format and its fonts: shared-folder exchange, the
// engineer header field, reverse CO2, switch polarity 2, always a narrow printout.
constexpr bool FeetFormatProfile(int profile) { return ProfileIn(profile, {21, 86}); }

// Profiles 2, 91 and 92: anhydrite as plain diagonals: their own lithology order, a framed survey, the
// full ratio unit on paper, the second loggers line, their gas display heading and gas scale list.
constexpr bool DiagonalAnhydriteProfile(int profile) { return ProfileIn(profile, {2, 91, 92}); }

// Profiles 2, 60, 91 and 92: the fifth gas curve is iC5 and the label dialog offers nC5.
constexpr bool SplitC5Profile(int profile) { return ProfileIn(profile, {2, 60, 91, 92}); }

// Profiles 25, 47 and 58: red depth numbers: the right-edge depth box, the alternate ten-unit grid pen
// (black on paper), tops named "<..." left out.
constexpr bool RedDepthProfile(int profile) { return ProfileIn(profile, {25, 47, 58}); }

// Profiles 8 and 31: porosity, fluorescence and cut are rated by number, not by letter: their grid
// lines, their gas scale list.
constexpr bool NumericShowProfile(int profile) { return ProfileIn(profile, {8, 31}); }

// Profiles 12, 82 and 84: laid out as with "Use Alternate Survey Position": the five-line survey, the
// "Arial Bold" company title.
constexpr bool AlternateSurveyProfile(int profile) { return ProfileIn(profile, {12, 82, 84}); }

// Profiles 17 and 78: the show entry starts in the fluorescence column: a heavy grid line there, a
// line at the profile separator.
constexpr bool FluorescenceFirstProfile(int profile) { return ProfileIn(profile, {17, 78}); }

// Profiles 17, 78 and 88: the survey shows inclination first; the "Alternate Format" box sets the gas
// mode boxes.
constexpr bool InclinationFirstProfile(int profile) { return ProfileIn(profile, {17, 78, 88}); }

// Profiles 11, 17 and 78: the show report gives gas as fractions and rates per hour.
constexpr bool ShowReportFractionsProfile(int profile) { return ProfileIn(profile, {11, 17, 78}); }

// Profiles 23, 134 and 138: the rate track carries the gamma and weight scales: the depth box ends
// short of the next column, no fifty-unit pen.
constexpr bool GammaRateTrackProfile(int profile) { return ProfileIn(profile, {23, 134, 138}); }

// Profiles 134 and 138: the ppm gas scale is always drawn.
constexpr bool PpmScaleProfile(int profile) { return ProfileIn(profile, {134, 138}); }

// Profiles 2 and 12 (the demo): WITS and drilling alarms may go to the mailer: the retention times on
// the gas chart.
constexpr bool MailAlarmProfile(int profile) { return ProfileIn(profile, {2, 12}); }

// Profiles 2 and 60: an instrument of type 2 runs in type-2 mode: five readings a cycle, the monitor's
// gas over WITS.
constexpr bool TypeTwoModeProfile(int profile) { return ProfileIn(profile, {2, 60}); }

// Profiles 2 and 91: the own interface box's start request runs the coil cycle: the "Close Block"
// button.
constexpr bool CoilCycleProfile(int profile) { return ProfileIn(profile, {2, 91}); }

// Profiles 17, 23, 37 and 88: the gas monitor switches integrators.
constexpr bool IntegratorSwitchProfile(int profile) { return ProfileIn(profile, {17, 23, 37, 88}); }

// Profiles 18, 20, 47, 116 and 120: no total-chromatograph ratios.
constexpr bool NoTotalChromatProfile(int profile) { return ProfileIn(profile, {18, 20, 47, 116, 120}); }

// The sets that one rule each asks about, named after that rule.

// Profiles 4, 11 and 78: the drilling status band's centre sits 10.5 units right of the log's middle
// (as it does for the alternate-format profiles in their own layout).
constexpr bool ShiftedStatusCentreProfile(int profile) { return ProfileIn(profile, {4, 11, 78}); }

// Profiles 23, 35 and 37: the gas monitor's default shift point is 15.
constexpr bool LateShiftPointProfile(int profile) { return ProfileIn(profile, {23, 35, 37}); }

// Profiles 21, 62 and 71: the gas monitor's default shift point is 8.
constexpr bool MiddleShiftPointProfile(int profile) { return ProfileIn(profile, {21, 62, 71}); }

// Profiles 17, 52, 55 and 78: the test-gas request asks for the summed elution times.
constexpr bool ElutionSumProfile(int profile) { return ProfileIn(profile, {17, 52, 55, 78}); }

// Profiles 12, 37 and 114: the chromatograph zero may be edited whatever the instrument.
constexpr bool ChromZeroProfile(int profile) { return ProfileIn(profile, {12, 37, 114}); }

// Profiles 2, 60, 91 and 114: the gas monitor set-up shows "Close Block" for the own interface box.
constexpr bool CloseBlockProfile(int profile) { return ProfileIn(profile, {2, 60, 91, 114}); }

// Profiles 23, 110, 126, 134 and 138: the wide screen format family.
constexpr bool WideFormatProfile(int profile) { return ProfileIn(profile, {23, 110, 126, 134, 138}); }

// Profiles 4, 11, 17 and 64: the log area ends two cells past the description column.
constexpr bool DescriptionEndsLogProfile(int profile) { return ProfileIn(profile, {4, 11, 17, 64}); }

// Profiles 23, 25, 26, 47 and 58: the printed survey starts at the rate track (no custom tracks).
constexpr bool RateSurveyProfile(int profile) { return ProfileIn(profile, {23, 25, 26, 47, 58}); }

// Profiles 26 and 47, and 23 in the alternate format: the printed survey starts at the rate track
// beside custom tracks.
constexpr bool RateSurveyCustomProfile(int profile, bool alternate)
{
    return ProfileIn(profile, {26, 47}) || (alternate && profile == 23);
}

// Profiles 11, 17, 20, 23, 74, 78, 88, 115, 134 and 138: no plain depth box in the depth column.
constexpr bool NoDepthBoxProfile(int profile)
{
    return ProfileIn(profile, {11, 17, 20, 23, 74, 78, 88, 115, 134, 138});
}

// Profiles 115 and 116: the depth lines run through the fluorescence column.
constexpr bool FluorescenceLineProfile(int profile) { return ProfileIn(profile, {115, 116}); }

// Profiles 4, 11, 20, 64 and 78: no gas curves in a row of the log body (outside the alternate format).
constexpr bool NoGasRowProfile(int profile) { return ProfileIn(profile, {4, 11, 20, 64, 78}); }

// Profiles 2, 12, 91 and 92: every fifty units the grid line is the heavy fifty-unit pen.
constexpr bool FiftyGridProfile(int profile) { return ProfileIn(profile, {2, 12, 91, 92}); }

// Profiles 4, 20, 64 and 78: the title row has no show titles.
constexpr bool NoShowTitlesProfile(int profile) { return ProfileIn(profile, {4, 20, 64, 78}); }

// Profiles 52 and 61: the printed page has a separator row.
constexpr bool SeparatorRowProfile(int profile) { return ProfileIn(profile, {52, 61}); }

// Profiles 11, 17, 78 and 88: the narrow print header.
constexpr bool NarrowHeaderProfile(int profile) { return ProfileIn(profile, {11, 17, 78, 88}); }

// Profiles 4, 11, 17, 20, 64 and 78: the menu has no Outline and no Hotwire.
constexpr bool NoOutlineMenuProfile(int profile) { return ProfileIn(profile, {4, 11, 17, 20, 64, 78}); }

// Profiles 17, 20 and 78: of those, the ones that keep Enter Shows.
constexpr bool ShowEntryMenuProfile(int profile) { return ProfileIn(profile, {17, 20, 78}); }

// Profiles 12 and 80: the user chooses the hotwire; it stays on for everyone else.
constexpr bool HotwireChoiceProfile(int profile) { return ProfileIn(profile, {12, 80}); }

// Profiles 4, 11, 20 and 64: the menu has no gas as percent of total.
constexpr bool NoGasPercentProfile(int profile) { return ProfileIn(profile, {4, 11, 20, 64}); }

// The wells' depth unit while drilling, the same for every profile: metres. The log's only scale is "One
// Meter", its rates read min/M and M/Hr and its reports count metres; so lag volumes and pressures turn
// the metres into feet and the drilling status shows tenths of a metre.
constexpr bool kDepthsInMetres = true;

// The metres rate lists of the new-file dialog and the depth unit of LAS files: profiles 4 and 64, and
// profile 11 when its rates are per hour.
bool MetricProfile(int profile, std::int32_t rateUnitPerHour);

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
