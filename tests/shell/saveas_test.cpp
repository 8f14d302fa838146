// Save As: the cleaned name, the well's file set copied whole, and the copy opened when asked.
#include "app/commandids.h"
#include "app/opendatafile.h"
#include "exchange/wellcopy.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/sidefiles_recent.h"
#include "wellfile/wellconfig.h"
#include "wellfile/wellnames.h"

#include <QAction>
#include <QDir>
#include <QMenuBar>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>

using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

namespace {

// Records what Save As asks of the e-log and exchange subsystems.
class Neighbours final : public elog::ElogServices, public exchange::ExchangeServices {
public:
    QStringList calls;
    int backupAnswer = 0;
    void CmSaveAsImage(app::LogState&) override {}
    void CreateLasFile(app::LogState&) override {}
    void ImportImagesFromFolder(app::LogState&, const QString& folder, const QString& name) override
    {
        calls << "images " + folder + " " + name;
    }
    void CmRestore(app::LogState&) override {}
    void CmSendFile(app::LogState&) override {}
    void CmRemoteSetup(app::LogState&) override {}
    void CmLiveUpdateConfig(app::LogState&) override {}
    void CmLiveUsers(app::LogState&) override {}
    int BackupToDrive(app::LogState&, int flag) override
    {
        calls << QString("backup %1").arg(flag);
        return backupAnswer;
    }
};

struct SaveAsFixture {
    Neighbours neighbours;  // outlives the window
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString folder;
    QString path;
    QString targetFolder;

    SaveAsFixture()
    {
        path = testing_support::OpenNewWell(window, "A.svm", 1000, 1200);
        folder = S().well.file.dataFolder;
        window.Neighbours().elog = &neighbours;
        window.Neighbours().exchange = &neighbours;
        targetFolder = testing_support::TestDir() + "copies/";
        QDir().mkpath(targetFolder);
        doubles().prompter.messages.clear();
    }
    app::LogState& S() { return window.State(); }
    // Every side file, each with bytes of its own.
    void WriteSideFiles(const QStringList& extensions)
    {
        for (const QString& ext : extensions)
            WriteBytes(folder + "A" + ext, ("side file " + ext).toLatin1().repeated(7));
    }
    void SaveAs(const std::optional<QString>& answer, int openAnswer = platform::IDCANCEL)
    {
        doubles().prompter.fileAnswers.push_back(answer);
        doubles().prompter.answers.push_back(openAnswer);
        window.EvCommand(app::cmd::SaveAs);
    }
};

QStringList AllSideFiles()
{
    QStringList all;
    for (const char* ext : exchange::kWellSideFiles)
        all << ext;
    return all;
}

}  // namespace

TEST(SaveAsNames, TypedNamesAreCleanedIntoADataFileName)
{
    using wellfile::CleanFileName;
    EXPECT_EQ(CleanFileName("/w/my  well.svm"), "/w/my_well.SVM");
    EXPECT_EQ(CleanFileName("/w/my   well"), "/w/my__well.SVM");
    EXPECT_EQ(CleanFileName("/w/x.SVM.old"), "/w/x.SVM");
    EXPECT_EQ(CleanFileName("/w/x.svm.old"), "/w/x.SVM");
    EXPECT_EQ(CleanFileName("/w/a#1~(b)&c,d[e]\"f\\g.txt"), "/w/a-1_b_c_d_e_f_g.SVM");
    EXPECT_EQ(CleanFileName("/w/a_-b-_c"), "/w/a_b-c.SVM");
    EXPECT_EQ(CleanFileName("/my dir/w.1.2"), "/my dir/w.1.SVM");  // the folder is kept as it is
    EXPECT_EQ(wellfile::FileNameOf("/a/b/c.svm"), "c.svm");
    EXPECT_EQ(wellfile::FileNameOf("C:\\d\\e.svm"), "e.svm");
}

TEST(SaveAs, CopiesTheWholeWellByteForByteAndStaysOnCancel)
{
    SaveAsFixture f;
    const QStringList all = AllSideFiles();
    ASSERT_EQ(all.size() + 1, 20);
    f.WriteSideFiles(all);
    f.SaveAs(f.targetFolder + "B two.svm");

    ASSERT_EQ(doubles().prompter.fileRequests.size(), 1);
    const platform::FileDialogRequest& r = doubles().prompter.fileRequests[0];
    EXPECT_EQ(r.filter, "StrativM Files (*.SVM)|*.SVM|");
    EXPECT_EQ(r.defaultExt, "SVM");
    EXPECT_EQ(r.folder, f.folder);
    EXPECT_EQ(r.fileName, f.folder + "A.SVM");

    const QString target = f.targetFolder + "B_two";
    EXPECT_EQ(ReadBytes(target + ".SVM"), ReadBytes(f.path));
    for (const QString& ext : all)
        EXPECT_EQ(ReadBytes(target + ext), ReadBytes(f.folder + "A" + ext)) << ext.toStdString();
    EXPECT_EQ(f.neighbours.calls, QStringList({"images " + f.folder + "bitmaps/ B_two"}));

    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, " " + target + ".SVM  has been created.\n Click OK to open " + target +
                                                       ".SVM\n or click Cancel to stay in the current file");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "File Open");
    EXPECT_EQ(f.S().well.file.dataFileName, f.path);  // Cancel: the well stays
}

TEST(SaveAs, MissingSideFilesAreSkippedAndOkOpensTheCopy)
{
    SaveAsFixture f;
    f.WriteSideFiles({".hdr", ".top"});
    f.SaveAs(f.targetFolder + "C.SVM", platform::IDOK);
    const QStringList copied = QDir(f.targetFolder).entryList(QDir::Files, QDir::Name);
    EXPECT_TRUE(copied.contains("C.SVM") && copied.contains("C.hdr") && copied.contains("C.top")) << copied.join(' ').toStdString();
    EXPECT_FALSE(copied.contains("C.rpt"));
    EXPECT_EQ(doubles().prompter.messages.size(), 1);  // only the question

    EXPECT_EQ(f.S().well.file.dataFileName.toStdString(), (f.targetFolder + "C.SVM").toStdString());
    EXPECT_EQ(f.window.windowTitle().toStdString(), ("StrativM    " + f.targetFolder + "C.SVM").toStdString());
    wellfile::RecentFiles recent;
    ASSERT_EQ(wellfile::LoadRecent(f.folder, recent), 1);
    EXPECT_EQ(recent[1].toStdString(), f.path.toStdString());  // after the copy, opened last
}

TEST(SaveAs, ACopyThatCannotBeMadeSaysSoAndLeavesNothing)
{
    SaveAsFixture f;
    // The chosen folder is a file: nothing can be written there.
    WriteBytes(f.targetFolder + "notafolder", "x");
    f.SaveAs(f.targetFolder + "notafolder/D.svm", platform::IDOK);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, QString("Copy Failed,\n\rAccess Denied \n\rError %1 \n\r %2 to %3")
                                                        .arg(ENOTDIR)
                                                        .arg(f.folder + "A.SVM", f.targetFolder + "notafolder/D.SVM"));
    EXPECT_EQ(doubles().prompter.messages[0].caption, "File Copy Error ");
    EXPECT_EQ(QDir(f.targetFolder).entryList(QDir::Files), QStringList({"notafolder"}));
    EXPECT_EQ(f.S().well.file.dataFileName, f.path);
    EXPECT_TRUE(f.neighbours.calls.isEmpty());

    // A data file that is not there: the system's "no such file".
    QString from = f.folder + "missing.svm", to = f.targetFolder + "E.svm";
    EXPECT_EQ(exchange::CopyFileChecked(f.S(), f.neighbours, from, to), 0);
    EXPECT_EQ(doubles().prompter.messages.back().text,
              QString("Copy Failed,\n\rAccess Denied \n\rError %1 \n\r %2 to %3").arg(ENOENT).arg(f.folder + "missing.SVM", to));
    EXPECT_FALSE(QFileInfo::exists(f.targetFolder + "E.SVM"));
}

TEST(SaveAs, SideFilesThatFailAreNamedAndTheCopyStillOffered)
{
    SaveAsFixture f;
    f.WriteSideFiles({".hdr", ".lag"});
    ASSERT_TRUE(QDir().mkpath(f.targetFolder + "F.lag"));  // in the way of the side file
    f.SaveAs(f.targetFolder + "F.svm");
    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_EQ(doubles().prompter.messages[0].text, "These files of the well could not be copied:\n" + f.targetFolder + "F.lag");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "File Copy Error ");
    EXPECT_EQ(doubles().prompter.messages[1].caption, "File Open");
    EXPECT_EQ(ReadBytes(f.targetFolder + "F.SVM"), ReadBytes(f.path));
    EXPECT_EQ(ReadBytes(f.targetFolder + "F.hdr"), ReadBytes(f.folder + "A.hdr"));
}

TEST(SaveAs, OntoAnExistingWellItsFilesGoToTheBackupFolderFirst)
{
    SaveAsFixture f;
    f.WriteSideFiles({".hdr"});
    // The well written over has files the open well lacks: they must not stand beside the copy.
    const QString old = f.targetFolder + "G";
    WriteBytes(old + ".SVM", "old data");
    WriteBytes(old + ".top", "old tops");
    WriteBytes(old + ".mem", "old memos");
    f.SaveAs(f.targetFolder + "G.svm");
    const QString backup =
        f.folder + "backup/G@" + doubles().clock.LocalTime().date().toString(QStringLiteral("yyyy-MM-dd"));
    EXPECT_EQ(ReadBytes(backup + ".SVM"), "old data");
    EXPECT_EQ(ReadBytes(backup + ".top"), "old tops");
    EXPECT_EQ(ReadBytes(backup + ".mem"), "old memos");
    EXPECT_FALSE(QFileInfo::exists(old + ".top"));
    EXPECT_EQ(ReadBytes(old + ".mem"), ReadBytes(f.folder + "A.mem"));  // the open well's own memos
    EXPECT_EQ(ReadBytes(old + ".SVM"), ReadBytes(f.path));

    // Written over again the same day: the first backup stays, the second takes the next name.
    f.SaveAs(f.targetFolder + "G.svm");
    EXPECT_EQ(ReadBytes(backup + ".SVM"), "old data");
    EXPECT_EQ(ReadBytes(backup + "-2.SVM"), ReadBytes(f.path));
    EXPECT_EQ(ReadBytes(backup + "-2.hdr"), ReadBytes(f.folder + "A.hdr"));
}

TEST(SaveAs, RefusedForTheOpenWellItselfATvdWellAndACancelledDialog)
{
    SaveAsFixture f;
    const QByteArray before = ReadBytes(f.path);
    // The open well's own name, in any letter case.
    f.SaveAs(f.folder + "a.SVM");
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].caption, "File Copy Error ");
    EXPECT_EQ(QDir(f.folder).entryList({"A.*"}, QDir::Files).filter(".svm", Qt::CaseInsensitive).join(' ').toStdString(),
              "A.svm");
    EXPECT_EQ(ReadBytes(f.path), before);

    doubles().prompter.messages.clear();
    f.SaveAs(std::nullopt);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
    EXPECT_TRUE(QDir(f.targetFolder).isEmpty());

    f.S().well.file.wellName = "~A";
    f.SaveAs(f.targetFolder + "G.svm");
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Can not rename TVD File");
    EXPECT_TRUE(QDir(f.targetFolder).isEmpty());
}

TEST(SaveAs, WhileDrillingItBacksUpToADriveAndKeepsTheDrillingSetting)
{
    SaveAsFixture f;
    app::LogState& s = f.S();
    s.well.file.drilling = true;
    s.well.config.drillingSetting = 7;
    f.neighbours.backupAnswer = 1;
    f.window.EvCommand(app::cmd::SaveAs);
    EXPECT_EQ(f.neighbours.calls, QStringList({"backup 0"}));
    EXPECT_TRUE(doubles().prompter.fileRequests.isEmpty());
    wellfile::WellConfig cfg{};
    ASSERT_EQ(wellfile::LoadConfig(cfg, app::PlaceOf(s), s.well.fieldSettings), 1);
    const int setting = cfg.drillingSetting;
    EXPECT_EQ(setting, 7);

    // The plug-back copy made while drilling takes the gas monitor's settings beside the copy.
    WriteBytes(s.well.file.currentFolder + "gasmon.cfg", QByteArray(1668, 'g'));
    QString from = f.path, to = f.targetFolder + "H.svm";
    EXPECT_EQ(exchange::CopyFileChecked(s, f.neighbours, from, to), 1);
    EXPECT_EQ(ReadBytes(f.targetFolder + "gasmon.cfg"), QByteArray(1668, 'g'));
}

// The demo well saved under a new name and opened: its tops list (".topx") came with it, and the copy's
// Tops menu lists the demo's tops.
TEST(SaveAs, TheCopyOfTheDemoWellOpensWithItsTops)
{
    qputenv("USER", "tester");
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    window.SetupWindow();  // a first start: the demo well
    const app::LogState& s = window.State();
    const auto topsMenu = [&window] {
        QStringList listed;
        for (QAction* a : window.menuBar()->findChildren<QAction*>())
            if (const int id = a->data().isValid() ? a->data().toInt() : 0;
                id >= app::cmd::GotoTopFirst && id < app::cmd::GotoTopFirst + 50)
                listed << a->text();
        return listed;
    };
    const QStringList demoTops = topsMenu();
    ASSERT_GE(demoTops.size(), 3);
    const QString demo = s.well.file.currentFolder + s.well.file.wellName;
    const QString copies = testing_support::TestDir() + "copies/";
    QDir().mkpath(copies);
    doubles().prompter.fileAnswers = {copies + "DEMO2.svm"};
    doubles().prompter.answers = {platform::IDOK};
    window.EvCommand(app::cmd::SaveAs);
    ASSERT_EQ(s.well.file.dataFileName, copies + "DEMO2.SVM");
    EXPECT_EQ(ReadBytes(copies + "DEMO2.topx"), ReadBytes(demo + ".topx"));
    EXPECT_EQ(topsMenu(), demoTops);
}
