#include "wellfile/remoteconfig.h"

namespace wellfile {

bool NamesNoFolder(const QString& text)
{
    QString bare = text;
    while (bare.endsWith(u'\\') || bare.endsWith(u'/'))
        bare.chop(1);
    return bare.isEmpty() || bare == QLatin1String(kNotSelected);
}

QString RemoteFolder(const QString& field)
{
    if (NamesNoFolder(field))
        return {};
    QString folder = field;
    if (folder.endsWith(u'\\'))
        folder.chop(1);
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

}  // namespace wellfile
