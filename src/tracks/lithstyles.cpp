#include "tracks/lithstyles.h"

#include "tracks/lithtypes.h"

#include <algorithm>
#include <initializer_list>

namespace tracks {

namespace {

constexpr std::uint16_t Bits(std::initializer_list<int> cells)
{
    std::uint16_t b = 0;
    for (int c : cells)
        b = std::uint16_t(b | (1u << c));
    return b;
}

constexpr LithCells kJoint = kLithJointCells;
static_assert(kJoint.even == Bits({0, 4, 8}) && kJoint.odd == Bits({2, 6}));
constexpr LithCells kSymbol{Bits({3, 7}), Bits({1, 5})};
// Odd cells of even rows, even cells of odd rows.
constexpr LithCells kAlternate{Bits({1, 3, 5, 7, 9}), Bits({0, 2, 4, 6, 8})};
// The same by the item's own cells: a checkerboard that starts anew with each item.
constexpr LithCells kAlternateInItem{Bits({0, 2, 4, 6, 8}), Bits({1, 3, 5, 7, 9}), true};

constexpr LithAccessoryPlace kStandardAccessory{{Bits({2, 7}), Bits({0, 4, 8})}, 0, 1, 0, false};
constexpr LithAccessoryPlace kShaleAccessory{{Bits({2, 7}), Bits({0, 4, 9})}, -3, -3, -3, true};
constexpr LithAccessoryPlace kNoAccessory{};

using F = LithFigure;

LithStyle Style(LithFill fill, bool topLine, LithHalving halving, std::initializer_list<LithSymbol> symbols,
                const LithAccessoryPlace& accessory, std::initializer_list<std::uint8_t> family = {})
{
    LithStyle s;
    s.fill = fill;
    s.topLine = topLine;
    s.halving = halving;
    std::copy(symbols.begin(), symbols.end(), s.symbols.begin());
    s.accessory = accessory;
    std::copy(family.begin(), family.end(), s.boundaryFamily.begin());
    std::copy(family.begin(), family.end(), s.joinFamily.begin());
    return s;
}

std::array<LithStyle, kLithTypes> MakeStyles()
{
    constexpr auto Yes = LithHalving::WhenMoreThanOne;
    constexpr auto No = LithHalving::Never;
    std::array<LithStyle, kLithTypes> t{};

    t[1] = Style(LithFill::Dolomite, true, Yes, {{kJoint, F::RhombStroke}}, kStandardAccessory, {18, 19, 20});

    t[2] = Style(LithFill::Yellow, false, No, {{kAlternate, F::SandstoneDot}},
                 {{Bits({3, 7}), Bits({1, 5, 9})}, 0, 0, 0, false}, {17, 21});
    t[2].halfStep = true;
    t[2].joinInLoop = true;

    t[3] = Style(LithFill::WhiteFrame, false, No, {}, kStandardAccessory);
    t[3].boundary = LithBoundaryRule::NotBlank;
    t[3].special = LithSpecial::Anhydrite;

    t[4] = Style(LithFill::Blue, true, No, {{kJoint, F::LimestoneJoint}},
                 {{Bits({2, 7}), Bits({0, 4, 8})}, 1, 1, 0, false}, {13, 14, 15});
    t[4].halfStep = true;
    t[4].splitFill = LithSplitFill::OneTaller;
    t[36] = t[4];
    t[36].fill = LithFill::White;

    t[5] = Style(LithFill::Orange, true, Yes, {{kJoint, F::ChertPeak}}, kStandardAccessory);
    t[5].splitFill = LithSplitFill::WholeCells;

    t[6] = Style(LithFill::Tan, false, No,
                 {{kJoint, F::SiltDots}, {{Bits({2, 6}), Bits({1, 4, 9})}, F::SiltDash}},
                 {{Bits({1, 5, 9}), Bits({3, 7})}, 0, 1, 0, false});
    t[6].halfStep = true;
    t[6].boundaryFirst = true;

    t[8] = Style(LithFill::Shade, false, Yes, {}, kShaleAccessory);
    t[8].mark = LithMarkPlace::LeftOfCell;
    t[8].special = LithSpecial::Shale;
    t[22] = t[27] = t[28] = t[29] = t[8];
    for (int type = 30; type <= 35; ++type) {
        t[std::size_t(type)] = t[8];
        t[std::size_t(type)].special = LithSpecial::CustomClay;
    }

    t[9] = Style(LithFill::Black, false, No, {}, kNoAccessory);
    t[9].mark = LithMarkPlace::None;
    t[9].boundary = LithBoundaryRule::AnyOther;
    t[9].special = LithSpecial::Coal;

    t[10] = Style(LithFill::WhiteFrame, true, Yes, {}, kStandardAccessory);
    t[10].mark = LithMarkPlace::None;
    t[10].boundary = LithBoundaryRule::Interpreted;
    t[10].special = LithSpecial::Salt;

    t[11] = Style(LithFill::Red, false, No, {{kAlternateInItem, F::GraniteMark}}, kStandardAccessory);
    t[11].mark = LithMarkPlace::None;

    t[12] = Style(LithFill::Yellow, false, Yes, {{kJoint, F::Pebble}},
                  {kShaleAccessory.cells, -3, -3, -3, false});
    t[12].mark = LithMarkPlace::None;

    t[13] = Style(LithFill::Blue, true, Yes, {{kJoint, F::BrickJoint}, {kSymbol, F::Ooid}}, kStandardAccessory,
                  {4, 14, 15});
    t[14] = Style(LithFill::Blue, true, Yes, {{kJoint, F::BrickJoint}, {kSymbol, F::Glauconite}},
                  kStandardAccessory, {4, 13, 15});
    t[15] = Style(LithFill::Blue, true, Yes, {{kJoint, F::BrickJoint}, {kSymbol, F::FossilA}}, kStandardAccessory,
                  {4, 13, 14});

    t[16] = Style(LithFill::Shade, false, Yes, {}, kNoAccessory);
    t[16].special = LithSpecial::Bentonite;

    const LithCells glauconiteCell{Bits({3}), Bits({7})};
    t[17] = Style(LithFill::Yellow, false, Yes, {{kAlternate, F::SandDot}, {glauconiteCell, F::Glauconite}},
                  kStandardAccessory, {2});

    t[18] = Style(LithFill::Dolomite, true, Yes, {{kJoint, F::RhombStroke}, {kSymbol, F::FossilB}},
                  kStandardAccessory, {1, 19, 20});
    t[18].boundaryLength = 6;
    t[19] = Style(LithFill::Dolomite, true, Yes, {{kJoint, F::RhombStroke}, {kSymbol, F::Glauconite}},
                  kStandardAccessory, {1, 18, 20});
    t[19].boundaryLength = 6;
    t[20] = Style(LithFill::Dolomite, true, Yes, {{kJoint, F::RhombStroke}, {kSymbol, F::Ooid}}, kStandardAccessory,
                  {1, 18, 19});

    t[21] = Style(LithFill::Yellow, false, Yes, {{kAlternate, F::SandDot}}, kStandardAccessory, {2});
    t[21].mark = LithMarkPlace::InPattern;
    t[21].special = LithSpecial::Fractured;

    t[23] = Style(LithFill::Red, false, Yes, {{kAlternateInItem, F::WashTriangle}}, kStandardAccessory);
    t[23].mark = LithMarkPlace::None;
    t[23].special = LithSpecial::GraniteWash;
    t[24] = t[23];
    t[24].fill = LithFill::Yellow;
    t[24].special = LithSpecial::QuartzWash;
    t[26] = t[23];
    t[26].fill = LithFill::Blue;
    t[26].special = LithSpecial::CarbonateWash;

    t[25] = Style(LithFill::Shade, false, LithHalving::Always, {{kAlternate, F::CementDot}}, kNoAccessory);
    t[25].mark = LithMarkPlace::None;
    t[25].boundaryFamily = {17, 21, 0};

    t[37] = Style(LithFill::Shade, true, Yes, {{kJoint, F::VolcanicVee}}, kStandardAccessory);
    t[37].splitFill = LithSplitFill::WholeCells;
    return t;
}

bool Holds(const std::array<std::uint8_t, 3>& family, int type)
{
    return type > 0 && std::find(family.begin(), family.end(), std::uint8_t(type)) != family.end();
}

}  // namespace

bool LithStyle::InBoundaryFamily(int type) const { return Holds(boundaryFamily, type); }
bool LithStyle::InJoinFamily(int type) const { return Holds(joinFamily, type); }

bool DrawsAsBlank(int type) { return type <= 0 || type == LITH_PYRITE || type >= kLithTypes; }

const LithStyle& LithStyleOf(int type)
{
    static const std::array<LithStyle, kLithTypes> styles = MakeStyles();
    static const LithStyle blank{};
    return DrawsAsBlank(type) ? blank : styles[std::size_t(type)];
}

}  // namespace tracks
