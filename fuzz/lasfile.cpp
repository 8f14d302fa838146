// A LAS file from another program, taken as the e-log import command takes it: the header, the ~Curve
// list, a new curve file of the short well with the columns the first byte maps, and the same file
// merged into it again.
#include "fuzzhost.h"
#include "shortwell.h"

#include "elog/elog_services.h"
#include "elog/lasread.h"
#include "platform/winapi.h"
#include "support/doubles.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    fuzzing::Box box;
    const QString las = box.in() + QStringLiteral("run.las");
    fuzzing::Box::Write(las, std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    fuzzing::ShortWell shortWell(box.data());
    app::LogState& state = shortWell.state;
    elog::ElogServices& elog = elog::DefaultElogServices();
    const QString svc = box.data() + QStringLiteral("W.svc");

    // A file in the other depth unit is imported as the user who says yes has it.
    testing_support::doubles().prompter.answers.push_back(platform::IDYES);
    elog::LasHeader header;
    float bitSize = 0;
    elog.EnsureCurves(state);
    if (elog.ReadLasHeader(state, las, header, bitSize) == elog::kLasRead && elog.ReadLasData(state, las) != 0) {
        // Targets 1-14 onto columns 1-8, shifted by the first byte; its top bit picks the TVD column.
        std::array<std::int32_t, elog::kElogMapEntries> map{};
        for (int t = 1; t <= elog::kElogTargets; ++t)
            map[std::size_t(t)] = 1 + (t + data[0]) % 8;
        elog::SetLasDepthColumn((data[0] & 0x80) != 0 ? 2 : 0);
        const std::span<const std::byte> columns = std::as_bytes(std::span(map));
        elog.ImportLas(state, las, svc, header, columns, bitSize);
        if (QFile::exists(svc))
            elog.MergeLas(state, las, svc, header, columns, bitSize);
    }
    elog.FreeCurveData(state);
    elog.DeleteCurves(state);
    return 0;
}
