#include "wellfile/downloadlog.h"
#include "wellfile/profile.h"
#include "wellfile/validate.h"

#include "platform/folders.h"
#include "platform/text.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace wellfile;
using testing_support::doubles;
using testing_support::TestDir;
using testing_support::WriteBytes;
using testing_support::WriteRecords;

namespace {

std::vector<RECORD> Depths(std::initializer_list<int> depths, const char* company = "")
{
    std::vector<RECORD> rows;
    for (int d : depths) {
        RECORD r;
        r.depth = d;
        rows.push_back(r);
    }
    platform::SetFieldText(rows.front().interpretedLith, company);
    return rows;
}

// The open well of a window that has "old.svm" open with profile 21.
struct Window {
    OpenWell well;
    std::uint16_t loggerId = 21;
    RepairSummary summary;
    wellfile::FitFile fit;
    RepairTarget Target() { return {well, loggerId, summary, fit, false}; }
    Window()
    {
        well.dataFolder = TestDir();
        well.currentFolder = TestDir();
        well.wellName = "old";
        well.dataFileName = TestDir() + "old.svm";
        well.customDataFileName = TestDir() + "old.svx";
        well.fileTopDepth = 500;
        well.fileBottomDepth = 600;
        well.depthStep = 2;
    }
};

}  // namespace

TEST(Profile, PatternsAreTriedInOrderLeadingRowsWithLetterCase)
{
    ProfileTables t;
    QStringList errors;
    t.Add("[patterns]\nAcme\t21\nBx\t22\nCy\t23\nDz\t24\nACME\t31\nzeta\t32\nALPHA\t33\nbroken row\n", &errors);
    EXPECT_EQ(errors.size(), 1);  // the row without a tab
    EXPECT_EQ(ProfileFromText(t, "Acme Logging"), 21);
    EXPECT_EQ(ProfileFromText(t, "acme logging"), 31);     // not row 1; row 5 meets the upper-cased text
    EXPECT_EQ(ProfileFromText(t, "alpha and zeta"), 32);   // the earlier row wins, wherever the name stands
    EXPECT_EQ(ProfileFromText(t, "Zeta"), 32);             // a lower-case row after the fourth still matches
    EXPECT_EQ(ProfileFromText(t, "bx"), kDefaultProfile);  // rows 2..4 keep their case
    EXPECT_EQ(ProfileFromText(t, ""), kDefaultProfile);
}

TEST(Profile, EveryShippedProfileFindsItselfFromItsFilePrefix)
{
    // A new data file carries LoggerFilePrefix(profile) as its company text: it must give the profile back.
    for (int p = 1; p <= 138; ++p) {
        const QString prefix = LoggerFilePrefix(std::uint16_t(p));
        ASSERT_TRUE(prefix.endsWith(" 26.5.31")) << p;
        EXPECT_EQ(ProfileFromText(platform::ToCp1252(prefix).toStdString()), p) << prefix.toStdString();
    }
    EXPECT_EQ(LoggerFilePrefix(21), "PRF21 26.5.31");
    EXPECT_EQ(LoggerFilePrefix(21, "Build 1.2 beta"), "PRF21 1.2");
    EXPECT_EQ(LoggerFilePrefix(999), LoggerFilePrefix(kDefaultProfile));  // no code: the default's
}

TEST(Profile, InstallationTableAddsRows)
{
    QDir().mkpath(platform::InstallFolder());
    WriteBytes(platform::InstallFolder() + "PROFILES.TXT",  // as copied from a Windows station
               "[patterns]\nSite Logging Co\t139\n[extensions]\n.zz9\t139\n[codes]\n139\tSITE\n21\tOWN21\n");
    EXPECT_EQ(ProfileFromText("site logging co ltd"), 139);
    EXPECT_EQ(ProfileFromText("PRF64"), 64);  // the built-in rows stay
    EXPECT_EQ(LoggerFilePrefix(139), "SITE 26.5.31");
    EXPECT_EQ(LoggerFilePrefix(21), "OWN21 26.5.31");
    EXPECT_EQ(ProfileFromExtension(Profiles(), "/x/well.ZZ9"), 139);
}

TEST(Profile, LoggerIdFromFileTakesExtensionThenCompanyTextAndEmptyTextOpensTheDemo)
{
    QString opened;
    int openCommands = 0;
    const DemoFileActions demo{[&](const QString& p) { opened = p; }, [&] { ++openCommands; }};
    std::uint16_t id = 0;
    WriteRecords(TestDir() + "a.svm", Depths({100, 101}, "prf64 mudlogging"));
    LoggerIdFromFile(id, TestDir() + "a.svm", nullptr, demo);
    EXPECT_EQ(id, 64);
    QByteArray other(162, '\0');  // another program's file: the text at byte 62 of a 162-byte record
    other.replace(62, 5, "PRF86");
    WriteBytes(TestDir() + "b.dat", other);
    LoggerIdFromFile(id, TestDir() + "b.dat", nullptr, demo);
    EXPECT_EQ(id, 86);
    LoggerIdFromFile(id, TestDir() + "c.XA1", nullptr, demo);
    EXPECT_EQ(id, 4);
    QDir().mkpath(TestDir() + "run.xb1");  // a dot in a folder name is no extension
    WriteRecords(TestDir() + "run.xb1/d.svm", Depths({100}, "PRF37"));
    LoggerIdFromFile(id, TestDir() + "run.xb1/d.svm", nullptr, demo);
    EXPECT_EQ(id, 37);

    const std::string empty;
    LoggerIdFromFile(id, TestDir() + "a.svm", &empty, demo);
    EXPECT_EQ(openCommands, 1);  // no demo file: the Open command
    EXPECT_EQ(id, 37);
    QDir().mkpath(platform::InstallFolder());
    WriteRecords(platform::InstallFolder() + "elogdemo.svm", Depths({100}));
    LoggerIdFromFile(id, TestDir() + "a.svm", &empty, demo);
    EXPECT_EQ(id, kDemoProfile);
    EXPECT_EQ(opened, platform::InstallFolder() + "elogdemo.svm");  // the file that was found is opened
}

TEST(Validate, InvertedRangeIsRefusedAndChangesNothing)
{
    Window w;
    const QString path = TestDir() + "bad.svm";
    WriteRecords(path, Depths({3000, 2990}, "PRF64"));
    const QByteArray before = testing_support::ReadBytes(path);

    EXPECT_EQ(ValidateDataFile(w.Target(), path), 0);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text,
              " " + path + " is not a StrativM data file or is corrupted\n 3000  2990");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Depth Out Of Range");
    EXPECT_EQ(QString::fromLatin1(testing_support::ReadBytes(TestDir() + "download.txt")),
              " Open Failed RANGE ERROR on     " + path + "  at  8:30 ,  1/15/2026\n");

    EXPECT_EQ(testing_support::ReadBytes(path), before);  // not "repaired" into a file of ours
    EXPECT_EQ(w.loggerId, 21);
    EXPECT_EQ(w.well.dataFileName, TestDir() + "old.svm");
    EXPECT_EQ(w.well.fileTopDepth, 500);
    EXPECT_EQ(w.well.depthStep, 2);
}

TEST(Validate, DamagedLastRecordIsRepairedNotRefused)
{
    // A crash while the file grew leaves a zeroed last record, or one with a stale shallow depth.
    for (const int badLast : {0, 500}) {
        Window w;
        const QString path = TestDir() + "grew.svm";
        WriteRecords(path, Depths({1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, badLast}, "PRF64"));
        EXPECT_EQ(ValidateDataFile(w.Target(), path), 1) << badLast;
        EXPECT_TRUE(doubles().prompter.messages.isEmpty()) << badLast;
        EXPECT_EQ(w.well.fileTopDepth, 1000);
        EXPECT_EQ(w.well.fileBottomDepth, 1009);
        EXPECT_EQ(testing_support::FileRecords<RECORD>(path).back().depth, 1009);
    }

    // A negative first depth is refused, however the rest runs.
    Window w;
    const QString path = TestDir() + "neg.svm";
    WriteRecords(path, Depths({-5, -4, -3}, "PRF64"));
    EXPECT_EQ(ValidateDataFile(w.Target(), path), 0);
    EXPECT_EQ(testing_support::FileRecords<RECORD>(path).back().depth, -3);
}

TEST(Validate, FileShorterThanOneRecordIsRefused)
{
    Window w;
    w.loggerId = 0;
    const QString path = TestDir() + "short.svm";
    WriteBytes(path, QByteArray(100, 'x'));

    EXPECT_EQ(ValidateDataFile(w.Target(), path), 0);
    EXPECT_EQ(testing_support::ReadBytes(path), QByteArray(100, 'x'));
    EXPECT_EQ(w.well.dataFileName, TestDir() + "old.svm");
    EXPECT_EQ(w.loggerId, kDefaultProfile);  // a window with no profile yet gets the default
    EXPECT_EQ(ValidateDataFile(w.Target(), TestDir() + "missing.svm"), 0);
    EXPECT_EQ(doubles().prompter.messages.size(), 2);
}

TEST(Validate, AcceptedFileBecomesTheOpenWellRepaired)
{
    Window w;
    int hookCalls = 0;
    w.well.hooks.writeActivityLog = [&](const QString&) { ++hookCalls; };
    w.well.customTopDepth = 500;
    w.well.customBottomDepth = 600;
    QDir().mkpath(TestDir() + "wells");
    const QString path = TestDir() + "wells/new.svm";
    WriteRecords(path, Depths({1000, 1001, 1005}, "prf64"));

    EXPECT_EQ(ValidateDataFile(w.Target(), path), 1);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
    EXPECT_EQ(w.loggerId, 64);
    EXPECT_EQ(w.well.dataFileName, path);
    EXPECT_EQ(w.well.customDataFileName, TestDir() + "wells/new.svx");
    EXPECT_EQ(w.well.fileTopDepth, 1000);
    EXPECT_EQ(w.well.fileBottomDepth, 1002);  // renumbered by the repair pass
    EXPECT_EQ(w.well.depthStep, 1);
    EXPECT_EQ(w.well.customTopDepth, 0);  // the old well's custom range is not carried over
    // The window's own hooks stay in force, not the ones validation used on its copy.
    ASSERT_TRUE(w.well.hooks.writeActivityLog);
    EXPECT_FALSE(w.well.hooks.loadAndRepairRecords);
    w.well.hooks.writeActivityLog("x");
    EXPECT_EQ(hookCalls, 1);
}

TEST(Validate, AnotherWellsSharedCopyIsNotRewrittenWhileThisStationDrills)
{
    // Drilling "old" here; the chosen well lies in a shared folder with a custom-data file that does not
    // fit its depths.
    Window w;
    w.well.drilling = true;
    w.well.allRecords.assign(50, RECORD{});
    QDir().mkpath(TestDir() + "Dropbox");
    const QString path = TestDir() + "Dropbox/B.svm";
    WriteRecords(path, Depths({1000, 1001, 1002, 1003}, "prf64"));
    const QString svx = TestDir() + "Dropbox/B.svx";
    WriteRecords(svx, std::vector<wellfile::CUSTDATAREC>(2));
    const QByteArray svxBytes = testing_support::ReadBytes(svx);

    RepairTarget shared{w.well, w.loggerId, w.summary, w.fit, true};
    ASSERT_EQ(ValidateDataFile(shared, path), 1);
    EXPECT_EQ(testing_support::ReadBytes(svx), svxBytes);
    EXPECT_EQ(w.well.customBottomDepth, 1003);  // renumbered in memory only
    EXPECT_TRUE(w.well.drilling);               // the mode is the window's business
    EXPECT_TRUE(w.well.allRecords.empty());     // the last well's records are not this file's

    // The well this station drills is its own to rewrite.
    ASSERT_EQ(ValidateDataFile(shared, path), 1);
    EXPECT_EQ(testing_support::FileRecords<wellfile::CUSTDATAREC>(svx).size(), 4u);
}

TEST(DownloadLog, LineWithoutAWord)
{
    EXPECT_EQ(WriteDownloadLog(TestDir(), "Update file created", "/w/a.sv8", kDownloadNoWord), 1);
    EXPECT_EQ(WriteDownloadLog(TestDir(), "a.svm", "/copy/", kDownloadCopied), 1);
    EXPECT_EQ(QString::fromLatin1(testing_support::ReadBytes(TestDir() + "download.txt")),
              " Update file created /w/a.sv8  at  8:30 ,  1/15/2026\n"
              " a.svm files copied to  /copy/  at  8:30 ,  1/15/2026\n");
    EXPECT_EQ(WriteDownloadLog(TestDir() + "no/such/folder/", "x", "y", kDownloadBlank), 0);
}
