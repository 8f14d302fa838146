#include "layout/scaleinterval.h"

#include "platform/services.h"
#include "wellfile/datafile.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <vector>

namespace layout {

int WriteScaleInterval(wellfile::OpenWell& well, ScaleField field, std::uint16_t code, std::int32_t from,
                       std::int32_t to)
{
    const std::int64_t step = well.depthStep > 0 ? well.depthStep : 1;
    const QString& path = well.dataFileName;
    // The records the file really holds bound the run as much as its stored depths do.
    const std::int64_t lastIndex = std::min<std::int64_t>((std::int64_t(well.fileBottomDepth) - well.fileTopDepth) / step,
                                                          wellfile::RecordsInDataFile(path) - 1);
    const std::int64_t first = (std::int64_t(from) - well.fileTopDepth) / step;
    if (from < well.fileTopDepth || from > well.fileBottomDepth || first > lastIndex) {
        platform::MessageBox(QStringLiteral("Start Value out of Range"), QStringLiteral("Error"), platform::MB_OK);
        return 0;
    }
    if (to < from)
        to = well.fileBottomDepth;
    const std::int64_t last = std::min(first + (std::int64_t(to) - from) / step, lastIndex);
    const int count = int(last - first + 1);

    std::vector<wellfile::RECORD> run(std::size_t(count) + 1);  // ReadRecords marks the end after the run
    const int got = wellfile::ReadRecords(well, run, path, int(first), count);
    if (got <= 0)
        return 0;
    for (int k = 0; k < got; ++k)
        std::memcpy(reinterpret_cast<char*>(&run[std::size_t(k)]) + int(field), &code, sizeof code);
    return wellfile::SaveRecords(well, std::span<const wellfile::RECORD>(run.data(), std::size_t(got)), path,
                                 int(first), got);
}

}  // namespace layout
