// The gas monitor's inputs: an instrument's MODBUS answers (blocks of 25 registers) taken by the engine
// of the instrument type the input names, the UDP gas interface's datagrams, an outside integrator's
// result files (SRI and BASELINE modes), and the gas monitor's own files (its settings, the day files
// of the gas chart and the gas file) as another station or a crash left them.
#include "fuzzhost.h"

#include "app/logstate.h"
#include "gasmon/autogas.h"
#include "gasmon/chartfile.h"
#include "gasmon/chartsettings.h"
#include "gasmon/gasfile.h"
#include "gasmon/gasmoncfg.h"
#include "gasmon/udplink.h"
#include "platform/modbus.h"

#include <QDate>
#include <QDir>

#include <array>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// The first part is the answers; the others, in the order of the byte that names one:
enum Kind { kSettings, kDatagrams, kSri, kBaseline, kChartDay, kGasFile, kChartSettings, kKinds };

class SilentDisplay final : public gasmon::GasDisplay {
public:
    void SetLines(const QString*, const QString*, const QString*, const QString*) override {}
    void SetCaption(const QString&) override {}
    void SetHeading(const QString&) override {}
    void ShowAt(int, int) override {}
    int Left() const override { return 0; }
    int Top() const override { return 0; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::Box box;
    const QString folder = box.data();
    const std::vector<fuzzing::Part> parts = fuzzing::SplitParts(data, size, kKinds);
    const QString chartDay = gasmon::ChartFileName(folder + QStringLiteral("chart/"), QStringLiteral("ALPHA"), QDate(2026, 1, 15));
    const QString names[kKinds] = {folder + "gasmon.cfg", QString(), folder + "sri.txt", folder + "baseline.txt",
                                   chartDay, gasmon::GasFileName(folder, QStringLiteral("ALPHA")), folder + "SVCHART.cfg"};
    for (const fuzzing::Part& part : parts)
        if (part.kind >= 0 && !names[part.kind].isEmpty())
            fuzzing::Box::Write(names[part.kind], part.bytes);

    app::LogState window;
    window.well.file.dataFolder = folder;
    window.well.file.wellName = QStringLiteral("ALPHA");
    window.well.loggerId = 12;
    gasmon::GasHost host(window);
    host.readConfig = [folder](gasmon::GASMONCFG& c) { return gasmon::ReadGasmonCfg(c, {folder, {}}); };
    host.writeConfig = [folder](const gasmon::GASMONCFG& c) { return gasmon::WriteGasmonCfg(c, {folder, {}}); };
    host.makeDisplay = [] { return std::make_unique<SilentDisplay>(); };

    // The answers: the first byte names the instrument type (1 to 10), the rest are register blocks.
    const std::string_view answers = parts.front().bytes;
    const int type = answers.empty() ? 1 : 1 + static_cast<unsigned char>(answers[0]) % 10;
    auto engine = std::make_unique<gasmon::AutoGas>(host, type, 0);
    engine->Calls().connectTcp = [](std::uint32_t, int, const platform::TcpSettings&) { return std::int32_t(91); };
    engine->Calls().connectRtu = [](int, int, const platform::SerialSettings&) { return std::uint32_t(91); };
    engine->Calls().hook = [](std::uint32_t, platform::HWND, unsigned, int) { return 0; };
    engine->Calls().poll = [](std::uint32_t, const platform::ModbusRequest&) { return 0; };
    engine->Calls().write = [](std::uint32_t, const platform::ModbusRequest&, const platform::CoilValues&) {
        return 0;
    };
    engine->Calls().close = [](std::uint32_t) {};
    if (type != 9 && engine->Start() == 1) {
        constexpr std::size_t kBlock = 25 * sizeof(std::uint16_t);
        for (std::size_t at = 1; at + kBlock <= answers.size(); at += kBlock) {
            std::array<std::uint16_t, 25> registers;
            std::memcpy(registers.data(), answers.data() + at, kBlock);
            engine->TakeAnswer(registers.data(), 0);
        }
        for (const bool baseline : {false, true}) {
            engine->SelectIntegrator(!baseline, baseline);
            engine->SetIntegratorFile(names[baseline ? kBaseline : kSri]);
            engine->ReadOutsideFile();
        }
    }
    engine.reset();

    // The UDP datagrams, each up to the next marker, into the receive buffer.
    gasmon::UdpReceiveBuffer udp;
    for (const fuzzing::Part& part : parts)
        if (part.kind == kDatagrams && udp.Add(part.bytes.data(), qsizetype(part.bytes.size())))
            gasmon::DecodePacketBytes(udp.latest());

    gasmon::GASMONCFG cfg{};
    gasmon::ReadGasmonCfg(cfg, {folder, {}});
    gasmon::ChartSettings chart{};
    gasmon::ReadChartCfg(folder, chart);
    gasmon::ChartPlace place;
    place.chartFolder = folder + QStringLiteral("chart/");
    place.wellName = QStringLiteral("ALPHA");
    std::vector<gasmon::CHARTRECORD> records(200);
    gasmon::ReadChartFile(place, records, 0, -1, chartDay);
    gasmon::ReadChartFile(place, records, 100, 150, chartDay);
    std::vector<gasmon::GASRECORD> gas(100);
    gasmon::ReadGasFile(names[kGasFile], gas, 0, 100);
    return 0;
}
