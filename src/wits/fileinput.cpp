// File-input mode: an outside chromatograph program leaves its results in two text files, which the
// link reads and deletes on its timer. The result file gives the total gas, the chromatograph file the
// components; each chromatograph file that brought a new value gets a line in the well's lag log.
#include "wits/wits.h"

#include "drilling/driller.h"
#include "gasmon/outsidefiles.h"
#include "gasmon/parsecolumn.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/openwell.h"

#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <vector>

namespace wits {

namespace {

constexpr qint64 kResultFileLimit = 5000;
constexpr qint64 kChromatographFileLimit = 1024;
constexpr std::size_t kResultTextLimit = 2047;
constexpr std::size_t kComponentLines = 7;
constexpr float kGasLimit = 100000.0f;

// The names of gas values 0 (total gas) to 7 as they are found in a line, tried in this order, and
// as they are written into the lag log.
constexpr std::array<const char*, 8> kFileNames = {"TGA", "C1", "C2", "C3", "IC4", "NC4", "IC5", "NC5"};
constexpr std::array<const char*, 8> kLogNames = {"HW", "C1", "C2", "C3", "IC4", "NC4", "IC5", "NC5"};

// The file's text, upper-cased; none when the file is not there to read or has a size outside 1 to
// `limit` bytes (deleted unread).
std::optional<std::string> TakeUpperText(const QString& path, qint64 limit)
{
    const gasmon::OutsideFile file = gasmon::TakeOutsideFile(path, limit, gasmon::Oversized::Delete);
    if (file.state != gasmon::OutsideFileState::Read)
        return std::nullopt;
    return gasmon::UpperText(std::string_view(file.text.constData(), std::size_t(file.text.size())));
}

// The lines of at most `limit` characters from "RUN" on, the line that holds it first; none without it.
std::vector<std::string_view> RunLines(std::string_view text, std::size_t limit = std::string_view::npos)
{
    const std::size_t run = text.find("RUN");
    return run == std::string_view::npos ? std::vector<std::string_view>{} : gasmon::TextLines(text.substr(run, limit));
}

}  // namespace

void Wits::ReadTgaResultFile()
{
    if (const std::optional<std::string> text = TakeUpperText(gasSettings_.resultFile, kResultFileLimit)) {
        const std::vector<std::string_view> lines = RunLines(*text, kResultTextLimit);
        if (lines.size() > 1) {
            const float total = std::max(gasmon::ParseColumn(lines[1], 4, kGasLimit, 0.0f), 0.0f);
            gas_.gasValues[0] = total;
            float& live = host.Link().gasMaxima[0];
            gas_.gasSinceBooking = true;
            if (live < total)
                live = total;
        }
    }
    if (QFileInfo::exists(gasSettings_.chromatographFile))
        ReadChromatographFile();
}

void Wits::ReadChromatographFile()
{
    if (!QFileInfo::exists(gasSettings_.chromatographFile))
        return;
    const std::optional<std::string> text = TakeUpperText(gasSettings_.chromatographFile, kChromatographFileLimit);
    if (!text)
        return;
    // The components are those of this file alone; the total gas stays.
    std::fill(gas_.gasValues.begin() + 1, gas_.gasValues.begin() + 8, 0.0f);
    const std::vector<std::string_view> lines = RunLines(*text);
    if (lines.empty())
        return;

    app::WitsLinkState& link = host.Link();
    std::string logText;
    bool newValue = false;
    std::size_t index = 1;
    for (std::size_t n = 1; n < lines.size() && n <= kComponentLines; ++n) {
        const std::string_view line = lines[n];
        const float v = gasmon::ParseColumn(line, 3, kGasLimit, 0.0f);
        // A line that names no component takes the one of the line before.
        const auto named = std::find_if(kFileNames.begin(), kFileNames.end(),
                                        [line](const char* name) { return line.find(name) != std::string_view::npos; });
        if (named != kFileNames.end())
            index = std::size_t(named - kFileNames.begin());
        gas_.gasValues[index] = std::max(v, 0.0f);
        link.gasMaxima[index] = v;
        link.liveValues2[index] = v;
        if (v > 0 && index > 0)
            newValue = true;
        logText += platform::CFormat("%s =%-5.0f", kLogNames[index], double(gas_.gasValues[index]));
    }
    // Without C1 the heavier components are noise.
    if (gas_.gasValues[1] == 0)
        std::fill(gas_.gasValues.begin() + 2, gas_.gasValues.begin() + 8, 0.0f);
    std::copy(gas_.gasValues.begin() + 1, gas_.gasValues.begin() + 8, gas_.componentsToSend.begin());
    if (newValue) {
        ComputeGasShares();
        AppendLagLog(logText);
    }
}

void Wits::AppendLagLog(std::string_view text)
{
    const QDateTime now = platform::LocalTime();
    const QDate date = now.date();
    const QTime time = now.time();
    const float lagDepth = host.Driller() ? host.Driller()->LagDepth() : 0.0f;
    std::string line = platform::CFormat("TGA =%d  ", TruncInt(gas_.gasValues[0]));
    line += text;
    line += platform::CFormat("@%d-%02d-%02d_%02d:%02d:%02d lag to %d", date.month(), date.day(), date.year() - 2000,
                              time.hour(), time.minute(), time.second(), TruncInt(lagDepth));
    line += "\n\r";
    const wellfile::OpenWell& well = host.Well();
    gasmon::AppendToLog(platform::JoinPath(well.dataFolder, well.wellName + QStringLiteral("-sri.txt")),
                        QByteArray::fromStdString(line));
}

}  // namespace wits
