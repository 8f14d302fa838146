// The settings files a station starts with: the settings store, the window placement ("startupM.ini"),
// the last data file ("StrativM.ini"), the recent list, the install folder's "profiles.txt" and the
// download settings.
#include "fuzzhost.h"

#include "platform/folders.h"
#include "shell/startupini.h"
#include "wellfile/profile.h"
#include "wellfile/remoteconfig.h"
#include "wellfile/sidefiles_recent.h"
#include "wellfile/sidefiles_settings.h"

#include <QFile>

#include <array>

namespace {
// The first part is the settings store; the others, in the order of the byte that names one:
enum Kind { kStartup, kLastFile, kRecent, kProfiles, kDownload, kKinds };
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::Box box;
    const QString folder = box.data();
    const QString docs = platform::DocumentsFolder();
    for (const fuzzing::Part& part : fuzzing::SplitParts(data, size, kKinds)) {
        switch (part.kind) {
        case -1: fuzzing::Box::Write(platform::SettingsFile(), part.bytes); break;
        case kStartup: fuzzing::Box::Write(docs + QStringLiteral("startupM.ini"), part.bytes); break;
        case kLastFile: fuzzing::Box::Write(folder + QStringLiteral("StrativM.ini"), part.bytes); break;
        case kRecent: fuzzing::Box::Write(folder + QStringLiteral("recentM.lst"), part.bytes); break;
        case kProfiles: fuzzing::Box::Write(box.root() + QStringLiteral("home/StrativM/profiles.txt"), part.bytes); break;
        case kDownload: fuzzing::Box::Write(folder + QStringLiteral("svdlcfg.cfg"), part.bytes); break;
        }
    }

    QString install;
    wellfile::GetInstallDir(install);
    shell::StartupPlacement placement;
    shell::ReadStartupIni(docs, placement);
    QString last;
    wellfile::LoadIni(folder, last, [] {});
    wellfile::RecentFiles recent;
    wellfile::LoadRecent(folder, recent);
    wellfile::RemoteConfig remote;
    wellfile::LoadDownloadConfig(folder, remote);

    // The install folder's table: read where the store says the install folder is, and as text.
    wellfile::ProfileFromText("MUDLOG COMPANY");
    QFile table(box.root() + QStringLiteral("home/StrativM/profiles.txt"));
    if (table.open(QIODevice::ReadOnly)) {
        wellfile::ProfileTables tables;
        QStringList errors;
        tables.Add(QString::fromUtf8(table.readAll()), &errors);
        wellfile::ProfileFromText(tables, "MUDLOG COMPANY");
        wellfile::ProfileFromExtension(tables, folder + QStringLiteral("FZ.sv8"));
    }
    return 0;
}
