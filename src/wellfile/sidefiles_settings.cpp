#include "wellfile/sidefiles_settings.h"

#include "platform/folders.h"
#include "platform/text.h"
#include "wellfile/sidefiles_recent.h"
#include "wellfile/fileattrs.h"
#include "wellfile/wholefile.h"

#include <QFile>
#include <QFileInfo>

#include <string>

namespace wellfile {

namespace {

QString InFolder(const QString& folder, const char* name) { return platform::JoinPath(folder, QLatin1String(name)); }

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    SetNormalAttributes(path);
    return WriteWholeFile(path, bytes.constData(), std::size_t(bytes.size()));
}

}  // namespace

int SaveIni(const QString& dataFolder, const QString& dataFilePath)
{
    if (dataFilePath.isEmpty())
        return 0;
    QByteArray bytes = QFile::encodeName(dataFilePath);
    bytes.append('\0');
    return WriteFile(InFolder(dataFolder, "StrativM.ini"), bytes) ? 1 : 0;
}

int LoadIni(const QString& dataFolder, QString& dataFilePath, const std::function<void()>& openDemoFile)
{
    const QString path = InFolder(dataFolder, "StrativM.ini");
    SetNormalAttributes(path);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    QByteArray bytes = f.read(4096);
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    // Older stations ended the path with a line end.
    while (bytes.endsWith('\n') || bytes.endsWith('\r'))
        bytes.chop(1);
    if (bytes.size() < 2 || bytes.size() > kMaxPathBytes)
        return 0;
    QString file = QFile::decodeName(bytes);
    if (!file.contains(u'/'))
        file = platform::JoinPath(dataFolder, file);
    if (QFileInfo(file).isFile()) {
        dataFilePath = file;
    } else {
        dataFilePath.clear();
        if (openDemoFile)
            openDemoFile();
    }
    return 1;
}

int SaveWindowPos(const QString& folder, const WindowPlacement& p, const QString& name, bool addTrue)
{
    if (name.isEmpty())
        return 0;
    int left = p.left;
    int top = p.top;
    int width = p.right - p.left;
    int height = p.bottom - p.top;
    if (p.maximised) {
        left += 2 * p.unitColumnWidth;
        top += 2 * p.rowHeight;
        width -= 4 * p.unitColumnWidth;
        height -= 4 * p.rowHeight;
    }
    std::string text = QFile::encodeName(name).toStdString() + "\n";
    text += platform::CFormat("Left=%d\nTop=%d\nWidth=%d\nHeight=%d\nEnd=%d\n", left, top, width, height, p.gasTrackRight);
    if (addTrue)
        text += "true";
    return WriteFile(InFolder(folder, "startupM.ini"), QByteArray::fromStdString(text)) ? 1 : 0;
}

int SavePrintConfig(const QString& dataFolder, const wellfile::PRINTCFG& config)
{
    const QString path = InFolder(dataFolder, "strativ.pfg");
    SetNormalAttributes(path);
    return WriteWholeFile(path, &config, sizeof config) ? 1 : 0;
}

int LoadDownloadConfig(const QString& dataFolder, wellfile::RemoteConfig& config)
{
    config = wellfile::RemoteConfig{};
    return ReadExactFile(InFolder(dataFolder, "svdlcfg.cfg"), &config, sizeof config) ? 1 : 0;
}

int SaveRemoteConfig(const QString& dataFolder, const wellfile::RemoteConfig& config)
{
    const QString path = InFolder(dataFolder, "svdlcfg.cfg");
    SetNormalAttributes(path);
    return WriteWholeFile(path, &config, sizeof config) ? 1 : 0;
}

int GetInstallDir(QString& folder)
{
    const QString value = platform::ReadSetting(QStringLiteral("INSTDIR/INSTALL DIR"));
    // The stations read the value into 256 bytes; a longer one was not taken.
    if (value.isEmpty() || QFile::encodeName(value).size() >= 256)
        return 0;
    folder = value;
    return 1;
}

int LoadOfc(const QString& dataFolder, const QString& wellName, OfficeCopyRecord& record)
{
    record = OfficeCopyRecord{};
    const QString path = platform::JoinPath(dataFolder, wellName + QStringLiteral(".ofc"));
    if (!QFileInfo(path).isFile())
        return 0;
    SetNormalAttributes(path);
    OfficeCopyRecord scratch;
    if (ReadFilePrefix(path, &scratch, sizeof scratch) < 0)
        return 0;
    record = scratch;
    return 1;
}

}  // namespace wellfile
