#include "print/sendheadercopy.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/wholefile.h"

#include <QDir>

#include <string>

namespace print {

void StampHeader(wellfile::WellHeader& header, std::int32_t lastDepth, const QDate& today)
{
    const bool feet = platform::FieldText(header.intervalFrom).find('\'') != std::string::npos;
    platform::SetFieldText(header.intervalTo, platform::CFormat("%d%s", int(lastDepth), feet ? "'" : ""));
    platform::SetFieldText(header.loggedTo, platform::CFormat("%d/%02d/%04d", today.day(), today.month(), today.year()));
}

bool CopyHeaderToSendFolder(const wellfile::WellPlace& place)
{
    const QString name = place.wellName + QStringLiteral(".hdr");
    const QString from = platform::FindFileNoCase(place.currentFolder, name);
    QDir(place.dataFolder).mkpath(QStringLiteral("sendfile"));
    const QString folder = platform::FindFileNoCase(place.dataFolder, QStringLiteral("sendfile"));
    return wellfile::CopyFileReplacing(from, platform::JoinPath(folder, name));
}

bool WriteWellHeader(app::LogState& log, const wellfile::WellHeader& header)
{
    if (!wellfile::SaveHeader(header, app::PlaceOf(log)))
        return false;
    const wellfile::OpenWell& f = log.well.file;
    if (f.drilling && f.copyOut && f.hooks.copyWellFileOut)
        f.hooks.copyWellFileOut(QStringLiteral(".hdr"));
    return true;
}

void SendHeaderCopy(app::LogState& log)
{
    if (!log.well.file.drilling || !log.print.updateHeader)
        return;
    const wellfile::WellPlace place = app::PlaceOf(log);
    wellfile::WellHeader header{};
    // Stamping a header that is not there would make one of nothing but the two stamps.
    if (!wellfile::ReadHeader(header, place))
        return;
    log.now = platform::LocalTime();
    StampHeader(header, log.well.file.fileBottomDepth, log.now.date());
    if (WriteWellHeader(log, header))
        CopyHeaderToSendFolder(place);
}

}  // namespace print
