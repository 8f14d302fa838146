#pragma once
// The print set-up of a log print: the depth range and options the run is printed with. The dialog
// (print/ui/printsetupdlg.h) fills the transfer record below; TakePrintSetup moves it into the run's
// settings and the window's print flags when the user presses "Print".
#include "print/printstate.h"
#include "wellfile/printcfg.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <type_traits>

namespace app {
struct LogState;
}

namespace print {

// 1 when the print is to go on, 0 when it is cancelled or the range is refused.
using RunPrintSetupFn = std::function<int(app::LogState& log, wellfile::PRINTCFG& cfg)>;

// The controls of the "STRATIV PRINT SETUP" dialog (resource 4).
namespace setupid {
enum : int {
    Print = 1,
    Cancel = 2,
    FullHeader = 101,
    OneTo500 = 102,
    TwoFoot = 103,
    TenFoot = 104,        // 1 in. / 100 ft, ten-foot rates
    RatePointToPoint = 106,
    RateBlocked = 107,
    GasPointToPoint = 109,
    GasBlocked = 110,
    StartDepth = 111,
    EndDepth = 112,
    Colour = 113,
    ShortHeader = 115,
    FiveFoot = 116,       // 2 in. / 100 ft
    RatePerHour = 117,    // "M/HR"
    TwoAndHalfInch = 118,
    DataAsText = 119,
    Descriptions = 120,   // "Print descriptions on 1 in. log"
    SetupPrinter = 121,
    TopsLine = 122,
    TenFootFiveRates = 123,
    Horizontal = 124,
    PrintDsts = 125,
    PrintAll = 126,
    TypeLabel = 127,
    TenFootOneRates = 128,
    Pictures = 129,
    Length = 130,
    Width = 131,
    Resolution = 200,
    NarrowFormat = 201,
};
}  // namespace setupid

// The dialog's transfer record: two 6-character texts, then one 32-bit state (1 ticked) per control, in
// the order the controls are made. Packed members: read and assign them by value.
#pragma pack(push, 1)
struct PrintSetupTransfer {
    char startDepth[6] = {};
    char endDepth[6] = {};
    std::int32_t oneTo500 = 0;
    std::int32_t twoFoot = 0;
    std::int32_t tenFoot = 0;
    std::int32_t tenFootFiveRates = 0;
    std::int32_t fiveFoot = 0;
    std::int32_t ratePointToPoint = 0;
    std::int32_t rateBlocked = 0;
    std::int32_t gasPointToPoint = 0;
    std::int32_t gasBlocked = 0;
    std::int32_t ratePerHour = 0;
    std::int32_t twoAndHalfInch = 0;
    std::int32_t fullHeader = 0;
    std::int32_t shortHeader = 0;
    std::int32_t colour = 0;
    std::int32_t narrowFormat = 0;
    std::int32_t dataAsText = 0;
    std::int32_t topsLine = 0;
    std::int32_t horizontal = 0;
    std::int32_t descriptions = 0;
    std::int32_t setupPrinter = 0;  // a button: carries nothing
};
#pragma pack(pop)

static_assert(sizeof(PrintSetupTransfer) == 92);
static_assert(std::is_trivially_copyable_v<PrintSetupTransfer> && std::is_standard_layout_v<PrintSetupTransfer>);
static_assert(offsetof(PrintSetupTransfer, endDepth) == 6);
static_assert(offsetof(PrintSetupTransfer, oneTo500) == 12);
static_assert(offsetof(PrintSetupTransfer, ratePointToPoint) == 32);
static_assert(offsetof(PrintSetupTransfer, fullHeader) == 56);
static_assert(offsetof(PrintSetupTransfer, descriptions) == 84);
static_assert(offsetof(PrintSetupTransfer, setupPrinter) == 88);

// A depth as the edits hold it: the leading whole number of the text (blanks before it allowed), 0 when
// it starts with none.
std::int32_t DepthOfText(const char* text, std::size_t size);
template <std::size_t N>
std::int32_t DepthOfText(const char (&text)[N]) { return DepthOfText(text, N); }

// What the length of a log print on paper follows from.
struct PrintLengthInput {
    std::int32_t start = 0, end = 0;
    int depthStep = 1;      // depth units a record
    int recordsPerRow = 1;  // five on the ten-foot scales
    int rowHeight = 0;      // printer pixels a row
    int dpi = 0;            // the printer's vertical resolution
    int headerHeight = 0;   // printer pixels the header takes above the first row
};
// The length the log from `start` to `end` prints to, in whole inches (nearest): its rows and its header.
int PrintedLength(const PrintLengthInput& in);
// "%d X %d": the printer's resolution as the set-up shows it, from the print geometry.
QString ResolutionText(std::int32_t columnUnit, std::int32_t rowHeight);

// Profiles whose narrow format follows the box although their header is the alternate one.
bool AlwaysNarrowProfile(int profile);
// The profiles that print their descriptions on the 1 in. log.
bool DescriptionsProfile(int profile);

// The start depth offered: the settings' start when it lies strictly between the file's first depth and
// its last depth less 100, else 100 above the view's top; never shallower than the file's first depth + 2.
std::int32_t OfferedStartDepth(std::int32_t cfgStart, std::int32_t viewTop, std::int32_t first, std::int32_t last);

// The horizontal-well view as the set-up sees it; `open` false while no such view is open.
HorizontalViewFacts HorizontalViewOf(const app::LogState& log);

// The window's scale kind as the scale radios of the transfer record carry it, and back: 1 "1 to 500",
// 2 two-foot, 3 either ten-foot radio, 0 for none.
void SetScaleRadios(PrintSetupTransfer& t, std::int32_t scaleKind);
std::int32_t ScaleKindOf(const PrintSetupTransfer& t);

// The user pressed "Print": the range and options of `t` go into `cfg` and the window's print flags.
// The start is raised to the file's first depth + 2; an end below the start is refused with
// "Start depth greater than end depth" ("Input Error") and gives 0, else 1.
int TakePrintSetup(app::LogState& log, wellfile::PRINTCFG& cfg, const PrintSetupTransfer& t);

// Remembers "Print All" in the well's settings record (stored and the window's copy); false when the
// record could not be read or written (nothing is written then).
bool SavePrintAll(app::LogState& log, bool printAll);

}  // namespace print
