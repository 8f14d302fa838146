// A LAS file taken by the mudlog import command as a user who maps its columns has it: the header (a
// file in the other depth unit answered "yes"), the data read, then the mapped columns written into the
// short well's data file, ".svx" and, with the FIT data option, ".fit". The first byte picks the map
// (every target onto one of columns 0-9, 0 leaving it out) and, by its top bit, the FIT data option.
#include "fuzzhost.h"
#include "shortwell.h"

#include "elog/elog_services.h"
#include "elog/lasread.h"
#include "elog/mudlogtargets.h"
#include "platform/winapi.h"
#include "support/doubles.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    fuzzing::Box box;
    const QString las = box.in() + QStringLiteral("run.las");
    fuzzing::Box::Write(las, std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    fuzzing::ShortWell shortWell(box.data());
    app::LogState& state = shortWell.state;
    state.well.fit.path = box.data() + QStringLiteral("W.fit");
    state.well.fit.dataEnabled = (data[0] & 0x80) != 0;
    elog::ElogServices& elog = elog::DefaultElogServices();

    testing_support::doubles().prompter.answers.push_back(platform::IDYES);
    elog::LasHeader header;
    float bitSize = 0;
    if (elog.ReadLasHeader(state, las, header, bitSize) == elog::kLasRead && elog.ReadLasData(state, las) != 0) {
        std::array<std::int32_t, elog::kMudlogMapEntries> map{};
        for (int t = 1; t <= elog::kMudlogTargets; ++t)
            map[std::size_t(t)] = (t * 7 + (data[0] & 0x7F)) % 10;
        elog.ImportAscii(state, las, header, std::as_bytes(std::span(map)));
    }
    elog.FreeCurveData(state);
    elog.DeleteCurves(state);
    return 0;
}
