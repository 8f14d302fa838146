#include "tracks/draw/lithpattern.h"

#include "platform/draw/dc.h"
#include "platform/draw/syscolors.h"
#include "tracks/draw/lithfigures.h"
#include "tracks/draw/lithmarks.h"
#include "tracks/lithstyles.h"
#include "tracks/lithtypes.h"
#include "wellfile/profile.h"

#include <algorithm>

namespace tracks {

namespace {

using platform::COLORREF;
using platform::RGB;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr int kCells = 10;  // the row and previous-row tables

// One item of a row: one rock type over its share of the cells, on the row state kept in
// PainterState::lith.
class ItemPainter {
public:
    ItemPainter(const LithPatternTarget& t, const LithPattern& p)
        : t_(t), dc_(t.dc), row_(t.state.lith), type_(p.type), pct_(std::max(0, p.share)), accessory_(p.accessory),
          mark_(p.mark), y_(p.y), split_(p.split), interpreted_(p.interpreted && t.settings.interpretedLith),
          keep_(t.dc)
    {
        const ViewPensLith sw = Switches(type_);
        if (sw.brick && sw.symbol)
            accessory_ = 39;
        Place(p.x);
    }

    void Draw()
    {
        if (DrawsAsBlank(type_)) {
            Blank();
        } else if (!Rock()) {
            return;  // the background only: the row does not move on
        }
        Tail();
    }

private:
    using ViewPensLith = logview::ViewPens::LithSwitches;

    ViewPensLith Switches(int type) const
    {
        const int entry = type + 17;
        return type >= 0 && entry < int(t_.g.pens.lith.size()) ? t_.g.pens.lith[std::size_t(entry)] : ViewPensLith{};
    }

    // Where the item starts, its cell width and its cell count.
    void Place(int splitX)
    {
        const int customX = row_.customTrackX;
        const int x0 = customX > 0 ? customX : t_.g.lithology.left;
        if (!split_) {
            if (customX == 0 && row_.cellX < x0)
                row_.cellX = x0;
        } else {
            row_.cellX = splitX;
        }
        const bool rowStart = row_.shareUsed == 0;
        if (rowStart) {
            // A row always starts at its first cell, also after a row whose shares stayed below 100.
            row_.cellX = split_ ? splitX : x0;
            row_.cellIndex = 0;
            row_.lastBlankRow.reset();
        }
        W_ = t_.g.lithology.cell;
        column_ = {x0, W_};
        if (interpreted_) {
            const int left = customX >= 1 ? customX : t_.g.Interpreted().left;
            // The items of an interpreted row follow each other as in the ordinary column.
            if (rowStart)
                row_.cellX = left;
            W_ = t_.g.InterpretedCell();
            column_ = {left, W_};
        }
        if (split_) {
            m_ = 2;
            W_ = t_.g.unitWidth;
            if (t_.settings.customTrackLayout)
                W_ += t_.settings.customTrackSize > 600 ? 2 : 1;
            column_.cell = W_;  // a mark steps back by the split band's cell
        }
        H_ = t_.g.rowHeight;
        n_ = pct_ / 10;
        i0_ = row_.cellIndex;
        even_ = (row_.rowCounter & 1) == 0;
    }

    // The right end of a fill of `width` from x, kept inside the ten cells of the row.
    int FillRight(int x, int width) const
    {
        const int room = std::max(0, kCells - i0_) * W_;
        return x + std::min(width, room);
    }

    COLORREF Shade() const
    {
        if (type_ == 22)
            return RGB(130, 130, 130);
        const auto entryColour = [&](int entry) { return platform::ResolveColor(t_.g.pens.table[std::size_t(entry)].colour); };
        if (type_ >= 27 && type_ <= 35)
            return entryColour(type_ + 17);
        if (type_ == LITH_VOLCANICS) {
            const COLORREF c = entryColour(35 + 17);
            return c == kGrey ? RGB(255, 240, 240) : c;
        }
        return kGrey;
    }

    COLORREF FillColour(LithFill f) const
    {
        switch (f) {
        case LithFill::Dolomite: return t_.settings.dolomiteColour ? RGB(255, 0, 248) : RGB(0, 192, 248);
        case LithFill::Yellow: return RGB(255, 255, 0);
        case LithFill::Blue: return RGB(0, 128, 255);
        case LithFill::Orange: return RGB(255, 128, 0);
        case LithFill::Tan: return RGB(255, 182, 108);
        case LithFill::Red: return RGB(255, 0, 0);
        case LithFill::White: return RGB(255, 255, 255);
        case LithFill::Shade: return Shade();
        default: return kBlack;
        }
    }

    void Restore()
    {
        dc_.SelectObject(keep_.KeptPen());
        dc_.SelectObject(keep_.KeptBrush());
    }

    // ---- Blank items: the device context's brush and the books ----
    void Blank()
    {
        if (row_.lastBlankRow == row_.rowCounter)
            return;
        const int x = row_.cellX;
        dc_.SelectObject(platform::Pen(kBlack, 1, platform::PS_NULL));
        if (!split_) {
            if (!t_.device.monochrome)
                dc_.Rectangle(x + 1, y_, FillRight(x, W_ * pct_ / 10), y_ + H_ + 1);
        } else {
            dc_.Rectangle(x, y_, x + W_ * m_, y_ + (W_ * pct_ / 10) / 2);
        }
        dc_.SelectObject(PatternPen());
        // A type no table knows is kept as blank.
        const int kept = type_ >= 0 && type_ < kLithTypes ? type_ : LITH_BLANK;
        for (int k = 0; k < n_ && row_.cellIndex < kCells; ++k) {
            const std::size_t i = std::size_t(row_.cellIndex);
            row_.currentCells[i] = kept;
            if (kept != row_.previousCells[i] && !split_ && !interpreted_)
                Boundary(row_.cellX, W_);
            ++row_.cellIndex;
            row_.cellX += W_;
        }
        dc_.SelectObject(keep_.KeptPen());
        row_.lastBlankRow = row_.rowCounter;
    }

    // ---- Rock items ----
    static platform::Pen PatternPen() { return platform::Pen(kBlack, 1); }
    static platform::Pen BoldPen() { return platform::Pen(kBlack, 2); }

    int CustomVariant() const  // 0 as shale, 1 bricks, 2 bold dashes
    {
        const ViewPensLith sw = Switches(type_);
        return sw.dash ? 2 : (sw.brick ? 1 : 0);
    }

    void Fill(const LithStyle& s)
    {
        const int x = row_.cellX;
        const int rowRight = FillRight(x, W_ * pct_ / 10);
        if (s.fill == LithFill::WhiteFrame) {
            dc_.SelectObject(platform::Pen(RGB(255, 255, 255), 1));
            dc_.Rectangle(x + 1, y_, rowRight, y_ + H_);
            return;
        }
        if (s.fill == LithFill::Black) {
            dc_.SelectObject(PatternPen());
            dc_.SelectObject(platform::Brush(kBlack));
            if (!split_)
                dc_.Rectangle(x, y_, FillRight(x, n_ * W_), y_ + H_);
            else
                dc_.Rectangle(x, y_, x + W_ * m_, y_ + (W_ * pct_ / 10) / 2);
            return;  // the black brush stays until the item is done
        }
        const COLORREF c = FillColour(s.fill);
        dc_.SelectObject(platform::Pen(c, 1));
        dc_.SelectObject(platform::Brush(c));
        if (!split_) {
            if (!t_.device.monochrome)
                dc_.Rectangle(x + 1, y_, rowRight, y_ + H_);
        } else {
            int height = (W_ * pct_ / 10) / 2;
            if (s.splitFill == LithSplitFill::OneTaller)
                height += 1;
            else if (s.splitFill == LithSplitFill::WholeCells)
                height = (n_ * W_) / 2;
            dc_.Rectangle(x, y_, x + W_ * m_, y_ + height);
        }
        dc_.SelectObject(keep_.KeptBrush());  // pattern figures are filled with the caller's brush
    }

    bool SplitsByHalfCell(const LithStyle& s) const
    {
        if (s.special == LithSpecial::Anhydrite)
            return !AnhydriteStrokes();
        return s.halfStep;
    }
    bool AnhydriteStrokes() const { return wellfile::DiagonalAnhydriteProfile(t_.g.profile); }

    // Returns false when only the background is drawn.
    bool Rock()
    {
        const LithStyle& s = LithStyleOf(type_);
        Fill(s);
        if (t_.device.colourOnly && s.special != LithSpecial::Coal)
            return false;

        cellPen_ = type_ == 22 ? BoldPen() : PatternPen();
        if (s.special == LithSpecial::CustomClay && CustomVariant() == 2)
            cellPen_ = BoldPen();
        dc_.SelectObject(s.special == LithSpecial::CustomClay ? PatternPen() : cellPen_);
        const bool textMarks = s.special == LithSpecial::Anhydrite && t_.g.profile == 116;
        if (textMarks)
            dc_.SetBkMode(platform::TRANSPARENT);

        if (s.topLine && !split_) {
            const int x = row_.cellX;
            const int width = s.special == LithSpecial::Salt ? n_ * W_ : W_ * pct_ / 10;
            Line(dc_, x, y_, FillRight(x, width), y_);
        }
        int n = n_;
        if (split_ && ((s.halving == LithHalving::WhenMoreThanOne && n > 1) || s.halving == LithHalving::Always))
            n /= 2;

        int y = y_;
        for (int k = 0; k < n && row_.cellIndex < kCells; ++k) {
            const int i = row_.cellIndex;
            if (s.special == LithSpecial::CustomClay && CustomVariant() == 2)
                dc_.SelectObject(cellPen_);
            Pattern(s, k, i, y);
            if (s.boundaryFirst) {
                Record(s, i, y);
                Accessory(s, k, i, y);
                Mark(s, k, y);
            } else {
                Accessory(s, k, i, y);
                Mark(s, k, y);
                Record(s, i, y);
            }
            if (s.joinInLoop && s.InJoinFamily(row_.nextType))
                row_.divider = false;
            ++row_.cellIndex;
            if (!split_)
                row_.cellX += W_;
            else
                y = SplitsByHalfCell(s) ? int(y + 0.5 * W_) : y + W_;
        }
        if (s.special == LithSpecial::Salt && split_)
            Line(dc_, row_.cellX, y, row_.cellX + W_, y);
        if (!s.joinInLoop && s.InJoinFamily(row_.nextType))
            row_.divider = false;
        if (textMarks)
            dc_.SetBkMode(keep_.KeptBkMode());
        return true;
    }

    // The row table's entry and the boundary line against the row above.
    void Record(const LithStyle& s, int i, int y)
    {
        const std::size_t c = std::size_t(i);
        row_.currentCells[c] = type_;
        const int above = row_.previousCells[c];
        if (split_ || above == type_)
            return;
        bool draw = false;
        switch (s.boundary) {
        case LithBoundaryRule::Standard:
            draw = !interpreted_ && above != 0 && !s.InBoundaryFamily(above);
            break;
        case LithBoundaryRule::NotBlank: draw = above != 0; break;
        case LithBoundaryRule::AnyOther: draw = true; break;
        case LithBoundaryRule::Interpreted: draw = interpreted_; break;
        case LithBoundaryRule::None: break;
        }
        if (s.special == LithSpecial::CustomClay && CustomVariant() == 1)
            draw = false;
        if (draw)
            Boundary(row_.cellX, s.boundaryLength > 0 ? s.boundaryLength : W_, y);
    }

    void Boundary(int x, int length, int y)
    {
        Line(dc_, x, y, x + length, y);
        Line(dc_, x, y + 1, x + length, y + 1);
    }
    void Boundary(int x, int length) { Boundary(x, length, y_); }

    void Accessory(const LithStyle& s, int k, int i, int y)
    {
        const LithAccessoryPlace& a = s.accessory;
        if (accessory_ == 0 || !a.cells.Has(even_, a.cells.byItemCell ? k : i))
            return;
        const int x = row_.cellX + (even_ ? a.dxEven : a.dxOdd);
        if (a.penBracket)
            dc_.SelectObject(PatternPen());
        DrawAccessorySymbol(t_, accessory_, x, y + a.dy, split_, interpreted_);
        if (a.penBracket)
            dc_.SelectObject(cellPen_);
    }

    void Mark(const LithStyle& s, int k, int y)
    {
        if (mark_ == 0 || (s.mark != LithMarkPlace::AtCell && s.mark != LithMarkPlace::LeftOfCell))
            return;
        if (even_ ? (k == 1 || k == 7) : k == 3)
            DrawLithMark(t_, row_.cellX - (s.mark == LithMarkPlace::LeftOfCell ? 3 : 0), y, mark_, split_, &column_);
    }

    void Pattern(const LithStyle& s, int k, int i, int y)
    {
        const int x = row_.cellX;
        switch (s.special) {
        case LithSpecial::Anhydrite: return Anhydrite(i, x, y);
        case LithSpecial::Salt:
            Line(dc_, x, y, x, y + H_);
            if (split_)
                Line(dc_, x, y, x + W_, y);
            return;
        case LithSpecial::Shale: return ShaleDashes(i, x, y);
        case LithSpecial::CustomClay: return CustomClay(k, i, y);
        case LithSpecial::Bentonite: return Bentonite(i, x, y);
        case LithSpecial::Coal: return;
        default: break;
        }
        for (const LithSymbol& sym : s.symbols) {
            if (sym.figure == LithFigure::None || !sym.cells.Has(even_, sym.cells.byItemCell ? k : i) ||
                !Fits(x, LithFigureReach(sym.figure, W_)))
                continue;
            DrawLithFigure(dc_, sym.figure, x, y, W_, H_);
            if (sym.figure == LithFigure::WashTriangle && WashBlockFits(s.special, k, x) && Fits(x, WashBlockReach(H_)))
                DrawWashBlock(dc_, x, y, H_);
        }
        if (s.special == LithSpecial::Fractured && (even_ ? i == 1 : i == 7))
            DrawLithMark(t_, x, y, mark_, split_, &column_);
    }

    // The interpreted column's cells are a fifth of the figures' width: a figure that would reach past
    // its ten cells (the fill's right end) is left out, as its accessory symbols are. A bold pen
    // spreads a pixel.
    bool Fits(int x, int reach) const
    {
        if (!interpreted_ || split_ || row_.customTrackX != 0)
            return true;
        const int spread = dc_.CurrentPen().Width() / 2;
        return x - spread >= column_.left && x + reach + spread < column_.left + kCells * W_;
    }

    bool WashBlockFits(LithSpecial special, int k, int x) const
    {
        if (!even_)
            return k < pct_ / 10 - 1;  // not in the item's last cell
        switch (special) {
        case LithSpecial::GraniteWash: return x < t_.g.afterLithologyX - 0.8 * H_;
        case LithSpecial::CarbonateWash: return x < t_.g.lithology.left + 9 * W_;
        default: return true;
        }
    }

    void Anhydrite(int i, int x, int y)
    {
        const int profile = t_.g.profile;
        if (AnhydriteStrokes()) {
            if ((i % 2 == 0) == even_ && Fits(x, LithFigureReach(LithFigure::AnhydriteStroke, W_)))
                DrawLithFigure(dc_, LithFigure::AnhydriteStroke, x, y, W_, H_);
            return;
        }
        if (!kLithJointCells.Has(even_, i) || !Fits(x, LithFigureReach(LithFigure::AnhydriteTick, W_)))
            return;
        if (profile == 116)
            dc_.TextOut(x + 1, y - 3, "x", 1);
        else
            DrawLithFigure(dc_, LithFigure::AnhydriteTick, x, y, W_, H_);
    }

    // Dashes across the item: half a cell in at its left end on even rows, half a cell short of its
    // right end on odd rows.
    void ShaleDashes(int i, int x, int y)
    {
        if (!Fits(x, W_ - 1))
            return;
        const int end = i0_ + pct_ / 10;
        if (even_) {
            if (i == i0_)
                DrawHalfDashRight(dc_, x, y, W_, H_);
            else
                DrawShaleDash(dc_, x, y, W_, H_);
        } else if (i >= i0_ && i < end - 1 && !split_) {
            DrawShaleDash(dc_, x, y, W_, H_);
        } else if (i >= end - 2) {
            DrawHalfDashLeft(dc_, x, y, W_, H_);
        }
    }

    void CustomClay(int k, int i, int y)
    {
        switch (CustomVariant()) {
        case 0:
            ShaleDashes(i, row_.cellX, y);
            return;
        case 2:
            if ((i % 2 == 1) == even_ && Fits(row_.cellX, 7))
                Line(dc_, row_.cellX, y, row_.cellX + 8, y);
            return;
        default:
            break;
        }
        // Bricks: a dash and a joint every third cell, the odd rows' bricks half a cell over.
        if (even_) {
            if (k % 3 == 0 && Fits(row_.cellX, W_ - 1)) {
                const int x = row_.cellX;
                DrawShaleDash(dc_, x, y, W_, H_);
                Line(dc_, int(x + 0.5 * W_), y, int(x + 0.5 * W_), y + H_);
            }
            return;
        }
        row_.cellX = int(row_.cellX + 0.5 * W_);
        const int x = row_.cellX;
        if (k % 3 == 0 && x < t_.g.lithology.left + 8 * W_ && Fits(x, 2 * W_ - 1)) {
            Line(dc_, x + W_, y + H_ / 2, x + 2 * W_, y + H_ / 2);
            Line(dc_, int(x + 1.5 * W_), y, int(x + 1.5 * W_), y + H_);
        }
        row_.cellX = int(row_.cellX - 0.5 * W_);
    }

    void Bentonite(int i, int x, int y)
    {
        const int last = i0_ + pct_ / 10 - 1;
        const bool stroke = Fits(x, BentoniteStrokeReach(W_));
        if (even_) {
            if (i == i0_)
                Line(dc_, x + W_ / 2, y + H_ / 2, x + W_, y + H_ / 2);
            else if (stroke)
                DrawBentoniteStroke(dc_, x, y, W_);
        } else if (i < last) {
            if (stroke)
                DrawBentoniteStroke(dc_, x, y, W_);
        } else {
            Line(dc_, x, y + H_ / 2, x + W_ / 2, y + H_ / 2);
        }
    }

    // ---- After every item but a background-only one ----
    void Tail()
    {
        Restore();
        row_.shareUsed += pct_;
        if (row_.shareUsed < 100) {
            if (row_.divider && !split_) {
                const int x = row_.cellX;
                Line(dc_, x - 1, y_, x - 1, y_ + H_);
                Line(dc_, x, y_, x, y_ + H_);
            }
        } else {
            row_.shareUsed = 0;
            row_.cellX = t_.g.lithology.left;
            row_.cellIndex = 0;
            row_.previousCells = row_.currentCells;
        }
        row_.divider = true;
    }

    const LithPatternTarget& t_;
    platform::Dc& dc_;
    LithRowState& row_;
    const int type_;
    const int pct_;
    int accessory_;
    const int mark_;
    const int y_;
    const bool split_;
    const bool interpreted_;
    const platform::KeepDcState keep_;  // the caller's drawing state, back when the item is done
    platform::Pen cellPen_;
    LithMarkColumn column_;
    int W_ = 0, H_ = 0, m_ = 1, n_ = 0, i0_ = 0;
    bool even_ = true;
};

}  // namespace

void DrawLithPattern(const LithPatternTarget& t, const LithPattern& p) { ItemPainter(t, p).Draw(); }

}  // namespace tracks
