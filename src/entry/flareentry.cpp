#include "entry/flareentry.h"

#include "platform/numbers.h"
#include "platform/text.h"

#include <algorithm>
#include <limits>

namespace entry {

namespace {

using wellfile::RECORD;

constexpr RecordField kFlareFields[] = {{358, 2}, {366, 15}, {348, 4}};

// A typed flare length: its leading whole number, held within what the record's field takes.
std::uint16_t TypedFlareLength(const QString& text)
{
    const int n = platform::LeadingInt(text.toStdString());
    return std::uint16_t(std::clamp(n, 0, int(std::numeric_limits<std::uint16_t>::max())));
}

}  // namespace

int FlareReadCount(int logFormat) { return logFormat == 16 ? 66 : 71; }

std::span<const RecordField> FlareFields() { return kFlareFields; }

QString FlarePrompt(FlareMode mode, std::int32_t from, std::int32_t to)
{
    const char* what = "flare length";
    switch (mode) {
    case FlareMode::Length: break;
    case FlareMode::AirPressure: what = "AP"; break;
    case FlareMode::MudWeight: what = "Mud Wt"; break;
    case FlareMode::GainLoss: what = "Gain"; break;
    }
    return QStringLiteral("Enter %1 for %2 to %3").arg(QLatin1String(what)).arg(from).arg(to);
}

void SetFlareText(RECORD& r, const QString& text)
{
    platform::SetFieldText(r.shortText, platform::ToCp1252(text).toStdString());
}

FlareEntry::FlareEntry(std::vector<RECORD>& buffer, std::int32_t lastDepth, int firstRowY, int rowHeight,
                       std::int32_t& rowCounter)
    : buffer_(buffer), lastDepth_(lastDepth), firstRowY_(firstRowY), rowHeight_(rowHeight), rowCounter_(rowCounter),
      y_(firstRowY)
{
    firstEditable_ = RecordAt(buffer_, kFlareFirstIndex).depth;
}

void FlareEntry::Step(int rows)
{
    index_ += rows;
    y_ += rows * rowHeight_;
    rowCounter_ += rows;
}

void FlareEntry::SetMode(FlareMode mode)
{
    mode_ = mode;
    rowCounter_ -= index_ - kFlareFirstIndex;
    index_ = kFlareFirstIndex;
    y_ = firstRowY_;
}

FlareKeyResult FlareEntry::Enter(const std::optional<QString>& value, const QString& flareText)
{
    const RECORD& above = RecordAt(buffer_, index_ - 1);
    // Nothing is stored past the records read: a record there would never be written back.
    RECORD* current = BufferRecord(buffer_, index_);
    if (!value || above.depth == 0 || above.depth == lastDepth_ || !current || current->depth == 0)
        return {};
    RECORD& r = *current;
    const bool empty = value->trimmed().isEmpty();
    if (mode_ == FlareMode::Length)
        r.flareLength = empty ? above.flareLength : TypedFlareLength(*value);
    else if (mode_ == FlareMode::MudWeight)
        r.mudWeightOut = empty ? above.mudWeightOut : float(platform::LeadingDouble(*value));
    SetFlareText(r, flareText.section(QLatin1Char('\n'), 0, 0));
    const FlareKeyResult stored{FlareOutcome::Stored, index_, y_};
    Step(1);
    return stored;
}

FlareKeyResult FlareEntry::Up()
{
    if (RecordAt(buffer_, index_ - 1).depth < firstEditable_)
        return {};
    Step(-1);
    return {FlareOutcome::Moved, index_, y_};
}

FlareKeyResult FlareEntry::Down()
{
    const std::int32_t depth = RecordAt(buffer_, index_).depth;
    if (depth == 0 || depth >= lastDepth_)
        return {};
    Step(1);
    return {FlareOutcome::Moved, index_, y_};
}

QString FlareEntry::Prompt() const
{
    return FlarePrompt(mode_, RecordAt(buffer_, index_ - 1).depth, RecordAt(buffer_, index_).depth);
}
QString FlareEntry::DepthText() const { return QString::number(RecordAt(buffer_, index_).depth); }
QString FlareEntry::FlareText() const { return platform::FieldString(RecordAt(buffer_, index_).shortText); }

QString FlareEntry::ValueText() const
{
    if (mode_ == FlareMode::MudWeight)
        return QString::fromStdString(platform::CFormat("%3.2f", double(RecordAt(buffer_, index_).mudWeightOut)));
    return QString::number(RecordAt(buffer_, index_).flareLength);
}

}  // namespace entry
