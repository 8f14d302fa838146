#include "platform/filesizesignal.h"

#include <QIODevice>

#include <csignal>

namespace platform {

void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

qint64 WriteOrReason(QIODevice& device, const char* data, qint64 size)
{
    qint64 done = device.write(data, size);
    if (done > 0 && done < size) {
        const qint64 rest = device.write(data + done, size - done);
        done = rest > 0 ? done + rest : done;
    }
    return done;
}

}  // namespace platform
