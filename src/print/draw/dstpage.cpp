#include "print/draw/dstpage.h"

#include "platform/draw/dc.h"
#include "platform/text.h"
#include "print/draw/logpagesteps.h"

#include <string>

namespace print {

using platform::FieldText;
using wellfile::DSTREPORT;

namespace {

// Writes a report down the page, moving y on by a step in units before each line and truncating it to
// whole pixels after each step.
struct ReportLines {
    platform::Dc& dc;
    int h = 0; // row height
    int X = 0; // the left edge
    double u = 0; // the unit of the steps
    int y = 0;

    void Step(double units) { y = int(y + units * u); }
    void At(int x, const std::string& text) { dc.TextOut(x, y, text.c_str()); }
    // A label, its pressure and its time.
    template <std::size_t P, std::size_t T>
    void Pressure(const char* label, const char (&pressure)[P], const char (&time)[T])
    {
        Step(1.3);
        At(X, label);
        At(X + 14 * h, FieldText(pressure));
        At(X + 35 * h, FieldText(time));
    }

    // A recovery's label `before` units down, then its two lines.
    template <std::size_t N>
    void Recovery(double before, const char* label, const char (&line1)[N], const char (&line2)[N])
    {
        Step(before);
        At(X, label);
        Step(1.25);
        At(X, FieldText(line1));
        Step(1.3);
        At(X, FieldText(line2));
    }

    void Report(const DSTREPORT& r, const platform::Font& underlined, const platform::Font& plain);
};

void ReportLines::Report(const DSTREPORT& r, const platform::Font& underlined, const platform::Font& plain)
{
    dc.SelectObject(underlined);
    At(X,
        platform::CFormat("DST NO.: %s   From:  %s  TO:  %s", FieldText(r.number).c_str(),
            FieldText(r.fromDepth).c_str(), FieldText(r.toDepth).c_str()));
    dc.SelectObject(plain);
    Step(1.5);
    At(X, "FORMATION:");
    At(X + 12 * h, FieldText(r.formation) + " ");
    Step(1.25);
    At(X + 10 * h, "PRESSURE (psi) ");
    At(X + 35 * h, "TIME (min)");
    Step(1.25);
    At(X, "INITIAL HYD:");
    At(X + 14 * h, FieldText(r.initialHydrostatic));
    Pressure("INITIAL FLOW:", r.initialFlow, r.initialFlowTime);
    Pressure("INITIAL SHUT IN:", r.initialShutIn, r.initialShutInTime);
    Pressure("FINAL FLOW:", r.finalFlow, r.finalFlowTime);
    Pressure("FINAL SHUT IN:", r.finalShutIn, r.finalShutInTime);
    Step(1.3);
    At(X, "FINAL HYD:");
    At(X + 14 * h, FieldText(r.finalHydrostatic));
    Recovery(1.5, "DRILL PIPE RECOVERY:", r.drillPipeRecovery1, r.drillPipeRecovery2);
    Recovery(1.25, "SAMPLER RECOVERY:", r.samplerRecovery1, r.samplerRecovery2);
    Step(1.0);
    At(X, "COMMENTS:");
    for (const std::string& line : { FieldText(r.comment1), FieldText(r.comment2), FieldText(r.comment3) }) {
        Step(1.2);
        At(X, line);
    }
    Step(1.75);
}

} // namespace

int DstPenWidth(int rowHeight)
{
    if (rowHeight == 30 || rowHeight == 36)
        return 3;
    return rowHeight < 60 ? 2 : 6;
}

int PrintDstPage(platform::Dc& dc, std::span<const DSTREPORT> reports, int first, int rowHeight)
{
    const platform::KeepDcState kept(dc);
    dc.SetBkMode(platform::TRANSPARENT);  // text is written transparent until the end
    const int h = rowHeight;
    dc.SelectObject(platform::Pen(platform::RGB(0, 0, 0), DstPenWidth(h)));
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    dc.SetBkMode(platform::TRANSPARENT);
    dc.SetTextColor(platform::RGB(0, 0, 0));
    const platform::Font plain(QStringLiteral("Arial"), -int(1.7 * h), platform::FW_NORMAL);
    platform::Font underlined = plain;
    underlined.underline = true;

    ReportLines lines { dc, h, 2 * h, 2.0 * h, int(1.5 * h) };
    int printed = 0;
    for (int i = first; i >= 0 && i < first + 2 && std::size_t(i) < reports.size(); ++i) {
        const DSTREPORT& r = reports[std::size_t(i)];
        if (FieldText(r.fromDepth).empty())
            break;
        lines.Report(r, underlined, plain);
        ++printed;
    }
    return printed;
}

} // namespace print
