#pragma once
// The drilling command on a bare window state: the well "ALPHA" (records 900..1000) in the test's
// folder, which is both its data folder and its local folder, the window's timers fired by hand and
// the other subsystems as recording doubles.
#include "app/logstate.h"
#include "app/wellservices.h"
#include "drilling/drillingcommands.h"
#include "drillingfixture.h"
#include "shell/neighbours.h"
#include "support/doubles.h"
#include "wellfile/wellconfig.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace drilling_testing {

class GasDouble final : public gasmon::GasMonitorServices {
public:
    bool running = false;
    QStringList calls;
    void CmGasMonitor(app::LogState&) override
    {
        calls << "CmGasMonitor";
        running = !running;
    }
    void CmGasMonitorSetup(app::LogState&) override {}
    void EvGasResponse(app::LogState&, std::uintptr_t, std::intptr_t) override {}
    bool MonitorRunning(const app::LogState&) override { return running; }
    void Poll(app::LogState&) override { calls << "Poll"; }
    void StartCycle(app::LogState&) override { calls << "StartCycle"; }
    void StopMonitor(app::LogState&) override
    {
        calls << "StopMonitor";
        running = false;
    }
};

class WitsDouble final : public wits::WitsServices {
public:
    bool link = false;
    bool custom = false;
    QStringList calls;
    void CmWits(app::LogState&) override
    {
        calls << "CmWits";
        link = !link;
    }
    void CmWitsSetup(app::LogState&) override {}
    void CmCustomWits(app::LogState&) override
    {
        calls << "CmCustomWits";
        custom = !custom;
    }
    void CmCustomWitsSetup(app::LogState&) override {}
    void CmWitsAlarms(app::LogState&) override {}
    void CmWitsChart(app::LogState&) override {}
    void EvWitsData(app::LogState&, std::uintptr_t, std::intptr_t) override {}
    void EvCustWitsData(app::LogState&, std::uintptr_t, std::intptr_t) override {}
    bool LinkRunning(const app::LogState&) override { return link; }
    bool CustomLinkRunning(const app::LogState&) override { return custom; }
    void LinkTimer(app::LogState&) override { calls << "LinkTimer"; }
    void CustomLinkOutput(app::LogState&) override { calls << "CustomLinkOutput"; }
    void StopLink(app::LogState&) override
    {
        calls << "StopLink";
        link = false;
    }
    void StopCustomLink(app::LogState&) override
    {
        calls << "StopCustomLink";
        custom = false;
    }
};

// The window's menus and the view's picture loaders, recorded.
class WindowDouble final : public app::WindowServices {
public:
    QList<int> menus;  // resources assigned
    int builds = 0;
    int invalidates = 0;
    void AssignMenu(app::LogState&, int resource) override { menus << resource; }
    void BuildMenu(app::LogState&, int) override { ++builds; }
    void Invalidate(app::LogState&) override { ++invalidates; }
};

class ViewDouble final : public app::ViewServices {
public:
    QStringList calls;
    void ImportNewImages(app::LogState&, const QString& wellName) override { calls << "ImportNewImages " + wellName; }
    void LoadImageList(app::LogState&) override { calls << "LoadImageList"; }
};

class DrillingCommandTest : public ::testing::Test {
protected:
    DrillingCommandTest();
    // Writes the well's ".cfg" from `config` (made from the defaults, 4 minimum seconds per unit).
    void WriteConfig();
    QString ConfigPath() const;
    QByteArray ConfigBytes() const;
    wellfile::WellConfig SavedConfig() const;
    // The command, with its driller recording into `canvas` and `links`.
    void Toggle() { commands.CmDrilling(log); }
    drilling::Driller& Driller() { return *log.engines.driller; }
    // Timer 2 fired every 200 ms of the test clock for `seconds`.
    void Tick(double seconds);
    // A press of `button` (its bit) and its release, each with `held` (bits of buttons held meanwhile).
    void Press(std::uint32_t button, std::uint32_t held = 0);
    // The depth records of the data file.
    int RecordCount() const;
    testing_support::FakeTimers& Timers() { return timers; }

    app::LogState log;
    GasDouble gas;
    WitsDouble wits;
    WindowDouble window;
    ViewDouble view;
    shell::Neighbours neighbours;
    app::WellServices wellServices;
    RecordingCanvas canvas;
    RecordingLinks links;
    shell::NeighbourLinks otherLinks{neighbours, wellServices};
    drilling::DrillingCommands commands{otherLinks, wellServices};
    testing_support::FakeTimers timers{[this](int id) { commands.EvTimer(log, id); }};
    wellfile::WellConfig config{};
};

}  // namespace drilling_testing
