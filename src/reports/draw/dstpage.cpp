#include "reports/draw/dstpage.h"

#include "platform/text.h"

namespace reports {

namespace {

platform::Font PageFont(int height, int width)
{
    platform::Font f(QStringLiteral("ARIAL"), height, 400);
    f.width = width;
    return f;
}

}  // namespace

void DrawDstPage(platform::Dc& dc, int u, const wellfile::DSTREPORT& test, const QString& title, const std::string& company,
                 const std::string& well)
{
    using platform::FieldText;
    const platform::KeepDcState keep(dc);
    const int S = 2 * u;
    const int L = 2 * u;
    const int W = 81 * u;
    const platform::Font fontA = PageFont(int(-2.0 * u), int(-1.3 * u));
    const platform::Font fontB = PageFont(int(-1.7 * u), 0);

    const auto text = [&dc, &fontB](int x, int y, const std::string& s) {
        dc.SelectObject(fontB);
        dc.TextOut(x, y, s.c_str(), int(s.size()));
    };
    const auto step = [S](int& y, double times) { y = int(y + times * S); };

    int y = 10 * u;
    dc.SelectObject(fontA);
    dc.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
    dc.TextOut(W / 2, y, title);
    step(y, 1.5);
    dc.TextOut(W / 2, y, QStringLiteral("DST REPORT"));
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    step(y, 1.5);
    text(L, y, "COMPANY:");
    text(L + 10 * u, y, company);
    step(y, 1.5);
    text(L, y, "WELL:");
    text(L + 6 * u, y, well);
    step(y, 2);
    const std::string line = platform::CFormat("DST NO.: %s   From:  %s  TO:  %s", FieldText(test.number).c_str(),
                                               FieldText(test.fromDepth).c_str(), FieldText(test.toDepth).c_str());
    text(L, y, line);
    const platform::SIZE extent = dc.GetTextExtent(line.c_str(), int(line.size()));
    dc.SelectObject(platform::Pen(platform::RGB(0, 0, 0), 3));
    dc.MoveTo(L - u, y + extent.cy);
    dc.LineTo(L + extent.cx, y + extent.cy);
    step(y, 2);
    text(L, y, "FORMATION:");
    text(L + 12 * u, y, FieldText(test.formation) + " ");
    step(y, 2.5);
    text(L + 10 * u, y, "PRESSURE (psi) ");
    text(L + 35 * u, y, "TIME (min)");
    step(y, 2);
    text(L, y, "INITIAL HYD:");
    text(L + 14 * u, y, FieldText(test.initialHydrostatic));
    const auto period = [&](const char* label, const std::string& pressure, const std::string& time) {
        step(y, 1.3);
        text(L, y, label);
        text(L + 14 * u, y, pressure);
        text(L + 35 * u, y, time);
    };
    period("INITIAL FLOW:", FieldText(test.initialFlow), FieldText(test.initialFlowTime));
    period("INITIAL SHUT IN:", FieldText(test.initialShutIn), FieldText(test.initialShutInTime));
    period("FINAL FLOW:", FieldText(test.finalFlow), FieldText(test.finalFlowTime));
    period("FINAL SHUT IN:", FieldText(test.finalShutIn), FieldText(test.finalShutInTime));
    step(y, 1.3);
    text(L, y, "FINAL HYD:");
    text(L + 14 * u, y, FieldText(test.finalHydrostatic));
    const auto recovery = [&](const char* label, const std::string& first, const std::string& second) {
        step(y, 2.5);
        text(L, y, label);
        step(y, 1.5);
        text(L, y, first);
        step(y, 1.3);
        text(L, y, second);
    };
    recovery("DRILL PIPE RECOVERY:", FieldText(test.drillPipeRecovery1), FieldText(test.drillPipeRecovery2));
    recovery("SAMPLER RECOVERY:", FieldText(test.samplerRecovery1), FieldText(test.samplerRecovery2));
    step(y, 2);
    text(L, y, "COMMENTS:");
    for (const std::string& comment : {FieldText(test.comment1), FieldText(test.comment2), FieldText(test.comment3)}) {
        step(y, 1.2);
        text(L, y, comment);
    }
}

}  // namespace reports
