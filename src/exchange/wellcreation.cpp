#include "exchange/wellcreation.h"

#include "platform/services.h"
#include "wellfile/customdata.h"
#include "wellfile/datafile.h"
#include "wellfile/depthcorrection.h"
#include "wellfile/fileattrs.h"
#include "wellfile/openwell.h"
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
wellfile::WellPlace PlaceOfNewWell(const wellfile::OpenWell& well, const QString& path)
{
    wellfile::WellPlace place;
    const QFileInfo info(path);
    place.dataFolder = well.dataFolder;
    place.currentFolder = path.left(path.size() - wellfile::FileNameOf(path).size());
    place.workingFolder = place.dataFolder;
    place.wellName = info.completeBaseName();
    return place;
}

bool SaveNewWellConfig(const wellfile::OpenWell& well, const QString& path, const wellfile::WellConfig& config)
{
    bool fieldSettings = false;
    return wellfile::SaveConfig(config, PlaceOfNewWell(well, path), fieldSettings) == 1;
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

}  // namespace

int WriteNewWellFile(const wellfile::OpenWell& f, std::uint16_t profile, const wellfile::NewFileInfo& info,
                     const wellfile::WellConfig& config, const std::function<bool()>& beforeOpen)
{
    wellfile::NewFileSource source;
    source.companyText = wellfile::CompanyTextOfFile(f.dataFileName);
    source.loggerId = profile;
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
    wellfile::SetNewFileMode(info.path);
    if (!SaveNewWellConfig(f, info.path, wellfile::NewWellConfig(config)))
        platform::MessageBox(info.path + QStringLiteral("\nThe settings of the new well could not be saved"), kFileError);
    return 1;
}

int CutPlugBackCopy(const wellfile::OpenWell& f, const QString& to, std::int32_t startDepth,
                    const wellfile::WellConfig& config)
{
    std::int32_t first = 0;
    std::int32_t lastDepth = 0;
    wellfile::ReadDataFileDepthRange(to, first, lastDepth);
    const std::int32_t step = f.depthStep > 0 ? f.depthStep : 1;
    bool cut = true;
    if (startDepth < lastDepth)
        cut = wellfile::CutDataFile(to, std::int64_t((startDepth - first) / step) + 1);
    else if (startDepth > lastDepth)
        cut = wellfile::AppendDepthRecords(to, (startDepth - lastDepth) / step, step);
    if (!cut) {
        platform::MessageBox(to + QStringLiteral("\nThe copy could not be brought to the kick-off depth"), kFileError);
        return 0;
    }
    if (!SaveNewWellConfig(f, to, config))
        platform::MessageBox(to + QStringLiteral("\nThe settings of the new well could not be saved"), kFileError);
    return 1;
}

void ExtendPlugBackCustomData(wellfile::OpenWell& opened)
{
    if (QFileInfo(opened.customDataFileName).isFile())
        wellfile::ExtendCustomDataFile(opened, opened.fileBottomDepth);
}

}  // namespace exchange
