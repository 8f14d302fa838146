// The drilling handlers on a real window in drilling mode on the demo well: Lines and Scales keeps the
// status box where the user moved it, a one-unit Correct File Depth is an interface step, and a
// custom-data write that recovers leaves another drilling message on the status line.
#include "app/commandids.h"
#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "drilling/ui/toolbar.h"
#include "platform/ui/dialog.h"
#include "shell/startup.h"
#include "shell/ui/logwindow.h"
#include "shell/ui/qbtndlg.h"
#include "support/doubles.h"
#include "support/drillerstate.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/record.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QStatusBar>

#include <gtest/gtest.h>

using testing_support::doubles;
using testing_support::FileRecords;

namespace {

struct DrillingDemo {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    explicit DrillingDemo(bool customTracks = false)
    {
        shell::CommandLineFilesTaken() = 0;
        window.SetupWindow();
        if (customTracks) {  // the quick bar's "Show C/T"
            window.EnsureQuickBar();
            if (auto* bar = qobject_cast<shell::QBTNDLG*>(window.Tools().quickBar.data()))
                bar->Command(shell::QBTNDLG::ID_CUSTOM);
        }
        window.EvCommand(app::cmd::Drilling);
        EXPECT_NE(S().engines.driller, nullptr);
        if (drilling::Driller* d = S().engines.driller)
            testing_support::EditSetup(*d, [](drilling::DrillerSetup& v) { v.minSecondsPerUnit = 0; });
    }
    ~DrillingDemo()
    {
        if (S().well.file.drilling)
            window.EvCommand(app::cmd::Drilling);
    }
    app::LogState& S() { return window.State(); }
    // A step marked from the window's own depth-box key (Ctrl+F), taken by the drilling tick.
    void Step()
    {
        S().engines.driller->MarkStep(drilling::StepSource::WholeUnitBox);
        Tick();
    }
    void Tick()
    {
        doubles().clock.Advance(200);
        static_cast<testing_support::FakeTimers*>(S().timers)->Fire(2);
    }
    wellfile::RECORD Last() { return FileRecords<wellfile::RECORD>(S().well.file.dataFileName).back(); }
    QString StatusLine() { return window.statusBar()->currentMessage(); }
};

// Puts a folder where the file `path` was (a write to it then fails) and gives the file back.
struct Blocked {
    QString path;
    explicit Blocked(const QString& p) : path(p)
    {
        EXPECT_TRUE(QFile::rename(path, path + ".kept"));
        EXPECT_TRUE(QDir().mkdir(path));
    }
    ~Blocked()
    {
        QDir().rmdir(path);
        QFile::rename(path + ".kept", path);
    }
};

}  // namespace

TEST(DrillingHandlers, LinesAndScalesKeepsTheStatusBoxWhereTheUserMovedIt)
{
    DrillingDemo w;
    const auto boxes = w.window.findChildren<drilling::TOOLBAR*>();
    ASSERT_EQ(boxes.size(), 1);
    QPointer<drilling::TOOLBAR> box = boxes[0];
    box->move(box->pos() + QPoint(140, 60));
    const QPoint moved = box->pos();
    // Off bottom meanwhile, as the box shows it after Save and Close.
    w.S().engines.driller->Time()->offBottom = 1;
    platform::Dialog::QueueTestScript([](platform::Dialog& d) { d.Click(platform::IDOK); });
    w.window.EvCommand(app::cmd::LinesAndScales);
    ASSERT_TRUE(box) << "the box was made anew";
    EXPECT_EQ(box->pos(), moved);
    EXPECT_EQ(box->GetText(drilling::TOOLBAR::ID_BOTTOM), "Off Bottom");
    EXPECT_EQ(w.window.findChildren<drilling::TOOLBAR*>().size(), 1);
}

TEST(DrillingHandlers, AOneUnitFileDepthCorrectionIsAnInterfaceStep)
{
    DrillingDemo w;
    const drilling::Driller& d = *w.S().engines.driller;
    w.Step();
    const int depth = w.Last().depth, steps = d.Steps().interfaceSteps;
    EXPECT_EQ(steps, 1);
    doubles().prompter.inputAnswers.push_back(QString::number(depth + 1));
    doubles().prompter.answers = {platform::IDOK};
    w.window.EvCommand(app::cmd::CorrectFileDepth);
    w.Tick();
    EXPECT_EQ(int(w.Last().depth), depth + 1);
    EXPECT_EQ(d.Steps().interfaceSteps, steps + 1) << "counted as the depth interface's";
}

TEST(DrillingHandlers, ARecoveredCustomDataWriteLeavesAnotherDrillingMessage)
{
    DrillingDemo w(true);
    ASSERT_TRUE(w.S().customTracks.data && w.S().well.customTracksEnabled);
    const QString svx = w.S().well.file.customDataFileName;
    auto custom = std::make_unique<Blocked>(svx);
    w.Step();
    EXPECT_TRUE(w.StatusLine().startsWith("Extended data of depth")) << w.StatusLine().toStdString();
    {
        Blocked data(w.S().well.file.dataFileName);
        w.Step();
    }
    custom.reset();
    w.Tick();  // the data file written again, then the custom data
    EXPECT_TRUE(w.StatusLine().startsWith("The data file ")) << w.StatusLine().toStdString();

    // Nothing said since: the recovery takes its own message away.
    custom = std::make_unique<Blocked>(svx);
    w.Step();
    custom.reset();
    w.Step();
    EXPECT_EQ(w.StatusLine(), "");
}
