#include "wellfile/validate.h"

#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/datafile.h"
#include "wellfile/downloadlog.h"

#include <QFile>
#include <QFileInfo>

namespace wellfile {

namespace {

// The depth of the last whole record; false when the file holds none.
bool LastRecordDepth(const QString& path, std::int32_t& depth)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const qint64 whole = f.size() / kRecordSize;
    return whole > 0 && f.seek((whole - 1) * kRecordSize) &&
           f.read(reinterpret_cast<char*>(&depth), sizeof depth) == qint64(sizeof depth);
}

// The depth of the second record; false when the file holds fewer than two whole records.
bool SecondRecordDepth(const QString& path, std::int32_t& depth)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() < 2 * kRecordSize)
        return false;
    return f.seek(kRecordSize) && f.read(reinterpret_cast<char*>(&depth), sizeof depth) == qint64(sizeof depth);
}

bool SameFile(const QString& a, const QString& b)
{
    return !a.isEmpty() && !b.isEmpty() && QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
}

int Refuse(const RepairTarget& target, const QString& path, std::int32_t first, std::int32_t last)
{
    const QByteArray name = platform::ToCp1252(path);
    platform::MessageBox(QString::fromStdString(platform::CFormat(
                             " %s is not a StrativM data file or is corrupted\n %d  %d", name.constData(), first, last)),
                         QStringLiteral("Depth Out Of Range"));
    // The download log lives in the working folder of the open command: the data folder.
    const QString folder =
        target.well.dataFolder.isEmpty() ? QFileInfo(path).absolutePath() : target.well.dataFolder;
    WriteDownloadLog(folder, QStringLiteral("Open Failed RANGE ERROR on "), path, kDownloadBlank);
    if (target.loggerId == 0)
        target.loggerId = kDefaultProfile;
    return 0;
}

}  // namespace

int ValidateDataFile(const RepairTarget& target, const QString& path)
{
    // Look at the file as it is before the repair pass may rewrite it: a file that is not ours is
    // refused untouched. Only its head decides: a last record cut short or zeroed by a crash while the
    // file grew is what the repair pass renumbers.
    const std::unique_ptr<RECORD> firstRecord = ReadFirstRecord(path);
    if (!firstRecord)
        return Refuse(target, path, 0, 0);
    const std::int32_t rawFirst = firstRecord->depth;
    std::int32_t rawSecond = rawFirst;
    if (rawFirst < 0 || (SecondRecordDepth(path, rawSecond) && rawSecond < rawFirst)) {
        std::int32_t rawLast = rawFirst;
        LastRecordDepth(path, rawLast);
        return Refuse(target, path, rawFirst, rawLast);
    }
    const std::string companyText = platform::FieldText(firstRecord->interpretedLith);

    // Work on copies: the open well stays as it was until the file is accepted. The candidate is not
    // the well being drilled, unless it is that very file: its repair pass must not rewrite another
    // station's shared copy as if this station were drilling it.
    OpenWell well = CopyWithoutRecords(target.well);
    const bool drillingThisFile = well.drilling && SameFile(path, target.well.dataFileName);
    well.drilling = drillingThisFile;
    std::uint16_t loggerId = target.loggerId;
    RepairSummary summary = target.summary;
    wellfile::FitFile fit = target.fit;
    const QFileInfo info(path);
    well.currentFolder = platform::JoinPath(info.path(), QString());  // ends with '/'
    well.wellName = info.completeBaseName();
    well.dataFileName = path;
    well.customDataFileName = platform::FindFileNoCase(well.currentFolder, well.wellName + QStringLiteral(".svx"));
    fit.path = platform::FindFileNoCase(well.currentFolder, well.wellName + QStringLiteral(".fit"));
    well.fileTopDepth = well.fileBottomDepth = 0;
    well.customTopDepth = well.customBottomDepth = 0;
    const RepairTarget candidate{well, loggerId, summary, fit, target.sharedCopy};
    InstallRepairHooks(candidate);

    std::int32_t first = 0;
    std::int32_t last = 0;
    LoadAndRepairRecords(candidate);  // reports its own failures; the range below is what the file holds
    ReadFileDepthRange(well, first, last, false);
    well.fileTopDepth = first;
    well.fileBottomDepth = last;
    if (companyText.empty())
        loggerId = kDefaultProfile;
    else
        LoggerIdFromFile(loggerId, path, &companyText, {});
    if (last < first || first < 0)
        return Refuse(target, path, first, last);

    well.hooks = target.well.hooks;
    well.drilling = target.well.drilling;  // validation leaves the mode as it found it
    target.well = std::move(well);
    target.loggerId = loggerId;
    target.summary = summary;
    target.fit = fit;
    return 1;
}

int OpenDemoFile(std::uint16_t& loggerId, const DemoFileActions& actions)
{
    // The same file is tested and opened: the install folder's copy.
    const QString demo = platform::FindFileNoCase(platform::InstallFolder(), QStringLiteral("elogdemo.svm"));
    if (QFileInfo(demo).isFile()) {
        loggerId = kDemoProfile;
        if (actions.openDataFile)
            actions.openDataFile(demo);
        return 1;
    }
    if (actions.openCommand)
        actions.openCommand();
    return 0;
}

}  // namespace wellfile
