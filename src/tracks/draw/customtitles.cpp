#include "tracks/draw/customtitles.h"

#include "platform/draw/dc.h"
#include "platform/text.h"
#include "tracks/customscale.h"
#include "tracks/draw/customlabels.h"
#include "tracks/draw/customtrackdraw.h"
#include "tracks/draw/verticaltext.h"
#include "tracks/gasscale.h"

#include <string>

namespace tracks {

namespace {

constexpr int kInterpretedLithKind = 12;

using platform::Trunc;

// The track's title, "Elog Lith" for an interpreted-lithology track drawn from the e-log curves.
std::string TitleOf(layout::CustomTrackEntry& e)
{
    if (e.kind == kInterpretedLithKind && e.lithFromElog != 0)
        platform::SetFieldText(e.title, "Elog Lith");
    return platform::FieldText(e.title);
}

std::int32_t Width(const layout::CustomTrackEntry& e) { return layout::TrackWidth(e); }
int CentreX(const layout::CustomTrackEntry& e) { return int((std::int64_t(e.rightX) - e.leftX) / 2 + e.leftX); }
int DownX(const layout::CustomTrackEntry& e) { return int(std::int64_t(e.leftX) + Width(e) / 2); }
int LetterStep(int R) { return Trunc(1.25 * R); }

layout::TitleRect TitleBox(const layout::CUSTOMDATA& data, int t)
{
    return data.owner ? data.owner->titleRects[std::size_t(t)] : layout::TitleRect{};
}

void WriteAcross(platform::Dc& dc, int x, int y, const std::string& title)
{
    dc.TextOut(x, y, title.c_str(), int(title.size()));
}

// Calls `draw` (entry, title box, title) for every track to paint that has a title, in the title font,
// centred and black.
template <typename Draw>
void EachTitle(platform::Dc& dc, layout::CUSTOMDATA& data, Draw draw)
{
    const platform::KeepDcState keep(dc);
    dc.SetTextAlign(platform::TA_CENTER);
    dc.SetTextColor(platform::RGB(0, 0, 0));
    dc.SelectObject(FontOf(data.titleFont));
    for (int t = 0; t < TracksToPaint(data); ++t) {
        layout::CustomTrackEntry& e = data.paintSet[std::size_t(t)];
        const std::string title = TitleOf(e);
        if (!title.empty())
            draw(e, TitleBox(data, t), title);
    }
}

}  // namespace

void DrawTrackTitles(platform::Dc& dc, layout::CUSTOMDATA& data, const logview::ViewGeometry& g,
                     const logview::Device& device, std::span<const wellfile::RECORD> records, int R, bool drilling)
{
    const bool image = device.imageExport;
    if (drilling && !image) {
        DrawCompactTitles(dc, data, g, R);
        return;
    }
    const int top = LogTopY(g);
    EachTitle(dc, data, [&](const layout::CustomTrackEntry& e, const layout::TitleRect& box, const std::string& title) {
        const bool down = e.verticalLabel != 0;
        if (!image) {
            dc.Rectangle(box.left, box.top, box.right, box.bottom);
            if (down)
                DrawVerticalText(dc, title, DownX(e), top - DownwardTitleHeight(title.size(), R, true), LetterStep(R));
            else
                WriteAcross(dc, CentreX(e), Trunc(top - 15.0 * R), title);
        } else {
            const int titleY = Trunc(top + 52.0 * R);
            dc.Rectangle(box.left, Trunc(box.top + 67.0 * R), box.right, Trunc(box.bottom + 70.0 * R));
            if (down)
                DrawVerticalText(dc, title, DownX(e), titleY, LetterStep(R));
            else
                WriteAcross(dc, CentreX(e), titleY, title);
        }
    });
    const int labelsY = image ? Trunc(top + 56.0 * R) : Trunc(top - 12.0 * R);
    DrawTitleScaleLabels(dc, data, g, device, records, labelsY, top, R);
}

void DrawCompactTitles(platform::Dc& dc, layout::CUSTOMDATA& data, const logview::ViewGeometry& g, int R)
{
    const int top = LogTopY(g);
    EachTitle(dc, data, [&](const layout::CustomTrackEntry& e, const layout::TitleRect& box, const std::string& title) {
        if (e.verticalLabel != 0) {
            const int h = DownwardTitleHeight(title.size(), R, true);
            dc.Rectangle(box.left, top - h, box.right, top);
            DrawVerticalText(dc, title, DownX(e), top - h + R, LetterStep(R));
        } else {
            dc.Rectangle(box.left, Trunc(top - 3.0 * R), box.right, top);
            WriteAcross(dc, CentreX(e), Trunc(top - 2.0 * R), title);
        }
    });
}

void DrawPrintedTitles(platform::Dc& dc, layout::CUSTOMDATA& data, const logview::ViewGeometry& g,
                       const logview::Device& device, std::span<const wellfile::RECORD> records, int y)
{
    const int R = device.printer.rowHeight;
    const int y11 = Trunc(double(y) - 11.0 * R);
    const bool tall = R > 30;
    const int height = device.pdfPrinter ? (tall ? 66 : 32) : (tall ? 56 : 28);
    const platform::Font font(QStringLiteral("Arial Bold"), height, platform::FW_NORMAL);
    {
        const platform::KeepDcState keep(dc);
        dc.SelectObject(font);
        dc.SetTextAlign(platform::TA_CENTER);
        const std::int32_t origin = data.owner ? data.owner->printCustomX : 0;
        for (int t = 0; t < TracksToPaint(data); ++t) {
            layout::CustomTrackEntry& e = data.paintSet[std::size_t(t)];
            const std::string title = TitleOf(e);
            const std::int64_t left =
                t == 0 ? std::int64_t(origin) + 10 : std::int64_t(data.paintSet[std::size_t(t) - 1].rightX) + 1;
            e.leftX = Trunc(double(left), 0);
            e.rightX = Trunc(double(e.leftX) + Width(e), e.leftX);
            if (!title.empty()) {
                if (e.verticalLabel != 0)
                    DrawVerticalText(dc, title, DownX(e), y - DownwardTitleHeight(title.size(), R, true),
                                     LetterStep(R));
                else
                    WriteAcross(dc, CentreX(e), Trunc(y11 - 4.5 * R), title);
            }
            dc.MoveTo(e.leftX, Trunc(y11 - 5.25 * R));
            dc.LineTo(e.leftX, y);
        }
    }
    DrawTitleScaleLabels(dc, data, g, device, records, Trunc(y11 - double(R)), Trunc(y11 + 50.0 * R), R);
}

}  // namespace tracks
