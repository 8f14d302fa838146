#include "elog/watersaturation.h"

#include "elog/curves.h"
#include "platform/numbers.h"
#include "platform/text.h"

#include <cmath>

namespace elog {

namespace {

float ValueAt(const CurveRecord& r, int slot) { return slot > 0 ? r.values[std::size_t(slot)] : 0.0f; }

bool Shown(std::span<const CurvePen> pens, int slot) { return std::size_t(slot) < pens.size() && pens[std::size_t(slot)].on; }

}  // namespace

double ArchieOf(double phi, double rt, double a, double m, double rw)
{
    const double sw = std::sqrt((a / std::pow(phi, m)) * (rw / rt));
    return std::isfinite(sw) ? sw : 0.0;
}

double ArchieSw(const CurveRecord& r)
{
    const int porosity = r.PorositySlot(), resistivity = r.ResistivitySlot();
    if (porosity == 0 || resistivity == 0)
        return 0.0;
    const double phi = r.values[std::size_t(porosity)], rt = r.values[std::size_t(resistivity)];
    if (phi < -0.05 || phi == 0.0 || rt < 0.1)
        return 0.0;
    return ArchieOf(phi, rt, r.values[SLOT_SWA], r.values[SLOT_SWM], r.values[SLOT_RW]);
}

std::vector<PorosityChoice> PorosityChoices(std::span<const CurvePen> pens)
{
    static const std::array<const char*, 4> kTexts{" Density ", " Neutron ", " Cross Plot ", " Sonic "};
    std::vector<PorosityChoice> out;
    for (int slot = SLOT_DENSITY_POR; slot <= SLOT_SONIC; ++slot)
        if (Shown(pens, slot))
            out.push_back({slot, QString::fromLatin1(kTexts[std::size_t(slot - SLOT_DENSITY_POR)])});
    return out;
}

std::int32_t ResistivitySlotFor(std::int32_t stored, std::span<const CurvePen> pens)
{
    if (stored >= SLOT_RES10 && stored <= SLOT_RES120)
        return stored;
    // The shallowest curve is not searched.
    for (int slot = SLOT_RES120; slot > SLOT_RES10; --slot)
        if (Shown(pens, slot))
            return slot;
    return stored;
}

QString ParameterText(float value, const char* fallback)
{
    return value <= 0.0f ? QString::fromLatin1(fallback) : QString::fromStdString(platform::CFormat("%1.2f", double(value)));
}

int ApplySwInterval(std::span<CurveRecord> records, std::int32_t lastDepth, const SwInterval& in)
{
    int changed = 0;
    for (CurveRecord& r : records) {
        const float depth = r.values[SLOT_DEPTH];
        if (depth < float(in.from))
            continue;
        if (!(depth < float(in.to) && depth < float(lastDepth)))
            break;
        r.values[SLOT_RW] = in.rw;
        r.values[SLOT_SWA] = in.a;
        r.values[SLOT_SWM] = in.m;
        r.values[SLOT_POR_CHOICE] = std::bit_cast<float>(in.porositySlot);
        r.values[SLOT_RES_CHOICE] = std::bit_cast<float>(in.resistivitySlot);
        const float phi = ValueAt(r, r.PorositySlot()), rt = ValueAt(r, r.ResistivitySlot());
        if (phi <= 0.0f || rt <= 0.0f) {
            r.values[SLOT_SW] = 1.0f;
            r.values[SLOT_BVW] = 0.0f;
        } else {
            const double sw = ArchieSw(r);
            r.values[SLOT_SW] = float(sw);
            r.values[SLOT_BVW] = float(sw * phi);
        }
        ++changed;
    }
    return changed;
}

QString SwTableRow(const CurveRecord& r, double sw)
{
    const double phi = ValueAt(r, r.PorositySlot()), rt = ValueAt(r, r.ResistivitySlot());
    return QString::fromStdString(platform::CFormat(
        "%5d              %4.2f                 %3.2f              %3.2f             %6.2f ",
        platform::Whole(r.values[SLOT_DEPTH]), sw, sw * phi, phi, rt));
}

}  // namespace elog
