#include "entry/topsedit.h"

#include "platform/folders.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/record.h"
#include "wellfile/wellheader.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace entry {

int SortTops(std::vector<wellfile::TOPSEX>& tops, int follow)
{
    std::vector<std::size_t> order(tops.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&tops](std::size_t a, std::size_t b) { return tops[a].depth < tops[b].depth; });
    std::vector<wellfile::TOPSEX> sorted;
    sorted.reserve(tops.size());
    int moved = -1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(tops[order[i]]);
        sorted.back().number = std::int32_t(i + 1);
        if (int(order[i]) == follow)
            moved = int(i);
    }
    tops = std::move(sorted);
    return moved;
}

std::optional<std::vector<wellfile::TOPSEX>> ReadTops(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        platform::MessageBox(QStringLiteral("Read Tops failed"), QString(), platform::MB_OK);
        return std::nullopt;
    }
    std::vector<wellfile::TOPSEX> tops(std::size_t(f.size() / wellfile::kTopSize));
    const qint64 bytes = qint64(tops.size()) * wellfile::kTopSize;
    const qint64 got = f.read(reinterpret_cast<char*>(tops.data()), bytes);
    // A file that shrank while read keeps the records read whole.
    tops.resize(std::size_t(std::max<qint64>(got, 0) / wellfile::kTopSize));
    return tops;
}

int SaveTops(TopsFiles& files, std::vector<wellfile::TOPSEX>& tops, int* follow)
{
    const int moved = SortTops(tops, follow ? *follow : -1);
    if (follow)
        *follow = moved;
    if (!wellfile::SaveTops(files.place, files.tops, tops)) {
        platform::MessageBox(wellfile::TopsxFilePath(files.place, files.tops), QStringLiteral("Save Tops failed"),
                             platform::MB_OK);
        return 0;
    }
    if (!tops.empty() && files.place.drilling && files.copyTopsOut && files.copyWellFileOut)
        files.copyWellFileOut(QStringLiteral(".topx"));
    return 1;
}

void SendTopsCopy(const TopsFiles& files)
{
    if (!files.sendOption)
        return;
    const QString saved = wellfile::TopsxFilePath(files.place, files.tops);
    if (!QFileInfo::exists(saved))
        return;
    const QString folder = platform::JoinPath(files.place.dataFolder, QStringLiteral("sendfile"));
    QDir().mkpath(folder);
    wellfile::CopyFileReplacing(saved, platform::JoinPath(folder, QFileInfo(saved).fileName()));
}

std::string PrintedMark(const std::string& text, bool printed)
{
    const bool marked = !text.empty() && text.front() == '<';
    if (printed)
        return marked ? text.substr(1) : text;
    if (marked)
        return text;
    constexpr std::size_t kRoom = sizeof(wellfile::TOPSEX::text) - 2;  // the mark and the NUL
    return '<' + text.substr(0, kRoom);
}

int TvdWindowIndex(std::int32_t depth, std::int32_t firstDepth, std::int32_t depthStep)
{
    const std::int32_t step = depthStep > 0 ? depthStep : 1;
    return std::max((depth - kTvdReach - firstDepth) / step, 0);
}

TopTvd TopTvdFrom(std::span<const wellfile::RECORD> window, std::int32_t depth, std::int32_t firstDepth,
                  std::int32_t lastDepth)
{
    // The records read end at a record of depth 0.
    std::size_t n = 0;
    while (n < window.size() && window[n].depth != 0)
        ++n;
    auto firstAtOrBelow = [&](std::int32_t d) {
        std::size_t i = 0;
        while (i < n && window[i].depth < d)
            ++i;
        return i;
    };
    auto hasTvd = [&](std::size_t i) {
        const float t = window[i].tvd;
        return std::isfinite(t) && t > 0;
    };
    const float most = float(depth);
    auto missing = [](TopTvdMissing why) {
        TopTvd t;
        t.missing = why;
        return t;
    };

    std::size_t i = firstAtOrBelow(depth - 2);
    while (i < n && !hasTvd(i) && window[i].depth < depth + 2 && window[i].depth < lastDepth)
        ++i;
    if (i < n && hasTvd(i) && window[i].depth <= depth + 2)
        return {std::min(float(window[i].tvd), most), true};

    std::size_t above = firstAtOrBelow(depth);
    if (above >= n)
        above = n;  // the window ends above the top: its last record is the nearest
    if (above == 0)
        return missing(TopTvdMissing::NoStationAbove);
    --above;
    while (!hasTvd(above) && above > 0 && window[above].depth > firstDepth + 50)
        --above;
    if (!hasTvd(above))
        return missing(TopTvdMissing::NoStationAbove);

    std::size_t below = firstAtOrBelow(depth + 2);
    while (below < n && !hasTvd(below) && window[below].depth < depth + kTvdReach && window[below].depth < lastDepth)
        ++below;
    if (below >= n || !hasTvd(below))
        return missing(TopTvdMissing::NoStationBelow);

    const float tvdAbove = window[above].tvd;
    const float tvdBelow = window[below].tvd;
    const std::int32_t span = window[below].depth - window[above].depth;
    if (span == 0)
        return missing(TopTvdMissing::NoStationBelow);
    const float tvd = float(depth - window[above].depth) * (tvdBelow - tvdAbove) / float(span) + tvdAbove;
    if (tvd > float(lastDepth))
        return missing(TopTvdMissing::PastLastDepth);
    return {std::min(tvd, most), false};
}

QString MissingTvdText(const TopTvd& tvd, std::int32_t depth)
{
    const char* why = "its TVD would lie past the file's last depth";
    if (tvd.missing == TopTvdMissing::NoStationAbove)
        why = "no survey station with a TVD above it";
    else if (tvd.missing == TopTvdMissing::NoStationBelow)
        why = "no survey station with a TVD within 200 below it";
    return QStringLiteral("No TVD for the top at %1: %2.\nIt stays marked and is drawn on the horizontal view once "
                          "a survey gives its TVD and it is saved again.")
        .arg(depth)
        .arg(QLatin1String(why));
}

QByteArray TopsListText(const std::vector<wellfile::TOPSEX>& tops, int profile, const wellfile::WellHeader& h)
{
    using platform::CFormat;
    using platform::FieldText;
    std::string out;
    if (profile == 131) {
        const std::string manual = "Manual Entry";
        out += CFormat("Well: %s\n", FieldText(h.well).c_str());
        out += CFormat("%s\n", FieldText(h.location).c_str());
        if (!FieldText(h.location2).empty())
            out += CFormat("%s\n", FieldText(h.location2).c_str());
        out += CFormat("%s Co., %s\n", FieldText(h.county).c_str(), FieldText(h.state).c_str());
        out += CFormat("API #  %s\n", FieldText(h.apiNumber).c_str());
        out += CFormat("Elevation:  %s est based on surrounding surveyed locations\n", FieldText(h.kellyBushing).c_str());
        out += CFormat("Drilling Contractor: %s\n", FieldText(h.rig).c_str());
        out += CFormat("Spud: %s\n", FieldText(h.spudDate).c_str());
        out += CFormat("Surface Casing: %s\n", manual.c_str());
        out += CFormat("Under Surface: %s\n", manual.c_str());
        out += CFormat("Drilling fluid: %s\n", manual.c_str());
        out += CFormat("Production bore hole: %s\n", manual.c_str());
        out += CFormat("Rotary Total Depth (RTD): %s\n", FieldText(h.intervalTo).c_str());
        out += CFormat("Geophysical E-Log(s): %s\n", manual.c_str());
        out += CFormat("Production Casing: %s\n", manual.c_str());
        out += CFormat("%s    %s  %s  %s\n", " Formation Member ", " DL/SPL Tops ", " E-Log (Rdd) ", " Datum (MSL) ");
        const double elevation = platform::LeadingDouble(FieldText(h.kellyBushing));
        for (const wellfile::TOPSEX& t : tops) {
            const std::int32_t depth = t.depth;
            out += CFormat("     %-20s  %-6d     %-6d       %6.1f\n", FieldText(t.text).c_str(), depth, depth,
                           double(depth) - elevation);
        }
    } else {
        // The column line ends with its line: no blank is carried to the start of the first top's.
        out += CFormat("%s     %s       %s", " Number ", " Depth ", " Name \n");
        for (const wellfile::TOPSEX& t : tops) {
            const std::int32_t number = t.number, depth = t.depth;
            out += CFormat("     %-3d        %-6d   %s\n", number, depth, FieldText(t.text).c_str());
        }
    }
    return QByteArray::fromStdString(out);
}

TopsListResult PrintToFile(const QString& topsxPath, const QString& textPath, int profile,
                           const wellfile::WellHeader& header)
{
    if (!QFileInfo::exists(topsxPath))
        return TopsListResult::NoTops;
    const std::optional<std::vector<wellfile::TOPSEX>> tops = ReadTops(topsxPath);
    if (!tops)
        return TopsListResult::NoTops;
    const QByteArray text = TopsListText(*tops, profile, header);
    if (!wellfile::WriteWholeFile(textPath, text.constData(), std::size_t(text.size()))) {
        platform::MessageBox(QStringLiteral("FILE OPEN FAILED"), QStringLiteral("ERROR"), platform::MB_OK);
        return TopsListResult::OpenFailed;
    }
    return TopsListResult::Written;
}

}  // namespace entry
