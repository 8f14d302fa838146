#include "logview/draw/laterlabels.h"

#include "platform/draw/dc.h"
#include "platform/draw/textcells.h"

#include <QImage>

namespace logview {

namespace {

using platform::RECT;

constexpr int kClear = 1;  // pixels kept between a label and what stands beside it

RECT Widened(const RECT& r, int by) { return {r.left - by, r.top - by, r.right + by, r.bottom + by}; }

// The first of `taken` that `cell` meets; null when it is clear.
const RECT* Met(const RECT& cell, const std::vector<RECT>& taken)
{
    for (const RECT& r : taken)
        if (cell.left < r.right && r.left < cell.right && cell.top < r.bottom && r.top < cell.bottom)
            return &r;
    return nullptr;
}

bool Clear(const std::vector<RECT>& cells, int dy, const std::vector<RECT>& taken)
{
    for (const RECT& c : cells)
        if (Met({c.left, c.top + dy, c.right, c.bottom + dy}, taken))
            return false;
    return true;
}

// The cells of a gas scale head drawn at y, from a drawing of it where nothing shows.
std::vector<RECT> HeadCells(const PaintTarget& target, NeighbourPainters& painters, const GasHeadAt& head)
{
    QImage nowhere(1, 1, QImage::Format_RGB32);
    platform::Dc trial(nowhere);
    trial.RecordText(true);
    painters.DrawGasScaleHeader({trial, target.geometry, target.device}, *head.record, head.y,
                                target.geometry.rowHeight, head.inBody);
    return platform::RecordedTextCells(trial, 0);
}

// How many rows up from its own the head may stand: the rows above whose records keep its gas scale,
// below the first row's.
int RowsUp(const GasHeadAt& head, Records records, int topY, int R)
{
    const wellfile::RECORD* first = records.data();
    if (head.record < first || head.record >= first + records.size() || R <= 0)
        return 0;
    const std::ptrdiff_t index = head.record - first;
    int up = 0;
    while (index - up - 1 >= 1 && records[std::size_t(index - up - 1)].gasScale == head.record->gasScale &&
           head.y - (up + 1) * R >= topY + 2 * R)
        ++up;
    return up;
}

}  // namespace

void WriteLaterLabels(const PaintTarget& target, NeighbourPainters& painters, const LaterScreenLabels& labels,
                      Records records, int topY, int rightEnd, int lowestY)
{
    platform::Dc& dc = target.dc;
    std::vector<RECT> taken = platform::RecordedTextCells(dc, kClear);
    for (const RECT& r : labels.taken)
        taken.push_back(Widened(r, kClear));

    const platform::KeepDcState keep(dc);
    for (const LaterLabel& l : labels.mudLabels) {
        const platform::Font font = platform::Font::FromLogFont(l.font);
        const QString text = QString::fromLatin1(l.text.c_str());
        const RECT asked = platform::TextCell(dc, l.x, l.y, text, l.align, font);
        RECT cell = asked;
        while (const RECT* met = Met(cell, taken)) {
            const int by = met->right - cell.left;
            cell.left += by;
            cell.right += by;
            if (cell.right > rightEnd) {
                cell = asked;
                break;
            }
        }
        dc.SelectObject(font);
        dc.SetTextColor(l.colour);
        dc.SetTextAlign(l.align);
        dc.TextOut(l.x + (cell.left - asked.left), l.y, l.text.c_str());
        taken.push_back(Widened(cell, kClear));
    }

    const int R = target.geometry.rowHeight;
    for (const GasHeadAt& head : labels.gasHeads) {
        const std::vector<RECT> cells = HeadCells(target, painters, head);
        int dy = 0;
        while (!Clear(cells, dy, taken) && head.y + dy + R <= lowestY)
            dy += R;
        if (!Clear(cells, dy, taken)) {
            const int up = RowsUp(head, records, topY, R);
            dy = 0;
            for (int k = 1; k <= up && !Clear(cells, dy, taken); ++k)
                dy = -k * R;
            if (!Clear(cells, dy, taken))
                dy = 0;
        }
        painters.DrawGasScaleHeader(target, *head.record, head.y + dy, R, head.inBody);
        for (const RECT& c : cells)
            taken.push_back(Widened({c.left, c.top + dy, c.right, c.bottom + dy}, kClear));
    }
}

}  // namespace logview
