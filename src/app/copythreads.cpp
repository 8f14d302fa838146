#include "app/copythreads.h"

#include "app/logstate.h"
#include "platform/services.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace app {

namespace {

std::jthread& ThreadOf(Engines& engines, CopyKind kind)
{
    return kind == CopyKind::Wits ? engines.witsCopyThread : engines.threadA;
}

// The file copy's hand-over: through "<target>.part", read back, then renamed into place. Empty when
// the target is whole, else why it is not.
QString HandOver(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("the package cannot be read");
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return QStringLiteral("the package cannot be read");
    if (!QFileInfo(target).absoluteDir().exists())
        return QStringLiteral("the destination folder does not exist");
    const QString part = target + QStringLiteral(".part");
    if (!wellfile::WriteWholeFile(part, bytes.constData(), std::size_t(bytes.size())))
        return QStringLiteral("the destination folder cannot be written");
    QFile back(part);
    const bool same = back.open(QIODevice::ReadOnly) && back.readAll() == bytes;
    back.close();
    std::error_code error;
    if (same)
        std::filesystem::rename(part.toStdString(), target.toStdString(), error);
    if (!same || error) {
        QFile::remove(part);
        return same ? QStringLiteral("the copy could not be renamed into place")
                    : QStringLiteral("the copy did not read back the same");
    }
    return {};
}

}  // namespace

bool FileCopyRunning(const LogState& log) { return FileCopyRunning(log.engines); }

bool FileCopyRunning(const Engines& engines) { return engines.fileCopyRunning->load(); }

void WaitForCopyThread(LogState& log, CopyKind kind) { WaitForCopyThread(log.engines, kind); }

void WaitForCopyThread(Engines& engines, CopyKind kind)
{
    std::jthread& thread = ThreadOf(engines, kind);
    if (thread.joinable())
        thread.join();
}

bool StartCopyThread(LogState& log, CopyKind kind, QString source, QString target, CopyOutcome outcome)
{
    return StartCopyThread(log.engines, kind, std::move(source), std::move(target), std::move(outcome));
}

bool StartCopyThread(Engines& engines, CopyKind kind, QString source, QString target, CopyOutcome outcome)
{
    const bool wits = kind == CopyKind::Wits;
    std::jthread& thread = ThreadOf(engines, kind);
    std::shared_ptr<std::atomic<bool>> done = wits ? engines.witsCopyDone : engines.fileCopyDone;
    // Two copies of one kind never write the same target at once. A copy thread asks the user nothing,
    // so waiting here cannot hang.
    if (thread.joinable())
        thread.join();
    done->store(false);
    try {
        std::shared_ptr<std::atomic<bool>> running = wits ? nullptr : engines.fileCopyRunning;
        if (running)
            running->store(true);
        thread = std::jthread([source = std::move(source), target = std::move(target), done, running, wits,
                               beforeCopy = wits ? engines.witsCopyStarts : std::function<void(const QString&)>(),
                               outcome = std::move(outcome)] {
            if (beforeCopy)
                beforeCopy(source);
            // The source stays for the next try unless its copy is whole.
            const QString failure = wits ? (wellfile::CopyFileReplacing(source, target)
                                                ? QString()
                                                : QStringLiteral("it could not be copied"))
                                         : HandOver(source, target);
            if (failure.isEmpty()) {
                QFile::remove(source);
                done->store(true);
            }
            if (outcome)
                outcome(failure);
            if (running)
                running->store(false);
        });
    } catch (const std::system_error&) {
        if (!wits)
            engines.fileCopyRunning->store(false);
        if (wits)
            platform::MessageBox(QStringLiteral("ERROR: Could not start wits thread\n"), QStringLiteral("Thread Fail"));
        else
            platform::MessageBox(QStringLiteral("ERROR: Could not start copy thread\n"),
                                 QStringLiteral("Thread Initilization Failed"));
        return false;
    }
    return true;
}

}  // namespace app
