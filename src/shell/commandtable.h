#pragma once
// A window's command table: command id -> member handler. Handlers that serve a run of ids (recent
// files, formation tops) take the id; the others take nothing. Looking up an id that no entry covers
// finds nothing, and the caller passes the command on (to nobody, for the main window).
#include <algorithm>
#include <vector>

namespace shell {

template <typename Target>
class CommandTable {
public:
    using Plain = void (Target::*)();
    using WithId = void (Target::*)(int id);

    CommandTable& On(int id, Plain handler)
    {
        entries_.push_back({id, id, handler, nullptr});
        return *this;
    }
    CommandTable& OnRange(int first, int last, WithId handler)
    {
        entries_.push_back({first, last, nullptr, handler});
        return *this;
    }

    // Runs the handler of `id` on `target`; false when no entry covers the id.
    bool Dispatch(Target& target, int id) const
    {
        const Entry* e = Find(id);
        if (!e)
            return false;
        if (e->plain)
            (target.*(e->plain))();
        else
            (target.*(e->withId))(id);
        return true;
    }

    bool Handles(int id) const { return Find(id) != nullptr; }

    // Every id the table answers, in table order.
    std::vector<int> Ids() const
    {
        std::vector<int> ids;
        for (const Entry& e : entries_)
            for (int id = e.first; id <= e.last; ++id)
                ids.push_back(id);
        return ids;
    }

private:
    struct Entry {
        int first;
        int last;
        Plain plain;
        WithId withId;
    };
    const Entry* Find(int id) const
    {
        auto it = std::find_if(entries_.begin(), entries_.end(), [id](const Entry& e) { return id >= e.first && id <= e.last; });
        return it == entries_.end() ? nullptr : &*it;
    }
    std::vector<Entry> entries_;
};

}  // namespace shell
