#include "platform/folders.h"
#include "shell/startupini.h"
#include "shell/ui/logwindow.h"
#include "shell/ui/tlogapp.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QFile>

#include <gtest/gtest.h>

using shell::StartupPlacement;
using testing_support::TestDir;

namespace {

void WriteIni(const QString& folder, const QByteArray& text)
{
    testing_support::WriteBytes(platform::JoinPath(folder, QStringLiteral("startupM.ini")), text);
}

bool Read(const QByteArray& text, StartupPlacement& p)
{
    WriteIni(TestDir(), text);
    return shell::ReadStartupIni(TestDir(), p);
}

bool Unset(const StartupPlacement& p) { return !p.x && !p.y && !p.width && !p.height; }

}  // namespace

TEST(StartupIni, FilesThatGiveNoPosition)
{
    StartupPlacement p;
    EXPECT_FALSE(shell::ReadStartupIni(TestDir(), p)) << "no file";
    EXPECT_FALSE(Read("", p)) << "empty file";
    EXPECT_FALSE(Read("/home/geo/wells/B12.svm\n", p)) << "one line";
    // Line 2 lacks "=": nothing is taken, however good lines 3-5 are.
    EXPECT_FALSE(Read("B12.svm\nLeft 40\nTop=50\nWidth=800\nHeight=600\n", p));
    EXPECT_TRUE(Unset(p));
}

TEST(StartupIni, EightLinesAreReadAsFiveWhateverTheLineEnds)
{
    const QByteArray lines[] = {
        "B12.svm\r\nLeft=40\r\nTop=50\r\nWidth=800\r\nHeight=600\r\nEnd=1\r\nLeft=1\r\nTop=2\r\n",  // Windows
        "B12.svm\nLeft=40\nTop=50\nWidth=800\nHeight=600\nEnd=1\nLeft=1\nTop=2\n",
        "B12.svm\rLeft=40\rTop=50\rWidth=800\rHeight=600\rEnd=1\rLeft=1\rTop=2",
    };
    for (const QByteArray& text : lines) {
        StartupPlacement p;
        ASSERT_TRUE(Read(text, p)) << text.constData();
        EXPECT_EQ(p.x, 40);
        EXPECT_EQ(p.y, 50);
        EXPECT_EQ(p.width, 800);
        EXPECT_EQ(p.height, 600);
    }
}

TEST(StartupIni, NumbersAreReadAsAtoiReadsThem)
{
    StartupPlacement p;
    // An empty first line is still line 1; a line without "=" among 3-5 leaves only its own value unset.
    ASSERT_TRUE(Read("\nLeft=  -12px\nTop=\nWidth 800\nHeight=99999999999999999999\n", p));
    EXPECT_EQ(p.x, -12);
    EXPECT_EQ(p.y, 0);
    EXPECT_FALSE(p.width);
    EXPECT_EQ(p.height, INT_MAX);
    // One sign only.
    ASSERT_TRUE(Read("B12.svm\nLeft=+-5\nTop=--5\nWidth=+40\nHeight= - 3\n", p));
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
    EXPECT_EQ(p.width, 40);
    EXPECT_EQ(p.height, 0);

    // Lines are cut to 259 characters: an "=" beyond that is not seen.
    StartupPlacement q;
    EXPECT_FALSE(Read("B12.svm\n" + QByteArray(259, 'x') + "=5\nTop=50\n", q));
    EXPECT_TRUE(Unset(q));
}

TEST(StartupIni, MainWindowTakesThePlacementFromTheDocumentsFolder)
{
    WriteIni(platform::DocumentsFolder(), "B12.svm\nLeft=40\nTop=50\nWidth=800\nHeight=0\n");
    shell::TLogApp logApp;
    logApp.InitMainWindow();
    ASSERT_NE(logApp.MainWindow(), nullptr);
    const QRect frame = logApp.MainWindow()->geometry();
    EXPECT_EQ(frame.topLeft(), QPoint(40, 50));
    EXPECT_EQ(frame.width(), 800);
    EXPECT_GT(frame.height(), 0);  // a height of 0 keeps the frame's own

    EXPECT_EQ(logApp.ReadStartupIni(TestDir()), 0);  // no ini there
}
