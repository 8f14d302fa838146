#include "entry/entrykeys.h"

#include "app/logstate.h"

namespace entry {

KeyRoute RouteEntryKey(EntryBox box, int key, bool ctrl)
{
    const bool upDown = key == KEY_UP || key == KEY_DOWN;
    if (box == EntryBox::Gas) {
        if (ctrl)
            return upDown || key == KEY_LEFT || key == 'C' || key == 'D' || key == KEY_NUMPAD3 || key == KEY_NUMPAD4
                       ? KeyRoute::PassCtrl
                       : KeyRoute::Edit;
        if (key == KEY_RETURN)
            return KeyRoute::PassText;
        if (upDown || key == KEY_LEFT || key == KEY_ADD)
            return KeyRoute::PassNoText;
        return KeyRoute::Edit;
    }
    if (ctrl)
        return KeyRoute::PassCtrl;
    if (key == KEY_RETURN)
        return KeyRoute::PassText;
    if (upDown)
        return box == EntryBox::Lithology ? KeyRoute::PassEmpty : KeyRoute::PassNoText;
    return KeyRoute::Edit;
}

bool SendDrillingKey(app::LogState& log, int key)
{
    if (!log.well.file.drilling || !log.engines.drillingKeys)
        return false;
    log.engines.drillingKeys(key);
    return true;
}

}  // namespace entry
