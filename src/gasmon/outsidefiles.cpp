#include "gasmon/outsidefiles.h"

#include "gasmon/parsecolumn.h"
#include "platform/text.h"
#include "wellfile/datesuffix.h"
#include "wellfile/deletefiles.h"

#include <QFile>

#include <algorithm>
#include <string_view>
#include <vector>

namespace gasmon {

namespace {

// The component names of an SRI file, in the order they are tried (components 1 to 7).
constexpr std::array<const char*, 7> kSriNames = {"C1", "C2", "C3", "IC4", "NC4", "IC5", "NC5"};
// Labels in the result text; the extra channel 8 has none.
constexpr std::array<const char*, 9> kSriLabels = {"", "C1", "C2", "C3", "IC4", "NC4", "IC5", "NC5", ""};
// Where the values of a BASELINE line begin when it names no "CHM".
constexpr std::size_t kBaselineValueColumn = 68;

constexpr float kSriMaximum = 1000000.0f;

std::string UpperFileText(const QByteArray& file)
{
    return gasmon::UpperText(std::string_view(file.constData(), std::size_t(file.size())));
}

void ClearComponents(IntegratorValues& v)
{
    std::fill(v.peaks.begin() + 1, v.peaks.begin() + 8, 0.0f);
    v.extra = 0;
}

}  // namespace

QString DailyExportSuffix(const QDate& today)
{
    return QString::fromStdString(platform::CFormat("_%d%02d%02d", today.year(), today.month(), today.day()));
}

QString ExportFileName(const QString& current, const QString& installFolder, const QDate& today)
{
    const QString suffix = DailyExportSuffix(today);
    const QString name = current.isEmpty() ? installFolder + QStringLiteral("SKYCHROMEXPORT") + suffix + QStringLiteral(".txt")
                                           : current;
    // Names from the settings may come from a Windows station: either slash ends the folder.
    const qsizetype slash = std::max(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\'));
    const QString folder = name.left(slash + 1);
    QString base = name.mid(slash + 1);
    const qsizetype dot = base.lastIndexOf(u'.');
    if (dot >= 0)
        base.truncate(dot);
    // The first run of characters other than "_"; a base made only of them stays as it is.
    qsizetype start = 0;
    while (start < base.size() && base[start] == u'_')
        ++start;
    if (start < base.size()) {
        qsizetype end = base.indexOf(u'_', start);
        if (end < 0)
            end = base.size();
        base = base.mid(start, end - start);
    }
    return folder + base + suffix + QStringLiteral(".txt");
}

OutsideFile TakeOutsideFile(const QString& path, qint64 limit, Oversized oversized)
{
    OutsideFile result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    result.text = file.read(limit + 1);
    file.close();
    if (result.text.isEmpty()) {
        wellfile::DeleteFiles(path);
        result.state = OutsideFileState::Empty;
        return result;
    }
    if (result.text.size() > limit) {
        result.text.clear();
        if (oversized == Oversized::Delete) {
            wellfile::DeleteFiles(path);
        } else {
            const QString aside = path + QStringLiteral(".rej");
            wellfile::DeleteFiles(aside);
            QFile::rename(path, aside);
        }
        result.state = OutsideFileState::Oversized;
        return result;
    }
    wellfile::DeleteFiles(path);
    result.state = OutsideFileState::Read;
    return result;
}

SriResult ReadSriText(const QByteArray& file, const IntegratorValues& kept)
{
    SriResult r;
    r.values = kept;
    ClearComponents(r.values);
    const std::string text = UpperFileText(file);
    const std::size_t run = text.find("RUN");
    if (run == std::string::npos)
        return r;
    r.hasRun = true;
    const std::vector<std::string_view> lines = TextLines(std::string_view(text).substr(run));
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const float value = ParseColumn(line, 3, kSriMaximum, 0.0f);
        std::size_t k = 8;
        for (std::size_t n = 0; n < kSriNames.size(); ++n)
            if (line.find(kSriNames[n]) != std::string_view::npos) {
                k = n + 1;
                break;
            }
        r.values.peaks[k] = std::max(value, 0.0f);
        if (k == 7)
            r.values.extra = r.values.peaks[k];
        r.text += platform::CFormat("%s =%-6.0f  ", kSriLabels[k], double(r.values.peaks[k]));
    }
    // Without C1 the heavier components are noise; NC5 is kept.
    if (r.values.peaks[1] == 0) {
        std::fill(r.values.peaks.begin() + 2, r.values.peaks.begin() + 7, 0.0f);
        r.values.extra = 0;
    }
    return r;
}

BaselineResult ReadBaselineText(const QByteArray& file, const IntegratorValues& kept, float factor)
{
    BaselineResult r;
    r.values = kept;
    const std::string text = UpperFileText(file);
    const std::size_t first = text.find_first_not_of('\n');
    if (first == std::string::npos)
        return r;
    const std::string_view line = std::string_view(text).substr(first, text.find('\n', first) - first);
    r.hasLine = true;
    ClearComponents(r.values);

    std::size_t at = line.find("CHM");
    if (at != std::string_view::npos)
        at += 3;
    else
        at = kBaselineValueColumn;
    // A line too short to reach its values column gives none.
    if (at >= line.size())
        return r;
    while (at < line.size() && line[at] == ' ')
        ++at;
    while (at < line.size() && !(line[at] >= '0' && line[at] <= '9'))
        ++at;

    std::string_view rest = line.substr(at);
    for (int k = 1; k <= 9 && !rest.empty(); ++k) {
        const std::size_t end = std::min(rest.find('%'), rest.size());
        const float v = std::max(ReadScaledDigits(rest.substr(0, end)), 0.0f);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (k <= 8)
            r.values.peaks[std::size_t(k)] = v;
        else
            r.values.extra = v;
        if (k == 7)
            r.values.extra = v;
    }
    if (factor > 0) {
        for (int k = 1; k <= 6; ++k)
            r.values.peaks[std::size_t(k)] *= factor;
        r.values.extra *= factor;
    }
    return r;
}

QByteArray SriLogLine(const std::string& resultText, const QDateTime& now)
{
    const QTime t = now.time();
    QByteArray line = QByteArray::fromStdString(resultText);
    line += wellfile::DateSuffix(now.date()).toLatin1();
    line += QByteArray::fromStdString(platform::CFormat("_%02d:%02d:%02d", t.hour(), t.minute(), t.second()));
    line += "\r\n\r";
    return line;
}

QByteArray BaselineLogLine(const QByteArray& file, int sampleTotalGas, int lagDepth, int bottomDepth)
{
    QByteArray line = file.left(file.size() - 1);
    line += QByteArray::fromStdString(platform::CFormat("SHW=%d at %d %d ", sampleTotalGas, lagDepth, bottomDepth));
    return line;
}

bool AppendToLog(const QString& path, const QByteArray& bytes)
{
    QFile log(path);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    return log.write(bytes) == bytes.size();
}

}  // namespace gasmon
