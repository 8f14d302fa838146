#include "reports/reportwell.h"

#include "platform/folders.h"
#include "platform/text.h"
#include "wellfile/openwell.h"
#include "wellfile/wellheader.h"
#include "wellfile/wellplace.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFileInfo>

namespace reports {

std::optional<HeaderNames> ReadHeaderNames(const wellfile::WellPlace& place, int loggerId)
{
    if (loggerId == 7) {
        wellfile::WellHeader1450 old{};
        if (!wellfile::ReadHeaderOld(old, place))
            return std::nullopt;
        return HeaderNames{platform::FieldText(old.company), platform::FieldText(old.well)};
    }
    wellfile::WellHeader h{};
    if (!wellfile::ReadHeader(h, place))
        return std::nullopt;
    return HeaderNames{platform::FieldText(h.company), platform::FieldText(h.well)};
}

QString ReportFilePath(const wellfile::OpenWell& well, const QString& extension)
{
    return platform::FindFileNoCase(well.currentFolder, well.wellName + extension);
}

void LeaveSendCopy(const wellfile::OpenWell& well, const QString& extension)
{
    const QString from = ReportFilePath(well, extension);
    if (!QFileInfo(from).isFile())
        return;
    QDir().mkpath(well.dataFolder + QStringLiteral("sendfile"));
    wellfile::CopyFileReplacing(from, well.dataFolder + QStringLiteral("sendfile/") + well.wellName + extension);
}

}  // namespace reports
