#pragma once
// A short report sent to the horizontal-well view: its drilling values and its mud values as depth notes
// of the view (the ".hxt" records), at the report's depth, in the report's colours.
#include "wellfile/memorecords.h"
#include "wellfile/reportrecords.h"

#include <string>
#include <vector>

namespace reports {

// "WOB 25\r\nRPM 120\r\nPP 2500\r\nSPM 90\r\n", then the two mechanical custom lines of more than two
// characters, each after "\r\n" (the second followed by "\r\n"), while they fit.
std::string MechanicalNoteText(const wellfile::QREPORT& report);
// A line for each mud value typed ("MUDWT ", "MUDWTIN ", "VIS ", "PH ", "CHL ", "FIL ", "CAKE ", "SOL ",
// "PV " and the value, then "\r\n"; "YP " and its value last without one), then the four mud custom
// lines of more than two characters, each after "\r\n", while they fit.
std::string MudNoteText(const wellfile::QREPORT& report);

enum class NotePlacing {
    Placed,
    NothingToSend,  // neither kind is asked for, or its text came out too short
    NoRoom,         // fewer free slots than notes: none was placed
};
// Places the notes the report asks for (send mechanical, send mud) in the free slots (depth 0 or less)
// of `notes`, the mechanical note first, each ended with " @ <depth>" (the mud note on a line of its
// own) and marked as a mechanical or mud note shown framed and transparent.
NotePlacing PlaceShortReportNotes(std::vector<wellfile::HTEXTEX>& notes, const wellfile::QREPORT& report);

}  // namespace reports
