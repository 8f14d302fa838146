#include "horizontal/draw/horznotes.h"

#include <algorithm>
#include <cstring>

namespace horizontal {

using wellfile::HTEXTEX;

NoteView NoteViewOf(const HorzPlot& plot, int scrollPos, int unitWidth)
{
    NoteView v;
    v.plotLeft = plot.plotLeft;
    v.scrollPos = scrollPos;
    v.pixelsPerUnit = plot.pixelsPerUnit;
    v.plotFirstDepth = plot.plotFirstDepth;
    v.plotLastDepth = plot.plotLastDepth;
    v.drawFrom = plot.drawFrom;
    v.gasTop = plot.bands.gasTop;
    v.gasBase = plot.bands.gasBase;
    v.pathBottom = plot.bands.pathBottom;
    v.notesBandTop = plot.bands.notesBandTop;
    v.notesBandBottom = plot.bands.notesBandBottom;
    v.imageWidth = plot.width;
    v.unitWidth = unitWidth;
    if (plot.settings) {
        v.textInOwnTrack = plot.settings->textInOwnTrack;
        v.customTracks = plot.settings->drawCustomTracks && plot.options.customTracks;
    }
    return v;
}

platform::Font NoteFont(const HTEXTEX& note)
{
    return platform::Font(QStringLiteral("VERDANA"), NoteFontHeight(note.fontSize),
                          note.bold == 1 ? platform::FW_BOLD : platform::FW_NORMAL);
}

bool DrawNotes(platform::Dc& dc, std::span<HTEXTEX> notes, int count, int lastIndex, const NoteView& v,
               NoteDrawing& out)
{
    count = std::min<int>(count, int(notes.size()));
    out = {};
    if (count <= 0)
        return false;
    const int n = lastIndex > 0 ? std::min(lastIndex + 1, count) : count;
    // Notes are placed by MD: those at or before the plot's first MD are hidden (the draw-from depth is a
    // TVD, no measure of them).
    int i = 0;
    for (; i < n && notes[std::size_t(i)].depth <= v.plotFirstDepth; ++i)
        std::memset(notes[std::size_t(i)].box, 0, sizeof notes[std::size_t(i)].box);
    if (i >= n)
        return false;
    out.firstDrawn = i;
    platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Pen(platform::RGB(0, 0, 0), 1));
    if (v.textInOwnTrack)
        dc.Rectangle(v.plotLeft, v.notesBandTop + 1, v.imageWidth, v.notesBandBottom);
    for (; i < n; ++i) {
        HTEXTEX& h = notes[std::size_t(i)];
        if (h.depth <= v.plotFirstDepth || h.depth >= v.plotLastDepth)
            break;
        if (h.text[0] == '\0' || !(h.oneInch || v.pixelsPerUnit >= 8))
            continue;
        dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
        dc.SelectObject(NoteFont(h));
        const std::vector<QByteArray> lines = NoteLines(h);
        int width = 0;
        for (const QByteArray& line : lines)
            width = std::max(width, dc.GetTextExtent(line.constData(), int(line.size())).cx);
        const int lineHeight = dc.GetTextMetrics().tmHeight;
        const int lineStep = lineHeight - 1;
        const platform::RECT box = NoteBox(h, width, int(lines.size()), lineHeight, v);
        h.box[0] = box.left;
        h.box[1] = box.top;
        h.box[2] = box.right;
        h.box[3] = box.bottom;
        dc.SetTextColor(h.textColour);
        dc.SetBkMode(h.transparent == 0 ? platform::OPAQUE : platform::TRANSPARENT);
        if (h.drawRectangle && box.left > v.plotLeft) {
            // A black box colour leaves the DC's own brush.
            const platform::KeepDcState keepBrush(dc);
            if (h.background != 0)
                dc.SelectObject(platform::Brush(h.background));
            dc.Rectangle(box);
        }
        out.handles.push_back(NoteHandle(box, v.unitWidth));
        if (box.left > v.plotLeft) {
            const int first = box.top + (IsDescription(h) ? 0 : 1);
            for (std::size_t k = 0; k < lines.size(); ++k)
                dc.TextOut(box.left + 2, first + int(k) * lineStep, lines[k].constData(), int(lines[k].size()));
        }
    }
    return true;
}

}  // namespace horizontal
