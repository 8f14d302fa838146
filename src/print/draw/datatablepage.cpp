#include "print/draw/datatablepage.h"

#include "platform/draw/dc.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "print/draw/logpagesteps.h"


namespace print {

namespace {

constexpr const char* kHeading = "Depth      2Ft     Odd M    One M       C1        C2        C3        IC4         NC4"
                                 "         H.W.       Lithology ";

double ShownRate(float rate, bool ratesPerHour)
{
    return ratesPerHour && rate > 0 ? 60.0 / double(rate) : double(rate);
}

// Selects the table's font, black text aligned left and top on a transparent background.
void SelectTableText(platform::Dc& dc, int rowHeight)
{
    dc.SelectObject(DataTableFont(rowHeight));
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    dc.SetBkMode(platform::TRANSPARENT);
    dc.SetTextColor(platform::RGB(0, 0, 0));
}

} // namespace

platform::Font DataTableFont(int rowHeight)
{
    platform::Font f(QStringLiteral("Courier New Bold"), -int(1.4 * rowHeight), platform::FW_NORMAL);
    f.width = -int(0.7 * rowHeight);
    f.pitchAndFamily = platform::FIXED_PITCH;
    return f;
}

std::string DataTableLine(const wellfile::RECORD& r, bool ratesPerHour)
{
    const std::string lith = platform::FieldText(r.lith);
    return platform::CFormat("%-5d     %-5.1f     %-5.1f      %-5.1f      %-5d     %-5d     %-5d      %-5d       %-5d"
                             "       %-5d       %-30s",
        int(r.depth), ShownRate(r.rate2Ft, ratesPerHour), ShownRate(r.rateOdd, ratesPerHour),
        ShownRate(r.rateOne, ratesPerHour), platform::Whole(r.gas[1]), platform::Whole(r.gas[2]),
        platform::Whole(r.gas[3]), platform::Whole(r.gas[4]), platform::Whole(r.gas[5]), platform::Whole(r.gas[0]),
        lith.c_str());
}

int PrintDataTablePage(
    platform::Dc& dc, logview::Records records, std::size_t first, int rows, int rowHeight, bool ratesPerHour)
{
    const platform::KeepDcState kept(dc);
    dc.SetBkMode(platform::TRANSPARENT);
    const int h = rowHeight;
    const int s = int(1.5 * h), x = int(0.1 * h);
    SelectTableText(dc, h);
    int y = 2 * h;
    dc.TextOut(x, y, kHeading);
    dc.SelectObject(platform::Pen(platform::RGB(0, 0, 0)));
    dc.MoveTo(h, y + s);
    dc.LineTo(80 * h, y + s);
    y = int(y + 1.5 * s);

    // A page holds fewer lines a step apart than it has rows: the lines stop at the page's foot and
    // the next page goes on from the first record not written.
    const int foot = dc.GetDeviceCaps(platform::VERTRES);
    const int lineHeight = dc.GetTextMetrics().tmHeight;
    int written = 0;
    for (std::size_t i = first; written < rows && i < records.size(); ++i) {
        const wellfile::RECORD& r = records[i];
        if (r.depth == 0 || y + lineHeight > foot)
            break;
        dc.TextOut(x, y, DataTableLine(r, ratesPerHour).c_str());
        y += s;
        ++written;
    }
    return written;
}

int DrawTopsList(platform::Dc& dc, const QString& wellName, std::span<const wellfile::TOPSEX> tops, int rowHeight,
                 std::size_t first)
{
    const platform::KeepDcState kept(dc);
    dc.SetBkMode(platform::TRANSPARENT);
    const int h = rowHeight;
    const int L = int(1.5 * h), x = int(0.1 * h);
    SelectTableText(dc, h);
    int y = 2 * h;
    dc.TextOut(x, y, QStringLiteral("Tops for ") + wellName);
    y += 3 * L;
    dc.TextOut(x, y, platform::CFormat("%s %s         %s ", " Number ", " Depth ", " Text ").c_str());
    // A list longer than the page stops at its foot; the next page goes on from the first top not written.
    const int foot = dc.GetDeviceCaps(platform::VERTRES);
    const int lineHeight = dc.GetTextMetrics().tmHeight;
    int written = 0;
    for (std::size_t i = first; i < tops.size(); ++i) {
        y = int(y + 1.5 * L);
        if (y + lineHeight > foot)
            break;
        const wellfile::TOPSEX& top = tops[i];
        const std::string text = platform::FieldText(top.text);
        dc.TextOut(x, y,
            platform::CFormat("     %-3d        %-6d   %s ", int(top.number), int(top.depth), text.c_str()).c_str());
        ++written;
    }
    return written;
}

} // namespace print
