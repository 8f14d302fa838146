#include "wellfile/wellpackage.h"

#include "support/files.h"
#include "support/testmain.h"
#include "support/ziptools.h"

#include <QDir>

#include <gtest/gtest.h>

#include <zip.h>

using namespace wellfile;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;
using testing_support::ZipEntries;

namespace {

// The compression method of each entry, by name.
QMap<QString, int> Methods(const QString& zipPath)
{
    QMap<QString, int> methods;
    int err = 0;
    zip_t* z = zip_open(QFile::encodeName(zipPath).constData(), ZIP_RDONLY, &err);
    if (!z)
        return methods;
    for (zip_int64_t i = 0; i < zip_get_num_entries(z, 0); ++i) {
        zip_stat_t st;
        if (zip_stat_index(z, zip_uint64_t(i), 0, &st) == 0)
            methods[QString::fromUtf8(st.name)] = st.comp_method;
    }
    zip_discard(z);
    return methods;
}

}  // namespace

TEST(PackageWriter, WritesBareNamesAndUpdatesAZipAsZipJqDoes)
{
    const QString src = TestDir() + "src/", out = TestDir() + "out/";
    QDir().mkpath(src + "sub");
    QDir().mkpath(out);
    const QByteArray data(40000, 'd');
    WriteBytes(src + "W.svm", data);
    WriteBytes(src + "sub/W@1-15-26.wit", "wits day");
    const QString zip = out + "W.sv8";
    PackageWriteResult r = WritePackage(zip, {src + "W.svm", src + "sub/W@1-15-26.wit"}, kPackageLevel,
                                        PackageWrite::Replace);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_TRUE(testing_support::ZipTestsSound(zip));
    EXPECT_EQ(ZipEntries(zip), (QStringList{"W.svm", "W@1-15-26.wit"}));
    EXPECT_EQ(Methods(zip).value("W.svm"), ZIP_CM_DEFLATE);
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{"W.sv8"});  // no temporary left

    // An update replaces the entry of the same name (any letter case) and keeps the others.
    WriteBytes(src + "w.SVM", "newer data file");
    WriteBytes(src + "W.top", "tops");
    r = WritePackage(zip, {src + "w.SVM", src + "W.top"}, kArchiveLevel, PackageWrite::Update);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_TRUE(testing_support::ZipTestsSound(zip));
    EXPECT_EQ(ZipEntries(zip), (QStringList{"w.SVM", "W@1-15-26.wit", "W.top"}));
    const QString unpacked = TestDir() + "unpacked/";
    QDir().mkpath(unpacked);
    ASSERT_TRUE(ExtractPackage(zip, unpacked).ok);
    EXPECT_EQ(ReadBytes(unpacked + "w.SVM"), "newer data file");
    EXPECT_EQ(ReadBytes(unpacked + "W@1-15-26.wit"), "wits day");

    // Replace starts a fresh zip.
    ASSERT_TRUE(WritePackage(zip, {src + "W.top"}, kPackageLevel, PackageWrite::Replace).ok);
    EXPECT_EQ(ZipEntries(zip), QStringList{"W.top"});
}

TEST(PackageWriter, AFailedWriteLeavesTheOldZipAsItWas)
{
    const QString src = TestDir() + "src/";
    QDir().mkpath(src + "other");
    WriteBytes(src + "W.svm", "data");
    WriteBytes(src + "other/w.svm", "another well's data");
    const QString zip = TestDir() + "W.zip";
    ASSERT_TRUE(WritePackage(zip, {src + "W.svm"}, kPackageLevel, PackageWrite::Replace).ok);
    const QByteArray before = ReadBytes(zip);

    // Two files that would be one entry: refused before anything is written.
    PackageWriteResult r = WritePackage(zip, {src + "W.svm", src + "other/w.svm"}, kPackageLevel, PackageWrite::Update);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.zipError, ZIP_ER_EXISTS);
    EXPECT_EQ(ReadBytes(zip), before);

    // A source that is not there: the library's error, the old zip kept, no temporary left.
    r = WritePackage(zip, {src + "W.svm", src + "missing.top"}, kPackageLevel, PackageWrite::Replace);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.zipError, 0);
    EXPECT_EQ(ReadBytes(zip), before);
    EXPECT_EQ(QDir(TestDir()).entryList(QDir::Files | QDir::Hidden), QStringList{"W.zip"});

    // Something that is no zip is not updated.
    WriteBytes(TestDir() + "plain.zip", "not a zip at all, just text");
    r = WritePackage(TestDir() + "plain.zip", {src + "W.svm"}, kPackageLevel, PackageWrite::Update);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(ReadBytes(TestDir() + "plain.zip"), "not a zip at all, just text");
}
