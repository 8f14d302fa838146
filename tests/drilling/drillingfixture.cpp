#include "drillingfixture.h"

#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/datafile.h"

#include <QFileInfo>

#include <cmath>

namespace drilling_testing {

using testing_support::TestDir;

QList<CanvasCall> RecordingCanvas::Texts(const QString& prefix) const
{
    QList<CanvasCall> found;
    for (const CanvasCall& c : calls)
        if (!c.isFill && c.text.startsWith(prefix))
            found << c;
    return found;
}

wellfile::LagRecord ExampleHole(float pipeLength)
{
    wellfile::LagRecord lag{};
    lag.casingId = 9.625f;
    lag.casingLength = 1000;
    lag.openHoleDiameter = 8.5f;
    lag.pipe1Od = 4.5f;
    lag.pipe1Id = 3.826f;
    lag.pipe1Length = pipeLength;
    lag.pump1Output = 0.1f;
    lag.pump1Spm = 100;
    lag.pumpEfficiency[0] = 1;
    lag.pumpOnHole[0] = 1;
    return lag;
}

testing_support::FakeClock& DrillingTest::Clock() { return testing_support::doubles().clock; }

void DrillingTest::MakeWellOnDisk(int first, int last)
{
    const QString folder = TestDir();
    ASSERT_FALSE(testing_support::MakeWell(folder, "ALPHA.svm", first, last).isEmpty());
    well.dataFolder = folder;
    well.currentFolder = folder;
    well.wellName = "ALPHA";
    well.dataFileName = folder + "ALPHA.svm";
    well.customDataFileName = folder + "ALPHA.svx";
    well.fileTopDepth = first;
    well.fileBottomDepth = last;
    well.depthStep = 1;
    well.viewDepthSpan = 40;
    well.viewTopDepth = std::max(first, last - 60);  // the bottom far below the view: lines are not drawn in place
    well.drilling = true;
    testing_support::PlainDrillingWindow(state);
    state.well.loggerId = 12;
    state.layout.format.logRight = 800;
    state.view.logAreaBottom = 1000;
}

void DrillingTest::CustomDataInUse()
{
    state.well.customTracksEnabled = true;
    state.customTracks.data = std::make_unique<layout::CUSTOMDATA>(&state.customTracks.host, false);
}

void DrillingTest::WitsLinkOn()
{
    witsHost = std::make_unique<wits::WitsHost>(state, services);
    witsLink = std::make_unique<wits::Wits>(*witsHost, wits::WitsAlarmHost{});
    state.engines.wits = witsLink.get();
}

void DrillingTest::StartDriller()
{
    config.minSecondsPerUnit = 4;
    driller = std::make_unique<drilling::Driller>(host, wits::WitsAlarmHost{});
    driller->Start(config);
    driller->Alarms()->raiseHook = [this](int kind, const QString& text) { raised.append({kind, text}); };
}

void DrillingTest::EmptyRings()
{
    driller->ClearStepTables();
}

void DrillingTest::Run(double seconds)
{
    const int ticks = int(std::lround(seconds * 5));
    for (int i = 0; i < ticks; ++i) {
        Clock().Advance(200);
        driller->Time()->Tick();
        if (driller->StepWaiting())
            driller->Update();
    }
}

void DrillingTest::Pulse(drilling::StepSource from)
{
    driller->MarkStep(from);
    Run(0.2);
}

void DrillingTest::HalfPulse()
{
    driller->MarkHalfStep();
    Run(0.2);
}

std::vector<wellfile::RECORD> DrillingTest::Records(qint64* size) const
{
    return testing_support::FileRecords<wellfile::RECORD>(well.dataFileName, size);
}

qint64 DrillingTest::CustomFileSize() const { return QFileInfo(well.customDataFileName).size(); }

}  // namespace drilling_testing
