#pragma once
// The gas monitor engine on its own: a host made from a window's state over the test's folder
// ("gasmon.cfg" there), a live window that records its lines, and a message window that hands the link's
// notices to the engine as the main window does.
#include "app/logstate.h"
#include "drilling/driller.h"
#include "drilling/drillinghost.h"
#include "gasmon/autogas.h"
#include "platform/messagewindows.h"
#include "support/modbuspeer.h"
#include "wellfile/openwell.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace gasmon_testing {

class RecordingDisplay final : public gasmon::GasDisplay {
public:
    std::array<QString, 4> lines;
    int setLinesCalls = 0;
    QString caption, heading;
    int left = -1, top = -1;
    void SetLines(const QString* l1, const QString* l2, const QString* l3, const QString* l4) override
    {
        ++setLinesCalls;
        const QString* given[4] = {l1, l2, l3, l4};
        for (int i = 0; i < 4; ++i)
            if (given[i])
                lines[std::size_t(i)] = *given[i];
    }
    void SetCaption(const QString& c) override { caption = c; }
    void SetHeading(const QString& h) override { heading = h; }
    void ShowAt(int l, int t) override { left = l, top = t; }
    int Left() const override { return left; }
    int Top() const override { return top; }
};

class EngineTest : public ::testing::Test {
protected:
    EngineTest();
    ~EngineTest() override;
    // Writes `cfg` as the well's "gasmon.cfg".
    void WriteCfg();
    gasmon::GASMONCFG SavedCfg() const;
    // Makes the engine of `type` (not started).
    gasmon::AutoGas& Make(int type);
    // Makes and starts the engine of `type` on a link that takes every request and never answers: the
    // test hands it the answers itself.
    gasmon::AutoGas& StartOffline(int type);
    // One tick of timer 1, then the event loop until the request it sent is answered (at most `ms`).
    bool TickAndWait(int ms = 3000);
    // The event loop until the link is free again.
    bool WaitIdle(int ms = 3000);
    // A driller with its alarms in the test's folder, for the flags and steps the answers set.
    void WithDriller();
    // Lines of the peer's log that contain `text`.
    int PeerLines(const QString& text) const;

    gasmon::GASMONCFG cfg{};
    app::LogState s;  // the window's state the host is made from
    gasmon::GasHost host{s};
    std::optional<wellfile::RECORD> lastRecord;
    RecordingDisplay* display = nullptr;  // the engine's, once it made one
    std::unique_ptr<gasmon::AutoGas> engine;
    platform::HWND window = 0;
    wellfile::OpenWell& well = s.well.file;
    drilling::DrillingHost facts{s};
    std::unique_ptr<drilling::Driller> driller;
};

}  // namespace gasmon_testing
