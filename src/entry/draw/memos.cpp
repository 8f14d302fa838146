#include "entry/draw/memos.h"

#include "layout/trackflags.h"
#include "logview/memoslot.h"
#include "platform/draw/dc.h"

#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace entry {

namespace {

// A description's place: the slot and offset of the cell half a row into the right-hand region.
logview::SlotPlace DescriptionPlace(const logview::MemoSlotLayout& screenSlots, int rowHeight)
{
    return logview::XToMemoSlot(screenSlots, int(screenSlots.rightLeft + 0.5 * rowHeight));
}

using platform::COLORREF;
using platform::RECT;

constexpr COLORREF kBlack = platform::RGB(0, 0, 0);
constexpr COLORREF kRed = platform::RGB(255, 0, 0);

using platform::KeepDcState;

float PrintFactor(const logview::PrinterGeometry& p) { return std::min(p.scaleFactor, 1.0f); }

// Screen offsets inside a slot grow with the printed row height on paper, and shrink on the narrow log.
double OffsetScale(const logview::Device& d)
{
    const double paper = d.printing ? double(d.printer.rowHeight / 10) * PrintFactor(d.printer) : 1.0;
    return paper * (d.narrowFormat ? 0.88 : 1.0);
}

platform::Font MemoFont(const wellfile::SVMEMO& m, const logview::Device& d)
{
    const platform::LOGFONTA font = m.font;
    return platform::Font::FromLogFont(d.printing ? MemoPrintFont(font, d.printer) : font);
}

// The x of a memo's slot: descriptions stand at the printed right-hand region on paper.
std::int32_t SlotX(const wellfile::SVMEMO& m, const logview::MemoSlotLayout& slotLayout, const logview::Device& d)
{
    return d.printing && m.description ? d.printer.descriptionLeft : logview::MemoSlotToX(slotLayout, m.slot);
}

// The width of the widest line and the height of the last one measured.
struct Extent {
    int widest = 0;
    int lineHeight = 0;
};
Extent MeasureLines(const platform::Dc& dc, const MemoLines& lines)
{
    Extent e;
    for (int k = 0; k < lines.count; ++k) {
        const platform::SIZE s = dc.GetTextExtent(lines.text[std::size_t(k)].data(), lines.length[std::size_t(k)]);
        e.widest = std::max(e.widest, int(s.cx));
        e.lineHeight = int(s.cy);
    }
    return e;
}

// A description's lines broken at blanks to fit `room` pixels, as its note editor breaks them when it
// is typed: a memo written by a program (a survey station's) would otherwise run over the gas track. A
// word wider than the room stands alone on its line.
void FitLines(const platform::Dc& dc, MemoLines& lines, int room)
{
    MemoLines out;
    const auto width = [&](const char* text, int n) { return dc.GetTextExtent(text, n).cx; };
    const auto add = [&](const char* text, int n) {
        if (out.count >= kMaxMemoLinesDrawn || n <= 0)
            return;
        std::memcpy(out.text[std::size_t(out.count)].data(), text, std::size_t(n));
        out.text[std::size_t(out.count)][std::size_t(n)] = '\0';
        out.length[std::size_t(out.count++)] = n;
    };
    for (int k = 0; k < lines.count; ++k) {
        const char* text = lines.text[std::size_t(k)].data();
        int n = lines.length[std::size_t(k)];
        while (n > 0 && width(text, n) > room) {
            int cut = n;
            while (cut > 0 && (text[cut] != ' ' || width(text, cut) > room))
                --cut;
            if (cut == 0)  // the first word alone is too wide
                for (cut = 1; cut < n && text[cut] != ' '; ++cut) {
                }
            add(text, cut);
            while (cut < n && text[cut] == ' ')
                ++cut;
            text += cut;
            n -= cut;
        }
        add(text, n);
    }
    lines = out;
}

// The frame of a box, filled with the memo's background colour when it has one.
void DrawFrame(platform::Dc& dc, const wellfile::SVMEMO& m, const RECT& box)
{
    const KeepDcState keep(dc);
    const COLORREF background = m.frameColour;
    if (background != 0)
        dc.SelectObject(platform::Brush(background));
    dc.Rectangle(box);
}

// Stores a rectangle in the record's four int32 at `offset` (the record is packed: no reference to its fields).
void StoreRect(wellfile::SVMEMO& m, std::size_t offset, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom)
{
    const std::int32_t v[4] = {left, top, right, bottom};
    std::memcpy(reinterpret_cast<char*>(&m) + offset, v, sizeof v);
}

// The drawing of DrawMemos, one memo at a time.
class MemoDrawing {
public:
    MemoDrawing(MemoPass& p, std::int32_t topDepth, int pageBottomY, int rowHeight, int yOrigin, int mode)
        : p_(p), g_(p.g), d_(p.device), top_(topDepth), pageBottom_(pageBottomY), R_(rowHeight), yOrigin_(yOrigin),
          mode_(mode), paper_(d_.printing), screen_(!d_.printing && !d_.imageExport && !d_.offScreen),
          hits_(screen_ && mode == 0),
          slots_(logview::MemoSlotsOf(g_, d_)), screenSlots_(logview::ScreenMemoSlots(g_)), offsetScale_(OffsetScale(d_))
    {
    }

    void Run()
    {
        platform::Dc& dc = p_.dc;
        dc.SelectObject(platform::Pen(kBlack, paper_ ? 4 : 1));
        dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
        dc.SetBkMode(platform::TRANSPARENT);
        if (paper_)
            p_.pending.Clear();
        if (hits_)
            p_.state.hits.Clear();
        std::size_t i = 0;
        const std::size_t n = p_.memos.size();
        for (; i < n && p_.memos[i].depth > 0 && p_.memos[i].depth < top_; ++i)
            StoreRect(p_.memos[i], offsetof(wellfile::SVMEMO, box), 0, 0, 0, 0);
        if (hits_)
            p_.state.hits.firstMemo = std::int32_t(i);
        for (; i < n && p_.memos[i].depth != 0; ++i)
            if (!Memo(std::int32_t(i)))
                break;
    }

private:
    // False when the page is full and the whole drawing ends.
    bool Memo(std::int32_t index)
    {
        wellfile::SVMEMO& m = p_.memos[std::size_t(index)];
        const MemoOptions& o = p_.options;
        const bool compressed = g_.scaleIndex > 2;
        if (o.customTracks && mode_ == 0 && m.description)
            return true;
        // Drawn at the next even depth; the record keeps the depth the user gave.
        const std::int32_t depth = m.depth + m.depth % 2;
        if (mode_ > 0 && !m.description)
            return true;
        if (!g_.Flag(m.description ? layout::FLAG_DESCRIPTIONS : layout::FLAG_MEMOS))
            return true;
        if (compressed && (!m.oneInch || (paper_ && !d_.descriptionsOnOneInch)))
            return true;
        if (m.shown == 0)
            m.text[0] = '\0';
        if (!compressed && m.oneInchOnly)
            return true;
        // Memos outside the file's depths are left out; the memo dialog accepts memos from the first depth
        // + 10, so the ones just below it are skipped rather than ending the drawing.
        if (depth < g_.fileFirstDepth + 12 || depth > g_.fileLastDepth || depth < top_)
            return true;

        platform::Dc& dc = p_.dc;
        dc.SetBkMode(m.transparent ? platform::TRANSPARENT : platform::OPAQUE);
        const int recordsPerRow = g_.scaleIndex == 3 ? 5 : 1;
        // The row of the depth the user gave: the next page draws the memos from its first row's depth.
        const int rowTop = yOrigin_ + (m.depth - top_) * R_ / recordsPerRow;
        int y = int(yOrigin_ + 1 - 0.5 * R_ + double((depth - top_) * R_ / recordsPerRow));
        // Paper whose rows step up every fifth row takes the memos up with them.
        const double stepUp = paper_ && d_.rowStep ? 0.7 * (depth - top_) : 0.0;
        y = int(y - stepUp);
        if (m.description) {
            const logview::SlotPlace place = DescriptionPlace(screenSlots_, R_);
            m.slot = place.slot;
            m.slotOffset = place.offset;
        }
        int x = int(SlotX(m, slots_, d_) + m.slotOffset * offsetScale_ + 2.0);
        if (x > (paper_ ? d_.printer.logRight : g_.logWidth))
            return true;
        if (mode_ > 0)
            x = mode_;
        x = std::max(x, 2);
        // A page ends at its bottom: a memo whose row lies below it belongs to the next page, which
        // draws it, even when its text would start above this page's foot.
        if (paper_ && rowTop - stepUp >= pageBottom_)
            return false;

        char text[sizeof m.text];
        MemoDrawnText(m, o, text, sizeof text);
        SplitMemoLines(text, sizeof text, kMaxMemoLinesDrawn, lines_);
        const KeepDcState keep(dc);
        dc.SelectObject(MemoFont(m, d_));
        dc.SetTextColor(MemoTextColour(m));
        // The box reaches a row past its text's right end: the text keeps that much clear of the column's.
        if (m.description && screen_ && mode_ == 0 && g_.description.count > 0)
            FitLines(dc, lines_, DescriptionTextRoom(g_) - R_);
        return Box(m, index, x, y);
    }

    // The box and the lines of a memo whose text is laid out in lines_; false when the page is full.
    bool Box(wellfile::SVMEMO& m, std::int32_t index, int x, int y)
    {
        platform::Dc& dc = p_.dc;
        const Extent e = MeasureLines(dc, lines_);
        const int step = int(e.lineHeight * 0.9);
        if (screen_ && y >= g_.logBottomY - R_)
            return true;
        RECT box{x, y, int(x + e.widest + 0.25 * R_) + R_,
                 lines_.count == 1 ? int(y + 2 * step * 0.75) : int(y + (lines_.count + 1) * step * 0.95)};
        if (hits_ && p_.state.hits.Add(box, index)) {
            const int r = g_.rowHeight;
            StoreRect(m, offsetof(wellfile::SVMEMO, topStrip), box.left, box.top, box.right, box.top + 2 * r);
            StoreRect(m, offsetof(wellfile::SVMEMO, cornerSquare), box.right - 4 * r, box.bottom - 4 * r, box.right, box.bottom);
            StoreRect(m, offsetof(wellfile::SVMEMO, box), box.left, box.top, box.right, box.bottom);
        }
        if (screen_)
            box.bottom = std::min<int>(box.bottom, g_.logBottomY);
        if (m.drawRectangle && mode_ == 0 && m.shown && (!screen_ || box.top < g_.logBottomY))
            DrawFrame(dc, m, box);

        const int reserve = int(step * (p_.options.pageReserve ? 1.6 : 1.2));
        const int minTextY = paper_ ? 0 : g_.topMargin - g_.rowHeight;
        const int inset = int(0.25 * R_);
        for (int k = 0; k < lines_.count; ++k) {
            if (paper_ && !p_.pending.Full() && pageBottom_ - reserve < y && y < pageBottom_) {
                p_.pending.Add(index, k);
                return true;
            }
            if (y > minTextY)
                dc.TextOut(x + inset, y + inset, lines_.text[std::size_t(k)].data(), lines_.length[std::size_t(k)]);
            y += step;
            if (paper_ && y >= pageBottom_)
                return false;
            if (screen_ && y >= g_.logBottomY - R_)
                return true;
        }
        return true;
    }

    MemoPass& p_;
    const logview::ViewGeometry& g_;
    const logview::Device& d_;
    const std::int32_t top_;
    const int pageBottom_, R_, yOrigin_, mode_;
    const bool paper_, screen_;
    // The log body's own drawing on the window keeps the boxes the mouse finds memos by; a custom
    // track's column (a mode above 0) leaves them alone.
    const bool hits_;
    const logview::MemoSlotLayout slots_, screenSlots_;
    const double offsetScale_;
    MemoLines lines_;
};

}  // namespace

void DrawMemos(MemoPass& pass, std::int32_t topDepth, int pageBottomY, int rowHeight, int yOrigin, int mode)
{
    KeepDcState keep(pass.dc);
    MemoDrawing(pass, topDepth, pageBottomY, rowHeight, yOrigin, mode).Run();
}

int DrawMemoBox(MemoPass& pass, std::int32_t memo, std::int32_t firstLine, int rowHeight, int yTop, int x)
{
    if (memo < 0 || std::size_t(memo) >= pass.memos.size() || pass.memos[std::size_t(memo)].depth == 0)
        return yTop;
    const wellfile::SVMEMO& m = pass.memos[std::size_t(memo)];
    const logview::Device& d = pass.device;
    platform::Dc& dc = pass.dc;
    KeepDcState keep(dc);
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    dc.SetBkMode(m.transparent ? platform::TRANSPARENT : platform::OPAQUE);
    dc.SelectObject(MemoFont(m, d));
    dc.SetTextColor(MemoTextColour(m));
    dc.SelectObject(platform::Pen(kBlack, d.printing ? 4 : 1));
    const int R = rowHeight;
    double y = yTop + (pass.options.pageReserve ? int(0.5 * R) : 0);
    const int left = x > 0 ? x : std::max(int(SlotX(m, logview::MemoSlotsOf(pass.g, d), d) + m.slotOffset * OffsetScale(d)), 2);

    char text[sizeof m.text];
    MemoDrawnText(m, pass.options, text, sizeof text);
    MemoLines lines;
    SplitMemoLines(text, sizeof text, kMaxMemoLinesDrawn, lines);
    const Extent e = MeasureLines(dc, lines);
    const double step = e.lineHeight * 0.95;
    const int first = std::clamp<int>(firstLine, 0, lines.count);
    const int top = int(y - 0.5 * R);
    const RECT box{left, top, left + e.widest + 2 * R, int(top + (lines.count - first) * step * 0.95) + R};
    if (m.drawRectangle && x <= 0)
        DrawFrame(dc, m, box);
    for (int k = first; k < lines.count; ++k) {
        dc.TextOut(int(left + 0.25 * R), int(y), lines.text[std::size_t(k)].data(), lines.length[std::size_t(k)]);
        y = int(y + step);
    }
    return int(y);
}

int DescriptionTextRoom(const logview::ViewGeometry& g)
{
    if (g.description.count <= 0)
        return 0;
    const logview::MemoSlotLayout screen = logview::ScreenMemoSlots(g);
    const logview::SlotPlace place = DescriptionPlace(screen, g.rowHeight);
    // The box starts two pixels into its cell, its lines a quarter row further; the column's last pixel
    // is the next track's edge line.
    const int textX = int(logview::MemoSlotToX(screen, place.slot) + place.offset + 2.0) + int(0.25 * g.rowHeight);
    return std::max(g.description.Right() - 1 - textX, 0);
}

void DrawMemoLabel(platform::Dc& dc, const logview::ViewGeometry& g, bool erase)
{
    KeepDcState keep(dc);
    dc.SetTextColor(erase ? dc.GetBkColor() : kRed);
    dc.SetTextAlign(platform::TA_BASELINE | platform::TA_CENTER);
    dc.SetBkMode(platform::TRANSPARENT);
    const logview::MemoSlotLayout slotLayout = logview::ScreenMemoSlots(g);
    const std::int32_t gasCell = slotLayout.GasCell();
    const std::int32_t gasStep = 5 * gasCell - (slotLayout.noGasAdjust ? 0 : gasCell - 2);
    const int y = g.topMargin + 2 * g.rowHeight;
    int x = g.rate.left;
    for (int label = 0; label <= 24; ++label) {
        dc.TextOut(x, y, QString::number(label));
        if (label == 10)
            x = g.gas.left;
        else if (label >= 12 && label <= 19)
            x += gasStep;
        else
            x += 5 * g.rate.cell;
    }
}

platform::LOGFONTA MemoPrintFont(const platform::LOGFONTA& memoFont, const logview::PrinterGeometry& printer)
{
    platform::LOGFONTA font = memoFont;
    const double height = double(printer.rowHeight / 10) * memoFont.lfHeight * 1.1 * PrintFactor(printer);
    font.lfHeight = std::int32_t(height);
    font.lfWidth = 0;
    font.lfWeight = memoFont.lfWeight + 100;
    return font;
}

}  // namespace entry
