// Text of the Dc: TextOut with the alignment flags and escapement, DrawText, extents and metrics.
#include "platform/draw/dc.h"

#include "platform/draw/fonts.h"
#include "platform/draw/syscolors.h"
#include "platform/text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cstring>
#include <optional>

namespace platform {

namespace {

QColor QColorOf(COLORREF c)
{
    const COLORREF r = ResolveColor(c);
    return QColor(GetRValue(r), GetGValue(r), GetBValue(r));
}

QString Decode(const char* text, int length)
{
    if (!text)
        return {};
    const std::size_t n = length < 0 ? std::strlen(text) : std::size_t(length);
    return FromCp1252(text, n);
}

QFontMetrics MetricsOn(const QFont& font, QPaintDevice* device)
{
    return device ? QFontMetrics(font, device) : QFontMetrics(font);
}

// Offset of the text cell's top-left corner from the reference point, by the alignment flags.
QPoint CellOffset(unsigned align, int width, int ascent, int height)
{
    int dx = 0, dy = 0;
    if ((align & TA_CENTER) == TA_CENTER)
        dx = -width / 2;
    else if (align & TA_RIGHT)
        dx = -width;
    if ((align & TA_BASELINE) == TA_BASELINE)
        dy = -ascent;
    else if (align & TA_BOTTOM)
        dy = -height;
    return {dx, dy};
}

struct TextLine {
    int start;
    int length;
};

// Removes the '&' prefixes: "&&" is a plain '&', "&x" underlines x. Returns the text left and the
// index of the first underlined character (-1 when none).
QString StripPrefixes(const QString& text, int& underline)
{
    QString out;
    underline = -1;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            out += text[i];
            continue;
        }
        if (i + 1 < text.size()) {
            if (text[i + 1] != u'&' && underline < 0)
                underline = int(out.size());
            out += text[++i];
        }
    }
    return out;
}

// Greedy word wrap of text[begin, end) at spaces; a word wider than the width keeps a line of its own.
void WrapParagraph(const QString& text, int begin, int end, int width, const QFontMetrics& fm, std::vector<TextLine>& lines)
{
    int pos = begin;
    if (pos >= end) {
        lines.push_back({pos, 0});
        return;
    }
    while (pos < end) {
        int fit = -1;
        for (int i = pos; i <= end; ++i) {
            if (i < end && text[i] != u' ')
                continue;
            if (i > pos && fm.horizontalAdvance(text.mid(pos, i - pos)) > width)
                break;
            if (i > pos)
                fit = i;
        }
        if (fit < 0) {
            fit = pos;
            while (fit < end && text[fit] != u' ')
                ++fit;
        }
        lines.push_back({pos, fit - pos});
        pos = fit;
        while (pos < end && text[pos] == u' ')
            ++pos;
    }
}

}  // namespace

QFont Dc::DeviceFont() const
{
    const int dpi = DpiY();
    if (deviceFontDpi_ != dpi || !(deviceFontOf_ == s_.font)) {
        deviceFont_ = MakeQFont(s_.font, dpi);
        deviceFontOf_ = s_.font;
        deviceFontDpi_ = dpi;
        textWidths_.clear();
    }
    return deviceFont_;
}

int Dc::TextWidth(const QString& text) const
{
    const QFont font = DeviceFont();
    auto it = textWidths_.constFind(text);
    if (it != textWidths_.constEnd())
        return *it;
    constexpr qsizetype kMostWidths = 1024;
    if (textWidths_.size() >= kMostWidths)
        textWidths_.clear();
    const int w = MetricsOn(font, device_).horizontalAdvance(text);
    textWidths_.insert(text, w);
    return w;
}

SIZE Dc::GetTextExtent(const char* text, int length) const { return GetTextExtent(Decode(text, length)); }

SIZE Dc::GetTextExtent(const QString& text) const
{
    const QFontMetrics fm = MetricsOn(DeviceFont(), device_);
    return {TextWidth(text), fm.ascent() + fm.descent()};
}

TEXTMETRIC Dc::GetTextMetrics() const
{
    const QFont font = DeviceFont();
    const QFontMetrics fm = MetricsOn(font, device_);
    TEXTMETRIC tm;
    tm.tmAscent = fm.ascent();
    tm.tmDescent = fm.descent();
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = std::max(0, tm.tmHeight - font.pixelSize());
    tm.tmExternalLeading = std::max(0, fm.leading());
    tm.tmAveCharWidth = fm.averageCharWidth();
    tm.tmMaxCharWidth = fm.maxWidth();
    tm.tmWeight = font.weight();
    return tm;
}

bool Dc::TextOut(int x, int y, const char* text, int length) { return TextOut(x, y, Decode(text, length)); }

void Dc::RecordText(bool on)
{
    recordingText_ = on;
    if (on)
        textRecord_.clear();
}

void Dc::AddTextRecord(int x, int y, const QString& text, unsigned align, bool drawText, const RECT& rect)
{
    if (recordingText_)
        textRecord_.push_back({POINT{x, y}, text, align, s_.textColor, s_.bkColor, s_.bkMode, s_.font, drawText, rect});
}

bool Dc::TextOut(int x, int y, const QString& text)
{
    AddTextRecord(x, y, text, s_.textAlign, false, {});
    return TextImpl(x, y, text, s_.textAlign, s_.font.escapement, nullptr, -1);
}

QRect Dc::TextBounds(int x, int y, const QString& text, unsigned align, int escapement) const
{
    const QFontMetrics fm = MetricsOn(DeviceFont(), device_);
    const int w = TextWidth(text), h = fm.ascent() + fm.descent();
    const QPoint off = CellOffset(align, w, fm.ascent(), h);
    // Glyphs may reach past their advance (italics, overhangs).
    const int m = h / 2 + 2;
    const QRect cell(off.x() - m, off.y() - m, w + 2 * m, h + 2 * m);
    QTransform t;
    t.translate(x, y);
    t.rotate(-escapement / 10.0);
    return t.mapRect(cell);
}

bool Dc::TextImpl(int x, int y, const QString& text, unsigned align, int escapement, const QRect* clip,
                  int underlineIndex)
{
    if (image_) {
        QPainter p(image_);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.translate(-Shift());
        PaintText(p, x, y, text, align, escapement, clip, underlineIndex);
        return true;
    }
    std::optional<QRect> clipCopy;
    if (clip)
        clipCopy = *clip;
    QRect bounds = TextBounds(x, y, text, align, escapement);
    if (clip)
        bounds &= *clip;
    return OnDevice(
        bounds, false,
        [=](Dc& d) { d.TextImpl(x, y, text, align, escapement, clipCopy ? &*clipCopy : nullptr, underlineIndex); },
        [&] { PaintText(*painter_, x, y, text, align, escapement, clip, underlineIndex); });
}

void Dc::PaintText(QPainter& p, int x, int y, const QString& text, unsigned align, int escapement, const QRect* clip,
                   int underlineIndex) const
{
    const QFont font = DeviceFont();
    const QFontMetrics fm = MetricsOn(font, device_);
    const int w = TextWidth(text), ascent = fm.ascent(), h = ascent + fm.descent();
    const QPoint off = CellOffset(align, w, ascent, h);
    p.save();
    if (clip)
        p.setClipRect(*clip, Qt::IntersectClip);
    p.translate(x, y);
    if (escapement != 0)
        p.rotate(-escapement / 10.0);
    if (s_.bkMode == OPAQUE)
        p.fillRect(QRect(off.x(), off.y(), w, h), QColorOf(s_.bkColor));
    const QColor color = QColorOf(s_.textColor);
    p.setFont(font);
    p.setPen(color);
    p.drawText(QPoint(off.x(), off.y() + ascent), text);
    if (underlineIndex >= 0 && underlineIndex < text.size()) {
        const int ux = off.x() + fm.horizontalAdvance(text.left(underlineIndex));
        const int uw = fm.horizontalAdvance(text.at(underlineIndex));
        p.fillRect(QRect(ux, off.y() + ascent + std::max(1, fm.underlinePos()), uw, std::max(1, fm.lineWidth())), color);
    }
    p.restore();
}

int Dc::DrawText(const char* text, int length, RECT& rect, unsigned format)
{
    return DrawText(Decode(text, length), rect, format);
}

int Dc::DrawText(const QString& input, RECT& rect, unsigned format)
{
    if (!(format & DT_CALCRECT))
        AddTextRecord(rect.left, rect.top, input, format, true, rect);
    int underline = -1;
    QString text = (format & DT_NOPREFIX) ? input : StripPrefixes(input, underline);
    const QFontMetrics fm = MetricsOn(DeviceFont(), device_);
    const int lineHeight = fm.ascent() + fm.descent() + ((format & DT_EXTERNALLEADING) ? std::max(0, fm.leading()) : 0);

    std::vector<TextLine> lines;
    const bool single = format & DT_SINGLELINE;
    if (single) {
        // Line breaks do not break a single line; they draw nothing.
        QString flat;
        for (int i = 0; i < text.size(); ++i) {
            if (text[i] == u'\r' || text[i] == u'\n') {
                if (i < underline)
                    --underline;
                continue;
            }
            flat += text[i];
        }
        text = flat;
        lines.push_back({0, int(text.size())});
    } else {
        int begin = 0;
        for (int i = 0; i <= text.size(); ++i) {
            if (i < text.size() && text[i] != u'\r' && text[i] != u'\n')
                continue;
            if (format & DT_WORDBREAK)
                WrapParagraph(text, begin, i, rect.Width(), fm, lines);
            else
                lines.push_back({begin, i - begin});
            if (i + 1 < text.size() && text[i] == u'\r' && text[i + 1] == u'\n')
                ++i;
            begin = i + 1;
        }
    }

    int widest = 0;
    for (const TextLine& l : lines)
        widest = std::max(widest, fm.horizontalAdvance(text.mid(l.start, l.length)));
    const int total = int(lines.size()) * lineHeight;
    if (format & DT_CALCRECT) {
        rect.right = rect.left + widest;
        rect.bottom = rect.top + total;
        return total;
    }

    // Vertical placement other than the top holds for single lines only.
    int y = rect.top;
    if (single && (format & DT_VCENTER))
        y = rect.top + (rect.Height() - lineHeight) / 2;
    else if (single && (format & DT_BOTTOM))
        y = rect.bottom - lineHeight;
    const QRect clip(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
    const int result = (single && (format & (DT_VCENTER | DT_BOTTOM))) ? y - rect.top + total : total;
    for (const TextLine& l : lines) {
        const QString s = text.mid(l.start, l.length);
        const int w = fm.horizontalAdvance(s);
        int x = rect.left;
        if (format & DT_CENTER)
            x = rect.left + (rect.Width() - w) / 2;
        else if (format & DT_RIGHT)
            x = rect.right - w;
        const int ul = (underline >= l.start && underline < l.start + l.length) ? underline - l.start : -1;
        TextImpl(x, y, s, TA_LEFT | TA_TOP, 0, (format & DT_NOCLIP) ? nullptr : &clip, ul);
        y += lineHeight;
    }
    return result;
}

}  // namespace platform
