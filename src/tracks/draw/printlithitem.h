#pragma once
// The printer's lithology painter for one item of a row (tracks/draw/lithpattern.h, PrintLithPattern):
// the frame every rock type shares and one pattern per rock type. Everything is in printer device
// units: sizes are fractions of the printed cell width, worked out in floating point and truncated
// toward zero. The frame (printlithitem.cpp) places the item, makes its pens, fills, draws the cell
// steps every pattern shares (accessory, mark, boundary against the row above) and ends the item or
// the row; the patterns themselves are in printlithrocks.cpp.
#include "platform/draw/dc.h"
#include "tracks/draw/lithpattern.h"
#include "tracks/lithstyles.h"

#include <array>
#include <initializer_list>

namespace tracks::printlith {

// The rock types that join an item without a boundary under it or a separator before it.
class Family {
public:
    Family() = default;
    Family(std::initializer_list<int> types);
    bool Has(int type) const;

private:
    std::array<int, 3> types_{-1, -1, -1};
};

// The top edge a cell gets where the row above held another type.
enum class Edge {
    Thick,          // the cell's width in the thick pen, then the mid pen again
    ThickShort,     // the same, only 6 units long
    DoubleMid,      // two lines, at the row top and one below, in the mid pen
    SingleMid,      // one line in the mid pen
    DoubleCurrent,  // two lines in the pen selected at the time
    None,
};

// Where a pattern puts the record mark.
enum class Marks {
    ItemCells,  // the item's cells 1 and 7 on even rows, 3 on odd rows; then the mid pen again
    RowCells,   // the row's cell 3 on even rows, 7 on odd rows; the item goes on in the pen it leaves
    None,
};

// How a pattern's cells take the steps every pattern shares.
struct CellSteps {
    LithAccessoryPlace accessory;  // its cells and its corner from the cell's top left; no cells: none
    bool midAfterAccessory = false;  // the mid pen selected after each cell's accessory step
    Marks marks = Marks::ItemCells;
    Edge edge = Edge::Thick;
    Family family;                 // no boundary under these, no separator before them
};

// The accessory symbol's usual cells (2 and 7 of even rows, 0, 4 and 9 of odd rows), 3 units above
// and left of the cell's corner.
CellSteps StandardSteps(Family family = {});

class PrintItem {
public:
    PrintItem(const LithPatternTarget& t, const LithPattern& p);
    PrintItem(const PrintItem&) = delete;
    PrintItem& operator=(const PrintItem&) = delete;

    // Draws the item and moves the row on; the device context's pen and brush are the caller's again.
    void Draw();

private:
    using COLORREF = platform::COLORREF;

    // ---- The frame (printlithitem.cpp) ----
    void Pattern();
    COLORREF TypeColour() const;
    bool LithIsWash() const;
    void EndItem();

    // Drawing helpers.
    void Select(const platform::Pen& pen) { dc_.SelectObject(pen); }
    void Line(int x0, int y0, int x1, int y1);
    void Polyline(std::initializer_list<platform::POINT> points);
    int ItemWidth() const { return U_ * share_ / 10; }
    int ItemRight() const { return X() + ItemWidth(); }
    int X() const { return row_.cellX; }
    int Cell() const { return row_.cellIndex; }
    // The item's area in `colour` when printing in colour; the caller's pen and brush afterwards.
    void Fill(COLORREF colour);
    // A line along the item's top in the mid pen.
    void TopLine();
    // Cells 0, 4 and 8 of even rows, 2 and 6 of odd rows: the bricks' stagger.
    bool EveryFourth(int c) const;
    // Odd cells of even rows, even cells of odd rows.
    bool Alternate(int c) const;

    // The item's cells: `symbol(k, c)` draws cell k of the item (row cell c) at X(), then the steps
    // follow and the cursor moves a cell on. A family of the steps drops the separator before a
    // following item of that family.
    template <class Symbol>
    void EachCell(const CellSteps& steps, Symbol&& symbol)
    {
        for (int k = 0; k < n_; ++k) {
            symbol(k, Cell());
            CommonSteps(steps, k);
            NextCell();
        }
        if (steps.family.Has(row_.nextType))
            row_.divider = false;
    }
    void CommonSteps(const CellSteps& steps, int k);
    void Accessory(const LithAccessoryPlace& place);
    void Mark(Marks marks, int k);
    // Books the cell's type and draws its top edge where the row above held another type.
    void Boundary(const CellSteps& steps);
    void NextCell();

    // ---- The patterns (printlithrocks.cpp) ----
    void Blank();
    void Dolomite();
    void Sand();
    void Anhydrite();
    void Limestone();
    void Chert();
    void Silt();
    void ShaleFamily();
    void Coal();
    void Salt();
    void Granite();
    void Conglomerate();
    void LimestoneWithFigures();
    void Bentonite();
    void GlauconiticSand();
    void DolomiteWithFigures();
    void FracturedSand();
    void Wash();
    void Cement();
    void CustomClay();
    void Volcanics();
    // Figures shared by several patterns, at the cell's top left (x, y).
    void DolomiteDiagonal(int x);
    void GlauconiteStroke(int x);
    void FossilOutline(int x);
    void Oolite(int x, double width);  // `width` in cells
    void SandCircle(int x);

    const LithPatternTarget& t_;
    platform::Dc& dc_;
    LithRowState& row_;
    const logview::PrinterGeometry& paper_;
    const int type_;
    const int share_;
    const int n_;  // the item's cells: share / 10
    int accessory_;
    const int mark_;
    const int H_;   // the row height
    const int Y0_;  // the row top
    const bool interpreted_;
    const bool even_;
    const bool colour_;
    const platform::KeepDcState keep_;  // the caller's drawing state: nothing made for the item stays selected

    // Worked out from the printed cell width U0, in the interpreted column too.
    int U0_ = 0, Ym_ = 0, U3_ = 0, D_ = 0;
    platform::Pen thick_, mid_, rowPen_;
    const platform::Pen window1_{platform::RGB(0, 0, 0), 1};
    const platform::Pen window2_{platform::RGB(0, 0, 0), 2};
    COLORREF typeColour_ = 0;
    COLORREF dolomite_ = 0;
    // The cell width in force and the column's left and right edges; the right edge is the printed
    // column's own where the print layout sets one.
    int U_ = 0, XL_ = 0, E_ = 0;
};

}  // namespace tracks::printlith
