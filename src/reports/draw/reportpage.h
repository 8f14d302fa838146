#pragma once
// The daily drilling report as a filled-in form: seven ruled boxes, the titles, the header columns, the
// gas rows with their tick boxes, the lag line, lithology, mud, rig functions, remarks and (one
// profile) the survey stations. One routine draws it for the dialog's preview and for the printed page;
// printing changes the page unit (a tenth of an inch), the faces, the pens and a few gaps.
#include "platform/draw/dc.h"
#include "wellfile/record.h"
#include "wellfile/reportrecords.h"
#include "wellfile/wellheader.h"

#include <QString>

#include <cstdint>
#include <span>
#include <string>

namespace reports {

// Where the page is drawn.
struct ReportPageDevice {
    bool printing = false;
    int dpiY = 0;                         // the printer's vertical resolution (printing)
    int rowHeight = 10;                   // the log's row height (preview)
    int storedClientHeight = 0;           // the main window's client height (preview)
    int screenWidth = 0;                  // the primary screen's width (preview)
    platform::RECT client;                // the dialog's client area (preview)
    QString printerName;                  // the device name of the window's printer
    int maxUnit = 0;                      // preview: the largest unit the screen holds the page at (0: any)
};

// The preview's sheet in page units: the form and the margin right of it, the form and the gap above.
constexpr int kPreviewSheetWidth = 84;
constexpr int kPreviewSheetHeight = 75;

// What the page shows.
struct ReportPageData {
    const wellfile::REPORTEX* report = nullptr;
    std::int32_t surveyLowerBound = 0;    // the previous report's depth, or the file's first depth
    const wellfile::WellHeader* header = nullptr;  // the dialog's copy, dates as last edited
    int profile = 0;
    QString title;                        // the logging-company title of the profile
    std::int32_t firstSurveyOffset = 0;   // profile 37: first depth with a TVD, less the first depth
    std::span<const wellfile::RECORD> surveys;  // profile 37: the depth records read for the page
};

// What a drawing leaves behind for the dialog and the window.
struct ReportPageState {
    int unit = 0;              // the page unit of the last drawing
    std::string lagText;       // the lag as the page wrote it
    bool reportPrinter = false;  // the printer's name holds "V305" or "LEXMARK": Arial faces on paper
};

// The page unit: a tenth of an inch on paper; in preview the row height + 1, or the row height itself
// when the window's stored client height is 800 or less, but no more than the device's largest unit.
int ReportPageUnit(const ReportPageDevice& device);
// Whether the printer `name` takes the Arial faces ("V305" or "LEXMARK" in any case).
bool IsReportPrinter(const QString& name);
// Pen widths by page unit: thin (tick boxes), thick (form boxes), underline.
int ThinPenWidth(bool printing, int unit);
int ThickPenWidth(bool printing, int unit);
int UnderlinePenWidth(int unit);

// Draws the page of `data.report`; the Dc gets its font, pen and brush back. Returns 1.
int DrawReportPage(platform::Dc& dc, const ReportPageDevice& device, const ReportPageData& data,
                   ReportPageState& state);
// Writes `text` at (x, y) in `font` and, with `underline`, underlines it from x - U/2 to `underlineEnd`
// (to the text's end when that is 0 or less) at y + the text's height; an empty text is measured as
// "test" so an empty field is underlined too. A text that would pass `underlineEnd` is written narrower
// to end there. Returns 1.
int DrawReportText(platform::Dc& dc, const std::string& text, const platform::Font& font, int x, int y,
                   bool underline, int underlineEnd, int unit);
// A black solid line from (x1, y) to (x2, y) with the underline pen; the Dc's pen is put back.
void DrawUnderline(platform::Dc& dc, int x1, int x2, int y, int unit);

}  // namespace reports
