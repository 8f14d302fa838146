#include "wellfile/wellpackage.h"

#include "support/files.h"
#include "support/testmain.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>

#include <gtest/gtest.h>

#include <zip.h>

#include <utility>
#include <vector>

using namespace wellfile;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

// Writes a package of the given entries (deflated, as the stations send them).
void MakePackage(const QString& path, const std::vector<std::pair<QString, QByteArray>>& entries)
{
    int err = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    ASSERT_TRUE(z);
    for (const auto& [name, bytes] : entries) {
        // The library reads the buffer when the archive is closed: it must live until then.
        zip_source_t* src = zip_source_buffer(z, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        ASSERT_TRUE(src);
        ASSERT_GE(zip_file_add(z, name.toUtf8().constData(), src, ZIP_FL_ENC_UTF_8), 0);
    }
    ASSERT_EQ(zip_close(z), 0);
}

// Every file and folder under `folder` (hidden ones too) with its bytes.
QMap<QString, QByteArray> Snapshot(const QString& folder)
{
    QMap<QString, QByteArray> all;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        all[QDir(folder).relativeFilePath(path)] = ReadBytes(path);
    }
    return all;
}

}  // namespace

TEST(WellPackage, EntriesUnpackingBeyondTheLimitsAreRefusedAndLeaveNothing)
{
    const QString folder = TestDir() + "wells/";
    QDir().mkpath(folder);
    WriteBytes(folder + "WELL.svm", QByteArray("the well as it was"));
    const QMap<QString, QByteArray> before = Snapshot(folder);
    const PackageLimits limits{1000, 1500};

    // One entry too large (it compresses to almost nothing: the unpacked size is what counts).
    const std::vector<std::pair<QString, QByteArray>> big{{"WELL.hdr", "h"}, {"WELL.svm", QByteArray(1001, 'x')}};
    MakePackage(TestDir() + "big.sv8", big);
    PackageResult r = ExtractPackage(TestDir() + "big.sv8", folder, limits);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "The entry \"WELL.svm\" is too large for a well package.");
    EXPECT_EQ(Snapshot(folder), before);

    // Each entry within its limit, all of them together beyond theirs.
    const std::vector<std::pair<QString, QByteArray>> many{
        {"WELL.svm", QByteArray(800, 'a')}, {"WELL.svx", QByteArray(800, 'b')}};
    MakePackage(TestDir() + "many.sv8", many);
    r = ExtractPackage(TestDir() + "many.sv8", folder, limits);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "The entry \"WELL.svx\" is too large for a well package.");
    EXPECT_EQ(Snapshot(folder), before);

    // Within both: taken whole.
    r = ExtractPackage(TestDir() + "many.sv8", folder, PackageLimits{1000, 1600});
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(ReadBytes(folder + "WELL.svx"), QByteArray(800, 'b'));
    EXPECT_EQ(ReadBytes(folder + "WELL.svm"), QByteArray(800, 'a'));
}
