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

}  // namespace
