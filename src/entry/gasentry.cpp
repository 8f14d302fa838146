#include "entry/gasentry.h"

#include "entry/entrybuffer.h"
#include "platform/numbers.h"
#include "platform/text.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>

namespace entry {

using wellfile::RECORD;

namespace {

// The first record typed into: the one after the start depth's (buffer record 11).
constexpr int kFirstIndex = kRowsAboveStart + 1;
constexpr std::int32_t kEntrySpan = 100;  // depth units one entry may walk
constexpr float kTotalGasAboveC1 = 2.0f;  // keeps the total-gas curve off the C1 curve

// A typed value as a record float: what does not fit is held at the largest float.
float Stored(double v) { return float(std::clamp(v, -double(FLT_MAX), double(FLT_MAX))); }

// A stored value shown as a whole number.

int CountLimit(bool totalGasFirst) { return totalGasFirst ? kGasComponents : kLastComponent; }

QString Format(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

int GasEntryCount(std::int32_t maxEntries, bool totalGasFirst)
{
    const int count = maxEntries < 1 ? 5 : int(std::min<std::int32_t>(maxEntries, kGasComponents));
    return std::min(count, CountLimit(totalGasFirst));
}

int SpinGasCount(int count, int delta, bool totalGasFirst)
{
    const int limit = CountLimit(totalGasFirst);
    const int next = count + delta;
    return next > limit ? 1 : next < 1 ? limit : next;
}

QString ComponentLabel(int component, int profile)
{
    static const char* const kLabels[kGasComponents] = {"TG",      "C1 ppm",  "C2 ppm",  "C3 ppm",
                                                        "IC4 ppm", "NC4 ppm", "IC5 ppm", "NC5 ppm"};
    if (component == 0 && profile == 134)
        return QStringLiteral("TG %");
    return QString::fromLatin1(kLabels[std::clamp(component, 0, kLastComponent)]);
}

QString ModeValueLabel(GasMode mode)
{
    switch (mode) {
    case GasMode::Co2: return QStringLiteral("CO2");
    case GasMode::MudOut: return QStringLiteral("Mud WT Out");
    case GasMode::MudIn: return QStringLiteral("Mud WT In");
    case GasMode::Custom: return QStringLiteral("Cust Data");
    case GasMode::Custom2: return QStringLiteral("Cust Data2");
    case GasMode::Gas: break;
    }
    return {};
}

QString ModeBoxLabel(GasMode mode)
{
    switch (mode) {
    case GasMode::Co2: return QStringLiteral("CO2");
    case GasMode::MudOut: return QStringLiteral("Mud Wt Out");
    case GasMode::MudIn: return QStringLiteral("Mud Wt In");
    case GasMode::Custom: return QStringLiteral("Custom");
    case GasMode::Custom2: return QStringLiteral("Custom2");
    case GasMode::Gas: break;
    }
    return {};
}

QString ModeBoxPrompt(GasMode mode, std::int32_t depth)
{
    switch (mode) {
    case GasMode::Co2: return Format(platform::CFormat("Enter CO2 for %5d", int(depth)));
    case GasMode::MudOut:
    case GasMode::MudIn: return Format(platform::CFormat("Enter WT for %5d", int(depth)));
    case GasMode::Custom:
    case GasMode::Custom2: return Format(platform::CFormat("Enter Data for %5d", int(depth)));
    case GasMode::Gas: break;
    }
    return {};
}

GasEntry::GasEntry(std::vector<RECORD>& buffer, const GasEntryOptions& options, std::int32_t& rowCounter,
                   float& lastMudOut, std::int32_t& lastMudOutDepth)
    : buffer_(buffer),
      options_(options),
      rowCounter_(rowCounter),
      lastMudOut_(lastMudOut),
      lastMudOutDepth_(lastMudOutDepth)
{
    row_.index = kFirstIndex;
    row_.y = options.firstRowY;
    startDepth_ = RecordAt(buffer_, kFirstIndex).depth;
    endDepth_ = std::int32_t(std::min<long long>((long long)startDepth_ + kEntrySpan, INT_MAX));
    count_ = GasEntryCount(options.maxEntries, options.totalGasFirst);
    first_ = options.totalGasFirst ? 0 : 1;
    component_ = first_;
}

bool GasEntry::AtEnd() const
{
    const std::int32_t depth = RecordAt(buffer_, row_.index).depth;
    return depth == 0 || depth >= endDepth_;
}

// The last component a pass types: the count's, from the first component on.
int GasEntry::LastComponent() const { return std::min(options_.totalGasFirst ? count_ - 1 : count_, kLastComponent); }

// The components a whole-pass copy takes: 0 to the count, never past nC5.
int GasEntry::CopyLast() const { return std::min(count_, kLastComponent); }

void GasEntry::StepDown() { row_.Down(options_.rowHeight, rowCounter_); }

GasKeyResult GasEntry::Enter(const QString& text)
{
    RECORD* typed = BufferRecord(buffer_, row_.index);
    if (AtEnd() || !typed)
        return {true};
    RECORD& current = *typed;
    if (mode_ != GasMode::Gas)
        return EnterModeValue(current, text);
    if (ratiosOn_)
        return EnterRatioValue(current, text);
    if (text.isEmpty() && component_ == first_) {
        const int last = CopyLast();
        CopyPass(current, last);
        // Labelled values are kept negative; a copy starts unlabelled.
        for (int i = 0; i <= last; ++i) {
            current.halfGas[i] = std::fabs(current.halfGas[i]);
            current.gas[i] = std::fabs(current.gas[i]);
        }
        return FinishPass(current, false);
    }
    const double v = platform::LeadingDouble(text);
    float* block = pass_ == 0 ? current.halfGas : current.gas;
    block[component_] = Stored(component_ == 0 ? v * 100 : v * 0.01);
    if (component_ >= LastComponent())
        return FinishPass(current, true);
    ++component_;
    return {};
}

// In the half-step pass the half step takes the full step of the record above; in the full-step pass
// the full step takes the half step of the same record.
void GasEntry::CopyPass(RECORD& current, int last)
{
    const RECORD& above = RecordAt(buffer_, row_.index - 1);
    for (int i = 0; i <= last; ++i) {
        if (pass_ == 0)
            current.halfGas[i] = above.gas[i];
        else
            current.gas[i] = current.halfGas[i];
    }
}

GasKeyResult GasEntry::FinishPass(RECORD& current, bool typed)
{
    // Equal total gas and C1 would draw one curve over the other. A step without gas stays without.
    float& tg = current.gas[wellfile::GAS_TG];
    if (typed && tg == current.gas[wellfile::GAS_C1] && tg != 0)
        tg += kTotalGasAboveC1;
    GasKeyResult result;
    if (pass_ == 1) {
        result.repaint = GasRepaint::GasRow;
        result.index = row_.index;
        StepDown();
    }
    component_ = first_;
    pass_ ^= 1;
    return result;
}

GasKeyResult GasEntry::EnterRatioValue(RECORD& current, const QString& text)
{
    if (text.isEmpty()) {
        CopyPass(current, kLastComponent);
        current.gas[wellfile::GAS_NC5] = RecordAt(buffer_, row_.index - 1).gas[wellfile::GAS_NC5];
        return FinishPass(current, false);
    }
    const double v = platform::LeadingDouble(text);
    float* block = pass_ == 0 ? current.halfGas : current.gas;
    if (options_.totalGasFirst) {
        block[0] = Stored(v * 100);
        for (int i = 1; i <= std::min(count_ - 1, kLastComponent); ++i)
            block[i] = block[0] * ratios_[std::size_t(i)];
    } else {
        // The value typed is C1 in ppm; total gas is not part of this walk.
        block[1] = Stored(v * 0.01);
        for (int i = 2; i <= std::min(count_, kLastComponent); ++i)
            block[i] = block[1] * ratios_[std::size_t(i)];
    }
    return FinishPass(current, false);
}

GasKeyResult GasEntry::EnterModeValue(RECORD& current, const QString& text)
{
    const RECORD& above = RecordAt(buffer_, row_.index - 1);
    float RECORD::*field = &RECORD::co2;
    switch (mode_) {
    case GasMode::Co2: field = &RECORD::co2; break;
    case GasMode::MudOut: field = &RECORD::mudWeightOut; break;
    case GasMode::MudIn: field = &RECORD::mudWeightIn; break;
    case GasMode::Custom: field = &RECORD::custom1; break;
    case GasMode::Custom2: field = &RECORD::custom2; break;
    case GasMode::Gas: return {true};
    }
    const float value = text.isEmpty() ? above.*field : Stored(platform::LeadingDouble(text));
    // Typed CO2 also goes where the CO2 curve reads it, unless the gas monitor booked a value there.
    float& drawnCo2 = current.gas[wellfile::GAS_NINTH];
    if (mode_ == GasMode::Co2 && (drawnCo2 == 0 || drawnCo2 == current.co2))
        drawnCo2 = value;
    current.*field = value;
    GasKeyResult result;
    if (mode_ == GasMode::Co2 || mode_ == GasMode::MudOut || mode_ == GasMode::MudIn) {
        result.repaint = GasRepaint::GasRow;
        result.index = row_.index;
    }
    if (mode_ == GasMode::MudOut && value > 0 && current.depth > lastMudOutDepth_) {
        lastMudOut_ = value;
        lastMudOutDepth_ = current.depth;
    }
    StepDown();
    return result;
}

GasKeyResult GasEntry::Left()
{
    if (component_ <= first_)
        return {true};
    --component_;
    return {};
}

GasKeyResult GasEntry::Up()
{
    const std::int32_t above = RecordAt(buffer_, row_.index - 1).depth;
    if (row_.index <= 0 || above == 0 || above < startDepth_)
        return {true};
    row_.Up(options_.rowHeight, rowCounter_);
    component_ = first_;
    return {};
}

GasKeyResult GasEntry::Down()
{
    if (AtEnd())
        return {true};
    StepDown();
    return {};
}

GasKeyResult GasEntry::SetRatios(bool on)
{
    if (mode_ != GasMode::Gas || component_ != first_)
        return {true};
    ratiosOn_ = false;
    if (!on)
        return {};
    // The proportions of the record above's full step. Labelled values count by their size; without a
    // first component there is nothing to take proportions from.
    const RECORD& above = RecordAt(buffer_, row_.index - 1);
    const float base = std::fabs(above.gas[first_]);
    if (base == 0)
        return {true};
    ratios_.fill(0);
    ratios_[0] = 1.0f;
    ratios_[1] = 1.0f;
    const int from = options_.totalGasFirst ? 1 : 2;
    const int to = std::min(options_.totalGasFirst ? count_ - 1 : count_, kLastComponent);
    for (int i = from; i <= to; ++i)
        ratios_[std::size_t(i)] = std::fabs(above.gas[i]) / base;
    ratiosOn_ = true;
    component_ = first_;
    return {};
}

void GasEntry::SetMode(GasMode mode)
{
    mode_ = mode;
    component_ = first_;
}

GasKeyResult GasEntry::Spin(int delta)
{
    if (mode_ != GasMode::Gas || component_ != first_)
        return {true};
    count_ = SpinGasCount(count_, delta, options_.totalGasFirst);
    return {};
}

QString GasEntry::Prompt() const
{
    const RECORD& current = RecordAt(buffer_, row_.index);
    switch (mode_) {
    case GasMode::Gas:
        if (pass_ == 0)
            return Format(platform::CFormat("Enter gas  for %5.1f  ", double(RecordAt(buffer_, row_.index - 1).depth) + 0.5));
        return Format(platform::CFormat("Enter gas  for %5.1f ", double(current.depth)));
    case GasMode::Co2: return Format(platform::CFormat("Enter CO2 for %5d", int(current.depth)));
    case GasMode::MudOut:
    case GasMode::MudIn: return Format(platform::CFormat("Enter MUD WT for %5d", int(current.depth)));
    case GasMode::Custom:
    case GasMode::Custom2: return Format(platform::CFormat("Enter Cust Data for %5d", int(current.depth)));
    }
    return {};
}

QString GasEntry::PreviousValues() const
{
    const RECORD& above = RecordAt(buffer_, row_.index - 1);
    switch (mode_) {
    case GasMode::Gas: {
        // Profile 134 shows total gas in percent and the components in ppm.
        const bool percent = options_.profile == 134;
        int c[kLastComponent];
        for (int i = 1; i <= kLastComponent; ++i)
            c[i - 1] = platform::TruncInt(percent ? double(above.gas[i]) * 100 : double(above.gas[i]));
        const double tg = percent ? double(above.gas[0]) * 0.01 : double(above.gas[0]);
        return Format(platform::CFormat("%6.2f %5d %5d %5d %5d %5d %5d %5d", tg, c[0], c[1], c[2], c[3], c[4], c[5], c[6]));
    }
    case GasMode::Co2: return Format(platform::CFormat("%3.2f", double(above.co2)));
    case GasMode::MudOut: return Format(platform::CFormat("%2.1f", double(above.mudWeightOut)));
    case GasMode::MudIn: return Format(platform::CFormat("%2.1f", double(above.mudWeightIn)));
    case GasMode::Custom: return Format(platform::CFormat("%3.2f", double(above.custom1)));
    case GasMode::Custom2: return Format(platform::CFormat("%3.2f", double(above.custom2)));
    }
    return {};
}

QString GasEntry::Label() const
{
    return mode_ == GasMode::Gas ? ComponentLabel(component_, options_.profile) : ModeValueLabel(mode_);
}

std::int32_t GasEntry::ResumeDepth(std::int32_t held) const
{
    const std::int32_t depth = RecordAt(buffer_, row_.index).depth;
    return depth > held ? depth - 1 : held;
}

}  // namespace entry
