#include "wellfile/reportconversion.h"
#include "reports/reporttext.h"

#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "reports/dsttests.h"
#include "wellfile/sidefiles_reports.h"
#include "wellfile/wellconfig.h"
#include "wellfile/wholefile.h"

#include <cstdarg>
#include <cstdio>

namespace reports {

namespace {

using platform::FieldText;

// One formatted piece; each "\n" goes to disk as CR LF, so "\n\r" ends a line in CR LF CR.
class Text {
public:
    void Add(const char* format, ...) __attribute__((format(printf, 2, 3)))
    {
        va_list args;
        va_start(args, format);
        char buffer[1024];
        const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
        va_end(args);
        for (int i = 0; i < std::min<int>(n, int(sizeof buffer) - 1); ++i) {
            if (buffer[i] == '\n')
                bytes_ += '\r';
            bytes_ += buffer[i];
        }
    }
    QByteArray bytes_;
};

std::string F(const auto& field) { return FieldText(field); }

}  // namespace

QByteArray MorningReportText(const wellfile::REPORTEX& r, const wellfile::WellHeader& h, const QString& title, bool hotwire)
{
    const char* gas = hotwire ? "H.W." : "TOT";
    const float background[7] = {r.backgroundGas[0], r.backgroundGas[1], r.backgroundGas[2], r.backgroundGas[3],
                                 r.backgroundGas[4], r.backgroundGas[5], r.backgroundGas[6]};
    const float formation[7] = {r.formationGas[0], r.formationGas[1], r.formationGas[2], r.formationGas[3],
                                r.formationGas[4], r.formationGas[5], r.formationGas[6]};
    const float connection[7] = {r.connectionGas[0], r.connectionGas[1], r.connectionGas[2], r.connectionGas[3],
                                 r.connectionGas[4], r.connectionGas[5], r.connectionGas[6]};
    const float trip[7] = {r.tripGas[0], r.tripGas[1], r.tripGas[2], r.tripGas[3],
                           r.tripGas[4], r.tripGas[5], r.tripGas[6]};
    Text t;
    t.Add("                               %s\n\r", platform::ToCp1252(title).constData());
    t.Add("                                  %s\n\r", "Morning Report");
    t.Add(" COMPANY:  %s\n\r", F(h.company).c_str());
    t.Add(" WELL:     %s\n\r", F(h.well).c_str());
    t.Add(" COUNTY:   %s                      STATE:  %s\n\r", F(h.county).c_str(), F(h.state).c_str());
    t.Add(" DATE:     %s         REPORT No.:  %d         REPORT TIME:  %s\n\r", F(r.date).c_str(), int(r.number),
          F(r.time).c_str());
    t.Add("\n\r");
    t.Add(" DEPTH:    %d                      PRESENT OPERATIONS:  %s\n\r", int(r.depth),
          F(r.presentOperations).c_str());
    t.Add(" FOOTAGE SINCE LAST REPORT: %d        AVG ROP: %s\n\r", int(r.footage), F(r.averageRop).c_str());
    t.Add("\n\r");
    t.Add(" LAGTIME:   %.1f                        SURVEY: %s\n\r", double(r.lag), F(r.survey).c_str());
    t.Add(" FORMATION: %s                   NEXT TOP: %s\n\r", F(r.formation).c_str(), F(r.nextTop).c_str());
    t.Add(" LITHOLOGY: %s\n\r", F(r.lithology[0]).c_str());
    t.Add("           %s\n\r", F(r.lithology[1]).c_str());
    t.Add("\n\r");
    t.Add("\n\r");
    t.Add(" Mud Properties.....:  WT: %-6s VIS: %-6s FIL: %-6s PH: %-6s  CHL: %-10s\n\r", F(r.mudWeight).c_str(),
          F(r.viscosity).c_str(), F(r.filtrate).c_str(), F(r.ph).c_str(), F(r.chlorides).c_str());
    t.Add("\n\r");
    t.Add(" Drilling Paramaters:  WOB: %-7s RPM: %2d   PP: %4d   SPM: %2d\n\r", F(r.weightOnBit).c_str(),
          int(r.rpm), int(r.pumpPressure), int(r.spm));
    t.Add("\n\r");
    t.Add("\n\r");
    const auto row = [&](const char* format, const float (&g)[7]) {
        t.Add(format, gas, int(g[0]), int(g[1]), int(g[2]), int(g[3]), int(g[4]));
    };
    row(" Background Gas.....:  %s: %-5d  C1: %-5d  C2: %-5d  C3: %-5d  C4: %-5d\n\r", background);
    t.Add("\n\r");
    t.Add(" Max Formation Gas..:  %s: %-5d  C1: %-5d  C2: %-5d  C3: %-4d   C4: %-5d AT %5d\n\r", gas,
          int(formation[0]), int(formation[1]), int(formation[2]), int(formation[3]), int(formation[4]),
          int(r.formationGasDepth));
    t.Add("\n\r");
    row(" Max Connection Gas.:  %s: %-5d  C1: %-5d  C2: %-5d  C3: %-5d  C4: %-5d\n\r", connection);
    t.Add("\n\r");
    row(" Trip Gas...........:  %s: %-5d  C1: %-5d  C2: %-5d  C3: %-5d  C4: %-5d\n\r", trip);
    t.Add("\n\r");
    t.Add("COMMENTS: %s\n\r", F(r.comments[0]).c_str());
    t.Add("          %s\n\r", F(r.comments[1]).c_str());
    t.Add("          %s\n\r", F(r.comments[2]).c_str());
    t.Add("\n\r");
    t.Add("\n\r");
    return t.bytes_;
}

QByteArray ShowText(const wellfile::SHOWREPORT& s, bool hotwire)
{
    const char* gas = hotwire ? "H.W.:" : "TOT:";
    Text t;
    t.Add("                                 %s\n\r", "SHOW REPORT");
    t.Add("\n\r");
    t.Add(" COMPANY: %s\n\r", F(s.company).c_str());
    t.Add("\n\r");
    t.Add(" WELL:    %s\n\r", F(s.well).c_str());
    t.Add(" SHOW NO.: %d\n\r", int(s.number));
    t.Add(" INTERVAL: %s\n\r", F(s.interval).c_str());
    t.Add(" FORMATION: %s\n\r", F(s.formation).c_str());
    t.Add(" LITHOLOGY: %s\n\r", F(s.lithology).c_str());
    t.Add(" DESCRIPTION: %s\n\r", F(s.description[0]).c_str());
    t.Add("             %s\n\r", F(s.description[1]).c_str());
    t.Add("             %s\n\r", F(s.description[2]).c_str());
    t.Add(" ROP Above:   %s\n\r", F(s.ropAbove).c_str());
    t.Add(" ROP During:  %s\n\r", F(s.ropDuring).c_str());
    t.Add(" ROP After:   %s\n\r", F(s.ropAfter).c_str());
    t.Add("\n\r");
    const auto row = [&](const char* format, const char (&g)[6][10]) {
        t.Add(format, gas, F(g[0]).c_str(), F(g[1]).c_str(), F(g[2]).c_str(), F(g[3]).c_str(), F(g[4]).c_str());
        t.Add("\n\r");
    };
    row(" Gas Above....:  %s %s  C1: %s  C2: %s  C3: %s  C4: %s", s.gasAbove);
    row(" Gas During...:  %s %s  C1: %s  C2: %s  C3: %s   C4: %s", s.gasDuring);
    row(" Gas After....:  %s %s  C1: %s  C2: %s  C3: %s  C4: %s", s.gasAfter);
    t.Add("\n\r");
    t.Add("\n\r");
    t.Add(" POR:       %s\n\r", F(s.porosity).c_str());
    t.Add(" FLU:       %s\n\r", F(s.fluorescence).c_str());
    t.Add(" CUT:       %s\n\r", F(s.cut).c_str());
    t.Add(" COMMENTS:       %s\n\r", F(s.comments[0]).c_str());
    t.Add("             %s\n\r", F(s.comments[1]).c_str());
    t.Add("             %s\n\r", F(s.comments[2]).c_str());
    t.Add("\n\r");
    t.Add("\n\r");
    return t.bytes_;
}

QByteArray DstText(const wellfile::DSTREPORT& d)
{
    Text t;
    t.Add("                                 %s\n\r", "DST REPORT");
    t.Add("\n\r");
    t.Add("                                 DST NO.: %s\n\r", F(d.number).c_str());
    t.Add("                            FROM %s  TO  %s \n\r", F(d.fromDepth).c_str(), F(d.toDepth).c_str());
    t.Add("\n\r");
    t.Add(" Formation:  %s\n\r", F(d.formation).c_str());
    t.Add("\n\r");
    t.Add("                    Pressure (psi)        Time (min)\n\r");
    t.Add("\n\r");
    t.Add(" INIT HYDROSTATIC:  %s\n\r", F(d.initialHydrostatic).c_str());
    t.Add(" INITIAL FLOW:      %-20s       %s\n\r", F(d.initialFlow).c_str(), F(d.initialFlowTime).c_str());
    t.Add(" INITIAL SHUT IN:   %-20s       %s\n\r", F(d.initialShutIn).c_str(), F(d.initialShutInTime).c_str());
    t.Add(" FINAL FLOW:        %-20s       %s\n\r", F(d.finalFlow).c_str(), F(d.finalFlowTime).c_str());
    t.Add(" FINAL SHUT IN:     %-20s       %s\n\r", F(d.finalShutIn).c_str(), F(d.finalShutInTime).c_str());
    t.Add(" FINAL HYDROSTATIC: %s\n\r", F(d.finalHydrostatic).c_str());
    t.Add("\n\r");
    t.Add(" DRILL PIPE RECOVERY: %s\n\r", F(d.drillPipeRecovery1).c_str());
    t.Add("  %s\n\r", F(d.drillPipeRecovery2).c_str());
    t.Add("\n\r");
    t.Add(" SAMPLER RECOVERY:    %s\n\r", F(d.samplerRecovery1).c_str());
    t.Add("     %s\n\r", F(d.samplerRecovery2).c_str());
    t.Add("\n\r");
    t.Add(" COMMENTS: %s\n\r", F(d.comment1).c_str());
    t.Add("\n\r");
    t.Add("           %s\n\r", F(d.comment2).c_str());
    t.Add("\n\r");
    t.Add("           %s\n\r", F(d.comment3).c_str());
    t.Add("\n\r");
    t.Add("\n\r");
    return t.bytes_;
}

QString AddReportText(const wellfile::WellPlace& place, const QByteArray& text)
{
    const QString path = platform::FindFileNoCase(place.currentFolder, place.wellName + QStringLiteral(".txt"));
    std::optional<QByteArray> old;
    const bool readable = wellfile::ReadSideFile(path, old);
    const QByteArray whole = old.value_or(QByteArray()) + text;
    if (!readable || !wellfile::WriteWholeFile(path, whole.constData(), std::size_t(whole.size()))) {
        platform::MessageBox(QStringLiteral("Unable to open file"), QStringLiteral("File Error"));
        return {};
    }
    return path;
}

ReportTextCounters SaveReportsAsText(const wellfile::WellPlace& place, bool& fieldSettings, const QString& title,
                                     bool hotwire)
{
    wellfile::WellConfig config{};
    const bool configRead = wellfile::LoadConfig(config, place, fieldSettings) != 0;
    int lastDst = configRead ? config.lastDstReportText : 0;
    int lastShow = configRead ? config.lastShowReportText : 0;
    const QString path = platform::FindFileNoCase(place.currentFolder, place.wellName + QStringLiteral(".txt"));

    // The whole new text is made first and replaces the file in one step: a failed write leaves the old
    // text whole. The morning report starts it anew; without one the shows and tests follow the old text.
    QByteArray text;
    bool write = false, readable = true;
    wellfile::REPORTEX report{};
    if (!wellfile::LoadReport1600(report, place, place.wellName, wellfile::ConvertReports)) {
        platform::MessageBox(QStringLiteral("No report file found"), QStringLiteral("File Error "));
        std::optional<QByteArray> old;
        readable = wellfile::ReadSideFile(path, old);
        text = old.value_or(QByteArray());
    } else {
        wellfile::WellHeader header{};
        if (!wellfile::ReadHeader(header, place))
            header = wellfile::WellHeader{};
        text = MorningReportText(report, header, title, hotwire);
        write = true;
    }
    wellfile::SHOWREPORT show{};
    const bool newShow = wellfile::LoadShow(show, place, place.wellName) && int(show.number) > lastShow;
    if (newShow)
        text += ShowText(show, hotwire);
    wellfile::DSTREPORT test{};
    const bool newDst = wellfile::LoadDst(test, place, place.wellName) && DstNumber(test) > lastDst;
    if (newDst)
        text += DstText(test);
    if (!write && !newShow && !newDst)
        return {lastDst, lastShow, false};
    if (!readable || !wellfile::WriteWholeFile(path, text.constData(), std::size_t(text.size()))) {
        platform::MessageBox(QStringLiteral("Unable to open file"), QStringLiteral("File Error"));
        return {lastDst, lastShow, false};
    }
    // A counter moves only with its text written.
    if (newShow)
        lastShow = show.number;
    if (newDst)
        lastDst = std::uint16_t(DstNumber(test));
    // Without a configuration read there is no record to put the counters in.
    if ((newShow || newDst) && configRead) {
        config.lastDstReportText = lastDst;
        config.lastShowReportText = lastShow;
        return {lastDst, lastShow, wellfile::SaveConfig(config, place, fieldSettings) != 0};
    }
    return {lastDst, lastShow, false};
}

}  // namespace reports
