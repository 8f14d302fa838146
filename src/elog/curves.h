#pragma once
// Curves: the e-log curve set of the open well. It holds the curve file's records (one per whole depth
// unit, record i holding depth i) with 20 zero records after them, the depth range of the data, which
// curves have data, the KB elevation and the options the drawing of the curves reads. It loads, sizes
// and saves the curve file; what it needs of the window comes as a CurveOwner, so it works without one.
#include "elog/curverecord.h"
#include "elog/curvescale.h"
#include "platform/gdi.h"
#include "tracks/elogview.h"

#include <QString>

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace elog {

// The drawing descriptor of one curve slot: whether the slot has data, where its data starts, and the
// pen settings of the curve drawing. Never stored, so its members keep their natural alignment.
// Descriptor 0 is the outline pen of the depth match.
struct CurvePen {
    std::int32_t on = 0;              // 1 when the slot has a value above 0 at some depth
    std::int32_t firstDataDepth = 0;  // depth of the first record with data in the slot
    std::int32_t spare = 0;
    platform::COLORREF colour = 0;
    std::int32_t style = 0;           // a pen style (platform::PS_*)
    std::int32_t width = 0;
};
// The header descriptor of one curve slot.
struct CurveHeader {
    std::uint8_t bytes[27] = {};
};

// What the curve set reads of its window.
struct CurveOwner {
    QString wellCurveFile;             // the well's own curve file: data folder + well name + ".svc"
    QString currentCurveFile;          // the curve file the window has open; saves go there
    std::int32_t gammaScaleSetting = 0;  // the saved gamma scale index
    bool alternateLayout = false;      // the log's alternate layout option
    float kbSetting = 0;               // the well's KB elevation setting
};

class Curves {
public:
    static constexpr int kSlots = 18;         // descriptors by curve slot; slots 1-17 can hold data
    static constexpr int kSpareRecords = 20;  // zero records after the data: they stop the end scan

    explicit Curves(const CurveOwner& owner);
    ~Curves();
    Curves(const Curves&) = delete;
    Curves& operator=(const Curves&) = delete;

    // Loads `path`, or the well's own curve file when empty, and finds the ranges of its curves. 1 when
    // loaded; 0 when the file is missing (the records are freed) or cannot be read.
    int LoadCurveFile(const QString& path = {});
    // Reads the whole file into a new record block (the old one freed first) and gives its number of
    // whole records. 0 when it cannot be opened, or after "Memory Allocation Error"; then no block is held.
    int ReadCurveFile(const QString& path, std::int32_t& count);
    // The `on` and first-data depths of slots 1-17, the percent-porosity byte and scale option B, from
    // the records between the first and the last depth.
    void FindCurveRanges();
    // Writes the records back over the window's current curve file, never past its length nor past the
    // records read. 0 after "File write failed" / "Curve File Error".
    int SaveCurveFile();
    // Cuts or extends (with zero records) an existing curve file to `count` records. 0 when the file
    // cannot be opened or `count` is negative.
    static int SetCurveFileSize(const QString& path, std::int64_t count);

    // The records read (no spares); empty while none are loaded.
    std::int32_t Count() const { return count_; }
    std::span<const CurveRecord> Records() const { return {block_.data(), std::size_t(count_)}; }
    // The whole block: the records read and the spare records after them.
    std::span<CurveRecord> Block() { return block_; }
    CurveRows Rows() const { return {Records(), firstDepth, lastDepth}; }
    // The rows as the painters read them, with the presence flags of the descriptors and `depthOffset`
    // (the row of depth d is d + depthOffset - 1). The view lives as long as the set; a new load moves
    // its rows.
    const tracks::ElogView& View(std::int32_t depthOffset);
    // True when one of the resistivity curves (slots 8-13) has data and its track flag is on.
    bool ShownOnLog(std::span<const std::int32_t> trackFlags) const;

    // The drawing state: descriptor 0 black, 1 wide, dotted; descriptors 1-16 from the pen-table entries
    // of their curves; the gamma scale for the screen or the page. Kept until the next call. Returns 1.
    int PrepareDraw(const CurveLayout& layout, int unitSize, bool printing);
    // The gamma scale rebuilt after the gamma scale index changed, on the layout PrepareDraw last had.
    void RescaleGamma();

    CurveOwner owner;
    std::uint8_t loadedFromNamedFile = 0;
    std::int32_t gammaScaleIndex = 4;  // 1-9
    std::uint8_t scaleOptionA = 0;     // the scheme's density-on-rate-grid option
    std::uint8_t wrapOption = 0;       // the scheme's wrap option
    std::uint8_t scaleOptionB = 0;     // the first Sonic value is a fraction
    std::uint8_t loadedInAlternateLayout = 0;
    std::uint8_t percentPorosity = 0;  // porosity is stored in percent
    std::int32_t lastDepth = 0;        // depth of the last record with a depth above 0
    std::int32_t firstDepth = 0;       // depth of record 0
    std::array<CurvePen, kSlots> pens{};
    std::array<CurveHeader, kSlots> headers{};
    float kbElevation = 0;
    std::string lasText;               // the text of the last LAS file read

    // Drawing state (PrepareDraw).
    std::array<CurveScale, 9> scales{};  // no drawing of the log reads them
    CurveScale gammaScale;
    CurveLayout layout;                // the layout the drawing state was made from
    std::int32_t unitSize = 0;         // the unit size of the drawing: the row height on screen
    bool printing = false;             // the drawing state is the page's
    // The points of the last outline drawn (two a row), which the depth match's click is tested on.
    std::vector<platform::POINT> points;

private:
    std::vector<CurveRecord> block_;
    std::int32_t count_ = 0;
    tracks::ElogView view_;
};

}  // namespace elog
