// A well package given on the command line: unpacked into the data folder and its well opened. Nothing
// may be written outside the data folder, and a refused package leaves the data folder as it was.
#include "fuzzhost.h"

#include "app/logstate.h"
#include "shell/startup.h"
#include "support/doubles.h"

#include <QDirIterator>
#include <QFile>
#include <QMap>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

QMap<QString, QByteArray> Snapshot(const QString& folder)
{
    QMap<QString, QByteArray> all;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        all[path] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<not a file>");
    }
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::Box box({"data"});
    const QString folder = box.data();
    fuzzing::Box::Write(folder + QStringLiteral("FZ.svm"), "the well the station had");
    const QString package = box.in() + QStringLiteral("FZ.sv8");
    fuzzing::Box::Write(package, std::string_view(reinterpret_cast<const char*>(data), size));
    const QMap<QString, QByteArray> before = Snapshot(folder);

    auto s = std::make_unique<app::LogState>();
    app::ApplySetupDefaults(*s);
    s->env.screenWidth = 1280;
    s->well.file.dataFolder = folder;
    app::WellServices services;
    shell::OpenCommandLineFile(*s, services, package);

    bool refused = false;
    for (const auto& m : testing_support::doubles().prompter.messages)
        refused = refused || m.caption == QStringLiteral("Well Package");
    if (refused && Snapshot(folder) != before) {
        std::fprintf(stderr, "fuzz: a refused package changed the data folder\n");
        std::abort();
    }
    return 0;
}
