#include "fuzzhost.h"

#include "platform/folders.h"
#include "platform/services.h"
#include "platform/ui/dialog.h"
#include "support/doubles.h"
#include "support/testmain.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace testing_support {
namespace {
std::unique_ptr<Doubles> g_doubles;
QString g_root;
QStringList g_inputs;  // the files the input itself was written to
}  // namespace
Doubles& doubles() { return *g_doubles; }
QString TestDir() { return g_root; }
QString TestDataDir() { return QString(); }
}  // namespace testing_support

namespace fuzzing {

namespace {

constexpr std::string_view kMarker = "#F#";

// The application, made once for the whole run: offscreen, numbers in the C locale.
QTemporaryDir& Process()
{
    static int argc = 1;
    static char name[] = "strativm-fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        auto* a = new QApplication(argc, argv);
        std::setlocale(LC_NUMERIC, "C");
        return a;
    }();
    (void)app;
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/strativm-fuzz-XXXXXX"));
    return dir;
}

// Far more than any input's files unpacked or repaired: a reader that writes this much from a small input
// would fill a station's disk.
constexpr qint64 kMostBytesWritten = 256ll << 20;

[[noreturn]] void Escaped(const QString& path)
{
    std::fprintf(stderr, "fuzz: the reader wrote outside its folders: %s\n", qPrintable(path));
    std::abort();
}

}  // namespace

Box::Box(QStringList writable) : writable_(std::move(writable))
{
    // The box lies two folders below the run's temporary folder, so a step or two up out of the data
    // folder still lands where the walk sees it.
    root_ = Process().path() + QStringLiteral("/run/box/");
    QDir(Process().path() + QStringLiteral("/run")).removeRecursively();
    for (const char* sub : {"data", "home", "docs", "config", "in"})
        QDir().mkpath(root_ + QLatin1String(sub));
    testing_support::g_root = root_;
    platform::SetFolderRoots({root_ + QStringLiteral("docs"), root_ + QStringLiteral("config"),
                              root_ + QStringLiteral("home")});
    platform::Dialog::ClearTestScripts();
    testing_support::g_doubles = std::make_unique<testing_support::Doubles>();
    testing_support::g_doubles->Install();
}

Box::~Box()
{
    platform::Dialog::ClearTestScripts();
    platform::InstallServices({});
    testing_support::g_doubles.reset();
    const QString run = Process().path() + QStringLiteral("/");
    QDirIterator it(run, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    qint64 written = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        written += it.fileInfo().isFile() ? it.fileInfo().size() : 0;
        if (written > kMostBytesWritten) {
            std::fprintf(stderr, "fuzz: the reader wrote more than %lld bytes\n", kMostBytesWritten);
            std::abort();
        }
        const QString inRun = path.mid(run.size());
        if (inRun == u"run" || inRun == u"run/box")
            continue;
        if (!inRun.startsWith(QStringLiteral("run/box/")))
            Escaped(path);
        const QString inBox = inRun.mid(8);
        const QString top = inBox.section(u'/', 0, 0);
        if (top == inBox && QFileInfo(path).isDir() && !QFileInfo(path).isSymLink())
            continue;  // the box's own folders
        if (testing_support::g_inputs.contains(path) && QFileInfo(path).isFile() && !QFileInfo(path).isSymLink())
            continue;
        if (top == u"in" || !writable_.contains(top))
            Escaped(path);
    }
    QDir(run + QStringLiteral("run")).removeRecursively();
    testing_support::g_inputs.clear();
}

void Box::Write(const QString& path, std::string_view bytes)
{
    testing_support::g_inputs << QDir::cleanPath(path);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
        std::fprintf(stderr, "fuzz: cannot write %s\n", qPrintable(path));
        std::abort();
    }
}

std::vector<Part> SplitParts(const std::uint8_t* data, std::size_t size, int kinds)
{
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    std::vector<Part> parts;
    std::size_t at = all.find(kMarker);
    parts.push_back({-1, all.substr(0, at)});
    while (at != std::string_view::npos) {
        std::size_t from = at + kMarker.size();
        if (from >= all.size())
            break;
        const int kind = int(static_cast<unsigned char>(all[from])) % kinds;
        ++from;
        at = all.find(kMarker, from);
        parts.push_back({kind, all.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from)});
    }
    return parts;
}

QByteArray JoinParts(const QByteArray& first, const std::vector<std::pair<int, QByteArray>>& parts)
{
    QByteArray all = first;
    for (const auto& [kind, bytes] : parts) {
        all += QByteArray(kMarker.data(), qsizetype(kMarker.size()));
        all += char(kind);
        all += bytes;
    }
    return all;
}

}  // namespace fuzzing
