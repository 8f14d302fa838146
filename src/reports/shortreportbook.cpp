#include "reports/shortreportbook.h"

#include "platform/numbers.h"
#include "platform/text.h"
#include "reports/reportfields.h"
#include "reports/shortreports.h"

#include <QFileInfo>

#include <algorithm>

namespace reports {

namespace {

constexpr int kJump = 5;
constexpr std::int32_t kShallowMargin = 50;
constexpr std::int32_t kShownAboveLast = 20;

}  // namespace

bool LoadShortReportBook(const QString& path, ShortReportBook& book)
{
    book = ShortReportBook{};
    if (!QFileInfo(path).isFile()) {
        book.reports.assign(1, wellfile::QREPORT{});
        book.count = 1;
        book.prefill = true;
        return true;
    }
    std::optional<std::vector<wellfile::QREPORT>> read = ReadShortReportFile(path);
    if (!read)
        return false;
    book.count = int(read->size());
    book.reports = std::move(*read);
    book.reports.resize(std::size_t(book.count) + 2);
    return true;
}

void OpenShortReportBook(ShortReportBook& book, int start, std::int32_t viewTop)
{
    book.current = std::max(book.count - 1, 0);
    if (start < 1) {
        for (int i = 0; i < book.count - 1; ++i) {
            if (book.reports[std::size_t(i)].depth >= viewTop) {
                book.current = i;
                break;
            }
        }
    } else {
        // A start from the window's copy of the reports may lie past this file's end.
        book.current = std::clamp(start, 0, std::max(book.count - 1, 0));
    }
    if (book.current > 0)
        SortShortReports(std::span<wellfile::QREPORT>(book.reports.data(), std::size_t(book.count)));
}

std::optional<int> ShortReportStep(int index, int count, bool forward, bool ctrl)
{
    if (forward ? index >= count - 1 : index <= 0)
        return std::nullopt;
    const bool jump = ctrl && (forward ? index < count - kJump : index > kJump);
    const int step = jump ? kJump : 1;
    return forward ? index + step : index - step;
}

void NewShortReport(ShortReportBook& book)
{
    book.adding = true;
    book.addedFrom = book.current;
    const wellfile::QREPORT copy = book.Current();
    ++book.count;
    if (book.reports.size() < std::size_t(book.count))
        book.reports.resize(std::size_t(book.count) + 1);
    book.current = std::max(book.count - 1, 0);
    wellfile::QREPORT& added = book.Current();
    added = copy;
    added.number = book.current;
    added.mechanicalToHorz = 0;
    added.mudToHorz = 0;
}

ReportRemoval RemoveShortReport(ShortReportBook& book)
{
    if (book.count <= 1) {
        book.count = 0;
        return ReportRemoval::Only;
    }
    if (book.current >= book.count - 1) {
        --book.count;
        --book.current;
        return ReportRemoval::Last;
    }
    for (int i = book.current; i < book.count - 1; ++i) {
        book.reports[std::size_t(i)] = book.reports[std::size_t(i) + 1];
        book.reports[std::size_t(i)].number -= 1;
    }
    book.reports[std::size_t(book.count) - 1] = wellfile::QREPORT{};
    --book.count;
    return ReportRemoval::Middle;
}

bool ShortReportDepthAllowed(std::int32_t depth, std::int32_t firstDepth, std::int32_t lastDepth)
{
    // The typed depth and, for an odd one, the even depth after it must both lie in the range.
    const std::int64_t even = std::int64_t(depth) + (depth % 2 != 0 ? 1 : 0);
    return even <= lastDepth && depth >= std::int64_t(firstDepth) + kShallowMargin;
}

std::int32_t ShownShortReportDepth(std::int32_t depth, std::int32_t firstDepth, std::int32_t lastDepth)
{
    if (depth > lastDepth)
        return lastDepth - kShownAboveLast;
    if (depth < firstDepth + kShallowMargin)
        return firstDepth + kShallowMargin;
    return depth;
}

void PrefillShortReport(wellfile::QREPORT& r, const wellfile::REPORTEX& daily)
{
    r.depth = platform::Whole(daily.depth);
    wellfile::CopyReportText(r.wob, daily.weightOnBit);
    wellfile::SetReportText(r.rpm, platform::CFormat("%d", int(daily.rpm)));
    wellfile::SetReportText(r.pumpPressure, platform::CFormat("%d", int(daily.pumpPressure)));
    wellfile::SetReportText(r.spm, platform::CFormat("%d", int(daily.spm)));
    wellfile::CopyReportText(r.weightOut, daily.mudWeight);
    wellfile::CopyReportText(r.vis, daily.viscosity);
    wellfile::CopyReportText(r.ph, daily.ph);
    wellfile::CopyReportText(r.filtrate, daily.filtrate);
    wellfile::CopyReportText(r.chlorides, daily.chlorides);
    wellfile::CopyReportText(r.solids, daily.solids);
    wellfile::CopyReportText(r.filterCake, daily.filterCake);
    wellfile::SetReportText(r.yp, platform::CFormat("%d", int(daily.yieldPoint)));
    wellfile::SetReportText(r.pv, platform::CFormat("%d", int(daily.plasticViscosity)));
    r.mechanicalSlot = 0;
    r.mudSlot = 0;
    r.mechanicalFrame = 0;
    r.mudFrame = 0;
    r.mechanicalOneInch = 0;
    r.mudOneInch = 0;
    r.type = 0;
}

}  // namespace reports
