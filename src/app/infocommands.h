#pragma once
// The GUI-free work of the main window's help, information and view commands: the documents they open,
// where the gas chart and the horizontal view are put on the screen, and the record buffer the TVD
// dialogs work on.
#include "wellfile/openwell.h"
#include "wellfile/record.h"

#include <QRect>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace app {

// The release notes: "features.txt" of the install folder, else its "Install.txt" (any letter case);
// nothing when neither is there.
std::optional<QString> NewFeaturesPath(const QString& installFolder);
// The release notes as the program carries them, for when no file of them is there.
QString FeaturesText();
// Writes the release notes into the install folder unless a "features.txt" is there (any letter case);
// true when the file is there afterwards.
bool InstallFeaturesText(const QString& installFolder);

// The manual: "SV-Manual.pdf" of the install folder, else its "drlg-man.rtf", else the "SV-Manual.pdf"
// shipped in the program's folder; nothing when none is there.
std::optional<QString> ManualPath(const QString& installFolder, const QString& programFolder);
// Puts the manual shipped in the program's folder into the install folder when it is missing there or
// older; true when the install folder has a manual afterwards.
bool InstallManual(const QString& installFolder, const QString& programFolder);
// What the manual command says when it finds no manual: what it looked for and where.
QString ManualMissingText(const QString& installFolder, const QString& programFolder);

// The gas chart window's rectangle from its stored top, left, width and height, brought back onto the
// screen: a top at or below the screen's height becomes 100, with one monitor a left edge beyond the
// screen's width becomes 20, and width and height are at least 250.
QRect ChartWindowRect(std::int32_t top, std::int32_t left, std::int32_t width, std::int32_t height, int screenWidth,
                      int screenHeight, int monitorCount);

// Where the horizontal view goes: 20 pixels in from the left, the screen's width less 40, its top and
// height from the log's top margin and row height, with more room on screens of 1280 x 1023 and up.
QRect HorizontalViewRect(int screenWidth, int screenHeight, int topMargin, int rowHeight);

// Every record of the open file and ten zeroed ones after them, as the TVD dialogs take them. The count
// comes from the file's depths and step but never exceeds the records the file holds; a file that does
// not open gives the ten zeroed records.
std::vector<wellfile::RECORD> ReadTvdBuffer(wellfile::OpenWell& well);
// The TVD log of a well: `folder` + the well name with ".svm" and its first character replaced by "~"
// (well B12 gives "~12.svm"). Stored TVD wells are named so.
QString TvdLogPath(const QString& folder, const QString& wellName);

}  // namespace app
