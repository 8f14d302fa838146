#pragma once
// Scroll bars in the Windows way: the scroll code (app::SB_*) of a Qt slider action.
namespace app {

// The code of QAbstractSlider action `action`; -1 for none.
int ScrollCodeOf(int action);

}  // namespace app
