#include "exchange/unzip.h"

#include "support/files.h"
#include "support/testmain.h"
#include "support/ziptools.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>

#include <gtest/gtest.h>

using namespace exchange;
using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::RunTool;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

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

// A well's files made by Debian's zip with `level` ("-1", "-0"), junked paths.
QString DebianZip(const QString& name, const QString& level)
{
    const QString src = TestDir() + "src/";
    QDir().mkpath(src);
    QByteArray data;
    for (int i = 0; i < 5000; ++i)
        data += QByteArray::number(i * 7919 % 1000) + ',';
    WriteBytes(src + "W.svm", data);
    WriteBytes(src + "W.top", QByteArray(3000, 't'));
    const QString zip = TestDir() + name;
    EXPECT_EQ(RunTool("zip", {level + "jq", zip, src + "W.svm", src + "W.top"}), 0);
    return zip;
}

}  // namespace

TEST(Unzip, ADebianZipIsExtractedByteForByte)
{
    const QString zip = DebianZip("W.sv8", "-1");
    const QString target = TestDir() + "target/";
    QDir().mkpath(target);
    WriteBytes(target + "w.SVM", "older data file");
    ASSERT_EQ(Unzip(zip, target, TestDir(), false), 1);
    EXPECT_EQ(ReadBytes(target + "w.SVM"), ReadBytes(TestDir() + "src/W.svm"));
    EXPECT_EQ(ReadBytes(target + "W.top"), ReadBytes(TestDir() + "src/W.top"));
    EXPECT_EQ(QDir(target).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot).size(), 2);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

TEST(Unzip, AFailureLeavesTheFolderAndTheZipAndSaysWhy)
{
    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(10, 5));
    const QString target = TestDir() + "target/", log = TestDir() + "log/";
    QDir().mkpath(target);
    QDir().mkpath(log);
    WriteBytes(target + "W.svm", "the well as it was");
    WriteBytes(target + "W.top", "its tops");
    const QMap<QString, QByteArray> before = Snapshot(target);

    const QString cut = DebianZip("cut.sv8", "-1");
    const QByteArray whole = ReadBytes(cut);
    WriteBytes(cut, whole.left(whole.size() / 2));
    const QString flipped = DebianZip("flipped.sv8", "-0");
    QByteArray stored = ReadBytes(flipped);
    // Inside the first entry's data: after the local header, its name and its extra field.
    const qsizetype at = 30 + testing_support::At<quint16>(stored, 26) + testing_support::At<quint16>(stored, 28) + 100;
    stored[at] = char(stored[at] ^ 0x20);
    WriteBytes(flipped, stored);
    const QString empty = TestDir() + "empty.zip";
    WriteBytes(empty, QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0'));

    const std::vector<std::pair<QString, QString>> cases = {{cut, "Error in .ZIP file"},
                                                            {flipped, "Error CRC check failed"},
                                                            {TestDir() + "missing.sv8", "Zip Error File not found"},
                                                            {empty, "Error No files found to extract"}};
    for (const auto& [zip, text] : cases) {
        const QByteArray zipBytes = ReadBytes(zip);
        EXPECT_EQ(Unzip(zip, target, log, false), 0) << text.toStdString();
        ASSERT_FALSE(doubles().prompter.messages.isEmpty());
        EXPECT_EQ(doubles().prompter.messages.last().text, text);
        EXPECT_EQ(doubles().prompter.messages.last().caption, zip);
        EXPECT_EQ(Snapshot(target), before) << text.toStdString();
        EXPECT_EQ(QFile::exists(zip), !zipBytes.isEmpty());
        EXPECT_EQ(ReadBytes(zip), zipBytes);
    }
    const QStringList lines = QString::fromLatin1(ReadBytes(log + "download.txt")).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], " Unzip failed on open file     " + cut + "  at 10:05 ,  1/15/2026");

    // The remote monitor's unzip logs and shows nothing.
    const qsizetype shown = doubles().prompter.messages.size();
    EXPECT_EQ(Unzip(cut, target, log, true), 0);
    EXPECT_EQ(doubles().prompter.messages.size(), shown);
}

TEST(Unzip, OnlyACompleteExtractionIsSuccessAndTheCodesHaveTheirTexts)
{
    EXPECT_EQ(UnzipErrorText(5), "Error Insufficient Memory");
    EXPECT_EQ(UnzipErrorText(50), "Error Unknown error");
    EXPECT_EQ(UnzipErrorText(12), "Error Unknown error");
    EXPECT_EQ(UnzipErrorText(51), "Error Unexpected EOF in .ZIP file.");

    // A disk that fills while unpacking: the files as they were, and a failure.
    const QString zip = DebianZip("W.sv8", "-1");
    const QString target = TestDir() + "target/";
    QDir().mkpath(target);
    WriteBytes(target + "W.svm", "the well as it was");
    {
        const testing_support::FileSizeLimit full(8000);
        EXPECT_EQ(Unzip(zip, target, TestDir(), true), 0);
    }
    EXPECT_EQ(ReadBytes(target + "W.svm"), "the well as it was");
    EXPECT_FALSE(QFile::exists(target + "W.top"));
}
