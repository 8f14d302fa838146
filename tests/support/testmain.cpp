#include "support/testmain.h"

#include "platform/folders.h"
#include "platform/ui/dialog.h"

#include <QApplication>
#include <QDir>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace testing_support {

namespace {
std::unique_ptr<Doubles> g_doubles;
std::unique_ptr<QTemporaryDir> g_dir;
std::string g_setUpByListener;

// Gives every test new doubles, a new temporary folder and no dialog scripts, and removes them after
// it: nothing one test leaves behind reaches the next.
void BeginTest()
{
    platform::Dialog::ClearTestScripts();
    g_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/strativm-test-XXXXXX"));
    if (!g_dir->isValid())
        ADD_FAILURE() << "the test's own folder could not be made in " << QDir::tempPath().toStdString() << ": "
                      << g_dir->errorString().toStdString();
    const QString root = g_dir->path();
    QDir().mkpath(root + QStringLiteral("/home"));
    QDir().mkpath(root + QStringLiteral("/docs"));
    QDir().mkpath(root + QStringLiteral("/config"));
    platform::SetFolderRoots({root + QStringLiteral("/docs"), root + QStringLiteral("/config"), root + QStringLiteral("/home")});
    g_doubles = std::make_unique<Doubles>();
    g_doubles->Install();
}

void EndTest()
{
    platform::Dialog::ClearTestScripts();
    platform::InstallServices({});
    g_doubles.reset();
    g_dir.reset();
}

// A test that fails for want of disk space says so: its files and PDFs may not have been written.
constexpr qint64 kLowDiskBytes = 1024LL * 1024 * 1024;

void SayWhenTheDiskIsLow(const ::testing::TestInfo& test)
{
    if (!test.result() || !test.result()->Failed())
        return;
    const QStorageInfo disk(QDir::tempPath());
    if (disk.isValid() && disk.bytesAvailable() < kLowDiskBytes)
        std::fprintf(stderr, "note: %s.%s failed with only %lld MB free on the disk of %s; a file it could not "
                             "write may be the cause\n",
                     test.test_suite_name(), test.name(), static_cast<long long>(disk.bytesAvailable() >> 20),
                     qPrintable(QDir::tempPath()));
}

class PerTestSetup : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo& test) override
    {
        g_setUpByListener = std::string(test.test_suite_name()) + '.' + test.name();
        BeginTest();
    }
    void OnTestEnd(const ::testing::TestInfo& test) override
    {
        SayWhenTheDiskIsLow(test);
        EndTest();
    }
};
}  // namespace

void ResetBetweenTests()
{
    EndTest();
    BeginTest();
}

std::string TestSetUpByListener() { return g_setUpByListener; }

Doubles& doubles() { return *g_doubles; }
QString TestDir() { return g_dir->path() + u'/'; }
QString TestDataDir() { return QStringLiteral(STRATIVM_TEST_DATA_DIR "/"); }

}  // namespace testing_support

int main(int argc, char** argv)
{
    // Before the QApplication exists: tests never need a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new testing_support::PerTestSetup);
    return RUN_ALL_TESTS();
}
