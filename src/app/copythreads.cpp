#include "app/copythreads.h"

#include "app/logstate.h"
#include "platform/services.h"
#include "wellfile/wholefile.h"

#include <QFile>

#include <system_error>

namespace app {

namespace {

std::jthread& ThreadOf(Engines& engines, CopyKind kind)
{
    return kind == CopyKind::Wits ? engines.witsCopyThread : engines.threadA;
}

}  // namespace

void WaitForCopyThread(LogState& log, CopyKind kind)
{
    std::jthread& thread = ThreadOf(log.engines, kind);
    if (thread.joinable())
        thread.join();
}

bool StartCopyThread(LogState& log, CopyKind kind, QString source, QString target)
{
    Engines& engines = log.engines;
    const bool wits = kind == CopyKind::Wits;
    std::jthread& thread = ThreadOf(engines, kind);
    std::shared_ptr<std::atomic<bool>> done = wits ? engines.witsCopyDone : engines.fileCopyDone;
    // Two copies of one kind never write the same target at once. A copy thread asks the user nothing,
    // so waiting here cannot hang.
    if (thread.joinable())
        thread.join();
    done->store(false);
    try {
        thread = std::jthread([source = std::move(source), target = std::move(target), done,
                               beforeCopy = wits ? engines.witsCopyStarts : std::function<void(const QString&)>()] {
            if (beforeCopy)
                beforeCopy(source);
            if (!wellfile::CopyFileReplacing(source, target))
                return;  // the source stays for the next try
            QFile::remove(source);
            done->store(true);
        });
    } catch (const std::system_error&) {
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
