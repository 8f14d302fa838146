#include "demo/demowell_curves.h"

#include "elog/watersaturation.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace demo {

using wellfile::RECORD;

namespace {

constexpr std::int32_t kGammaLagUnits = 3;  // the e-log's depths run three units shallow of the mudlog
constexpr std::int32_t kShortOfBottom = 10;
// The import's Archie parameters: formation water resistivity, tortuosity and cementation exponent.
constexpr double kRw = 0.04, kA = 1.0, kM = 2.0;

double MeanGamma(const RECORD& r)
{
    double sum = 0;
    for (float g : r.gamma)
        sum += g;
    return sum / 5.0;
}

// A small wiggle that depends on the depth alone: the same curves every time.
double Wiggle(std::int32_t d, double scale) { return scale * std::sin(double(d) * 0.37) * std::cos(double(d) * 0.11); }

bool InShow(const DemoData& data, std::int32_t d)
{
    return std::any_of(data.shows.begin(), data.shows.end(), [d](const auto& s) { return s.first <= d && d <= s.second; });
}

}  // namespace

std::vector<elog::CurveRecord> MakeDemoCurves(const DemoData& data, const DemoWellShape& shape)
{
    const std::int32_t last = shape.lastDepth - kShortOfBottom;
    if (data.records.empty() || last < shape.firstDepth)
        return {};
    std::vector<elog::CurveRecord> rows(std::size_t(last) + 1);
    for (std::int32_t d = 0; d <= last; ++d) {
        float* v = rows[std::size_t(d)].values.data();
        v[elog::SLOT_DEPTH] = float(d);
        if (d < shape.firstDepth)
            continue;
        const std::size_t at =
            std::size_t(std::clamp<std::int32_t>(d + kGammaLagUnits - shape.firstDepth, 0, std::int32_t(data.records.size()) - 1));
        const double gamma = std::max(5.0, MeanGamma(data.records[at]) + Wiggle(d, 4.0));
        const bool show = InShow(data, d + kGammaLagUnits);
        // Shales read a density porosity of their own (10 to 16 %), clean rock up to 30 %.
        const double phi = std::clamp(0.30 - 0.0014 * gamma + (show ? 0.03 : 0.0) + Wiggle(d, 0.01), 0.04, 0.32);
        // The deep resistivity of the rock at the water saturation it holds (Archie with the Rw, a and m
        // below): the water-bearing rock nearly full, a show's a quarter. No rock reads below its wet
        // resistivity a x Rw / phi^m, so the Sw worked out of the curves stays within 0 to 1.
        const double sw = show ? 0.25 + Wiggle(d, 0.05) : std::clamp(0.93 + Wiggle(d, 0.06), 0.82, 0.98);
        const double deep = kRw * kA / std::pow(phi, kM) / (sw * sw);
        v[elog::SLOT_GAMMA] = float(std::round(gamma * 10.0) / 10.0);
        v[elog::SLOT_DENSITY_POR] = float(phi);
        v[elog::SLOT_NEUTRON_POR] = float(phi + 0.0008 * gamma);
        v[elog::SLOT_RES10] = float(show ? deep * 0.5 : deep * 0.9);
        v[elog::SLOT_RES120] = float(deep);
        v[elog::SLOT_CALIPER] = float(8.5 + gamma / 100.0);
        v[elog::SLOT_BIT_SIZE] = 8.5f;
        v[elog::SLOT_RW] = float(kRw);
        v[elog::SLOT_SWA] = float(kA);
        v[elog::SLOT_SWM] = float(kM);
        v[elog::SLOT_SWN] = 2.0f;
        v[elog::SLOT_POR_CHOICE] = std::bit_cast<float>(std::int32_t(elog::SLOT_DENSITY_POR));
        v[elog::SLOT_RES_CHOICE] = std::bit_cast<float>(std::int32_t(elog::SLOT_RES120));
        const double computed = elog::ArchieSw(rows[std::size_t(d)]);
        v[elog::SLOT_SW] = float(computed);
        v[elog::SLOT_BVW] = float(computed * phi);
    }
    return rows;
}

}  // namespace demo
