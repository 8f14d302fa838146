#pragma once
// What the window's handlers ask of the driller while drilling mode runs (`Engines::runningDriller`): the
// readings a new report starts from, and the values of its two working records that a handler has just
// rewritten in the data file under it, so that the next depth steps carry the file's values on. The
// driller answers (drilling/driller.h).
#include <cstdint>
#include <optional>

namespace wellfile {
struct LagRecord;
struct WITSRECORD;
}  // namespace wellfile

namespace app {

class RunningDriller {
public:
    virtual ~RunningDriller() = default;
    // The depth whose returns are at the surface now, and the rate of penetration in units per hour.
    virtual float LagDepth() const = 0;
    virtual std::int32_t Rate() const = 0;
    // The lag in pump strokes while the lag follows them; the lag time in minutes while the drilling
    // time runs.
    virtual std::optional<float> LagStrokes() const = 0;
    virtual std::optional<float> LagMinutes() const = 0;
    // The lag settings and the live WITS values the driller works with.
    virtual const wellfile::LagRecord& Lag() const = 0;
    virtual const wellfile::WITSRECORD& Live() const = 0;

    // Test value `index` (hot wire, C1..nC5) of both working records.
    virtual void SetTestGas(int index, float value) = 0;
    // Neither working record marks sliding.
    virtual void ClearSlide() = 0;
};

}  // namespace app
