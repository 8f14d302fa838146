#include "tracks/autolith.h"

#include <cmath>
#include <cstring>

namespace tracks {

namespace {

constexpr std::size_t kGammaCurve = 1;
constexpr std::size_t kDensityPorosityCurve = 2;
constexpr std::size_t kNeutronPorosityCurve = 3;
constexpr std::size_t kPeCurve = 7;

struct Limits {
    const ElogLithThresholds& t;
    float operator()(ElogRock rock, ElogLimit limit) const { return t[ElogLimitIndex(rock, limit)]; }
    // X in [lo, hi] (Within) and X in (lo, hi) (Between).
    bool Within(float x, ElogRock rock, ElogLimit lo, ElogLimit hi) const
    {
        return x >= (*this)(rock, lo) && x <= (*this)(rock, hi);
    }
    bool Between(float x, ElogRock rock, ElogLimit lo, ElogLimit hi) const
    {
        return x > (*this)(rock, lo) && x < (*this)(rock, hi);
    }
    bool PeIn(float pe, ElogRock rock) const { return Within(pe, rock, ElogLimit::MinPe, ElogLimit::MaxPe); }
    bool SepIn(float s, ElogRock rock) const
    {
        return Within(s, rock, ElogLimit::MinSeparation, ElogLimit::MaxSeparation);
    }
};

std::string Shaly(const Limits& L, float g, float pe, float s)
{
    using enum ElogRock;
    if (L.SepIn(s, Sand) || L.PeIn(pe, Sand))
        return L.PeIn(pe, Sand) ? "108SS" : "102SH";
    if (L.SepIn(s, Lime) || L.PeIn(pe, Lime))
        return L.PeIn(pe, Lime) ? "108LS" : "104SH";
    if (L.SepIn(s, Dolomite) || L.PeIn(pe, Dolomite))
        return L.PeIn(pe, Dolomite) ? "108DOL" : "101SH";
    return g > L(Shale, ElogLimit::MaxGamma) ? "100CS" : "100SH";
}

std::string Clean(const Limits& L, float g, float pe, float s)
{
    using enum ElogRock;
    if (L.PeIn(pe, Lime) || L.SepIn(s, Lime)) {
        if (g > L(Lime, ElogLimit::MaxGamma))
            return "108LS";
        return s < 0.0f ? "105LS" : "100LS";
    }
    if (L.PeIn(pe, Sand) || L.SepIn(s, Sand))
        return g > L(Sand, ElogLimit::MaxGamma) ? "108ss" : "100ss";
    // The dolomite's PE range excludes its limits here, unlike in the shaly test.
    if (L.Between(pe, Dolomite, ElogLimit::MinPe, ElogLimit::MaxPe) || L.SepIn(s, Dolomite)) {
        if (g > L(Dolomite, ElogLimit::MaxGamma) && s > L(Dolomite, ElogLimit::MaxSeparation))
            return "100sh";
        return "100dol";
    }
    if (L.PeIn(pe, Anhydrite)) {
        if (L.SepIn(s, Lime))
            return "100LS";
        // A row left at zero would make every PE of 0 anhydrite.
        if (L(Anhydrite, ElogLimit::MinPe) > 0.0f && L(Anhydrite, ElogLimit::MaxPe) > 0.0f)
            return "100AN";
        return "100bl";
    }
    if (L.Between(pe, Chert, ElogLimit::MinPe, ElogLimit::MaxPe))
        return "100cht";
    return "100bl";
}

}  // namespace

ElogLithThresholds DefaultElogLithThresholds()
{
    // min PE, max PE, min gamma, max gamma, min separation, max separation
    constexpr float rows[6][6] = {
        {4.9f, 5.2f, 2.0f, 30.0f, -2.0f, 4.0f},    // lime
        {3.0f, 3.3f, 14.0f, 40.0f, 8.0f, 30.0f},   // dolomite
        {1.7f, 2.4f, 15.0f, 30.0f, -7.0f, 0.0f},   // sand
        {3.2f, 3.8f, 60.0f, 200.0f, 13.0f, 30.0f}, // shale
        {5.0f, 5.05f, 8.0f, 15.0f, 15.0f, 30.0f},  // anhydrite
        {1.6f, 1.8f, 5.0f, 30.0f, -2.0f, 2.0f},    // chert
    };
    ElogLithThresholds t{};
    for (int r = 0; r < 6; ++r)
        for (int l = 0; l < 6; ++l)
            t[std::size_t(8 * r + 1 + l)] = rows[r][l];
    return t;
}

ElogLithThresholds ElogLithThresholdsOf(const wellfile::WellConfig& config)
{
    ElogLithThresholds t;
    static_assert(sizeof(t) == sizeof(config.elogLithThresholds));
    std::memcpy(t.data(), reinterpret_cast<const unsigned char*>(&config) + offsetof(wellfile::WellConfig, elogLithThresholds),
                sizeof(t));
    return t;
}

std::string AutoLithFromElog(const ElogRow& row, const ElogLithThresholds& thresholds)
{
    const float g = row[kGammaCurve];
    const float pe = row[kPeCurve];
    float s = row[kNeutronPorosityCurve] - row[kDensityPorosityCurve];
    // Porosities given as fractions: a separation whose whole part is 0 is taken in percent.
    if (std::trunc(s) == 0.0f)
        s *= 100.0f;
    if (pe > 0.0f && pe < 1.0f)
        return "100CO";
    const Limits limits{thresholds};
    if (g > limits(ElogRock::Shale, ElogLimit::MinGamma))
        return Shaly(limits, g, pe, s);
    return Clean(limits, g, pe, s);
}

AutomaticLith MakeAutomaticLith(const ElogView* curves, std::int32_t firstDepth, const ElogLithThresholds& thresholds)
{
    if (!curves || curves->rows.empty() || !curves->present[kPeCurve])
        return {};
    return [curves, firstDepth, thresholds](const wellfile::RECORD& rec) -> std::optional<std::string> {
        const ElogRow* row = curves->RowAt(rec.depth);
        if (!row || !(float(firstDepth) < (*row)[0]))
            return std::nullopt;
        return AutoLithFromElog(*row, thresholds);
    };
}

}  // namespace tracks
