#include "enginefixture.h"

#include "drilling/logalarm.h"
#include "platform/commlinks.h"
#include "platform/modbus.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/gasengine.h"
#include "support/testmain.h"

#include <cstring>

namespace gasmon_testing {

using testing_support::TestDir;

EngineTest::EngineTest()
{
    window = platform::RegisterMessageWindow([this](unsigned msg, std::uintptr_t w, std::intptr_t l) {
        if (msg == platform::WM_USER + 1 && engine)
            engine->EvResponse(w, l);
    });
    s.window = window;
    s.well.file.dataFolder = TestDir();
    s.well.file.wellName = QStringLiteral("ALPHA");
    s.well.loggerId = 12;
    host.readConfig = [](gasmon::GASMONCFG& c) { return gasmon::ReadGasmonCfg(c, {TestDir(), {}}); };
    host.writeConfig = [](const gasmon::GASMONCFG& c) { return gasmon::WriteGasmonCfg(c, {TestDir(), {}}); };
    host.readLastRecord = [this] { return lastRecord; };
    host.makeDisplay = [this]() -> std::unique_ptr<gasmon::GasDisplay> {
        auto d = std::make_unique<RecordingDisplay>();
        display = d.get();
        return d;
    };
    cfg.gasComPort = 3;
    cfg.witsComPort = 2;
    cfg.cycleTime = 300;
    cfg.ratioMode = 1;
}

EngineTest::~EngineTest()
{
    engine.reset();
    s.engines.driller = nullptr;
    driller.reset();
    platform::UnregisterMessageWindow(window);
    platform::RedirectModbusTcpPortForTest(0);
    platform::CloseAllConnectionsForTest();
}

void EngineTest::WriteCfg() { ASSERT_EQ(gasmon::WriteGasmonCfg(cfg, {TestDir(), {}}), 1); }

gasmon::GASMONCFG EngineTest::SavedCfg() const
{
    gasmon::GASMONCFG c{};
    const QByteArray bytes = testing_support::ReadBytes(gasmon::GasmonCfgPath(TestDir()));
    EXPECT_EQ(bytes.size(), qsizetype(sizeof c));
    if (bytes.size() == qsizetype(sizeof c))
        std::memcpy(&c, bytes.constData(), sizeof c);
    return c;
}

gasmon::AutoGas& EngineTest::Make(int type)
{
    engine = std::make_unique<gasmon::AutoGas>(host, type, 0);
    return *engine;
}

gasmon::AutoGas& EngineTest::StartOffline(int type)
{
    gasmon::AutoGas& e = Make(type);
    e.Calls().connectTcp = [](std::uint32_t, int, const platform::TcpSettings&) { return std::int32_t(91); };
    e.Calls().connectRtu = [](int, int, const platform::SerialSettings&) { return std::uint32_t(91); };
    e.Calls().hook = [](std::uint32_t, platform::HWND, unsigned, int) { return 0; };
    e.Calls().poll = [](std::uint32_t, const platform::ModbusRequest&) { return 0; };
    e.Calls().write = [](std::uint32_t, const platform::ModbusRequest&, const platform::CoilValues&) { return 0; };
    e.Calls().close = [](std::uint32_t) {};
    EXPECT_EQ(e.Start(), 1);
    // The coil write of the start (types 0 to 4, 8) is taken as answered.
    testing_support::EditReadings(e, [](gasmon::GasReadings& v) { v.requestOutstanding = false; });
    return e;
}

void EngineTest::WithDriller()
{
    well.dataFolder = TestDir();
    driller = std::make_unique<drilling::Driller>(facts, wits::WitsAlarmHost{});
    driller->SetAlarms(std::make_unique<drilling::LogAlarm>(TestDir()));
    s.engines.driller = driller.get();
}

bool EngineTest::WaitIdle(int ms)
{
    return testing_support::Spin([this] { return !engine->Readings().requestOutstanding; }, ms);
}

bool EngineTest::TickAndWait(int ms)
{
    engine->Poll();
    return WaitIdle(ms);
}

int EngineTest::PeerLines(const QString& text) const
{
    int n = 0;
    for (const QString& line : testing_support::PeerLogText().split(QLatin1Char('\n')))
        n += line == text ? 1 : 0;
    return n;
}

}  // namespace gasmon_testing
