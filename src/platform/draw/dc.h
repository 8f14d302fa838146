#pragma once
// A GDI-style drawing context, used the same way on an RGB32 image (the log window's backing store,
// off-screen bitmaps, log images) and on a PDF writer or printer. On images it follows GDI's pixel rules
// exactly with its own rasterisation; on paper it draws plain vectors, and an element that needs a mix
// or a hatch is composed in an image band of the page first (a device has no raster operations).
//
// Coordinates are device pixels. Colours are COLORREFs; 0x80000000 + index names a system colour.
#include "platform/draw/gdiobjects.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QPaintDevice;

namespace platform {

// One TextOut or DrawText as it was asked for: tests check text through this record, not glyph pixels.
struct DcText {
    POINT at;                  // TextOut's reference point; DrawText's rectangle's top left
    QString text;
    unsigned align = 0;        // TextOut: the text alignment in force; DrawText: its format
    COLORREF textColor = 0;
    COLORREF bkColor = 0;
    int bkMode = 0;
    Font font;
    bool drawText = false;     // from DrawText (then `rect` is its rectangle)
    RECT rect;
};

class Dc {
public:
    // Draws into `image`, which outlives the Dc; an image that is not RGB32 is converted first.
    explicit Dc(QImage& image);
    // Draws into `band` the part of a larger picture whose top left is `pageOrigin` of that picture:
    // drawing takes the picture's coordinates and gives the pixels a Dc over the whole picture gives
    // there (a band of a printed page, or of a log image too tall to be held whole).
    Dc(QImage& band, QPoint pageOrigin);
    // Draws on a PDF writer or printer, from the start of its current page.
    explicit Dc(QPaintDevice& device);
    virtual ~Dc();
    Dc(const Dc&) = delete;
    Dc& operator=(const Dc&) = delete;

    bool IsImage() const { return image_ != nullptr; }
    QImage* Image() const { return image_; }
    // Ends the page of a PDF writer or printer and starts the next; false on an image.
    bool NewPage();

    // Drawing objects. Each SelectObject returns the object it replaced.
    Pen SelectObject(const Pen& pen);
    Brush SelectObject(const Brush& brush);
    Font SelectObject(const Font& font);
    void SelectStockObject(int index);
    void RestorePen();
    void RestoreBrush();
    void RestoreFont();
    // Puts back the pen, brush and font the Dc started with.
    void RestoreObjects();
    const Pen& CurrentPen() const { return s_.pen; }
    const Brush& CurrentBrush() const { return s_.brush; }
    const Font& CurrentFont() const { return s_.font; }

    // Attributes; each setter returns the previous value.
    int SetROP2(int mix);
    int GetROP2() const { return s_.rop2; }
    int SetBkMode(int mode);
    int GetBkMode() const { return s_.bkMode; }
    COLORREF SetBkColor(COLORREF c);
    COLORREF GetBkColor() const { return s_.bkColor; }
    COLORREF SetTextColor(COLORREF c);
    COLORREF GetTextColor() const { return s_.textColor; }
    unsigned SetTextAlign(unsigned align);
    unsigned GetTextAlign() const { return s_.textAlign; }

    // The viewport origin, as GDI's: it is added to every coordinate drawn or read (lines, shapes, text,
    // blits, pixels); the current position and the text record keep the coordinates as given. Returns the
    // previous origin.
    POINT SetViewportOrg(int x, int y);
    POINT GetViewportOrg() const { return s_.viewport; }

    // Lines: the end point is left out; the dash pattern runs on from one LineTo to the next.
    POINT MoveTo(int x, int y);
    POINT GetCurrentPosition() const { return s_.position; }
    bool LineTo(int x, int y);
    bool Polyline(const POINT* points, int count);

    // Shapes in the current pen and brush; the right and bottom edges are left out, and with a null
    // pen the shape is one pixel smaller.
    bool Rectangle(int left, int top, int right, int bottom);
    bool Rectangle(const RECT& r) { return Rectangle(r.left, r.top, r.right, r.bottom); }
    bool Ellipse(int left, int top, int right, int bottom);
    bool RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    bool Polygon(const POINT* points, int count);

    // Brush fills that ignore the pen and the mix: FillRect covers [left, right) x [top, bottom),
    // FrameRect its one-pixel border. A hatched brush fills its gaps with the background colour in
    // OPAQUE mode and leaves them alone in TRANSPARENT mode, here and in the blits that use the brush.
    bool FillRect(const RECT& r, const Brush& brush);
    bool FrameRect(const RECT& r, const Brush& brush);
    bool PatBlt(int x, int y, int width, int height, std::uint32_t rop);

    COLORREF SetPixel(int x, int y, COLORREF color);
    // CLR_INVALID outside the image or on a device that cannot be read.
    COLORREF GetPixel(int x, int y) const;

    // Blits from an image (or an image Dc); stretching takes the nearest pixel. A negative width or
    // height covers [x + w + 1, x + 1), and a stretch mirrors where the two sides differ in sign. The
    // source's alpha, if it has any, is ignored: every pixel written is opaque.
    bool BitBlt(int x, int y, int width, int height, const Dc& source, int sx, int sy, std::uint32_t rop);
    bool BitBlt(int x, int y, int width, int height, const QImage& source, int sx, int sy, std::uint32_t rop);
    bool StretchBlt(int x, int y, int width, int height, const Dc& source, int sx, int sy, int sw, int sh,
                    std::uint32_t rop);
    bool StretchBlt(int x, int y, int width, int height, const QImage& source, int sx, int sy, int sw, int sh,
                    std::uint32_t rop);

    // Text: Windows-1252 bytes (length -1: up to the NUL) or a QString.
    bool TextOut(int x, int y, const char* text, int length = -1);
    bool TextOut(int x, int y, const QString& text);
    int DrawText(const char* text, int length, RECT& rect, unsigned format);
    int DrawText(const QString& text, RECT& rect, unsigned format);
    SIZE GetTextExtent(const char* text, int length = -1) const;
    SIZE GetTextExtent(const QString& text) const;
    TEXTMETRIC GetTextMetrics() const;

    int GetDeviceCaps(int index) const;

    // The text record: while it is on, every TextOut and every DrawText that draws (not DT_CALCRECT)
    // is added to it. Turning it on empties it.
    void RecordText(bool on);
    bool RecordingText() const { return recordingText_; }
    const std::vector<DcText>& TextRecord() const { return textRecord_; }

protected:
    struct State {
        Pen pen;
        Brush brush;
        Font font;
        int rop2 = R2_COPYPEN;
        int bkMode = OPAQUE;
        COLORREF bkColor = RGB(255, 255, 255);
        COLORREF textColor = RGB(0, 0, 0);
        unsigned textAlign = TA_LEFT | TA_TOP;
        POINT position;
        long long stylePos = 0;  // pixels of the dash pattern used since the last MoveTo
        POINT viewport;          // added to every coordinate
    };

private:
    using Call = std::function<void(Dc&)>;
    struct Recorded {
        QRect bounds;
        State state;
        Call call;
    };

    // Device path: draws the element as vectors, or through a band when it needs a mix or a hatch, and
    // remembers it for later bands (as `replay` when given, else as `call`).
    bool OnDevice(const QRect& bounds, bool needsBand, const Call& call, const std::function<void()>& vector,
                  const Call* replay = nullptr);
    void ComposeBand(const QRect& bounds, const Call& call);
    bool NeedsBandForPen() const;
    bool NeedsBandForBrush() const;

    // Image path.
    void ImageLine(long long x0, long long y0, long long x1, long long y1);
    void ImageWideLines(const POINT* points, std::size_t count, bool closed);
    void ImageShape(int kind, int left, int top, int right, int bottom, int ew, int eh);
    void ImagePolygon(const std::vector<POINT>& points);
    // Vector path.
    void VectorLines(const std::vector<POINT>& points, bool closed);
    void VectorShape(int kind, int left, int top, int right, int bottom, int ew, int eh);
    void VectorPolygon(const std::vector<POINT>& points);
    void ApplyPen(QPainter& p, bool background) const;
    void ApplyBrush(QPainter& p) const;

    bool PolylineImpl(std::vector<POINT> points);
    bool ShapeImpl(int kind, int left, int top, int right, int bottom, int ew, int eh);
    bool BlitImpl(int x, int y, int w, int h, const QImage& source, int sx, int sy, int sw, int sh,
                  std::uint32_t rop, bool stretch);
    bool TextImpl(int x, int y, const QString& text, unsigned align, int escapement, const QRect* clip,
                  int underlineIndex);
    void PaintText(QPainter& p, int x, int y, const QString& text, unsigned align, int escapement,
                   const QRect* clip, int underlineIndex) const;
    QRect TextBounds(int x, int y, const QString& text, unsigned align, int escapement) const;
    QFont DeviceFont() const;
    // The last font made for the device: made again only when another font is selected, as making one
    // (and its first look-up of glyphs) costs more than the text it draws.
    mutable Font deviceFontOf_;
    mutable int deviceFontDpi_ = 0;
    mutable QFont deviceFont_;
    // Advances of the texts drawn in that font: labels come back row after row.
    mutable QHash<QString, int> textWidths_;
    int TextWidth(const QString& text) const;
    int DpiX() const;
    int DpiY() const;

    State s_;
    Pen startPen_;
    Brush startBrush_;
    Font startFont_;
    QImage* image_ = nullptr;
    QPaintDevice* device_ = nullptr;
    std::unique_ptr<QPainter> painter_;  // device path only
    QPoint origin_;                       // band path: the page point of image pixel (0,0)
    // The point drawn at image pixel (0,0): the band's origin less the viewport origin.
    QPoint Shift() const { return origin_ - QPoint(s_.viewport.x, s_.viewport.y); }
    std::vector<Recorded> page_;          // device path: what this page holds so far
    qsizetype recordedImageBytes_ = 0;    // image copies held by page_
    bool recordingText_ = false;
    std::vector<DcText> textRecord_;
    void AddTextRecord(int x, int y, const QString& text, unsigned align, bool drawText, const RECT& rect);
};

// A line from (x0, y0) to (x1, y1), the end point left out: in the pen in hand, or first selecting `pen`,
// which stays selected.
inline void Line(Dc& dc, int x0, int y0, int x1, int y1)
{
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
}
inline void Line(Dc& dc, const Pen& pen, int x0, int y0, int x1, int y1)
{
    dc.SelectObject(pen);
    Line(dc, x0, y0, x1, y1);
}

// Puts back, when it goes, the drawing state the Dc had when it was made: the pen, brush and font, the
// text and background colours, the text alignment, the background mode, the mix and the viewport origin.
// A painter makes one at the top of a scope and sets what it needs, and nothing is left behind for the
// next, whichever way the scope is left.
class KeepDcState {
public:
    explicit KeepDcState(Dc& dc)
        : dc_(dc), pen_(dc.CurrentPen()), brush_(dc.CurrentBrush()), font_(dc.CurrentFont()),
          textColour_(dc.GetTextColor()), bkColour_(dc.GetBkColor()), align_(dc.GetTextAlign()),
          bkMode_(dc.GetBkMode()), mix_(dc.GetROP2()), origin_(dc.GetViewportOrg())
    {
    }
    ~KeepDcState()
    {
        dc_.SelectObject(pen_);
        dc_.SelectObject(brush_);
        dc_.SelectObject(font_);
        dc_.SetTextColor(textColour_);
        dc_.SetBkColor(bkColour_);
        dc_.SetTextAlign(align_);
        dc_.SetBkMode(bkMode_);
        dc_.SetROP2(mix_);
        dc_.SetViewportOrg(origin_.x, origin_.y);
    }
    KeepDcState(const KeepDcState&) = delete;
    KeepDcState& operator=(const KeepDcState&) = delete;

    // What the Dc had when the keeper was made, for a drawing that goes back to part of it on the way.
    const Pen& KeptPen() const { return pen_; }
    const Brush& KeptBrush() const { return brush_; }
    const Font& KeptFont() const { return font_; }
    COLORREF KeptTextColor() const { return textColour_; }
    int KeptBkMode() const { return bkMode_; }

private:
    Dc& dc_;
    Pen pen_;
    Brush brush_;
    Font font_;
    COLORREF textColour_;
    COLORREF bkColour_;
    unsigned align_;
    int bkMode_;
    int mix_;
    POINT origin_;
};

// A Dc over a bitmap of its own (a memory DC with a compatible bitmap selected), black at the start.
struct DcBitmap {
    QImage bitmap;
};
class MemoryDc : private DcBitmap, public Dc {
public:
    MemoryDc(int width, int height);
    QImage& Bitmap() { return bitmap; }
    const QImage& Bitmap() const { return bitmap; }
};

}  // namespace platform
