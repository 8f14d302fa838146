#include "exchange/unzip.h"

#include "platform/services.h"
#include "wellfile/downloadlog.h"

namespace exchange {

int UnzipErrorCode(wellfile::PackageFailure reason)
{
    using wellfile::PackageFailure;
    switch (reason) {
    case PackageFailure::None: return 0;
    case PackageFailure::BadChecksum: return 1;
    case PackageFailure::NotZip: return 3;
    case PackageFailure::OutOfMemory: return 4;
    case PackageFailure::MissingFile: return 9;
    case PackageFailure::NoEntries: return 11;
    case PackageFailure::ReadCutShort: return 51;
    case PackageFailure::Other: break;
    }
    return 12;
}

QString UnzipErrorText(int code)
{
    switch (code) {
    case 1: return QStringLiteral("Error CRC check failed");
    case 2:
    case 3: return QStringLiteral("Error in .ZIP file");
    case 4:
    case 5:
    case 6:
    case 7:
    case 8: return QStringLiteral("Error Insufficient Memory");
    case 9: return QStringLiteral("Zip Error File not found");
    case 10: return QStringLiteral("Error Bad or illegal parameters specified");
    case 11: return QStringLiteral("Error No files found to extract");
    case 51: return QStringLiteral("Error Unexpected EOF in .ZIP file.");
    case 255: return QStringLiteral("Error User pressed control-c or control-break");
    default: return QStringLiteral("Error Unknown error");
    }
}

int Unzip(const QString& zipPath, const QString& targetFolder, const QString& logFolder, bool quiet)
{
    const wellfile::PackageResult result = wellfile::ExtractPackage(zipPath, targetFolder);
    if (result.ok)
        return 1;
    // The zip stays: it may be a package still being copied in, taken whole on a later try.
    wellfile::WriteDownloadLog(logFolder, QStringLiteral("Unzip failed on open file "), zipPath,
                               wellfile::kDownloadBlank);
    if (!quiet)
        platform::MessageBox(UnzipErrorText(UnzipErrorCode(result.reason)), zipPath, platform::MB_OK);
    return 0;
}

}  // namespace exchange
