#pragma once
// How each rock type is drawn in the lithology column, as data: its fill, the figures it puts into
// which cells of even and odd rows, where its accessory symbols and record marks go, and which
// neighbouring types it joins without a boundary or a divider. The pattern painter
// (tracks/draw/lithpattern.cpp) runs one cell loop over this table; the few types whose drawing no
// row can say (blank, anhydrite, coal, salt, the shales, bentonite, the custom clays, the washes'
// blocks) are coded there by their `special` kind.
#include <array>
#include <cstdint>

namespace tracks {

// The background of an item.
enum class LithFill : std::uint8_t {
    None,        // blank: the device context's own brush, no pen
    Dolomite,    // (0, 192, 248), or (255, 0, 248) with the dolomite-colour switch
    Yellow,
    Blue,
    Orange,
    Tan,
    Red,
    White,
    Shade,       // the type's grey shade (its own pen entry for the coloured shales and clays)
    Black,       // coal: the pattern pen and a black brush
    WhiteFrame,  // anhydrite and salt: a white outline over the device context's brush
};

// The small figures drawn inside a cell, at fixed offsets from its top-left corner.
enum class LithFigure : std::uint8_t {
    None,
    RhombStroke,      // (0, H) to (W, 0)
    LimestoneJoint,   // (3, 0) to (3, H)
    BrickJoint,       // (W/2, 0) to (W/2, H)
    SandstoneDot,     // ellipse (3, 2)-(6, 5)
    SandDot,          // ellipse (3, 0)-(6, 3)
    ChertPeak,        // (0, H), (W/2, 0), (W, H)
    VolcanicVee,      // (0, 0), (W/2, H), (W, 0)
    SiltDots,         // pixels at (0, 3) and (3, 3)
    SiltDash,         // (0, 3) to 0.6 W
    Ooid,             // ellipse (0, 2)-(5, 6)
    Glauconite,       // a small zigzag
    FossilA,
    FossilB,
    CementDot,        // ellipse (2, 1)-(6, 5)
    GraniteMark,
    Pebble,
    WashTriangle,     // followed by the wash block where the type's guard allows
    AnhydriteTick,
    AnhydriteStroke,
};

// A set of cells for each row parity: bit c is cell index c (0-9). With `byItemCell` the bits count the
// cells of the item (k) instead of the row.
struct LithCells {
    std::uint16_t even = 0;
    std::uint16_t odd = 0;
    bool byItemCell = false;
    bool Has(bool evenRow, int cell) const
    {
        return cell >= 0 && cell < 16 && (((evenRow ? even : odd) >> cell) & 1u) != 0;
    }
};

// The staggered cells that make bricks and rhombs: 0, 4 and 8 of even rows, 2 and 6 of odd rows.
inline constexpr LithCells kLithJointCells{0x111, 0x044};

struct LithSymbol {
    LithCells cells;
    LithFigure figure = LithFigure::None;
};

// Where the accessory symbol goes: the cells and the corner offsets; `penBracket` draws it with the
// 1-pixel pattern pen and selects the type's pattern pen again afterwards (the shales).
struct LithAccessoryPlace {
    LithCells cells;
    std::int8_t dxEven = 0, dxOdd = 0, dy = 0;
    bool penBracket = false;
};

enum class LithHalving : std::uint8_t { Never, WhenMoreThanOne, Always };
enum class LithMarkPlace : std::uint8_t { None, AtCell, LeftOfCell, InPattern };
enum class LithBoundaryRule : std::uint8_t {
    Standard,     // row above holds another, non-blank type outside the family; ordinary column only
    NotBlank,     // anhydrite: the interpreted column too
    AnyOther,     // coal: blank above counts too
    Interpreted,  // salt: only in the interpreted column, blank above counts too
    None,
};

// The types coded by hand in the painter.
enum class LithSpecial : std::uint8_t {
    None, Anhydrite, Coal, Salt, Shale, CustomClay, Bentonite, GraniteWash, QuartzWash, CarbonateWash, Fractured,
};

// The split-mode fill height of an item: the standard (W x pct/10)/2, one pixel taller (limestone and
// chalk), or ((pct/10) x W)/2 (chert and volcanics).
enum class LithSplitFill : std::uint8_t { Standard, OneTaller, WholeCells };

struct LithStyle {
    LithFill fill = LithFill::None;
    bool topLine = false;
    LithHalving halving = LithHalving::WhenMoreThanOne;
    bool halfStep = false;  // split mode steps down by trunc(0.5 W) instead of W
    LithSplitFill splitFill = LithSplitFill::Standard;
    std::array<LithSymbol, 2> symbols{};
    LithAccessoryPlace accessory;
    LithMarkPlace mark = LithMarkPlace::AtCell;
    LithBoundaryRule boundary = LithBoundaryRule::Standard;
    std::array<std::uint8_t, 3> boundaryFamily{};  // 0: no entry; a cell above of these types draws no boundary
    std::array<std::uint8_t, 3> joinFamily{};      // the next item being one of these drops the divider
    bool joinInLoop = false;         // the join is decided inside the cell loop: not for an item with no cell
    bool boundaryFirst = false;      // the boundary line comes before the accessory and the mark (silt)
    std::int8_t boundaryLength = 0;  // pixels; 0 spans the cell
    LithSpecial special = LithSpecial::None;

    bool InBoundaryFamily(int type) const;
    bool InJoinFamily(int type) const;
};

// The style of rock type `type`; types outside 1-37 and type 7 are blank (fill None).
const LithStyle& LithStyleOf(int type);

// True for the types drawn by the blank branch: 0, 7 and anything outside 0-37.
bool DrawsAsBlank(int type);

}  // namespace tracks
