// The main window drilling with a lag time set, its depth and gas from a rig over WITS on loopback TCP,
// through faults and boxes nobody answers: the log follows the rig, and each record holds the gas the
// rig sent for its depth.
#include "rigwindow.h"

#include "drilling/driller.h"
#include "gasmon/gasfile.h"
#include "gasmon/gasrecord.h"
#include "layout/linesandscales.h"
#include "platform/ui/dialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenuBar>
#include <QRegularExpression>

#include <algorithm>
#include <map>
#include <optional>

#include <sys/resource.h>

namespace {

using testing_support::doubles;
using wits_testing::DrillingFaults;
using wits_testing::kBottom;
using wits_testing::kTop;

class RigGas : public DrillingFaults {
protected:
    // A frame of the rig with its total gas: each booking must hold the largest total gas sent since
    // the booking before it, at the depth the lag depth moved to (`expected`).
    void GasFrame(shell::LogWindow& w, double hole)
    {
        const float total = float(++sent_);
        Frame(w, hole, std::make_pair(total, 100.0f + total), false);
        maximum_ = std::max(maximum_, total);
        LagMoved(w);
        doubles().queue.DeliverAll();
    }
    // The drilling ticks of the second after a frame.
    void Ticks(shell::LogWindow& w)
    {
        for (int tick = 0; tick < 5; ++tick) {
            doubles().clock.Advance(200);
            ASSERT_TRUE(doubles().timers.last->Fire(2));
            LagMoved(w);
        }
    }
    void LagMoved(shell::LogWindow& w)
    {
        const auto lag = std::int32_t(w.State().engines.driller->LagDepth());
        if (lag > lastLag_) {
            expected[lag] = maximum_;
            maximum_ = 0;
        }
        lastLag_ = lag;
    }
    std::map<std::int32_t, float> expected;

private:
    int sent_ = 0;
    float maximum_ = 0;
    std::int32_t lastLag_ = 0;
};

TEST_F(RigGas, AFullDiskAndAGasFileThatCannotBeWrittenLoseNoGasAndStopNothingWhileTheirBoxesWait)
{
    shell::LogWindow w(nullptr, QStringLiteral("StrativM"));
    Open(w);
    w.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(Connect(w));
    doubles().prompter.inputAnswers.push_back(QStringLiteral("0.15"));  // Enter Data > Lagtime
    w.EvCommand(app::cmd::LagTime);
    double hole = kBottom;
    for (int frame = 0; frame < 8; ++frame)
        GasFrame(w, hole += 0.5);

    // The gas file cannot be opened (a folder in its place): its box waits five frames for an answer
    // while the rig drills on, and the log follows the rig under it.
    const QString gasFile = gasmon::GasFileName(folder, "W");
    ASSERT_FALSE(expected.empty());
    const std::int32_t firstLine = expected.rbegin()->first + 1;  // the lines from here on are read back
    ASSERT_TRUE(QFile::remove(gasFile));
    ASSERT_TRUE(QDir().mkpath(gasFile));
    int followed = 0;
    doubles().prompter.whileShown = [&](const testing_support::AskedMessage& m) {
        if (m.caption != "ERROR")
            return;
        for (int frame = 0; frame < 5; ++frame) {
            GasFrame(w, hole += 0.5);
            followed += w.State().well.file.fileBottomDepth == std::int32_t(hole);
        }
    };
    for (int frame = 0; frame < 6; ++frame)
        GasFrame(w, hole += 0.5);
    doubles().prompter.whileShown = nullptr;
    const QStringList gasBoxes = Boxes("ERROR");
    ASSERT_EQ(gasBoxes.size(), 1) << "once for the spell";
    EXPECT_TRUE(gasBoxes[0].startsWith("Gas File Open Failed\n" + gasFile + '\n')) << gasBoxes[0].toStdString();
    EXPECT_EQ(followed, 5) << "the file stood still under the box";
    ASSERT_TRUE(QDir(gasFile).removeRecursively());

    // The disk is full for six units (72 s: the unit clock passes a whole minute), nobody answers, then
    // it is freed.
    std::optional<testing_support::FileSizeLimit> full(std::in_place, rlim_t(Records().size() * sizeof(wellfile::RECORD)));
    const std::int32_t spellFrom = w.State().well.file.fileBottomDepth + 1;
    for (int frame = 0; frame < 12; ++frame)
        GasFrame(w, hole += 0.5);
    full.reset();
    for (int frame = 0; frame < 2; ++frame) {
        GasFrame(w, hole += 0.1);
        Ticks(w);
    }
    EXPECT_EQ(w.State().well.file.fileBottomDepth, std::int32_t(hole)) << "at the rig two frames after";
    for (int frame = 0; frame < 16; ++frame)
        GasFrame(w, hole += 0.5);

    // Every record holds its own depth's weight on bit and the gas booked for it, the spells' units too;
    // the gas file has their lines, in order.
    const std::vector<wellfile::RECORD> records = Records();
    ASSERT_EQ(records.back().depth, std::int32_t(hole));
    for (std::int32_t depth = kBottom + 1; depth <= records.back().depth; ++depth)
        EXPECT_EQ(float(records[std::size_t(depth - kTop)].weightOnBit[1]), float(WobOf(depth))) << depth;
    ASSERT_GT(expected.rbegin()->first, spellFrom + 6) << "the lag depth passed the spell";
    std::int32_t lastLine = 0;
    const QByteArray lines = testing_support::ReadExistingBytes(gasFile);
    for (std::int32_t depth = expected.begin()->first + 1; depth <= expected.rbegin()->first; ++depth) {
        ASSERT_TRUE(expected.count(depth)) << "the lag depth stood at each unit: " << depth;
        EXPECT_FLOAT_EQ(records[std::size_t(depth - kTop)].gas[wellfile::GAS_TG], expected[depth]) << depth;
        if (depth < firstLine)
            continue;
        const auto line = std::find_if(reinterpret_cast<const gasmon::GASRECORD*>(lines.constData()),
                                       reinterpret_cast<const gasmon::GASRECORD*>(lines.constData() + lines.size()),
                                       [&](const gasmon::GASRECORD& g) { return g.lagDepth == depth; });
        ASSERT_NE(line, reinterpret_cast<const gasmon::GASRECORD*>(lines.constData() + lines.size())) << depth;
        EXPECT_FLOAT_EQ(line->totalGas, expected[depth]) << depth;
        EXPECT_GT(line - reinterpret_cast<const gasmon::GASRECORD*>(lines.constData()), lastLine - 1) << depth;
        lastLine = std::int32_t(line - reinterpret_cast<const gasmon::GASRECORD*>(lines.constData()));
    }
}

// The rig falls silent during a full disk with the gas file a folder; the disk is freed and the units kept
// are written, their gas waiting for a frame, when drilling goes off: the gas goes into their records
// then, and the gas file's lines that still cannot be written are said with their depths and values.
TEST_F(RigGas, GasStillWaitingWhenDrillingGoesOffIsWrittenOrSaid)
{
    shell::LogWindow w(nullptr, QStringLiteral("StrativM"));
    Open(w);
    w.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(Connect(w));
    doubles().prompter.inputAnswers.push_back(QStringLiteral("0.15"));  // Enter Data > Lagtime
    w.EvCommand(app::cmd::LagTime);
    double hole = kBottom;
    for (int frame = 0; frame < 8; ++frame)
        GasFrame(w, hole += 0.5);
    ASSERT_FALSE(expected.empty());
    const std::int32_t firstWaiting = expected.rbegin()->first + 1;
    const QString gasFile = gasmon::GasFileName(folder, "W");
    ASSERT_TRUE(QFile::remove(gasFile));
    ASSERT_TRUE(QDir().mkpath(gasFile));
    std::optional<testing_support::FileSizeLimit> full(std::in_place, rlim_t(Records().size() * sizeof(wellfile::RECORD)));
    for (int frame = 0; frame < 8; ++frame)
        GasFrame(w, hole += 0.5);
    full.reset();
    Ticks(w);
    ASSERT_EQ(w.State().well.file.fileBottomDepth, std::int32_t(hole)) << "the units kept written";
    const auto& waiting = w.State().engines.wits->Gas().waiting;
    ASSERT_TRUE(std::any_of(waiting.begin(), waiting.end(), [](const wits::WaitingBooking& b) { return !b.recordDone; }));

    w.EvCommand(app::cmd::Drilling);
    const QStringList said = Boxes("File Error").filter(QRegularExpression("^Gas Not Written"));
    EXPECT_EQ(said.size(), 1);
    const QString box = said.value(0);
    EXPECT_TRUE(box.contains("\nGas file: " + gasFile + ": ")) << box.toStdString();
    const std::vector<wellfile::RECORD> records = Records();
    ASSERT_GE(expected.rbegin()->first, firstWaiting + 3) << "the lag depth passed the spell";
    for (std::int32_t depth = firstWaiting; depth <= expected.rbegin()->first; ++depth) {
        ASSERT_TRUE(expected.count(depth)) << depth;
        EXPECT_FLOAT_EQ(records[std::size_t(depth - kTop)].gas[wellfile::GAS_TG], expected[depth]) << depth;
        EXPECT_TRUE(box.contains(QString("\n%1: total gas %2, C1 ").arg(depth).arg(double(expected[depth]), 0, 'f', 2)))
            << depth << box.toStdString();
    }
}

// Drilling switched off while three units wait for a full disk that has room for one record by then:
// that unit is written with its own values, the other two are said, not dropped unsaid.
TEST_F(RigGas, UnitsKeptWhenDrillingGoesOffAreWrittenIfTheFileTakesThemElseSaid)
{
    shell::LogWindow w(nullptr, QStringLiteral("StrativM"));
    Open(w);
    w.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(Connect(w));
    Frame(w, kBottom + 0.5);
    Frame(w, kBottom + 1.0);
    const rlim_t room = rlim_t(Records().size() * sizeof(wellfile::RECORD));
    std::optional<testing_support::FileSizeLimit> full(std::in_place, room);
    for (double hole : {2.0, 3.0, 4.0})
        Frame(w, kBottom + hole);
    EXPECT_EQ(w.State().well.file.fileBottomDepth, kBottom + 1);
    full.reset();
    full.emplace(room + sizeof(wellfile::RECORD));  // room for one more record
    w.EvCommand(app::cmd::Drilling);
    full.reset();
    const std::vector<wellfile::RECORD> records = Records();
    ASSERT_EQ(records.back().depth, kBottom + 2);
    EXPECT_EQ(float(records.back().weightOnBit[1]), float(WobOf(kBottom + 2)));
    const QString said = QString("Depths %1 to %2 drilled could not be written to ").arg(kBottom + 3).arg(kBottom + 4);
    EXPECT_EQ(Boxes("File Error").filter(said).size(), 1) << Boxes("File Error").join("|").toStdString();
}

// Options > Correct File Depth to 3 units past the rig while the rig sends its present depth before,
// under the boxes and after, then drills on: depths above the one set move nothing, the first whole unit
// past it is the next step, and each record from there holds its own depth's values. Twice.
TEST_F(RigGas, AfterTheFileDepthIsSetPastTheRigTheNextStepIsTheFirstUnitTheRigReachesPastIt)
{
    shell::LogWindow w(nullptr, QStringLiteral("StrativM"));
    Open(w);
    w.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(Connect(w));
    double hole = kBottom + 0.3;
    Frame(w, hole);
    Frame(w, hole);
    for (int round = 0; round < 2; ++round) {
        const std::int32_t rig = std::int32_t(hole), set = rig + 3;
        doubles().prompter.inputAnswers.push_back(QString::number(set));
        doubles().prompter.answers.push_back(platform::IDOK);
        doubles().prompter.whileShown = [&](const testing_support::AskedMessage&) { Frame(w, hole); };
        w.EvCommand(app::cmd::CorrectFileDepth);
        doubles().prompter.whileShown = nullptr;
        ASSERT_EQ(w.State().well.file.fileBottomDepth, set);
        Frame(w, hole);
        for (; hole < set + 2.5; hole += 0.5) {
            Frame(w, hole);
            ASSERT_EQ(w.State().well.file.fileBottomDepth, std::max(set, std::int32_t(hole))) << round << ": " << hole;
        }
        const std::vector<wellfile::RECORD> records = Records();
        for (std::int32_t depth = rig + 1; depth <= set + 2; ++depth) {
            const float wob = depth > set ? float(WobOf(depth)) : 0.0f;  // the units passed over unlogged
            EXPECT_EQ(float(records[std::size_t(depth - kTop)].weightOnBit[1]), wob) << round << ": " << depth;
        }
    }
}

// A rig that jumps, then drills a unit: the status line names the file's new bottom, and the band's file
// line of the step shows it as a full repaint does.
TEST_F(RigGas, TheStatusLineAndTheBandNameTheFilesBottomAsItGrows)
{
    shell::LogWindow w(nullptr, QStringLiteral("StrativM"));
    Open(w);
    w.resize(1000, 700);
    w.show();
    w.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(Connect(w));
    w.PaintLog();
    // The file line: from the rate track's left edge to the gas track's, its baseline half a row above
    // the log area, in the title font of row height + 6 pixels.
    const auto& L = w.State().layout.format;
    const int R = L.pixelsPerStep, baseline = L.logAreaTop - R / 2;
    const QRect band(QPoint(L.rate.left, baseline - (R + 6)), QPoint(L.gas.left - 1, baseline + 2));
    Frame(w, kBottom + 0.5);
    Frame(w, kBottom + 1.0);
    Frame(w, kBottom + 4.0);  // three units at once: the file catches up
    ASSERT_EQ(w.State().well.file.fileBottomDepth, kBottom + 4);
    EXPECT_TRUE(Status(w).contains("the file depth was corrected to " + QString::number(kBottom + 4)))
        << Status(w).toStdString();
    QCoreApplication::processEvents();  // the repaint the correction posted
    const QImage first = w.BackingStore().copy(band);
    Frame(w, kBottom + 5.0);
    ASSERT_EQ(w.State().well.file.fileBottomDepth, kBottom + 5);
    const QImage stepped = w.BackingStore().copy(band);
    w.PaintLog();
    EXPECT_NE(first, stepped);
    EXPECT_EQ(stepped, w.BackingStore().copy(band)) << "the file line as a full repaint draws it";
}

// A station restarted with ratios off and nobody to answer: the link connects and the file follows the
// rig while the box waits, and the box comes once the window is on the screen.
TEST_F(RigGas, TheRatiosBoxComesAboveTheWindowAndTheLogFollowsTheRigWhileItWaits)
{
    shell::LogWindow w(nullptr, QStringLiteral("StrativM"));
    Open(w);
    gasmon::GASMONCFG g{};
    g.ratioMode = 0;
    testing_support::WriteBytes(folder + "gasmon.cfg", &g, sizeof g);
    w.EvCommand(app::cmd::Drilling);
    doubles().queue.DeliverAll();
    EXPECT_TRUE(Boxes("StrativM").isEmpty()) << "a box before the window";
    ASSERT_TRUE(Connect(w));
    bool windowShown = false;
    double hole = kBottom;
    doubles().prompter.whileShown = [&](const testing_support::AskedMessage& m) {
        if (m.text != "ratios off")
            return;
        windowShown = w.isVisible();
        for (int frame = 0; frame < 4; ++frame)
            Frame(w, hole += 0.5);
    };
    w.show();
    ASSERT_TRUE(testing_support::Spin([&] {
        doubles().queue.DeliverAll();
        return Boxes("StrativM").contains("ratios off");
    }, testing_support::kLoadedMs));
    doubles().prompter.whileShown = nullptr;
    EXPECT_TRUE(windowShown);
    EXPECT_EQ(w.State().well.file.fileBottomDepth, kBottom + 2);
    EXPECT_EQ(float(Records().back().weightOnBit[1]), float(WobOf(kBottom + 2)));
}

// "Use Wits Depth" unticked while the rig drills three units, then ticked again: the file goes to the
// rig's depth as after a reconnect, and each record logged after holds its own depth's values.
TEST_F(RigGas, TickingUseWitsDepthAgainCatchesUpWithTheRig)
{
    gasType = 0;  // the depth from WITS only while the box is ticked
    shell::LogWindow w(nullptr, QStringLiteral("StrativM"));
    Open(w);
    w.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(Connect(w));
    Frame(w, kBottom + 0.5);
    Frame(w, kBottom + 1.0);
    ASSERT_EQ(w.State().well.file.fileBottomDepth, kBottom + 1);
    const auto linesAndScales = [&](bool tick) {
        platform::Dialog::QueueTestScript([tick](platform::Dialog& d) {
            d.SetCheck(layout::setupid::UseWitsDepth, tick ? platform::BST_CHECKED : platform::BST_UNCHECKED);
            d.Click(platform::IDOK);
        });
        for (QAction* a : w.menuBar()->findChildren<QAction*>())
            if (a->data().isValid() && a->data().toInt() == app::cmd::LinesAndScales)
                return a->trigger(), true;
        return false;
    };
    ASSERT_TRUE(linesAndScales(false));
    for (double hole : {1.5, 2.0, 2.5, 3.0, 3.5, 4.0})
        Frame(w, kBottom + hole);
    ASSERT_EQ(w.State().well.file.fileBottomDepth, kBottom + 1) << "the depth not from WITS";
    ASSERT_TRUE(linesAndScales(true));
    Frame(w, kBottom + 4.3);
    EXPECT_EQ(w.State().well.file.fileBottomDepth, kBottom + 4);
    Frame(w, kBottom + 5.0);
    Frame(w, kBottom + 6.0);
    const std::vector<wellfile::RECORD> records = Records();
    ASSERT_EQ(records.back().depth, kBottom + 6);
    for (std::int32_t depth : {kBottom + 5, kBottom + 6})
        EXPECT_EQ(float(records[std::size_t(depth - kTop)].weightOnBit[1]), float(WobOf(depth))) << depth;
}

// Ratios off, a lag time set while the lag depth's table holds half units: once the lag depth has passed a
// half unit, no later record takes that half's components again; each C1 the rig sent is in one record.
TEST_F(RigGas, AComponentMeasuredForOneHalfStepIsBookedIntoOneRecordOnly)
{
    shell::LogWindow w(nullptr, QStringLiteral("StrativM"));
    Open(w);
    gasmon::GASMONCFG g{};
    g.ratioMode = 0;
    testing_support::WriteBytes(folder + "gasmon.cfg", &g, sizeof g);
    w.EvCommand(app::cmd::Drilling);
    ASSERT_TRUE(Connect(w));
    double hole = kBottom + 0.1;
    Frame(w, hole, std::make_pair(0.0f, 2015.0f));
    doubles().prompter.inputAnswers.push_back(QStringLiteral("1.5"));
    w.EvCommand(app::cmd::LagTime);
    for (int frame = 0; frame < 40; ++frame)
        Frame(w, hole += 0.5, std::make_pair(0.0f, 100.0f + float(frame)));
    std::map<float, int> held;  // how many records hold each C1, either half
    int halves = 0;
    for (const wellfile::RECORD& r : Records()) {
        for (float c1 : {r.gas[wellfile::GAS_C1], r.halfGas[wellfile::GAS_C1]})
            if (c1 > 0)
                ++held[c1];
        halves += r.depth > kBottom && r.halfGas[wellfile::GAS_C1] > 0;
    }
    ASSERT_GT(halves, 8) << "the lag depth walked on over the new units";
    for (const auto& [c1, records] : held)
        EXPECT_EQ(records, 1) << "C1 " << c1;
}

}  // namespace
