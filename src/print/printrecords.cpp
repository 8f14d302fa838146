#include "print/printrecords.h"

#include "platform/services.h"
#include "wellfile/datafile.h"

#include <new>

namespace print {

std::optional<PrintRecords> ReadPrintRecords(wellfile::OpenWell& well, DepthRange range, int scaleKind)
{
    const int step = well.depthStep > 0 ? well.depthStep : 1;
    const RecordSpan span = PrintRecordSpan(range, well.fileTopDepth, step, scaleKind);
    PrintRecords out{{}, scaleKind == kPrintScaleTenFoot ? 6u : 1u, well.fileBottomDepth};
    const auto failed = [] {
        platform::MessageBox(QStringLiteral("Memory allocation error"), QStringLiteral("Printing Failure"));
        return std::nullopt;
    };
    if (span.BufferRecords() > kMaxPrintRecords)
        return failed();
    try {
        out.buffer.resize(static_cast<std::size_t>(span.BufferRecords()));
    } catch (const std::bad_alloc&) {
        return failed();
    }
    wellfile::ReadRecords(well, out.buffer, well.dataFileName, span.firstIndex, span.count);
    if (range.end > well.fileBottomDepth) {
        out.printBottomDepth = range.end;
        FillBlankRecords(out.buffer, range.end, step);
    }
    return out;
}

}  // namespace print
