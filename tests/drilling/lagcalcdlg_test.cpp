// The "LAG CALCULATOR" dialog run by the drilling services on the driller's lag settings, driven
// through its controls.
#include "commandfixture.h"

#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "drilling/ui/lagcalcdlg.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/datafile.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include <cstring>

using namespace drilling;
using namespace drilling::lagid;
using namespace drilling_testing;
using platform::Dialog;
using testing_support::doubles;

namespace {

class LagCalcDlgTest : public DrillingCommandTest {
protected:
    // The well's ".lag": casing 9.625 in x 500 m, open hole 8.5 in, drill pipe 4.5 / 3.826 in x 1,000 m, one
    // pump of 0.1 bbl at 100 strokes a minute; drilling switched on with it.
    void StartWithLagFile()
    {
        wellfile::LagRecord lag = ExampleHole(1000);
        lag.casingLength = 500;
        lag.openHoleLength = 500;
        ComputeLag(lag, true);  // as the calculator saved it
        testing_support::WriteBytes(LagPath(), &lag, sizeof lag);
        InstallLagCalculator(commands, nullptr);
        Toggle();
        ASSERT_NE(log.engines.driller, nullptr);
    }
    QString LagPath() const { return log.well.file.dataFolder + "ALPHA.lag"; }
    wellfile::LagRecord SavedLag() const
    {
        wellfile::LagRecord lag{};
        const QByteArray bytes = testing_support::ReadBytes(LagPath());
        EXPECT_EQ(bytes.size(), qsizetype(sizeof lag));
        std::memcpy(&lag, bytes.constData(), std::min<std::size_t>(sizeof lag, std::size_t(bytes.size())));
        return lag;
    }
    float LastRecordLag() { return wellfile::ReadLastRecord(log.well.file, log.well.file.dataFileName)->lagTime; }
};

void Key(Dialog& d, int key)
{
    QWidget* w = d.focusWidget();
    ASSERT_NE(w, nullptr);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::processEvents();
}

// Leaves edit `id` for the next control as the user's Tab would.
void Leave(Dialog& d, int id, const QString& text)
{
    d.SetFocusTo(id);
    d.SetText(id, text);
    Key(d, Qt::Key_Tab);
}

TEST_F(LagCalcDlgTest, RefusedWithoutTheDriller)
{
    InstallLagCalculator(commands, nullptr);
    commands.RunLagCalculator(log);
    EXPECT_EQ(doubles().sounder.beeps, 1);
    EXPECT_EQ(Dialog::PendingTestScripts(), 0);
}

TEST_F(LagCalcDlgTest, OpensOnTheDrillersSettingsAndAnswersItsFields)
{
    StartWithLagFile();
    Driller().Time()->lagTime = 0;
    bool ran = false;
    Dialog::QueueTestScript([&](Dialog& d) {
        ran = true;
        EXPECT_EQ(d.windowTitle(), "STRATIV LAG CALCULATOR");
        for (int id : {Help, UpdateWashout, UseAllActivePumps, ShowAllPumps, int(lagid::UseWitsStrokes)})
            EXPECT_FALSE(d.Control(id)->isVisible()) << id;
        // The well's depths are in metres: so are the lengths typed.
        EXPECT_TRUE(d.Control(Metric)->isVisible());
        EXPECT_EQ(d.GetCheck(Metric), platform::BST_CHECKED);
        EXPECT_FALSE(d.IsEnabled(Metric));  // nothing else is to be had
        EXPECT_EQ(d.GetText(Metric), "Input Meters for length's, Inches for all diameters");
        EXPECT_FALSE(d.Control(StartCounter)->isVisible());  // no lag by strokes runs
        EXPECT_EQ(d.GetText(CurrentDepth), " 1000");
        EXPECT_EQ(d.GetText(OpenHoleLength), "500.00");
        EXPECT_EQ(d.GetText(Pump1Spm), "100.00");
        EXPECT_EQ(d.GetCheck(Pump1OnHole), platform::BST_CHECKED);
        EXPECT_FALSE(d.IsEnabled(lagid::LagUsingStrokes));  // no WITS link
        // By hand: the annulus of 500 m cased and 500 m open hole around the pipe, in feet, at 10 bbl/min.
        const double feet = 500 * 3.281, annulus = feet * (9.625 * 9.625 - 4.5 * 4.5) * 0.000971 +
                                                   feet * (8.5 * 8.5 - 4.5 * 4.5) * 0.000971;
        const QString lag = d.GetText(LagMinutes);
        EXPECT_EQ(lag, QString::asprintf("%.2f", annulus / 10));
        EXPECT_EQ(lag, "19.81");
        EXPECT_EQ(d.GetText(MeasuredLag), lag);  // a measured lag of 0 took the calculated one
        EXPECT_TRUE(d.Control(LagNow)->isVisible());

        // Leaving the depth moves drill pipe 1 and the open hole with it; leaving the mud weight gives
        // the pressures.
        Leave(d, CurrentDepth, "1200");
        EXPECT_EQ(d.GetText(Pipe1Length), "1200.00");
        EXPECT_EQ(d.GetText(OpenHoleLength), "700.00");
        Leave(d, MudWeight, "10");
        EXPECT_EQ(d.GetText(Hydrostatic), QString::asprintf("%.2f", 1200 * 3.281 * 10 * 0.052));
        EXPECT_EQ(d.GetText(Formation), QString::asprintf("%.2f", 1200 * 3.281 * 0.465));

        // Calculate saves the new hole; a measured lag now well below the calculated one takes it.
        d.Click(lagid::Calculate);
        EXPECT_NE(d.GetText(LagMinutes), lag);
        d.Click(lagid::Close);
    });
    commands.RunLagCalculator(log);
    ASSERT_TRUE(ran);
    const wellfile::LagRecord saved = SavedLag();
    EXPECT_FLOAT_EQ(saved.pipe1Length, 1200);
    EXPECT_FLOAT_EQ(saved.openHoleLength, 700);
    EXPECT_FLOAT_EQ(saved.mudWeight, 10);
    EXPECT_GT(saved.lagMinutes, 0);
    // Closing put the measured lag into the last record and into the driller's copy of the settings.
    EXPECT_FLOAT_EQ(LastRecordLag(), Driller().Time()->lagTime);
    EXPECT_NEAR(Driller().Time()->lagTime, saved.lagMinutes, 0.01);
    EXPECT_FLOAT_EQ(Driller().Lag().pipe1Length, 1200);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

// The strokes and minutes from the kelly bushing to the bit are shown whole, the start not scrolled away.
TEST_F(LagCalcDlgTest, TheKellyBushingToBitFieldShowsItsWholeText)
{
    StartWithLagFile();
    bool ran = false;
    Dialog::QueueTestScript([&](Dialog& d) {
        ran = true;
        const auto* field = d.ControlAs<QLineEdit>(SurfaceToBit);
        ASSERT_NE(field, nullptr);
        const QString text = field->text();
        EXPECT_TRUE(text.contains(" strokes  ") && text.endsWith(" Min")) << text.toStdString();
        // The text's width and the edit's own margins (frame and text margins, 2 pixels each side).
        EXPECT_LE(field->fontMetrics().horizontalAdvance(text) + 8, field->width()) << text.toStdString();
        d.Click(lagid::Close);
    });
    commands.RunLagCalculator(log);
    ASSERT_TRUE(ran);
}

TEST_F(LagCalcDlgTest, MeasuredLagGivesTheWashoutAndEscapeKeepsIt)
{
    StartWithLagFile();
    float calculated = 0;
    Dialog::QueueTestScript([&](Dialog& d) {
        calculated = d.GetText(LagMinutes).toFloat();
        Leave(d, MeasuredLag, QString::number(double(calculated) + 1.0, 'f', 2));
        EXPECT_GT(d.GetText(Washout).toFloat(), 0.0f);
        Key(d, Qt::Key_Escape);
    });
    commands.RunLagCalculator(log);
    ASSERT_GT(calculated, 0);
    EXPECT_NEAR(LastRecordLag(), calculated + 1.0f, 0.01);
}

TEST_F(LagCalcDlgTest, PumpsOfDifferentOutputEachMoveTheirOwnMud)
{
    StartWithLagFile();
    const std::pair<int, const char*> typed[] = {
        {CasingId, "8.835"},  {CasingLength, "800"}, {OpenHoleDiameter, "8.5"}, {Pipe1Od, "5"},
        {Pipe1Id, "4.276"},   {Collar1Od, "6.5"},    {Collar1Id, "2.8125"},     {Collar1Length, "150"},
        {Pump1Output, "0.1"}, {Pump1Spm, "100"},     {Efficiency1, "0.95"},     {Pump2Output, "0.05"},
        {Pump2Spm, "30"},     {Efficiency2, "0.95"},
    };
    Dialog::QueueTestScript([&](Dialog& d) {
        for (auto [id, text] : typed)
            d.SetText(id, text);
        d.SetCheck(Pump2OnHole, platform::BST_CHECKED);
        Leave(d, CurrentDepth, "1300");  // 1,150 m of pipe and 500 m of open hole
        d.Click(lagid::Calculate);

        // By hand, in feet: the annulus is the hole less the string's outside; each pump moves its own
        // strokes x output x efficiency.
        const double k = 3.281 * 0.000971;
        const double annulus = k * (800 * 8.835 * 8.835 + 500 * 8.5 * 8.5 - 1150 * 5.0 * 5.0 - 150 * 6.5 * 6.5);
        const double flow = 100 * 0.1 * 0.95 + 30 * 0.05 * 0.95;  // 10.925 bbl/min
        EXPECT_EQ(d.GetText(Annular), QString::asprintf("%.2f", annulus));
        EXPECT_EQ(d.GetText(Annular), "202.25");
        EXPECT_NEAR(d.GetText(LagMinutes).toDouble(), annulus / flow, 0.006);  // 18.51, not 21.84
        EXPECT_NEAR(d.GetText(LagStrokes).toDouble(), annulus / flow * 130, 0.05);  // 2,406.6, not 2,838.6
        EXPECT_NEAR(d.GetText(BarrelsPerMinute).toDouble(), flow, 0.006);  // 10.93, not 9.26
        d.Click(lagid::Close);
    });
    commands.RunLagCalculator(log);
    EXPECT_NEAR(SavedLag().lagMinutes, 18.51, 0.01);
}

TEST_F(LagCalcDlgTest, EveryValueTypedIsSavedInItsOwnField)
{
    StartWithLagFile();
    // Each value its own; outside diameters above inside ones and efficiencies as fractions, so that
    // nothing is corrected on the way.
    const std::pair<int, float> typed[] = {
        {CasingId, 9.1f},       {CasingLength, 301},   {Liner1Id, 7.2f},      {Liner2Id, 6.3f},
        {Liner1Length, 102},    {Liner2Length, 53},    {OpenHoleDiameter, 8.4f}, {Pipe1Od, 5.1f},
        {Pipe2Od, 5.2f},        {Pipe1Id, 4.1f},       {Pipe2Id, 4.2f},       {Pipe2Length, 104},
        {Collar1Od, 6.1f},      {Collar2Od, 6.2f},     {Collar3Od, 6.3f},     {Collar1Id, 2.1f},
        {Collar2Id, 2.2f},      {Collar3Id, 2.3f},     {Collar1Length, 31},   {Collar2Length, 32},
        {Collar3Length, 33},    {Pump1Output, 0.11f},  {Pump1Spm, 61},        {Washout, 0.05f},
        {Pump2Output, 0.12f},   {Pump2Spm, 62},        {MudWeight, 9.5f},     {MotorRevs, 0.25f},
        {Pump3Output, 0.13f},   {Pump3Spm, 63},        {Efficiency1, 0.91f},  {Efficiency2, 0.92f},
        {Efficiency3, 0.93f},
    };
    Dialog::QueueTestScript([&](Dialog& d) {
        for (auto [id, value] : typed)
            d.SetText(id, QString::number(double(value)));
        d.Click(lagid::Save);
        d.Click(lagid::Close);
    });
    commands.RunLagCalculator(log);
    const wellfile::LagRecord r = SavedLag();
    const float stored[] = {
        r.casingId,    r.casingLength, r.liner1Id,    r.liner2Id,      r.liner1Length,      r.liner2Length,
        r.openHoleDiameter, r.pipe1Od, r.pipe2Od,     r.pipe1Id,       r.pipe2Id,           r.pipe2Length,
        r.collarOd[0], r.collarOd[1],  r.collarOd[2], r.collarId[0],   r.collarId[1],       r.collarId[2],
        r.collarLength[0], r.collarLength[1], r.collarLength[2], r.pump1Output, r.pump1Spm, r.washout,
        r.pump2Output, r.pump2Spm,     r.mudWeight,   r.motorRevsPerGallon, r.pump3Output,  r.pump3Spm,
        r.pumpEfficiency[0], r.pumpEfficiency[1], r.pumpEfficiency[2],
    };
    static_assert(std::size(stored) == std::size(typed));
    for (std::size_t i = 0; i < std::size(typed); ++i)
        EXPECT_FLOAT_EQ(stored[i], typed[i].second) << "control " << typed[i].first;
}

}  // namespace
