#include "app/copythreads.h"

#include "app/logstate.h"
#include "platform/services.h"
#include "wellfile/wholefile.h"

#include <QFile>

#include <system_error>

namespace app {

bool StartCopyThread(LogState& log, CopyKind kind, QString source, QString target)
{
    Engines& engines = log.engines;
    const bool wits = kind == CopyKind::Wits;
    std::jthread& thread = wits ? engines.witsCopyThread : engines.threadA;
    std::shared_ptr<std::atomic<bool>> done = wits ? engines.witsCopyDone : engines.fileCopyDone;
    // Two copies of one kind never write the same target at once. A copy thread asks the user nothing,
    // so waiting here cannot hang.
    if (thread.joinable())
        thread.join();
    done->store(false);
    try {
        thread = std::jthread([source = std::move(source), target = std::move(target), done] {
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
