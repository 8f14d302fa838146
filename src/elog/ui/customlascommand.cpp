#include "elog/ui/customlascommand.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "elog/customlas.h"
#include "elog/ui/lascommand.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/waitcursor.h"
#include "wellfile/customdata.h"
#include "wellfile/datafile.h"
#include "wellfile/remoteconfig.h"
#include "wellfile/sidefiles_settings.h"
#include "wellfile/wellheader.h"
#include "wellfile/wholefile.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace elog {

namespace {

// Reads the records of depths from .. from + count - 1 into buffer[0 ..], leaving zeroed those above the
// file's first depth; returns the number of buffer entries filled (zeroed ones included).
template <typename Read>
int ReadFromDepth(std::int32_t from, std::int32_t first, int count, int room, Read read)
{
    const int skip = std::clamp(first - from, 0, count);
    if (skip >= room)
        return 0;
    return skip + std::max(read(skip, from + skip - first, count - skip), 0);
}

}  // namespace

QString UpdateFolder(const QString& dataFolder)
{
    wellfile::RemoteConfig cfg;
    if (!wellfile::LoadDownloadConfig(dataFolder, cfg))
        return {};
    return wellfile::RemoteFolder(platform::FieldString(cfg.destinationFolder).trimmed());
}

bool ExportCustomLas(app::LogState& log, std::int32_t start, std::int32_t stop, bool sendMode, bool updateCopy,
                     const std::function<void(const QString&)>& report)
{
    wellfile::OpenWell& f = log.well.file;
    // The automatic runs say nothing in boxes: they come at every update package and every tenth refresh.
    auto problem = [&](const QString& box, const QString& line) {
        if (!updateCopy)
            platform::MessageBox(box, QStringLiteral("ERROR"));
        else if (report)
            report(line);
    };
    bool clean = true;
    start = std::max(start, f.fileTopDepth);
    const QString lasPath = LasFolder(log) + f.wellName + QStringLiteral(".las");
    auto header = std::make_unique<wellfile::WellHeader>();
    if (!wellfile::ReadHeader(*header, app::PlaceOf(log))) {
        problem(QStringLiteral("NO HEADER FILE"), QStringLiteral("Custom LAS file written without its well header"));
        *header = wellfile::WellHeader{};
        clean = false;
    }

    CustomLasInput in;
    in.customNames = LasCustomNamesOf(log);
    const platform::WaitCursor wait;
    // The record above the start, then start .. stop; buffers 100 records longer.
    const int m = std::max(stop - start + 2, 1);
    std::vector<wellfile::RECORD> records(std::size_t(m) + 100);
    std::vector<wellfile::CUSTDATAREC> custom(std::size_t(m) + 100);
    const int n = ReadFromDepth(start - 1, f.fileTopDepth, m, int(records.size()), [&](int at, int index, int count) {
        return wellfile::ReadRecords(f, std::span(records).subspan(std::size_t(at)), f.dataFileName, index, count);
    });
    if (n > 1 && !f.customDataFileName.isEmpty())
        ReadFromDepth(start - 1, f.customTopDepth, n, int(custom.size()), [&](int at, int index, int count) {
            return wellfile::ReadCustomRecords(f, std::span(custom).subspan(std::size_t(at)), f.customDataFileName,
                                             index, count);
        });
    in.records = records;
    in.custom = custom;
    in.count = n;
    in.start = start;
    in.stop = stop;
    in.header = header.get();
    in.lag = log.well.config.lagSettings;

    float mudWeight = 0;
    const std::string text = BuildCustomLasText(in, LasSettingsOf(log), mudWeight);
    if (!WriteLasText(lasPath, text)) {
        problem(QStringLiteral("FILE NOT FOUND"), QStringLiteral("Custom LAS file not written: %1").arg(lasPath));
        return false;
    }
    if (mudWeight > 0)
        f.lastMudWeightOut = mudWeight;

    if (updateCopy) {
        const QString folder = f.drilling ? UpdateFolder(f.dataFolder) : QString();
        if (!folder.isEmpty() && !wellfile::CopyFileReplacing(lasPath, folder + f.wellName + QStringLiteral(".las"))) {
            if (report)
                report(QStringLiteral("Custom LAS file not copied to %1").arg(folder));
            clean = false;
        }
        return clean;
    }
    if (sendMode) {
        CopyLasForSending(log, lasPath);
        return clean;
    }
    platform::MessageBox(QStringLiteral("Created %1  from  %2 to  %3 \n %4")
                             .arg(lasPath)
                             .arg(start)
                             .arg(stop)
                             .arg(QStringLiteral(" File may be viewed from any text editor")),
                         QStringLiteral("Create Las File"));
    if (platform::Shell* shell = platform::services().shell)
        shell->ShellOpen(lasPath, QStringLiteral("open"));
    return clean;
}

}  // namespace elog

#include "elog/ui/elogwindowservices.h"

#include <QMainWindow>
#include <QStatusBar>

#include <cstdio>
#include <utility>

namespace elog {

void ElogWindowServices::ExportCustomLas(app::LogState& log, std::int32_t start, std::int32_t stop, bool sendMode,
                                         bool updateCopy)
{
    if (dataFileBusy && dataFileBusy()) {
        platform::MessageBeep(0);
        return;
    }
    auto* main = qobject_cast<QMainWindow*>(window_.data());
    const bool clean = elog::ExportCustomLas(log, start, stop, sendMode, updateCopy, [&](const QString& text) {
        if (std::exchange(automaticProblemShown_, true))
            return;
        if (main)
            main->statusBar()->showMessage(text);
        else
            std::fprintf(stderr, "strativm: %s\n", qPrintable(text));
    });
    if (updateCopy && clean && std::exchange(automaticProblemShown_, false) && main)
        main->statusBar()->clearMessage();
}

}  // namespace elog
