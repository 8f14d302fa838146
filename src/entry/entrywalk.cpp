#include "entry/entrywalk.h"

namespace entry {

std::optional<EntryStep> StepOfKey(app::LogState& log, EntryBox box, int key, bool ctrl)
{
    const bool lithology = box == EntryBox::Lithology;
    if (ctrl && (SendDrillingKey(log, key) || !lithology))
        return std::nullopt;
    switch (key) {
    case KEY_RETURN:
        return EntryStep::Enter;
    case KEY_UP:
        return EntryStep::Up;
    case KEY_DOWN:
        return EntryStep::Down;
    default:
        return lithology ? std::optional(EntryStep::Other) : std::nullopt;
    }
}

std::optional<std::int32_t> StoredRowDepth(const std::vector<wellfile::RECORD>& records, int index)
{
    if (index < 0 || std::size_t(index) >= records.size())
        return std::nullopt;
    return records[std::size_t(index)].depth;
}

}  // namespace entry
