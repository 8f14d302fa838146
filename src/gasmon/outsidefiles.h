#pragma once
// The result files of an outside chromatograph integrator: their daily names, how a file is taken (read
// once and consumed), the two formats' component values and the lines of the well's text logs.
#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

#include <array>
#include <string>

namespace gasmon {

// The largest result files read; a larger one is not read.
constexpr qint64 kSriFileLimit = 1024;
constexpr qint64 kBaselineFileLimit = 200;

// "_" followed by year, month and day: "_20260115".
QString DailyExportSuffix(const QDate& today);

// The integrator file's name for `today`: the base name of `current` cut to its first run of
// characters other than "_", then today's suffix and ".txt", in the same folder. An empty `current`
// is `installFolder` + "SKYCHROMEXPORT_" + suffix + ".txt".
QString ExportFileName(const QString& current, const QString& installFolder, const QDate& today);

enum class OutsideFileState { Missing, Empty, Oversized, Read };

struct OutsideFile {
    OutsideFileState state = OutsideFileState::Missing;
    QByteArray text;  // when read
};

// What becomes of a file larger than its limit: moved aside unread to its path + ".rej" (an older one
// there is replaced), so that an integrator's result is never destroyed unseen, or deleted.
enum class Oversized { MoveAside, Delete };

// Takes the file at `path`: at most `limit` + 1 bytes are read whatever its size becomes meanwhile. A
// file read whole is deleted; an empty one too; a larger one as `oversized` says. A file that cannot
// be opened is Missing and left alone.
OutsideFile TakeOutsideFile(const QString& path, qint64 limit, Oversized oversized = Oversized::MoveAside);

// Component values of a result: peaks[k] for components k = 1 (C1) to 7 (NC5) and 8 (the extra
// channel); `extra` feeds the seventh fraction.
struct IntegratorValues {
    std::array<float, 9> peaks{};
    float extra = 0;
};

// The result of an SRI file (its "RUN" line and a line per component; the third column is the value).
// Without "RUN" only the cleared values are given. Without C1, components 2 to 6 and the extra value are
// 0 (the text still lists them as read).
struct SriResult {
    bool hasRun = false;
    IntegratorValues values;
    std::string text;  // "C1 =34      IC4 =7       ..." as read, for the log
};
// `kept` holds the peaks before the file: peak 8 stays unless a line sets it.
SriResult ReadSriText(const QByteArray& file, const IntegratorValues& kept);

// The values of a BASELINE file's first line; none when the file has no first line. `factor` (the
// chromatograph attenuator) scales peaks 1 to 6 and the extra value when above 0.
struct BaselineResult {
    bool hasLine = false;
    IntegratorValues values;
};
BaselineResult ReadBaselineText(const QByteArray& file, const IntegratorValues& kept, float factor);

// The SRI log's line: the result text, "@%d-%02d-%02d_%02d:%02d:%02d" of `now` and CR LF CR (the line
// end the logs of older stations have).
QByteArray SriLogLine(const std::string& resultText, const QDateTime& now);
// The BASELINE log's text: the file less its last character and "SHW=%d at %d %d ", no line end.
QByteArray BaselineLogLine(const QByteArray& file, int sampleTotalGas, int lagDepth, int bottomDepth);

// Appends `bytes` to the file at `path`; false when it cannot be opened or written.
bool AppendToLog(const QString& path, const QByteArray& bytes);

}  // namespace gasmon
