#include "elog/ui/lascommand.h"

#include "app/layouthosts.h"
#include "app/logstate.h"
#include "app/opendatafile.h"
#include "elog/curves.h"
#include "elog/lasexport.h"
#include "elog/ui/customlascommand.h"
#include "elog/ui/customlasdialog.h"
#include "layout/custchartcfg.h"
#include "layout/ui/rangedialog.h"
#include "platform/services.h"
#include "platform/waitcursor.h"
#include "wellfile/customdata.h"
#include "wellfile/datafile.h"
#include "wellfile/memorecords.h"
#include "wellfile/wellheader.h"
#include "wellfile/wholefile.h"

#include <QWidget>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <vector>

namespace elog {

QString LasFolder(const app::LogState& log)
{
    return log.well.file.dataFolder + QStringLiteral("mudloglas/");
}

bool WriteLasText(const QString& path, const std::string& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return wellfile::WriteWholeFile(path, text.data(), text.size());
}

void CopyLasForSending(const app::LogState& log, const QString& lasPath)
{
    const wellfile::OpenWell& f = log.well.file;
    QDir().mkpath(f.dataFolder + QStringLiteral("sendFile"));
    wellfile::CopyFileReplacing(lasPath, f.dataFolder + QStringLiteral("sendFile/") + f.wellName + QStringLiteral(".las"));
    wellfile::CopyFileReplacing(lasPath, f.dataFolder + f.wellName + QStringLiteral(".las"));
}

std::array<std::string, 4> LasCustomNamesOf(app::LogState& log)
{
    // The window's own custom data when it has one, else one made for the export alone.
    layout::CUSTCHARTCFGEX config;
    app::RefreshCustomTrackHost(log);
    const layout::CUSTOMDATA own(&log.customTracks.host, false);
    const layout::CUSTOMDATA& data = log.customTracks.data ? *log.customTracks.data : own;
    if (data.LoadConfig(config))
        return LasCustomNames(config);
    return {"CUST", "CUST", "CUST", "CUST"};
}

LasSettings LasSettingsOf(const app::LogState& log)
{
    const wellfile::WellConfig& c = log.well.config;
    LasSettings st;
    st.loggerId = log.well.loggerId;
    // Gas as percent of the test gas is the PPM setting; its "Draw PPM Scale" the scaling to ppm.
    st.ppm = c.gasPercentMode != 0;
    st.ppmScaling = c.drawPpmScale != 0;
    st.ppmCurves = st.ppm || (st.loggerId == 17 && !c.alternateFormat);
    st.hardness = c.useHardnessLabel != 0;
    st.extendedCustom = log.well.fit.extRecordOption;
    st.drilling = log.well.file.drilling;
    st.logTitle = log.layout.format.title.toStdString();
    return st;
}

void WriteLasRemarks(app::LogState& log)
{
    const auto& notes = log.notes;
    const std::size_t count = std::min(std::size_t(std::max(notes.memoCount, 0)), notes.memos.size());
    const std::string text = BuildLasRemarks(std::span(notes.memos).first(count));
    if (!WriteLasText(LasFolder(log) + log.well.file.wellName + QStringLiteral(".txt"), text))
        platform::MessageBox(QStringLiteral("FILE NOT FOUND"), QStringLiteral("ERROR"));
}

namespace {

// A typed depth as a whole number; none when it is no number or lies beyond any depth.
std::optional<std::int32_t> TypedDepth(const QString& text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !(v > -1e9 && v < 1e9))
        return std::nullopt;
    return std::int32_t(v);
}

// The damaged records named after the "Created" message: at most ten depths.
QString DamagedText(const std::vector<std::int32_t>& damaged)
{
    if (damaged.empty())
        return {};
    QStringList depths;
    for (std::size_t i = 0; i < std::min<std::size_t>(damaged.size(), 10); ++i)
        depths << QString::number(damaged[i]);
    if (damaged.size() > 10)
        depths << QStringLiteral("%1 more").arg(damaged.size() - 10);
    return QStringLiteral("\nRecords with a damaged depth field, written at their place in the file: %1")
        .arg(depths.join(QStringLiteral(", ")));
}

}  // namespace

void CreateLasFile(app::LogState& log, bool sendMode, QWidget* parent)
{
    wellfile::OpenWell& f = log.well.file;
    const std::int32_t lowest = f.fileTopDepth + 20;
    QString startText = QString::number(lowest);
    QString stopText = QString::number(f.fileBottomDepth);
    if (!sendMode) {
        std::int32_t las3 = 0, tab = 0, ppm = 1;
        layout::RangeRequest request;
        request.caption = QStringLiteral("Create LOG ASCII STANDARD file");
        request.startLabel = QStringLiteral("From");
        request.toLabel = QString();
        request.stopLabel = QStringLiteral("To");
        request.lowest = lowest;
        request.highest = f.fileBottomDepth;
        request.loggerId = log.well.loggerId;
        request.lasVersion3 = &las3;
        request.tabDelimiter = &tab;
        request.ppm = &ppm;
        layout::RangeDlg dlg(parent, startText, stopText, request);
        dlg.advanced = [&dlg] {
            CUSTLASDLG groups(&dlg);
            groups.Execute();
        };
        if (dlg.Execute() != platform::IDOK)
            return;
    }
    const std::optional<std::int32_t> typedStart = TypedDepth(startText), typedStop = TypedDepth(stopText);
    if (!typedStart || !typedStop) {
        platform::MessageBox(!typedStart ? QStringLiteral("Start Value out of Range") : QStringLiteral("End Value out of Range"),
                             QStringLiteral("Error"));
        return;
    }
    const std::int32_t start = std::max(*typedStart, lowest);
    const std::int32_t stop = *typedStop;
    if (stop < start) {
        platform::MessageBox(QStringLiteral("End Value out of Range"), QStringLiteral("Error"));
        return;
    }
    if (log.well.config.basicLas) {
        ExportCustomLas(log, start, stop, sendMode, false);
        WriteLasRemarks(log);
        return;
    }
    WriteLasRemarks(log);

    const QString lasPath = LasFolder(log) + f.wellName + QStringLiteral(".las");
    auto header = std::make_unique<wellfile::WellHeader>();
    if (!wellfile::ReadHeader(*header, app::PlaceOf(log))) {
        platform::MessageBox(QStringLiteral("NO HEADER FILE"), QStringLiteral("ERROR"));
        *header = wellfile::WellHeader{};
    }

    LasInput in;
    in.customNames = LasCustomNamesOf(log);

    const platform::WaitCursor wait;
    const int m = stop - start + 1;
    std::vector<wellfile::RECORD> records(std::size_t(m) + 10);
    std::vector<wellfile::CUSTDATAREC> custom(std::size_t(m) + 10);
    const int n = wellfile::ReadRecords(f, records, f.dataFileName, start - f.fileTopDepth, m);
    if (n > 0 && !f.customDataFileName.isEmpty())
        wellfile::ReadCustomRecords(f, custom, f.customDataFileName, start - f.customTopDepth, n);

    in.records = records;
    in.custom = custom;
    in.count = n;
    in.start = start;
    in.header = header.get();
    in.lag = log.well.config.lagSettings;
    const tracks::ElogView* view =
        log.engines.elogCurves ? &log.engines.elogCurves->View(log.well.elogDepthOffset) : nullptr;
    in.curves = view;

    const LasSettings st = LasSettingsOf(log);

    float mudWeight = 0;
    const std::string text = BuildLasText(in, st, mudWeight);
    if (!WriteLasText(lasPath, text)) {
        platform::MessageBox(QStringLiteral("FILE NOT FOUND"), QStringLiteral("ERROR"));
        return;
    }
    if (mudWeight > 0)
        f.lastMudWeightOut = mudWeight;
    const std::int32_t last = start + std::max(n, 1) - 1;
    if (sendMode) {
        CopyLasForSending(log, lasPath);
        return;
    }
    platform::MessageBox(QStringLiteral("Created %1  from  %2 to  %3 \n %4")
                                 .arg(lasPath)
                                 .arg(start)
                                 .arg(last)
                                 .arg(QStringLiteral(" File may be viewed from any text editor")) +
                             DamagedText(LasDamagedRecords(in)),
                         QStringLiteral("Create Las File"));
    if (platform::Shell* shell = platform::services().shell)
        shell->ShellOpen(lasPath, QStringLiteral("open"));
}

}  // namespace elog

#include "elog/ui/elogwindowservices.h"

namespace elog {
void ElogWindowServices::CreateLasFile(app::LogState& log) { elog::CreateLasFile(log, false, window_); }
}  // namespace elog
