#pragma once
// Live update: the open well published into the shared folder that a file-synchronising service
// replicates to office users, and the users of this machine who see shared wells, each with a ".usr"
// record listing the data files they follow.
#include "wellfile/copyout.h"
#include "wellfile/settingsblock.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace app {
struct WellState;
}

namespace exchange {

// The files "Update Now" publishes, in order.
const QStringList& PublishedExtensions();

// The places a copy of the open well's file goes (CopyWellFileOut): the copy-out folder, and the
// station's shared folder (`sharedFolder`) while its flag (the folder is there: start-up makes it from
// the data folder's "Dropbox") and the live-update flag (byte 4618 of the well's settings as the window
// holds them) are both on.
wellfile::CopyOutFolders CopyOutFoldersOf(const app::WellState& well, const QString& sharedFolder);

// Every save of a side file of the open well publishes it: a file `path` of the data folder named
// well + one extension goes to the shared folder through CopyWellFileOut while the shared-folder and
// live-update flags are both on. 1 when a copy was made.
int PublishSavedFile(const app::WellState& well, const QString& sharedFolder, const QString& path);

// What "Update Now" says when done: "Files Updated", or which shared folder is missing (nothing could
// be published there).
QString PublishedText(const QString& sharedFolder);

// Copies each existing file of the published set from the data folder into `sharedFolder`, and with
// `wits` today's daily WITS file (data folder "wits/" + well + date suffix + ".wit") as shared folder +
// well + date suffix + ".wit". The number of files copied.
int PublishWell(const QString& dataFolder, const QString& wellName, const QString& sharedFolder, bool wits,
                const QDate& today);

// The code words of the clients offered to a live user: the first word of the file prefix of 19 fixed
// profiles.
QStringList ClientCodeWords();

// The folder holding the home folders of this machine's users (settings value "LiveUsersRoot", by
// default "/home/"), ending with '/'.
QString UsersRoot();
// The users offered: folders of `usersRoot` whose name has no "." and does not hold "PUBLIC", "USERS" or
// "DEFAULT" in any letter case, in name order.
QStringList LiveUsers(const QString& usersRoot);
// A user's StrativM folder (their documents folder + "StrativM/") and ".usr" record.
QString LiveUserFolder(const QString& usersRoot, const QString& user);
QString LiveUserFilePath(const QString& usersRoot, const QString& user);

// Entry `i` of the record's file list, read up to its NUL or the field's end.
QString ListedFile(const wellfile::SettingsBlock& block, int i);
// Stores `path` as entry `i`; false (nothing stored) for a path that does not fit the 260-byte field
// with its NUL, or an entry outside the list.
bool SetListedFile(wellfile::SettingsBlock& block, int i, const QString& path);

// What a user's list holds now: the files still there (and those whose folder cannot be reached, a
// share not mounted) stay listed; a file deleted from a folder that exists has its well's files removed
// from the user's folder. `listed` gets the entries kept, in order.
void ReviewListedFiles(const wellfile::SettingsBlock& block, const QString& userFolder, QStringList& listed);

// Removes the well of data file `listedPath` from the user's folder.
void RemoveWellFromUser(const QString& userFolder, const QString& listedPath);

}  // namespace exchange
