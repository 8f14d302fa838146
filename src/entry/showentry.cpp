#include "entry/showentry.h"

#include "entry/entrybuffer.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <cstring>

namespace entry {

using wellfile::RECORD;

namespace {

// The first record typed into: the one below the start depth's (buffer record 11).
constexpr int kFirstIndex = kRowsAboveStart + 1;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

ShowKeyResult Outcome(ShowOutcome outcome, const QString& message = {}, const QString& caption = {})
{
    ShowKeyResult r;
    r.outcome = outcome;
    r.message = message;
    r.caption = caption;
    return r;
}

ShowKeyResult OutOfRange(int value)
{
    return Outcome(ShowOutcome::OutOfRange,
        QString::fromStdString(platform::CFormat("You entered %d, which is out of range", value)),
        QStringLiteral("Value Out of Range"));
}

LetterResult Letter(LetterCheck check, const QString& message = {})
{
    return { check, message, message.isEmpty() ? QString() : QStringLiteral("StrativM") };
}

}  // namespace

LetterResult CheckShowLetter(char letter, int profile, ShowColumn column)
{
    if (wellfile::NumericShowProfile(profile))
        return Letter(IsDigit(letter) ? LetterCheck::Ok : LetterCheck::Dropped);
    const char c = Lower(letter);
    const bool only0pfg = profile == 37 && column == SHOW_POROSITY;
    const std::string_view allowed = only0pfg ? "0pfg" : "0tpfg";
    if (c != '\0' && allowed.find(c) != std::string_view::npos)
        return {};
    return Letter(LetterCheck::Refused,
        only0pfg ? QStringLiteral("Valid entries = 0, p,f or g") : QStringLiteral("Valid entries = 0, t,p,f or g"));
}

FluorescenceReading ReadFluorescence(std::string_view text)
{
    FluorescenceReading r;
    for (std::size_t i = 0; i < std::min<std::size_t>(text.size(), 4); ++i) {
        const char c = text[i];
        if (IsLetter(c)) {
            r.quality = Lower(c);
            break;
        }
        if (!IsDigit(c))
            break;
        r.percent = r.percent * 10 + (c - '0');
    }
    return r;
}

QString ShowColumnName(ShowColumn column, int profile, bool hardness)
{
    switch (column) {
    case SHOW_POROSITY:
        return QStringLiteral("POR");
    case SHOW_FLUORESCENCE:
        return QStringLiteral("FLU");
    case SHOW_CUT:
        return profile == 11 ? QStringLiteral("SHOW") : QStringLiteral("CUT");
    case SHOW_CALCIMETER:
        return hardness ? QStringLiteral("Hardness") : QStringLiteral("CACO3");
    }
    return {};
}

QString ValidValuesText(ShowColumn column, int profile, bool hardness)
{
    const bool numbered = wellfile::NumericShowProfile(profile);
    switch (column) {
    case SHOW_POROSITY:
        return numbered                     ? QStringLiteral("1-10")
            : profile == 2 || profile == 37 ? QStringLiteral("p f g")
                                            : QStringLiteral(" t p f g");
    case SHOW_FLUORESCENCE:
        return numbered     ? QStringLiteral("1-10")
            : profile == 37 ? QStringLiteral(" perc")
                            : QStringLiteral(" perc+ p f g");
    case SHOW_CUT:
        return numbered ? QStringLiteral("1-10") : QStringLiteral(" t p f g");
    case SHOW_CALCIMETER:
        return hardness ? QStringLiteral("0-100 ") : QStringLiteral(" perc");
    }
    return {};
}

QString SetupValidValuesText(int profile)
{
    return wellfile::NumericShowProfile(profile) ? QStringLiteral("1-10") : QStringLiteral(" t p f g");
}

QString ShowPrompt(const QString& name, std::int32_t depth)
{
    return QString::fromStdString(platform::CFormat("Enter %s  for %5d", name.toLatin1().constData(), int(depth)));
}

ShowEntry::ShowEntry(std::vector<RECORD>& buffer, const ShowSettings& settings, ShowColours& kept, int firstRowY,
    int rowHeight, std::int32_t& rowCounter)
    : buffer_(buffer)
    , settings_(settings)
    , kept_(kept)
    , rowHeight_(rowHeight)
    , rowCounter_(rowCounter)
{
    for (EntryRow& row : rows_)
        row = { kFirstIndex, firstRowY };
    colours_ = { 0, kept.fluorescence, kept.cut, kept.calcimeter };
    startDepth_ = RecordAt(buffer_, kFirstIndex).depth;
}


std::int32_t ShowEntry::Depth() const
{
    return RecordAt(buffer_, Row(selected_).index).depth;
}

QString ShowEntry::ColumnName(ShowColumn column) const
{
    return ShowColumnName(column, settings_.profile, settings_.hardness);
}

QString ShowEntry::Prompt() const
{
    return ShowPrompt(ColumnName(selected_), Depth());
}

void ShowEntry::SetColour(std::uint32_t colour)
{
    if (selected_ != SHOW_POROSITY)
        colours_[std::size_t(selected_)] = colour;
}

ShowKeyResult ShowEntry::Enter(std::string_view text)
{
    EntryRow& row = rows_[std::size_t(selected_)];
    RECORD* current = BufferRecord(buffer_, row.index);
    const RECORD* above = BufferRecord(buffer_, row.index - 1);
    if (!current || !above || above->depth == settings_.lastDepth || current->depth == 0)
        return {};
    ShowKeyResult r;
    if (text.empty()) {
        CopyFromAbove(*current, *above);
        r.outcome = ShowOutcome::Stored;
    } else {
        r = Store(*current, text);
        if (r.outcome != ShowOutcome::Stored)
            return r;
    }
    r.index = row.index;
    row.Down(rowHeight_, rowCounter_);
    return r;
}

void ShowEntry::CopyFromAbove(RECORD& current, const RECORD& above)
{
    switch (selected_) {
    case SHOW_POROSITY:
        current.porosity = above.porosity;
        break;
    case SHOW_FLUORESCENCE:
        current.fluorPercent = above.fluorPercent;
        current.fluorQuality = above.fluorQuality;
        break;
    case SHOW_CUT:
        current.cutRating = above.cutRating;
        break;
    case SHOW_CALCIMETER:
        current.hardness = above.hardness;
        break;
    }
}

ShowKeyResult ShowEntry::StoreRating(RECORD& current, std::string_view text)
{
    const LetterResult check = CheckShowLetter(text.front(), settings_.profile, selected_);
    if (check.check == LetterCheck::Dropped)
        return Outcome(ShowOutcome::Dropped);
    if (check.check == LetterCheck::Refused)
        return Outcome(ShowOutcome::WrongLetter, check.message, check.caption);
    int value = Lower(text.front());
    if (text.front() == '0')
        value = 0;
    else if (wellfile::NumericShowProfile(settings_.profile))
        value = std::clamp(platform::LeadingInt(text), 0, 0xFFFF);
    ShowKeyResult r = Outcome(ShowOutcome::Stored);
    if (selected_ == SHOW_POROSITY) {
        current.porosity = std::uint16_t(value);
        return r;
    }
    current.cutRating = std::uint16_t(value);
    current.ratingColour = value == 0 ? kNoColour : colours_[SHOW_CUT];
    if (value != 0)
        kept_.cut = colours_[SHOW_CUT];
    r.blackCut = current.ratingColour == 0;
    return r;
}

ShowKeyResult ShowEntry::Store(RECORD& current, std::string_view text)
{
    switch (selected_) {
    case SHOW_POROSITY:
    case SHOW_CUT:
        return StoreRating(current, text);
    case SHOW_FLUORESCENCE: {
        FluorescenceReading f = ReadFluorescence(text);
        if (f.percent > 100)
            return OutOfRange(f.percent);
        if (settings_.profile == 37)
            f.quality = 'g';
        const std::uint32_t colour = colours_[SHOW_FLUORESCENCE];
        current.fluorPercent = std::uint16_t(f.percent);
        current.fluorQuality = std::uint16_t(f.quality);
        current.fluorColour = f.percent == 0 ? kNoColour : colour;
        ShowKeyResult r = Outcome(ShowOutcome::Stored);
        // The colour runs on into the record below, when that record was read.
        RECORD* below = BufferRecord(buffer_, Row(selected_).index + 1);
        if (current.depth > 0 && current.depth < settings_.lastDepth && below && below->depth != 0) {
            below->fluorColour = colour;
            r.rows = 2;
        }
        kept_.fluorescence = colour;
        return r;
    }
    case SHOW_CALCIMETER: {
        const int value = platform::LeadingInt(text);
        // A negative value would wrap round in the record's 16-bit field.
        if (value > 100 || value < 0)
            return OutOfRange(value);
        current.hardness = std::uint16_t(value);
        current.hardnessColour = value == 0 ? kNoColour : colours_[SHOW_CALCIMETER];
        if (value != 0)
            kept_.calcimeter = colours_[SHOW_CALCIMETER];
        return Outcome(ShowOutcome::Stored);
    }
    }
    return {};
}

ShowKeyResult ShowEntry::Up()
{
    EntryRow& row = rows_[std::size_t(selected_)];
    const RECORD* above = BufferRecord(buffer_, row.index - 1);
    if (!above || row.index <= kFirstIndex || above->depth < startDepth_)
        return {};
    row.Up(rowHeight_, rowCounter_);
    return Outcome(ShowOutcome::Moved);
}

ShowKeyResult ShowEntry::Down()
{
    EntryRow& row = rows_[std::size_t(selected_)];
    const std::int32_t depth = Depth();
    if (depth == 0 || depth >= settings_.lastDepth || !BufferRecord(buffer_, row.index + 1))
        return {};
    row.Down(rowHeight_, rowCounter_);
    return Outcome(ShowOutcome::Moved);
}

}  // namespace entry
