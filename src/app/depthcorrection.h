#pragma once
// Correcting and shifting the depths of the open well's data file: Correct File Depth moves the last
// depth by appending or cutting records (the WITS link calls it too, with its hole depth), Adjust File
// Depth shifts every depth of the well and of its side files by a whole number of units.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace app {

struct LogState;
struct WellServices;

// Moves the file's last depth to `newDepth`; 0 asks the user. With `limitStep` the correction is held
// to 50 units either way (the WITS link's call). Returns 1 when the file was changed, or the
// correction was exactly one unit (handed to drilling as a pending step while drilling); else 0.
int CorrectFileDepth(LogState& log, const WellServices& services, float newDepth, int limitStep);

// The limits of a correction: down to 0 in the office, -100 while drilling or in a scratch well; up
// to 200, 20,000 for profile 2.
struct CorrectionLimits {
    float lower = 0;
    float upper = 200;
};
CorrectionLimits CorrectionLimitsOf(const LogState& log);

// Adjust File Depth: asks for the shift and moves the data file, the ".svx", ".fit", ".mem" and ".hxt"
// depths, the tops, the show intervals and the e-log offset by it.
void AdjustFileDepth(LogState& log, const WellServices& services);

// The ".svx" image with its depths shifted by d: the first record's depth moves by d, every later one
// is one deeper than the one before.
QByteArray ShiftCustomDataDepths(const QByteArray& svx, std::int32_t d);

// Moves the well's tops (saved, Tops menu rebuilt) and its show intervals by `move`, which maps a depth
// to its new depth; an unused top (depth 0) stays. A moved interval is written " %5d to %5d", only the
// intervals of the ".sho" change, and the show marks of the log are read again.
void MoveTopsAndShows(LogState& log, const WellServices& services,
                      const std::function<std::int32_t(std::int32_t)>& move);

// The shift typed into Adjust File Depth: a whole number, else nothing.
std::optional<std::int32_t> ParseDepthShift(const QString& text);

}  // namespace app
