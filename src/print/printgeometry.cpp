#include "print/printgeometry.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace print {

float PageLength(int pixels, int rowHeight)
{
    if (pixels <= 0 || rowHeight <= 0)
        return kExtraPageLength;
    return static_cast<float>(pixels) / static_cast<float>(rowHeight * 10);
}

MarginTables MarginTablesFor(int cx, int cy, bool twoAndHalfInch)
{
    MarginTables t;
    const auto fixed = [](int px) { return px == 3072 || px == 6144; };
    if (fixed(cx) || fixed(cy)) {
        t.pageClass = true;
        if (cx == 6144 || cy == 6144)
            t.yOffsets = {0, 24, 48, 12, 36};
    }
    if (twoAndHalfInch)
        for (int& y : t.yOffsets)
            y /= 2;
    return t;
}

int DstPages(int dstCount)
{
    return dstCount <= 0 ? 0 : (dstCount + 1) / 2;
}

int PrintEndDepth(int requestedEnd, int startDepth, int printBottomDepth)
{
    const int end = requestedEnd / 2 * 2;
    if (end > startDepth)
        return end;
    return std::min(startDepth + 150, printBottomDepth);
}

int UnitsPerLength(int scaleKind, bool dataAsText)
{
    if (dataAsText)
        return 12;
    return scaleKind == kPrintScaleTenFoot ? 50 : 10;
}

int RowsPerPage(int unitsPerLength, float pageLength, int scaleKind)
{
    const int rows = static_cast<int>(static_cast<float>(unitsPerLength) * pageLength) / 2 * 2;
    return scaleKind == kPrintScaleTenFoot ? rows / 5 : rows;
}

DepthRange PrintedRange(DepthRange asked, int firstDepth, int lastDepth, int scaleKind)
{
    DepthRange r = asked;
    r.start = std::max(r.start, firstDepth + 2);
    if (scaleKind > 2) {
        r.start = std::max(r.start, firstDepth + 10);
        while (r.start % 10 != 0 && r.start < lastDepth)
            ++r.start;
        while (r.end % 10 != 0 && r.end > firstDepth + 10)
            --r.end;
    }
    return r;
}

float LogLength(DepthRange range, int unitsPerLength, bool fullHeader, int showPages, int dstPages)
{
    float length = static_cast<float>(range.end - range.start) / static_cast<float>(unitsPerLength);
    if (fullHeader)
        length += kFullHeaderLength;
    return length + kExtraPageLength * static_cast<float>(showPages + dstPages);
}

int PageCount(float logLength, float pageLength, bool failed)
{
    if (failed || pageLength <= 0)
        return 0;
    int pages = static_cast<int>(logLength / pageLength);
    if (static_cast<float>(pages) * pageLength < logLength)
        ++pages;
    return std::max(pages, 1);
}

int LogPagesFor(int rows, int firstRows, int laterRows)
{
    const long long left = (long long)rows - std::max(firstRows, 0);
    if (left <= 0 || laterRows <= 0)
        return 1;
    return int(1 + (left + laterRows - 1) / laterRows);
}

int RowsOnPage(int rows, int topY, int pageHeight, int rowHeight)
{
    if (pageHeight <= 0 || rowHeight <= 0)
        return rows;
    return std::min(rows, std::max(0, (pageHeight - topY - rowHeight) / rowHeight));
}

bool RowOnPage(int y, int pageHeight, int rowHeight)
{
    return pageHeight <= 0 || y + 2 * rowHeight <= pageHeight;
}

QString PrintPdfName(const QString& dataFolder, const QString& wellName, int endDepth, int scaleKind,
                     bool horizontal)
{
    const char* suffix = scaleKind < 3 ? "-5inch" : scaleKind == kPrintScaleTenFoot ? "-1inch" : "-2inch";
    QString name = QStringLiteral("%1@%2%3").arg(wellName).arg(endDepth).arg(QLatin1String(suffix));
    if (horizontal)
        name += QStringLiteral("-horz");
    return QDir(dataFolder).filePath(QStringLiteral("sendfile/") + name + QStringLiteral(".pdf"));
}

bool IsPrintPdfName(const QString& fileName)
{
    static const QRegularExpression printName(QStringLiteral("^.+@-?\\d+-[125]inch(-horz)?\\.pdf$"),
                                              QRegularExpression::CaseInsensitiveOption);
    return printName.match(fileName).hasMatch();
}

RecordSpan PrintRecordSpan(DepthRange range, int firstDepth, int depthStep, int scaleKind)
{
    RecordSpan s;
    if (depthStep <= 0)
        return s;
    s.count = std::max(0, (range.end - range.start) / depthStep + 1) + (scaleKind > 2 ? 6 : 0);
    s.firstIndex = (range.start - firstDepth) / depthStep;
    if (scaleKind == kPrintScaleTenFoot)
        s.firstIndex -= 5;
    s.firstIndex = std::max(s.firstIndex, 0);
    return s;
}

int FillBlankRecords(std::span<wellfile::RECORD> buffer, int endDepth, int depthStep)
{
    if (buffer.empty() || buffer[0].depth == 0)
        return 0;
    std::size_t last = 0;
    while (last + 1 < buffer.size() && buffer[last + 1].depth == buffer[last].depth + depthStep)
        ++last;
    int filled = 0;
    for (std::size_t i = last + 1; i < buffer.size(); ++i) {
        const wellfile::RECORD& prev = buffer[i - 1];
        const int depth = prev.depth + 2;
        if (depth > endDepth)
            break;
        wellfile::RECORD blank;
        blank.depth = depth;
        blank.minutesScale = prev.minutesScale;
        blank.gasScale = prev.gasScale;
        blank.temperatureScale = prev.temperatureScale;
        blank.chromatographScale = prev.chromatographScale;
        blank.rateOdd = 0.1f;
        blank.rateOne = 0.1f;
        blank.rate2Ft = 0.1f;
        buffer[i] = blank;
        ++filled;
    }
    return filled;
}

}  // namespace print
