#pragma once
// What a lithology cell carries beside its rock: the record mark of an item (1 fractures, a red
// diamond; 2 a zigzag) and the accessory symbol of its percentage's units digit (1-9: dolomitic, sandy,
// anhydritic, limy, cherty, silty, pyritic, shaly, coaly; 39 the wash symbol the pattern painter puts in
// for some types). The pattern painters pass each the top-left corner of the cell; the figures stand at
// fixed offsets from it or at fractions of the cell.
#include "tracks/draw/lithpattern.h"

namespace tracks {

// The column a mark is kept inside: its left x and the cell width in force.
struct LithMarkColumn {
    int left = 0;
    int cell = 0;
};

// The record mark on the screen or in an image. Outside split mode and custom lithology tracks a
// mark is kept inside the lithology column (or `column` when given); on scale index 3 it stands one
// cell further left. Marks other than 1 and 2 draw nothing.
void DrawLithMark(const LithPatternTarget& t, int x, int y, int mark, bool split,
                  const LithMarkColumn* column = nullptr);

// The record mark on paper, `size` device units wide; red only when printing in colour, else in the
// pen and brush in force. Nothing is drawn right of the printed column's last cell.
void PrintLithMark(const LithPatternTarget& t, int size, int x, int y, int mark);

// The accessory symbol with its box's top-left at (x, y): a unit wide and a row high on the screen, a
// printed cell wide and a printed row high on paper. Other values than 1-9 and 39 draw nothing.
void DrawAccessorySymbol(const LithPatternTarget& t, int accessory, int x, int y, bool split, bool interpreted);

}  // namespace tracks
