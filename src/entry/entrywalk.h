#pragma once
// The key walk the lithology, show and rate entries share: a key their value box hands on becomes a step
// of the entry (Return enters the box's text, Up and Down move one record), and a stored step names the
// row to draw again. Each dialog then shows its own outcome.
#include "entry/entrykeys.h"
#include "platform/text.h"
#include "wellfile/record.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace app {
struct LogState;
}

namespace entry {

enum class EntryStep { Enter, Up, Down, Other };

// The step of a key the lithology, show or rate box handed on. A Ctrl key goes to the drilling keys
// while drilling mode is on; without it the lithology box takes it as a plain key and the others drop
// it. Of the plain keys only Return, Up and Down walk the show and rate entries; the
// lithology entry takes any other as `Other`. None: the key goes no further.
std::optional<EntryStep> StepOfKey(app::LogState& log, EntryBox box, int key, bool ctrl);

// The entry's answer to `step`. An entry that reads text in the program's code page (lithology, shows)
// is handed the box's text in it. `Other` is the entry's `OtherKey` (only the lithology entry has one).
template <class Entry>
auto TakeStep(Entry& entry, EntryStep step, const QString& text) -> decltype(entry.Up())
{
    switch (step) {
    case EntryStep::Enter:
        if constexpr (requires { entry.Enter(text); })
            return entry.Enter(text);
        else
            return entry.Enter(platform::ToCp1252(text).toStdString());
    case EntryStep::Up:
        return entry.Up();
    case EntryStep::Down:
        return entry.Down();
    case EntryStep::Other:
        if constexpr (requires { entry.OtherKey(); })
            return entry.OtherKey();
        break;
    }
    return {};
}

// The depth of the row of buffer record `index`, to draw again; none past the buffer's end.
std::optional<std::int32_t> StoredRowDepth(const std::vector<wellfile::RECORD>& records, int index);

}  // namespace entry
