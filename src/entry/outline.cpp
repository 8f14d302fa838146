#include "entry/outline.h"

#include "wellfile/datafile.h"
#include "wellfile/record.h"

#include <algorithm>

namespace entry {

OutlineRefusal CheckOutlineInterval(const wellfile::OpenWell& well, std::int32_t top, std::int32_t bottom)
{
    const std::int64_t first = well.fileTopDepth, last = well.fileBottomDepth;
    if (top < first || top > last - kOutlineMinimum || bottom < top || bottom > last)
        return OutlineRefusal::OutOfRange;
    if (std::int64_t(bottom) - top < kOutlineMinimum)
        return OutlineRefusal::TooShort;
    return OutlineRefusal::None;
}

std::uint16_t OutlineCharCode(char c)
{
    return std::uint16_t(std::int16_t(static_cast<signed char>(c)));
}

std::vector<std::uint16_t> OutlineCodes(int records, std::string_view text)
{
    if (records <= 0)
        return {};
    std::vector<std::uint16_t> codes(std::size_t(records), OUTLINE_SIDE);
    const int room = std::max(records - 2, 0);
    const int length = int(std::min<std::size_t>(text.size(), std::size_t(room)));
    const int pad = std::max((records - length) / 2, 1);
    for (int k = 0; k < length; ++k)
        codes[std::size_t(pad + k)] = OutlineCharCode(text[std::size_t(k)]);
    codes.front() = OUTLINE_START;
    if (records > 1)
        codes.back() = OUTLINE_END;
    return codes;
}

int WriteOutline(wellfile::OpenWell& well, const QString& path, std::int32_t top, std::int32_t bottom,
    OutlinePosition position, std::string_view text, bool erase)
{
    const std::int64_t step = std::max(well.depthStep, 1);
    const std::int64_t wanted = (std::int64_t(bottom) - top) / step;
    const std::int64_t index = (std::int64_t(top) - well.fileTopDepth) / step + 1;
    const std::int64_t span = std::int64_t(well.fileBottomDepth) - well.fileTopDepth + 1;
    if (wanted <= 0 || index < 0 || index > INT32_MAX)
        return 0;
    const int count = int(std::min(wanted, span));
    std::vector<wellfile::RECORD> records(std::size_t(count) + 1);  // one more takes the end mark
    const int read = wellfile::ReadRecords(well, records, path, int(index), count);
    if (read <= 0)
        return 0;
    const std::vector<std::uint16_t> codes
        = erase ? std::vector<std::uint16_t>(std::size_t(read), OUTLINE_NONE) : OutlineCodes(read, text);
    for (int k = 0; k < read; ++k) {
        wellfile::RECORD& r = records[std::size_t(k)];
        if (position == OutlinePosition::Wide)
            r.outlineWide = codes[std::size_t(k)];
        else
            r.outlineNarrow = codes[std::size_t(k)];
    }
    return wellfile::SaveRecords(
        well, std::span<const wellfile::RECORD>(records.data(), std::size_t(read)), path, int(index), read);
}

}  // namespace entry
