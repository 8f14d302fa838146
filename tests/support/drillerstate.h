#pragma once
// Sets up a case on the driller: each helper edits a copy of one group of its state and sets it back
// through the driller's call; and the window's state a driller of the tests is made on.
#include "app/logstate.h"
#include "drilling/driller.h"
#include "support/witsengine.h"

namespace testing_support {

template <class Edit>
void EditSetup(drilling::Driller& d, Edit edit)
{
    EditGroup(d, &drilling::Driller::Setup, &drilling::Driller::SetSetup, edit);
}
template <class Edit>
void EditSteps(drilling::Driller& d, Edit edit)
{
    EditGroup(d, &drilling::Driller::Steps, &drilling::Driller::SetSteps, edit);
}
template <class Edit>
void EditRecords(drilling::Driller& d, Edit edit)
{
    EditGroup(d, &drilling::Driller::Records, &drilling::Driller::SetRecords, edit);
}
template <class Edit>
void EditLagState(drilling::Driller& d, Edit edit)
{
    EditGroup(d, &drilling::Driller::LagState, &drilling::Driller::SetLagState, edit);
}
template <class Edit>
void EditBottom(drilling::Driller& d, Edit edit)
{
    EditGroup(d, &drilling::Driller::Bottom, &drilling::Driller::SetBottom, edit);
}
template <class Edit>
void EditWitsItems(drilling::Driller& d, Edit edit)
{
    EditGroup(d, &drilling::Driller::WitsItems, &drilling::Driller::SetWitsItems, edit);
}
template <class Edit>
void EditLive(drilling::Driller& d, Edit edit)
{
    EditGroup(d, &drilling::Driller::Live, &drilling::Driller::SetLive, edit);
}
template <class Edit>
void EditLag(drilling::Driller& d, Edit edit)
{
    EditGroup(d, &drilling::Driller::Lag, &drilling::Driller::SetLag, edit);
}

// The window's state as the drilling tests start from: a data file open (not starting up), the log area
// at the window's top and the bottom line out of view (new lines are drawn, the view never follows).
inline void PlainDrillingWindow(app::LogState& s)
{
    s.well.fileOpened = true;
    s.layout.format.logAreaTop = 0;
    s.scroll.notAtBottom = true;
}

}  // namespace testing_support
