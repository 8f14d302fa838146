#include "reports/draw/showpage.h"

#include "platform/text.h"
#include "reports/showreport.h"

#include <string>

namespace reports {

namespace {

using platform::Font;

Font PageFont(const char* face, int height, int width)
{
    Font f(QString::fromLatin1(face), height, 400);
    f.width = width;
    return f;
}

}  // namespace

void DrawShowPage(platform::Dc& dc, int u, const wellfile::SHOWREPORT& show, const QString& title, bool hotwire)
{
    const int S = 2 * u;
    const int L = 2 * u;
    const int W = 81 * u;
    // Negative heights are character heights, the positive one a cell height.
    const Font fontA = PageFont("ARIAL", int(-2.0 * u), int(1.3 * u));
    const Font fontB = PageFont("ARIAL", int(-1.6 * u), 0);
    const Font fontC = PageFont("ARIAL BOLD", int(-1.6 * u), 0);
    const Font fontD = PageFont("ARIAL", int(1.6 * u), 0);
    const platform::KeepDcState keep(dc);
    dc.SelectObject(fontA);
    dc.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);

    const auto text = [&dc](const Font& font, int x, int y, const std::string& s) {
        dc.SelectObject(font);
        dc.TextOut(x, y, s.c_str(), int(s.size()));
    };
    const auto step = [S](int& y, double times) { y = int(y + times * S); };

    int y = 10 * u;
    dc.TextOut(W / 2, y, title);
    step(y, 1.5);
    text(fontA, W / 2, y, "SHOW REPORT");
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    step(y, 2);
    text(fontC, L, y, "COMPANY:");
    text(fontB, L + 10 * u, y, platform::FieldText(show.company));
    step(y, 1.2);
    text(fontC, L, y, "WELL:");
    text(fontB, L + 10 * u, y, platform::FieldText(show.well));
    step(y, 1.3);
    text(fontB, L, y, platform::CFormat("SHOW NO.: %d", int(show.number)));
    text(fontB, L + 20 * u, y, "INTERVAL:");
    text(fontB, L + 30 * u, y, platform::FieldText(show.interval));
    step(y, 1.3);
    text(fontD, L, y, "FORMATION:");
    text(fontD, L + 11 * u, y, platform::FieldText(show.formation));
    step(y, 1.2);
    text(fontD, L, y, "LITHOLOGY:");
    text(fontD, L + 12 * u, y, platform::FieldText(show.lithology));
    step(y, 1.2);
    text(fontD, L, y, "DESCRIPTION:");
    for (int i = 0; i < 4; ++i)
        text(fontD, L + 12 * u, y + (i + 1) * S, platform::FieldText(show.description[i]));
    y += 4 * S;
    const struct {
        const char* label;
        const char (&rate)[30];
    } rates[3] = {{"ROP ABOVE:", show.ropAbove}, {"ROP DURING:", show.ropDuring}, {"ROP AFTER:", show.ropAfter}};
    for (int i = 0; i < 3; ++i) {
        step(y, i == 0 ? 1.3 : 1.2);
        text(fontB, L, y, rates[i].label);
        text(fontB, L + 12 * u, y, platform::FieldText(rates[i].rate));
    }
    step(y, 2);
    text(fontD, L, y,
         hotwire ? "                                             TG              C1               C2                C3"
                   "              IC4              NC4              C5"
                 : "                                             TOT              C1               C2                C3"
                   "              IC4               NC4              C5");
    // The page shows the total gas as the dialog does.
    wellfile::SHOWREPORT page = show;
    if (!hotwire)
        SumTotalGas(page);
    const struct {
        const char* label;
        const char (&cells)[6][10];
        const char (&c5)[10];
    } gas[3] = {{"GAS ABOVE:", page.gasAbove, page.gasAboveC5},
                {"GAS DURING:", page.gasDuring, page.gasDuringC5},
                {"GAS AFTER:", page.gasAfter, page.gasAfterC5}};
    for (const auto& row : gas) {
        step(y, 1.2);
        text(fontB, L, y, row.label);
        for (int i = 0; i < 6; ++i)
            text(fontD, (20 + 8 * i) * u, y, platform::FieldText(row.cells[i]));
        text(fontD, 68 * u, y, platform::FieldText(row.c5));
    }
    const struct {
        const char* label;
        const char (&value)[80];
    } ratings[3] = {{"POR:", show.porosity}, {"FLU:", show.fluorescence}, {"CUT:", show.cut}};
    for (int i = 0; i < 3; ++i) {
        step(y, i == 0 ? 2 : 1.2);
        text(fontD, L, y, ratings[i].label);
        text(fontD, L + 8 * u, y, platform::FieldText(ratings[i].value));
    }
    step(y, 1.3);
    text(fontD, L, y, "COMMENTS:");
    for (const auto& line : show.comments) {
        step(y, 1.2);
        text(fontD, L, y, platform::FieldText(line));
    }
}

}  // namespace reports
