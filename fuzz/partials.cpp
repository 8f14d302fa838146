// Numbered partial data files from another station applied to the station's data file: the first part
// is the base "FZ.svm", each further part a partial, named by its kind: the next "FZ.5NN", the next
// "fz.5NN" (another letter case) or the next "NB.5NN" (a well without a base). Only the data folder may
// change, and no partial is left behind unless the log says it waits for its base.
#include "fuzzhost.h"

#include "exchange/partials.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::Box box({"data"});
    const QString folder = box.data();
    static const char* const kNames[] = {"FZ", "fz", "NB"};
    int number = 1;
    for (const fuzzing::Part& part : fuzzing::SplitParts(data, size, 3)) {
        if (number > 99)
            break;
        const QString name = part.kind < 0 ? QStringLiteral("FZ.svm")
                                           : QString::asprintf("%s.5%02d", kNames[part.kind], number++);
        fuzzing::Box::Write(folder + name, part.bytes);
    }
    exchange::PartialUpdatePlaces places;
    places.dataFolder = folder;
    places.monitorRunning = size % 2 == 1;
    places.profile = 2;
    exchange::ApplyPendingUpdates(places, QStringLiteral("*.5??"));
    // A partial stays only when its base could not be written: the log says that well's partials wait for
    // the next try.
    QFile log(folder + QStringLiteral("download.txt"));
    const QString said = log.open(QIODevice::ReadOnly) ? QString::fromLatin1(log.readAll()) : QString();
    for (const QString& left : QDir(folder).entryList({QStringLiteral("*.5??")}, QDir::Files)) {
        if (!said.contains(QStringLiteral("file kept for the next try")) || !said.contains(left.section(u'.', 0, 0) + u'.', Qt::CaseInsensitive)) {
            std::fprintf(stderr, "fuzz: a partial data file was left behind\n");
            std::abort();
        }
    }
    return 0;
}
