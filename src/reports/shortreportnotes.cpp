#include "reports/shortreportnotes.h"

#include "platform/text.h"

#include <algorithm>

namespace reports {

namespace {

constexpr std::size_t kNoteRoom = 500;  // the note's text field
constexpr std::size_t kShortestNote = 3;

template <std::size_t N>
std::string Text(const char (&field)[N])
{
    return platform::FieldText(field);
}

// Appends each custom line of more than two characters after "\r\n" while it fits in the room left
// when the lines began; with `closeSecond` the second line is followed by "\r\n" too.
void AppendCustomLines(std::string& text, const std::vector<std::string>& lines, bool closeSecond)
{
    std::size_t room = kNoteRoom > text.size() ? kNoteRoom - text.size() : 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.size() <= 2 || line.size() + 1 >= room)
            continue;
        text += "\r\n" + line;
        if (closeSecond && i == 1)
            text += "\r\n";
        room -= line.size() + 1;
    }
}

void AddValue(std::string& text, const char* label, const std::string& value, bool lineEnd = true)
{
    if (value.empty())
        return;
    text += label + value;
    if (lineEnd)
        text += "\r\n";
}

void Fill(wellfile::HTEXTEX& h, const std::string& text, std::int32_t depth, std::uint32_t colour,
          std::uint32_t background, bool mud)
{
    h = wellfile::HTEXTEX{};
    h.depth = depth;
    platform::SetFieldText(h.text, text.substr(0, sizeof h.text - 1));
    h.drawRectangle = 1;
    h.transparent = 1;
    (mud ? h.anchoredRight : h.anchoredBottom) = 1;
    h.textColour = colour;
    h.background = background;
}

}  // namespace

std::string MechanicalNoteText(const wellfile::QREPORT& r)
{
    std::string text = "WOB " + Text(r.wob) + "\r\nRPM " + Text(r.rpm) + "\r\nPP " + Text(r.pumpPressure) +
                       "\r\nSPM " + Text(r.spm) + "\r\n";
    AppendCustomLines(text, {Text(r.mechanicalCustom1), Text(r.mechanicalCustom2)}, true);
    return text;
}

std::string MudNoteText(const wellfile::QREPORT& r)
{
    std::string text;
    // Every value typed is sent, one character ("PH 9") or more.
    AddValue(text, "MUDWT ", Text(r.weightOut));
    AddValue(text, "MUDWTIN ", Text(r.weightIn));
    AddValue(text, "VIS ", Text(r.vis));
    AddValue(text, "PH ", Text(r.ph));
    AddValue(text, "CHL ", Text(r.chlorides));
    AddValue(text, "FIL ", Text(r.filtrate));
    AddValue(text, "CAKE ", Text(r.filterCake));
    AddValue(text, "SOL ", Text(r.solids));
    AddValue(text, "PV ", Text(r.pv));
    AddValue(text, "YP ", Text(r.yp), false);
    AppendCustomLines(text, {Text(r.mudCustom1), Text(r.mudCustom2), Text(r.mudCustom3), Text(r.mudCustom4)}, false);
    return text;
}

NotePlacing PlaceShortReportNotes(std::vector<wellfile::HTEXTEX>& notes, const wellfile::QREPORT& r)
{
    const std::string at = platform::CFormat(" @ %d", int(r.depth));
    std::string mechanical = r.mechanicalToHorz ? MechanicalNoteText(r) : std::string();
    std::string mud = r.mudToHorz ? MudNoteText(r) : std::string();
    if (mechanical.size() < kShortestNote)
        mechanical.clear();
    if (mud.size() < kShortestNote)
        mud.clear();
    const std::size_t wanted = std::size_t(!mechanical.empty()) + std::size_t(!mud.empty());
    if (wanted == 0)
        return NotePlacing::NothingToSend;
    std::vector<std::size_t> free;
    for (std::size_t i = 0; i < notes.size() && free.size() < wanted; ++i)
        if (notes[i].depth <= 0)
            free.push_back(i);
    if (free.size() < wanted)
        return NotePlacing::NoRoom;
    std::size_t next = 0;
    if (!mechanical.empty())
        Fill(notes[free[next++]], mechanical + at, r.depth, r.mechanicalText, r.mechanicalBack, false);
    if (!mud.empty())
        Fill(notes[free[next]], mud + "\r\n" + at, r.depth, r.mudText, r.mudBack, true);
    return NotePlacing::Placed;
}

}  // namespace reports
