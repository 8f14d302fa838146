// Manual, 6. LAS files, e-log curves and the TVD log: each instruction done on the first start's window
// through its menus, file boxes and mouse, and checked in the files written and the log drawn.
#include "app/elogoffset.h"
#include "elog/curves.h"
#include "logview/geometryof.h"
#include "manual/lasfilessteps.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

using manual::Choose;
using platform::Dialog;
using testing_support::doubles;

namespace {

// The first start's window with the well "L" (depths 1000 to 1400 of known values) opened.
struct LasWindow {
    LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString folder, path;
    LasWindow()
    {
        EXPECT_TRUE(testing_support::ShowDemoWindow(window));
        folder = S().well.file.dataFolder;
        path = folder + "L.svm";
        testing_support::WriteRecords(path, manual::KnownRecords(1000, 1400));
        EXPECT_EQ(window.OpenDataFile(path), 1);
        doubles().prompter.messages.clear();
    }
    app::LogState& S() { return window.State(); }
};

}  // namespace

// "LAS out": Options > Create Las File... writes the mud log into the well's "mudloglas" folder.
TEST(ManualLasFiles, CreateLasFileWritesTheMudLogIntoTheMudloglasFolder)
{
    LasWindow w;
    Dialog::QueueTestScript([](Dialog& d) { d.Click(platform::IDOK); });  // the range as proposed
    ASSERT_TRUE(Choose(w.window, {"Options", "Create Las File..."}));
    EXPECT_EQ(Dialog::PendingTestScripts(), 0);

    const QString las = w.folder + "mudloglas/L.las";
    const QString text = QString::fromLatin1(testing_support::ReadBytes(las));
    EXPECT_TRUE(text.contains("CWLS LOG ASCII STANDARD - VERSION 2.0"));
    const int data = text.indexOf("\n~A");
    ASSERT_GT(data, 0);
    const QStringList lines = text.mid(data + 3).split('\n', Qt::SkipEmptyParts);
    int rows = 0;
    for (const QString& line : lines.mid(1)) {
        const QStringList f = line.split(' ', Qt::SkipEmptyParts);
        ASSERT_GE(f.size(), 78) << line.toStdString();
        const double md = f[0].toDouble();
        if (md != std::floor(md))
            continue;  // the half-step rows
        const int d = int(md);
        EXPECT_NEAR(f[5].toDouble(), manual::KnownRate(d), 0.01) << d;  // minutes a unit
        EXPECT_NEAR(f[39].toDouble(), manual::KnownC1(d), 0.05) << d;   // C1
        ++rows;
    }
    EXPECT_EQ(rows, 1400 - 1020 + 1);  // from 20 below the first depth to the last
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_TRUE(doubles().prompter.messages.back().text.startsWith("Created " + las));
}
