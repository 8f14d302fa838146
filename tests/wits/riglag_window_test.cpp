// The main window drilling at a rig's pace over WITS on loopback TCP with a lag time set: the lag depth
// follows the hole and only ever moves down it.
#include "rigwindow.h"

#include "drilling/driller.h"
#include "gasmon/gasfile.h"
#include "gasmon/gasrecord.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace {

using testing_support::doubles;
using wits_testing::DrillingFaults;
using wits_testing::kBottom;

class RigLag : public DrillingFaults {
protected:
    // One frame of the rig at `hole` with total gas and C1 naming it (its depth - 1000 and that + 0.5),
    // then the drilling ticks of `ms` milliseconds. The lag depth is checked never to move up.
    void RigFrame(shell::LogWindow& w, double hole, int ms)
    {
        const float gas = float(hole) - 1000.0f;
        Frame(w, hole, std::make_pair(gas, gas + 0.5f), false, kTickMs);
        Watch(w);
        Ticks(w, ms - kTickMs);
    }
    static constexpr int kTickMs = 200;  // the drilling timer's period
    void Ticks(shell::LogWindow& w, int ms)
    {
        for (int t = 0; t < ms; t += kTickMs) {
            doubles().clock.Advance(kTickMs);
            ASSERT_TRUE(doubles().timers.last->Fire(2));
            Watch(w);
        }
        doubles().queue.DeliverAll();
    }
    void Watch(shell::LogWindow& w)
    {
        const float lag = w.State().engines.driller->LagDepth();
        if (lag < lastLag)
            backwards.push_back(std::to_string(lastLag) + " -> " + std::to_string(lag));
        lastLag = lag;
    }
    void LagTime(shell::LogWindow& w, const char* minutes)
    {
        doubles().prompter.inputAnswers.push_back(QString::fromLatin1(minutes));
        w.EvCommand(app::cmd::LagTime);
        Watch(w);
    }
    // The units from the well's bottom before drilling to the lag depth whose record does not hold total
    // gas and C1 the rig sent at its depth or at most `ahead` units deeper, or has no gas file line of
    // that total gas.
    QStringList UnitsWithoutTheirGas(shell::LogWindow& w, float ahead)
    {
        const std::vector<wellfile::RECORD> records = Records();
        const QByteArray file = testing_support::ReadExistingBytes(gasmon::GasFileName(folder, "W"));
        const std::span<const gasmon::GASRECORD> lines(reinterpret_cast<const gasmon::GASRECORD*>(file.constData()),
                                                       std::size_t(file.size()) / sizeof(gasmon::GASRECORD));
        QStringList wrong;
        for (std::int32_t depth = kBottom + 1; depth <= std::int32_t(w.State().engines.driller->LagDepth()); ++depth) {
            const wellfile::RECORD& r = records[std::size_t(depth - wits_testing::kTop)];
            const float own = float(depth - 1000), total = r.gas[wellfile::GAS_TG];
            const auto line = std::find_if(lines.begin(), lines.end(), [&](const auto& g) { return g.lagDepth == depth; });
            if (!(total >= own && total <= own + ahead) || !(r.gas[1] > 0) || line == lines.end() || line->totalGas != total)
                wrong << QString::asprintf("%d: %g %g", depth, double(total), double(r.gas[1]));
        }
        return wrong;
    }
    float lastLag = 0;
    std::vector<std::string> backwards;
};

// Mud circulated at a connection brings the returns up; the rings rebuilt afterwards from the file's rates
// (a lag time entered again) know nothing of it, and the hole standing still never takes the lag depth
// back up the hole: it stays or nears the bottom.
TEST_F(RigLag, TheLagDepthNeverMovesUpTheHole)
{
    minSeconds = 2;
    shell::LogWindow w(nullptr, QStringLiteral("StrativM"));
    Open(w);
    w.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(Connect(w));
    LagTime(w, "1");
    double hole = kBottom;
    for (int frame = 0; frame < 60; ++frame)
        RigFrame(w, hole += 1.0 / 3 + 1e-6, 2000);
    w.EvKeyDown(Qt::Key_C, true);  // off bottom, circulating
    Ticks(w, 30000);
    const float circulated = w.State().engines.driller->LagDepth();
    ASSERT_GT(circulated, float(kBottom + 10));
    LagTime(w, "0");
    LagTime(w, "1");
    for (int frame = 0; frame < 30; ++frame)
        RigFrame(w, hole + (frame % 2) * 0.5, 3000);
    EXPECT_TRUE(backwards.empty()) << backwards.size() << " moves up, the first " << backwards.front();
    EXPECT_EQ(w.State().engines.driller->LagDepth(), float(std::int32_t(hole))) << "bottoms up";
}

// Three quick units and a slow one, over and over: the lag depth passes several units in one move, and
// moves twice between two frames. Each unit passed holds gas sent for a deeper depth than its own, in its record
// and in a gas file line.
TEST_F(RigLag, EveryUnitTheLagDepthPassesHoldsItsGas)
{
    minSeconds = 2;
    shell::LogWindow w(nullptr, QStringLiteral("StrativM"));
    Open(w);
    w.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(Connect(w));
    LagTime(w, "0.5");
    const int paceMs[] = {2000, 2000, 2000, 14000};
    double hole = kBottom;
    for (int unit = 0; unit < 40; ++unit) {
        const int ms = paceMs[unit % 4];
        RigFrame(w, hole + 0.5 + 1e-6, ms / 2);
        RigFrame(w, hole += 1.0 + 1e-6, ms / 2);
    }
    ASSERT_GT(w.State().engines.driller->LagDepth(), float(kBottom + 25));
    // In a lag time (30 s) the rig drills at most nine units on.
    const QStringList wrong = UnitsWithoutTheirGas(w, 10);
    EXPECT_TRUE(wrong.isEmpty()) << wrong.size() << ": " << wrong.join("; ").toStdString();
}

// Units faster than the lag time and slower, the lag time short and long: the lag depth keeps its
// distance from the file's bottom, the units the rig drills in a lag time (a unit more just before a
// move), at every pace.
TEST_F(RigLag, TheLagDepthFollowsTheHoleAtEveryPace)
{
    minSeconds = 2;
    shell::LogWindow w(nullptr, QStringLiteral("StrativM"));
    Open(w);
    w.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(Connect(w));
    struct Pace {
        int secondsPerUnit;
        const char* lagMinutes;
    };
    double hole = kBottom;
    for (const Pace pace : {Pace{3, "0.2"}, Pace{2, "0.5"}, Pace{5, "1"}, Pace{8, "2"}, Pace{20, "0.5"}}) {
        LagTime(w, pace.lagMinutes);
        const double lagUnits = QByteArray(pace.lagMinutes).toDouble() * 60 / pace.secondsPerUnit;
        for (int unit = 0; unit < int(lagUnits) + 6; ++unit) {
            RigFrame(w, hole + 0.5 + 1e-6, pace.secondsPerUnit * 500);
            RigFrame(w, hole += 1.0 + 1e-6, pace.secondsPerUnit * 500);
        }
        const float behind = float(w.State().well.file.fileBottomDepth) - w.State().engines.driller->LagDepth();
        EXPECT_GE(behind, lagUnits - 1.5) << pace.secondsPerUnit << " s a unit, lag " << pace.lagMinutes;
        EXPECT_LE(behind, lagUnits + 1.5) << pace.secondsPerUnit << " s a unit, lag " << pace.lagMinutes;
    }
    EXPECT_TRUE(backwards.empty()) << backwards.front();
    const QStringList wrong = UnitsWithoutTheirGas(w, 18);
    EXPECT_TRUE(wrong.isEmpty()) << wrong.size() << ": " << wrong.join("; ").toStdString();
}

}  // namespace
