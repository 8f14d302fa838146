#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "support/testmain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace platform;
using testing_support::doubles;

TEST(Text, Cp1252RoundTripAndFixedFields)
{
    const char bytes[] = {'1', '0', char(0xB0), 'C', char(0x80), char(0x81)};
    const QString s = FromCp1252(bytes, sizeof bytes);
    EXPECT_EQ(s, QString::fromUtf8("10\u00B0C\u20AC") + QChar(0x81));
    EXPECT_EQ(ToCp1252(s), QByteArray(bytes, sizeof bytes));
    EXPECT_EQ(ToCp1252(QString::fromUtf8("\u4E2D")), QByteArray("?"));

    char field[6];
    SetFieldText(field, "ABCDEFGH");
    EXPECT_EQ(std::string(field, 6), std::string("ABCDE\0", 6));
    EXPECT_EQ(FieldText(field), "ABCDE");
    const char full[4] = {'W', 'X', 'Y', 'Z'};  // no NUL inside the width
    EXPECT_EQ(FieldText(full), "WXYZ");
    EXPECT_EQ(CFormat("%d %3.1f", 0, 2.25), "0 2.2");
}

TEST(Services, MessageBoxIsRecordedAndAnsweredAsScripted)
{
    doubles().prompter.answers.push_back(IDYES);
    EXPECT_EQ(MessageBox("Save changes?", "Report info", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBox("Disk full", "File Error", MB_OK), IDOK);
    EXPECT_EQ(MessageBox("Go on?", "ERROR", MB_YESNO), IDCANCEL);  // unscripted questions are cancelled
    ASSERT_EQ(doubles().prompter.messages.size(), 3);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Save changes?");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Report info");
    MessageBeep(0);
    EXPECT_EQ(doubles().sounder.beeps, 1);
}

TEST(Services, TimersFireOnlyWhileSet)
{
    QList<int> fired;
    auto timers = services().timers->Create([&](int id) { fired << id; });
    timers->SetTimer(3, 10000);
    timers->SetTimer(5, 10000);
    timers->KillTimer(3);
    EXPECT_FALSE(doubles().timers.last->Fire(3));
    EXPECT_TRUE(doubles().timers.last->Fire(5));
    EXPECT_EQ(fired, QList<int>{5});
    EXPECT_EQ(timers->Period(5), 10000);
}

TEST(Services, RealTimersAndQueueRunOnTheEventLoop)
{
    QList<int> fired;
    auto timers = RealTimerFactory().Create([&](int id) { fired << id; });
    timers->SetTimer(2, 5);
    bool posted = false;
    RealMessageQueue().Post([&] { posted = true; });
    const std::int64_t start = RealClock().SteadyMs();
    while ((fired.isEmpty() || !posted) && RealClock().SteadyMs() - start < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    timers->KillTimer(2);
    EXPECT_TRUE(posted);
    ASSERT_FALSE(fired.isEmpty());
    EXPECT_EQ(fired.first(), 2);
}

TEST(Services, RealShellRunsProgramsWithoutAShell)
{
    const QString file = testing_support::TestDir() + "a b;c";
    EXPECT_EQ(RealShell().RunProgram("/bin/sh", {"-c", "touch \"$0\"", file}, 5000), 0);
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_EQ(RealShell().RunProgram("/nonexistent/program", {}, 1000), -1);
    EXPECT_EQ(RealShell().RunProgram("/bin/sh", {"-c", "exit 3"}, 5000), 3);
}

TEST(Folders, DocumentsAndInstallFolders)
{
    const QString docs = DocumentsFolder();
    EXPECT_TRUE(docs.endsWith("/docs/StrativM/"));
    EXPECT_TRUE(QDir(docs).exists());  // made when missing
    EXPECT_TRUE(InstallFolder().endsWith("/home/StrativM/"));
    SetInstallFolder(testing_support::TestDir() + "inst");
    EXPECT_EQ(InstallFolder(), testing_support::TestDir() + "inst/");
    EXPECT_TRUE(QFile::exists(SettingsFile()));

    QFile f(testing_support::TestDir() + "WELL.SVM");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(FindFileNoCase(testing_support::TestDir(), "well.svm"), testing_support::TestDir() + "WELL.SVM");
    EXPECT_EQ(FindFileNoCase(testing_support::TestDir(), "none.svm"), testing_support::TestDir() + "none.svm");
}
