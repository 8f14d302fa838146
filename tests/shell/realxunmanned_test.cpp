// The program on a real X server as an unmanned station runs it: killed while drilling, started again
// while the rig drills on, nobody at the keyboard. Under openbox and under matchbox (a kiosk-style
// station), whose focus handling two modal boxes at once would wedge.
#include "demo/demowell.h"
#include "support/files.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "support/xsession.h"
#include "wellfile/record.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace testing_support;

namespace {

class RealXUnmanned : public ::testing::TestWithParam<WindowManager> {
protected:
    void SetUp() override
    {
        if (const QString missing = XSession::MissingServer(); !missing.isEmpty())
            GTEST_SKIP() << missing.toStdString() << " is not installed";
        program = x.StartForProgram(QSize(1280, 1024), GetParam());
        ASSERT_FALSE(program.isEmpty());
        home = TestDir() + "home";
        ASSERT_TRUE(rigServer.listen(QHostAddress::LocalHost, 0));
    }
    // The program started, its window shown and the rig's feed (this test's server) called.
    void Start()
    {
        ASSERT_TRUE(app.Start(program, {}, x.ProgramEnvironment(home)));
        ASSERT_FALSE(x.WaitForWindow("^StrativM ").isEmpty()) << "no main window";
        ASSERT_TRUE(Spin([&] { return rigServer.hasPendingConnections(); }, kLoadedMs)) << "the feed never called";
        rig.reset(rigServer.nextPendingConnection());
    }
    // The ids of the boxes standing, the restart's notice and the file's catch-up (a closed box's window
    // is gone), their names noted in `seen`.
    QStringList Boxes()
    {
        const QStringList ids = QString::fromLatin1(x.Run("xdotool", {"search", "--name", "^(Drilling|File Depth)$"}))
                                    .split('\n', Qt::SkipEmptyParts);
        for (const QString& id : ids)
            if (const QString name = QString::fromLatin1(x.Run("xdotool", {"getwindowname", id})).trimmed();
                !seen.contains(name))
                seen << name;
        return ids;
    }

    XSession x;
    Child app;
    QString program, home;
    QTcpServer rigServer;
    std::unique_ptr<QTcpSocket> rig;
    QStringList seen;  // the names of the boxes that stood
};

}  // namespace

// Killed while drilling, the rig three units on at the restart and drilling a unit every 2 s: the
// restart's notice and the box of the file's catch-up never stand together, nobody answering either; the
// file follows the rig meanwhile, and each answer brings the box that waited.
TEST_P(RealXUnmanned, AfterAKillOneBoxStandsAtATimeAndTheFileFollowsTheRigWhileNobodyAnswers)
{
    const QString folder = home + "/StrativM/";
    ASSERT_TRUE(MakeDrillingDemoWell(folder, rigServer.serverPort(), demo::DemoWellShape{}.lastDepth));
    const auto bottom = [&] { return FileRecords<wellfile::RECORD>(folder + "elogdemo.svm").back().depth; };
    Start();
    app.Kill();

    double hole = bottom() + 3.3;
    Start();
    qsizetype most = 0;
    for (int frame = 0; frame < 40; ++frame, hole += 0.25) {
        const QByteArray depth = QByteArray::number(hole, 'f', 2);
        rig->write("&&\r\n0108" + depth + "\r\n0110" + depth + "\r\n!!\r\n");
        rig->flush();
        Spin([] { return false; }, 500);
        most = std::max(most, Boxes().size());
    }
    EXPECT_LE(most, 1) << "two boxes at once";
    EXPECT_TRUE(Spin([&] { return bottom() >= std::int32_t(hole - 0.25) - 1; }, kLoadedMs))
        << "the file at " << bottom() << ", the rig at " << hole - 0.25;

    // Each answer (Return to the box with the focus) brings the box that waited behind it.
    for (int answer = 0; answer < 2; ++answer) {
        QString box;
        ASSERT_TRUE(Spin([&] { return !(box = Boxes().value(0)).isEmpty(); }, 10000)) << answer << ": no box";
        x.Key("Return");
        x.Run("xdotool", {"keyup", "Return"});
        ASSERT_TRUE(Spin([&] { return !Boxes().contains(box); }, 10000)) << answer << ": the box stayed";
    }
    seen.sort();
    EXPECT_EQ(seen, QStringList({"Drilling", "File Depth"}));
    EXPECT_TRUE(Boxes().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(WindowManagers, RealXUnmanned,
                         ::testing::Values(WindowManager::Openbox, WindowManager::Matchbox),
                         [](const ::testing::TestParamInfo<WindowManager>& info) {
                             return info.param == WindowManager::Openbox ? "Openbox" : "Matchbox";
                         });
