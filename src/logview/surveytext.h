#pragma once
// The survey texts of the depth column as the log writes them: Windows-1252 bytes (the degree sign is
// byte 0xB0, the foot mark an apostrophe), numbers with a point whatever the user's locale. Values of a
// damaged record (NaN, huge) are written out in full; a TVD is made whole only when it is finite and in
// range, else it reads 0.
#include "wellfile/record.h"

#include <string>
#include <vector>

namespace logview {

enum class SurveyOrder {
    TvdFirst,   // TVD, AZM, INCL, VS
    InclFirst,  // INCL, AZM, TVD, VS
};

// The column heads of a survey line: "TVD      AZM      INCL      VS" or "INCL    AZM     TVD    VS".
std::string SurveyHeader(SurveyOrder order);

// One survey line: "%5d' %3.2f° %3.2f° %4.2f' " with the whole TVD, AZM, INCL and VS (INCL first:
// INCL, AZM, TVD, VS).
std::string SurveyLine(SurveyOrder order, const wellfile::RECORD& rec);

// The line of a station without an inclination on paper: the whole TVD alone, "%5d'" (compressed
// scales: "%5d' ").
std::string SurveyTvdLine(const wellfile::RECORD& rec, bool compressed);

// The five-line block: "MD %5d'" (the record's depth), "TVD %5.2f'", and only with INCL > 0
// "INC %3.2f°", "AZM %3.2f°" and "VS %4.2f'".
std::vector<std::string> SurveyBlock(const wellfile::RECORD& rec);

// The lag-time text of the depth column: "Lag Time %.1f".
std::string LagTimeText(float minutes);

}  // namespace logview
