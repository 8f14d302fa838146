#include "tracks/draw/printlithitem.h"

#include "platform/draw/syscolors.h"
#include "tracks/draw/lithmarks.h"
#include "tracks/lithtypes.h"

#include <algorithm>

namespace tracks::printlith {

namespace {

using platform::RGB;

constexpr int kLastCell = 9;  // the row tables hold ten cells

constexpr std::uint16_t kStandardEven = (1u << 2) | (1u << 7);
constexpr std::uint16_t kStandardOdd = (1u << 0) | (1u << 4) | (1u << 9);

// The entry of the log's pen table that belongs to a rock type, or -1 for a type outside the table.
int PenEntryOf(int type)
{
    const int entry = type + 17;
    return type >= 0 && type < kLithTypes && entry < layout::kPenCount ? entry : -1;
}

}  // namespace

Family::Family(std::initializer_list<int> types)
{
    std::copy_n(types.begin(), std::min(types.size(), types_.size()), types_.begin());
}

bool Family::Has(int type) const { return std::find(types_.begin(), types_.end(), type) != types_.end(); }

CellSteps StandardSteps(Family family)
{
    CellSteps s;
    s.accessory = {{kStandardEven, kStandardOdd}, -3, -3, -3, false};
    s.family = family;
    return s;
}

PrintItem::PrintItem(const LithPatternTarget& t, const LithPattern& p)
    : t_(t), dc_(t.dc), row_(t.state.lith), paper_(t.device.printer), type_(p.type), share_(std::max(0, p.share)),
      n_(share_ / 10), accessory_(p.accessory), mark_(p.mark), H_(p.x), Y0_(p.y),
      interpreted_(p.interpreted && t.settings.interpretedLith), even_((t.state.printRowCounter & 1) == 0),
      colour_(t.device.colourPrinting), keep_(t.dc)
{
    // Pens and figure sizes follow the printed cell width, also in the interpreted column.
    U0_ = paper_.lithologyCellWidth;
    Ym_ = Y0_ + H_ / 2;
    U3_ = U0_ / 3;
    D_ = int(0.2 * U0_);
    const bool smallRows = paper_.rowHeight < 30;
    thick_ = platform::Pen(RGB(0, 0, 0), smallRows || t.device.narrowFormat ? 4 : int(0.2 * U0_));
    mid_ = platform::Pen(RGB(0, 0, 0), smallRows ? 3 : int(0.15 * U0_));
    rowPen_ = platform::Pen(RGB(0, 0, 0), int(0.2 * H_));
    typeColour_ = TypeColour();
    dolomite_ = t.settings.dolomiteColour ? RGB(255, 0, 248) : RGB(0, 192, 248);
    if (LithIsWash())
        accessory_ = 39;

    // Positions follow the column in force.
    U_ = interpreted_ ? paper_.interpretedCellWidth : U0_;
    XL_ = interpreted_ ? paper_.interpretedLeft : paper_.lithologyLeft;
    if (row_.customTrackX != 0)
        XL_ = row_.customTrackX;
    E_ = XL_ + t.settings.lithCells * U_;
    if (!interpreted_ && row_.customTrackX == 0 && paper_.lithologyRight > 0)
        E_ = paper_.lithologyRight;
    if (interpreted_ || row_.shareUsed == 0)
        row_.cellX = XL_;
    // A row starts at its first cell, also after a row that ended below 100 %.
    if (row_.shareUsed == 0)
        row_.cellIndex = 0;
    row_.cellIndex = std::clamp(row_.cellIndex, 0, kLastCell);
    // The separator is drawn after every item unless its pattern joins the next one.
    row_.divider = true;
}

platform::COLORREF PrintItem::TypeColour() const
{
    if (type_ == 22)
        return RGB(130, 130, 130);
    // The coloured shales and the custom types read their own entry; volcanics the last custom one's.
    const int entry = type_ == LITH_VOLCANICS ? PenEntryOf(35) : (type_ >= 27 && type_ <= 35 ? PenEntryOf(type_) : -1);
    if (entry < 0)
        return RGB(192, 192, 192);
    return platform::ResolveColor(t_.g.pens.table[std::size_t(entry)].colour);
}

bool PrintItem::LithIsWash() const
{
    const int entry = PenEntryOf(type_);
    return entry >= 0 && t_.g.pens.lith[std::size_t(entry)].symbol;
}

void PrintItem::Draw()
{
    if (DrawsAsBlank(type_))
        Blank();
    else
        Pattern();
    EndItem();
}

// One case per rock type.
void PrintItem::Pattern()
{
    switch (type_) {
    case LITH_DOLOMITE: return Dolomite();
    case LITH_SAND: return Sand();
    case LITH_ANHYDRITE: return Anhydrite();
    case LITH_LIMESTONE:
    case 36:  // chalk
        return Limestone();
    case LITH_CHERT: return Chert();
    case LITH_SILT: return Silt();
    case LITH_SHALE:
    case 22:  // carbonaceous shale
    case 27:  // red shale
    case 28:  // organic shale
    case LITH_GREEN_SHALE:
        return ShaleFamily();
    case LITH_COAL: return Coal();
    case LITH_SALT: return Salt();
    case 11: return Granite();
    case 12: return Conglomerate();
    case 13:  // oolitic, glauconitic and fossiliferous limestone
    case 14:
    case 15:
        return LimestoneWithFigures();
    case 16: return Bentonite();
    case LITH_GLAUC_SAND: return GlauconiticSand();
    case 18:  // fossiliferous, glauconitic and oolitic dolomite
    case 19:
    case 20:
        return DolomiteWithFigures();
    case 21: return FracturedSand();
    case 23:  // granite, quartz and carbonate wash
    case LITH_QUARTZ_WASH:
    case 26:
        return Wash();
    case 25: return Cement();
    case 30:  // the six custom types
    case 31:
    case 32:
    case 33:
    case 34:
    case 35:
        return CustomClay();
    case LITH_VOLCANICS: return Volcanics();
    default: return Blank();
    }
}

void PrintItem::EndItem()
{
    dc_.SelectObject(keep_.KeptBrush());
    row_.shareUsed += share_;
    if (row_.shareUsed < 100) {
        if (row_.divider) {
            Select(thick_);
            Line(X() - 1, Y0_, X() - 1, Y0_ + H_);
            Select(mid_);
        }
    } else {
        row_.shareUsed = 0;
        row_.cellX = XL_;
        row_.cellIndex = 0;
        row_.previousCells = row_.currentCells;
    }
    row_.divider = true;
}

void PrintItem::Line(int x0, int y0, int x1, int y1) { platform::Line(dc_, x0, y0, x1, y1); }

void PrintItem::Polyline(std::initializer_list<platform::POINT> points)
{
    dc_.Polyline(points.begin(), int(points.size()));
}

void PrintItem::Fill(COLORREF colour)
{
    if (!colour_)
        return;
    Select(platform::Pen(colour, 1));
    dc_.SelectObject(platform::Brush(colour));
    dc_.Rectangle(X(), Y0_, ItemRight(), Y0_ + H_);
    Select(keep_.KeptPen());
    dc_.SelectObject(keep_.KeptBrush());
}

void PrintItem::TopLine()
{
    Select(mid_);
    Line(X(), Y0_, ItemRight(), Y0_);
}

bool PrintItem::EveryFourth(int c) const { return kLithJointCells.Has(even_, c); }

bool PrintItem::Alternate(int c) const { return (c % 2 == 1) == even_; }

void PrintItem::CommonSteps(const CellSteps& steps, int k)
{
    Accessory(steps.accessory);
    if (steps.midAfterAccessory && accessory_ != 0)
        Select(mid_);
    Mark(steps.marks, k);
    Boundary(steps);
}

void PrintItem::Accessory(const LithAccessoryPlace& place)
{
    if (accessory_ == 0 || !place.cells.Has(even_, Cell()))
        return;
    const int dx = even_ ? place.dxEven : place.dxOdd;
    DrawAccessorySymbol(t_, accessory_, X() + dx, Y0_ + place.dy, false, interpreted_);
}

void PrintItem::Mark(Marks marks, int k)
{
    switch (marks) {
    case Marks::ItemCells:
        if (mark_ == 0 || !(even_ ? (k == 1 || k == 7) : k == 3))
            return;
        PrintLithMark(t_, U_, X(), Y0_, mark_);
        Select(mid_);
        return;
    case Marks::RowCells:
        if (Cell() == (even_ ? 3 : 7))
            PrintLithMark(t_, U_, X(), Y0_, mark_);
        return;
    case Marks::None:
        return;
    }
}

void PrintItem::Boundary(const CellSteps& steps)
{
    const std::size_t c = std::size_t(Cell());
    row_.currentCells[c] = type_;
    const int above = row_.previousCells[c];
    if (above == type_ || steps.family.Has(above))
        return;
    const int x = X(), y = Y0_;
    switch (steps.edge) {
    case Edge::Thick:
    case Edge::ThickShort:
        Select(thick_);
        Line(x, y, steps.edge == Edge::Thick ? x + U_ : x + 6, y);
        Select(mid_);
        break;
    case Edge::DoubleMid:
        Select(mid_);
        [[fallthrough]];
    case Edge::DoubleCurrent:
        Line(x, y, x + U_, y);
        Line(x, y + 1, x + U_, y + 1);
        break;
    case Edge::SingleMid:
        Select(mid_);
        Line(x, y, x + U_, y);
        break;
    case Edge::None:
        break;
    }
}

void PrintItem::NextCell()
{
    row_.cellX += U_;
    // An item that runs past the row's end books no cell past the tenth.
    if (row_.cellIndex < kLastCell)
        ++row_.cellIndex;
}

}  // namespace tracks::printlith

namespace tracks {

void PrintLithPattern(const LithPatternTarget& t, const LithPattern& p) { printlith::PrintItem(t, p).Draw(); }

}  // namespace tracks
