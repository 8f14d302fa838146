#pragma once
// Send File (command 51707, and the Archive command in archive mode) and the update package a drilling
// station builds every five minutes (timer 3, the drilling step, "Update Now"). Both pack the well into
// "sendfile/<well>.sv8" (exchange/sendpackage.h). The update package is then handed to the file copy
// thread, which puts it into the destination folder of the remote settings.
#include <QDate>
#include <QDateTime>
#include <QString>

#include <functional>

namespace app {
struct Engines;
struct SetupOptions;
struct WellState;
}

namespace exchange {

// Clears the send folder for a fresh package: with `clearFirst` its "*.svm", "*.zip" and "*.sv8"; always
// its "*.zl8" and "*.svm". 0 when there is no send folder.
int WriteSendFile(const QString& dataFolder, bool clearFirst);
// Copies today's "wits/<well>@m-dd-yy.wit" (and "chart/...cht") into the send folder, over an older
// copy, when there is one. Return 1.
int SendWitsFile(const QString& dataFolder, const QString& wellName, const QDate& today);
int SendChartFile(const QString& dataFolder, const QString& wellName, const QDate& today);

// How a package run that nobody watches tells of a failure (a status text); empty: stderr.
using StatusText = std::function<void(const QString& text)>;

// What a package run reads and changes: the open well, the file copy thread that hands the package on,
// the window's clock record (read again for the day) and the station's shared folder, which the run
// keeps clear of the well's loose copies.
struct PackageState {
    app::WellState& well;
    app::Engines& engines;
    QDateTime& now;
    const QString& sharedFolder;
};

// Builds the update package (with yesterday's WITS file too until a package of today reached the
// destination) and hands it to the copy thread, which logs in "download.txt" whether it reached the
// destination (and says a failure through `status`). `mode` 0 is Send File while drilling (a failure shows "Error No. <n>", caption "Zip
// failed"); 1 the timer, the drilling step and "Update Now", which show no box: a failure goes to
// "download.txt" and `status`. A run that finds the previous package still being copied skips its turn.
// 1 when a package was made.
int BuildUpdatePackage(const PackageState& state, int mode, const StatusText& status = {});
// The same towards `destination` (a folder; empty: the package is made and stays in the send folder).
int BuildUpdatePackageTo(const PackageState& state, int mode, const StatusText& status, const QString& destination);

struct SendLists;
// The lists of the send package as Send File packs them: the well's send options, and the horizontal
// view's gamma files when its set-up travels.
SendLists SendFileListsOf(const app::WellState& well, const QDate& today);

// What Send File asks of the window.
struct SendFileHooks {
    StatusText status;  // for the update package while drilling
};

// Send File's work once the window let it run (and sent the pictures along): today's chart file when the
// set-up asks for it once, today's WITS file with WITS updates on; while drilling the update package,
// else the well packed into "sendfile/<well>.sv8" (".TD_" for the archive, `archiving`) and the user
// told it is ready for mail.
void SendWellFile(const PackageState& state, app::SetupOptions& setup, bool archiving, const QDate& today,
                  const StatusText& status);

}  // namespace exchange
