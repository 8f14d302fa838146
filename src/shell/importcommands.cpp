#include "shell/importcommands.h"

#include "app/elogoffset.h"
#include "app/layouthosts.h"
#include "app/logstate.h"
#include "app/wellservices.h"
#include "elog/elog_services.h"
#include "elog/schemehost.h"
#include "layout/schemes.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/winapi.h"
#include "wellfile/datafile.h"
#include "wellfile/depthcorrection.h"
#include "app/opendatafile.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>

#include <array>
#include <cstddef>
#include <optional>

namespace shell {

namespace {

// A file dialog that starts in `folder`. The program keeps no working folder of its own: every path it
// builds starts from the data folder, as the working folder is after each dialog.
std::optional<QString> OpenFile(const QString& filter, const QString& folder, const QString& defaultExt = {})
{
    platform::FileDialogRequest r;
    r.folder = folder;
    r.filter = filter;
    r.defaultExt = defaultExt;
    return platform::services().prompter->OpenFileName(r);
}

void ImportError(const QString& text)
{
    platform::MessageBox(text, QStringLiteral("Import Error"), platform::MB_OK);
}

// Puts the e-log file chosen before the import back, stored and loaded.
void PutBackElog(app::LogState& s, const app::WellServices& sv, const QString& remembered)
{
    s.well.elogFileName = remembered;
    app::SaveElogOffset(s, s.well.elogFileName);
    if (!s.well.elogFileName.isEmpty())
        sv.view->LoadElog(s, s.well.elogFileName);
}

}  // namespace

QString LasHeaderError(const elog::LasHeader& h)
{
    const char* tail = "\nHave a new LAS file made to correct the error";
    if (h.start < 0)
        return QString::fromStdString(platform::CFormat("Start Value ( %d ) is out of range%s", int(h.start), tail));
    if (h.stop < 1)
        return QString::fromStdString(platform::CFormat("Stop Value ( %d ) is out of range%s", int(h.stop), tail));
    if (h.step == 0.0f)
        return QString::fromStdString(platform::CFormat("Step Value (%.1f ) is out of range%s", double(h.step), tail));
    return QStringLiteral("Unknown error, data missing or corrupted\nHave a new LAS file made to correct the error(s)");
}

void SelectRop(app::LogState& s, const app::WellServices& sv)
{
    wellfile::OpenWell& f = s.well.file;
    const std::optional<QString> path = OpenFile(QStringLiteral("StrativM Files (*.SVM)|*.SVM|"), f.dataFolder);
    if (!path)
        return;
    app::TakeOffsetWell(s, *path, 0);
    app::SaveOffsetEntry(s);
    app::LoadOffsetRecords(s);
    sv.window->Invalidate(s);
}

void SelectElog(app::LogState& s, const app::WellServices& sv)
{
    const std::optional<QString> path =
        OpenFile(QStringLiteral("StrativM Curve Files (*.svc)|*.svc|"), s.well.file.dataFolder);
    if (!path)
        return;
    s.well.elogDepthOffset = 0;
    s.well.elogFileName = *path;
    app::SaveElogOffset(s, *path);
    sv.view->LoadElog(s, *path);
    sv.window->Invalidate(s);
}

void ImportElog(app::LogState& s, const app::WellServices& sv, elog::ElogServices& elog)
{
    wellfile::OpenWell& f = s.well.file;
    const QString remembered = s.well.elogFileName;
    if (f.drilling)
        sv.exchange->BackupData(s, 0);
    const std::optional<QString> las = OpenFile(QStringLiteral("LAS Files (*.las)|*.las|"), f.dataFolder, QStringLiteral("LAS"));
    if (!las)
        return;
    // The import's dialogs run event loops of their own: the off-screen log waits until it is over.
    s.view.elogImport = true;
    const auto importOver = qScopeGuard([&s] { s.view.elogImport = false; });
    s.well.elogFileName = f.dataFolder + f.wellName + QStringLiteral(".svc");
    std::array<std::byte, 72> columnMap{};
    elog::LasHeader header;
    float bitSize = 0;
    if (!s.engines.elogCurves)
        elog.EnsureCurves(s);

    // A failed read puts the chosen e-log back, as Cancel does: the well's ".svc" is not the chosen one.
    const auto fail = [&] {
        elog.FreeCurveData(s);
        elog.DeleteCurves(s);
        PutBackElog(s, sv, remembered);
    };
    const int read = elog.ReadLasHeader(s, *las, header, bitSize);
    if (read == elog::kLasReported) {
        fail();
        return;
    }
    if (read == elog::kLasRefused) {
        ImportError(LasHeaderError(header));
        fail();
        return;
    }
    if (elog.ReadLasData(s, *las) == 0) {
        platform::MessageBox(QStringLiteral("Memory allocation failed"), QStringLiteral("ERROR"), platform::MB_OK);
        fail();
        return;
    }
    if (header.ekb < s.well.kbElevation)
        header.ekb = s.well.kbElevation;

    const int answer = elog.RunImportDialog(s, *las, s.well.elogFileName, header, columnMap, elog::kImportCurves);
    if (answer == platform::IDOK) {
        sv.window->Invalidate(s);
        if (!QFileInfo(s.well.elogFileName).isFile())
            elog.ImportLas(s, *las, s.well.elogFileName, header, columnMap, bitSize);
        else
            elog.MergeLas(s, *las, s.well.elogFileName, header, columnMap, bitSize);
        if (!remembered.isEmpty() &&
            QFileInfo(s.well.elogFileName).completeBaseName().compare(f.wellName, Qt::CaseInsensitive) != 0)
            s.well.elogFileName = remembered;
        app::SaveElogOffset(s, s.well.elogFileName);
        sv.view->LoadElog(s, s.well.elogFileName);
        elog::ShowElogInSchemes(s);
        s.view.elogShown = true;
        s.view.redrawPending = true;
        sv.window->Invalidate(s);
        if (f.drilling) {
            const QString svc = platform::FindFileNoCase(f.dataFolder, f.wellName + QStringLiteral(".svc"));
            QDir(f.dataFolder).mkpath(QStringLiteral("sendfile"));
            wellfile::CopyFileReplacing(svc, f.dataFolder + QStringLiteral("sendfile/") + QFileInfo(svc).fileName());
            if (f.copyOut && f.hooks.copyWellFileOut)
                f.hooks.copyWellFileOut(QStringLiteral(".svc"));
        }
    } else {
        elog.DeleteCurves(s);
        PutBackElog(s, sv, remembered);
    }
    elog.FreeCurveData(s);
}

void ImportMudlog(app::LogState& s, const app::WellServices& sv, elog::ElogServices& elog)
{
    wellfile::OpenWell& f = s.well.file;
    if (f.drilling)
        sv.exchange->BackupData(s, 0);
    const std::optional<QString> las = OpenFile(QStringLiteral("LAS Files (*.las)|*.las|"), f.dataFolder, QStringLiteral("LAS"));
    if (!las)
        return;
    std::array<std::byte, 640> columnMap{};
    elog::LasHeader header;
    float bitSize = 0;
    const int read = elog.ReadLasHeader(s, *las, header, bitSize);
    if (read == elog::kLasReported)
        return;
    if (read == elog::kLasRefused) {
        ImportError(QStringLiteral("Invalid Header Data"));
        return;
    }
    if (elog.ReadLasData(s, *las) == 0) {
        platform::MessageBox(QStringLiteral("Memory allocation failed"), QStringLiteral("ERROR"), platform::MB_OK);
        return;
    }
    if (elog.RunImportDialog(s, *las, f.dataFileName, header, columnMap, elog::kImportRecords) == platform::IDOK) {
        // The files are backed up before the import changes them, in every mode.
        sv.exchange->BackupData(s, 0);
        elog.ImportAscii(s, *las, header, columnMap);
        // Imported surveys make "TVD Log " appear.
        wellfile::ReadAllRecords(f);
        sv.window->BuildMenu(s, -1);
        s.view.redrawPending = true;
        sv.window->Invalidate(s);
    }
    elog.FreeCurveData(s);
}

}  // namespace shell
