#include "exchange/wellcreation.h"

#include "app/logstate.h"
#include "app/wellcopy.h"
#include "app/wellservices.h"
#include "drilling/drilling_services.h"
#include "layout/customdata.h"
#include "reports/shortreports.h"
#include "platform/services.h"
#include "wellfile/datafile.h"
#include "wellfile/depthcorrection.h"
#include "app/opendatafile.h"
#include "wellfile/profile.h"
#include "wellfile/wellnames.h"
#include "wellfile/wholefile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace exchange {

namespace {

const QString kFileError = QStringLiteral("File error");

// The place of the well whose data file is `path`, for saving its settings.
wellfile::WellPlace PlaceOfNewWell(const app::LogState& log, const QString& path)
{
    wellfile::WellPlace place;
    const QFileInfo info(path);
    place.dataFolder = log.well.file.dataFolder;
    place.currentFolder = path.left(path.size() - wellfile::FileNameOf(path).size());
    place.workingFolder = place.dataFolder;
    place.wellName = info.completeBaseName();
    return place;
}

bool SaveNewWellConfig(const app::LogState& log, const QString& path, const wellfile::WellConfig& config)
{
    bool fieldSettings = false;
    return wellfile::SaveConfig(config, PlaceOfNewWell(log, path), fieldSettings) == 1;
}

// The last whole record of a data file, read without a word to the user.
bool ReadLastWholeRecord(const QString& path, wellfile::RECORD& record)
{
    const std::int64_t n = wellfile::RecordsInDataFile(path);
    QFile f(path);
    if (n < 1 || !f.open(QIODevice::ReadOnly) || !f.seek((n - 1) * wellfile::kRecordSize))
        return false;
    return f.read(reinterpret_cast<char*>(&record), wellfile::kRecordSize) == wellfile::kRecordSize;
}

void SwitchDrillingOn(app::LogState& log, const app::WellServices& services)
{
    if (!log.well.file.drilling && services.drilling)
        services.drilling->CmDrilling(log);
}

}  // namespace

int CreateNewWell(app::LogState& log, const app::WellServices& services, const wellfile::NewFileInfo& info,
                  const wellfile::WellConfig& config, const std::function<bool()>& beforeOpen)
{
    const wellfile::OpenWell& f = log.well.file;
    wellfile::NewFileSource source;
    source.companyText = wellfile::CompanyTextOfFile(f.dataFileName);
    source.loggerId = log.well.loggerId;
    source.gasInstrumentType = config.gasInstrumentType;
    wellfile::RECORD last;
    if (ReadLastWholeRecord(f.dataFileName, last)) {
        source.haveLastRecord = true;
        std::copy(std::begin(last.testGas), std::end(last.testGas), source.lastTestGas);
    }
    source.date = platform::LocalTime().date();

    // The records go to a temporary file beside the new one first: the old well is archived and cleared
    // away only once the new file is known to be written.
    const std::vector<wellfile::RECORD> records = wellfile::NewFileRecords(info, source);
    const qint64 bytes = qint64(records.size() * sizeof(wellfile::RECORD));
    QTemporaryFile pending(info.path + QStringLiteral(".new-XXXXXX"));
    const bool written = !QFileInfo(info.path).isDir() && pending.open() &&
                         pending.write(reinterpret_cast<const char*>(records.data()), bytes) == bytes &&
                         pending.flush();
    pending.close();
    if (!written) {
        platform::MessageBox(info.path + QStringLiteral("\nThe new file could not be written"), kFileError);
        return 0;
    }
    if (beforeOpen && !beforeOpen())
        return 0;  // the temporary file goes with `pending`
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(pending.fileName()).toStdString(),
                            QFile::encodeName(info.path).toStdString(), error);
    if (error) {
        platform::MessageBox(info.path + QStringLiteral("\nThe new file could not be written"), kFileError);
        return 0;
    }
    pending.setAutoRemove(false);
    if (!SaveNewWellConfig(log, info.path, wellfile::NewWellConfig(config)))
        platform::MessageBox(info.path + QStringLiteral("\nThe settings of the new well could not be saved"), kFileError);
    if (!app::OpenCheckedDataFile(log, services, info.path))
        return 0;
    SwitchDrillingOn(log, services);
    return 1;
}

int CreatePlugBackWell(app::LogState& log, const app::WellServices& services, elog::ElogServices& elog,
                       const wellfile::NewFileInfo& info, const wellfile::WellConfig& config)
{
    const wellfile::OpenWell& f = log.well.file;
    QString from = f.currentFolder + f.wellName + QStringLiteral(".SVM");
    QString to = info.path;
    if (!app::CopyFileChecked(log, elog, from, to))
        return 0;

    // The copy ends at the kick-off depth.
    std::int32_t first = 0;
    std::int32_t lastDepth = 0;
    wellfile::ReadDataFileDepthRange(to, first, lastDepth);
    const std::int32_t step = f.depthStep > 0 ? f.depthStep : 1;
    bool cut = true;
    if (info.startDepth < lastDepth)
        cut = wellfile::CutDataFile(to, std::int64_t((info.startDepth - first) / step) + 1);
    else if (info.startDepth > lastDepth)
        cut = wellfile::AppendDepthRecords(to, (info.startDepth - lastDepth) / step, step);
    if (!cut) {
        platform::MessageBox(to + QStringLiteral("\nThe copy could not be brought to the kick-off depth"), kFileError);
        return 0;
    }
    if (!SaveNewWellConfig(log, to, config))
        platform::MessageBox(to + QStringLiteral("\nThe settings of the new well could not be saved"), kFileError);
    if (!app::OpenCheckedDataFile(log, services, to))
        return 0;
    wellfile::OpenWell& opened = log.well.file;
    if (QFileInfo(opened.customDataFileName).isFile())
        layout::ExtendCustomDataFile(opened, opened.fileBottomDepth);
    reports::TruncateShortReports(log);
    SwitchDrillingOn(log, services);
    return 1;
}

}  // namespace exchange
