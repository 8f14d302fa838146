#pragma once
// Sets up a case on a WITS link (the standard engine or the custom link): each helper edits a copy of one
// group of its state and sets it back through the link's call.
#include "wits/custwits.h"
#include "wits/wits.h"

namespace testing_support {

template <class Link, class Group, class Edit>
void EditGroup(Link& link, const Group& (Link::*get)() const, void (Link::*set)(const Group&), Edit edit)
{
    Group v = (link.*get)();
    edit(v);
    (link.*set)(v);
}

// ---- The standard engine ----
template <class Edit>
void EditConnection(wits::Wits& e, Edit edit)
{
    EditGroup(e, &wits::Wits::Connection, &wits::Wits::SetConnection, edit);
}
template <class Edit>
void EditFrames(wits::Wits& e, Edit edit)
{
    EditGroup(e, &wits::Wits::Frames, &wits::Wits::SetFrames, edit);
}
template <class Edit>
void EditDepth(wits::Wits& e, Edit edit)
{
    EditGroup(e, &wits::Wits::Depth, &wits::Wits::SetDepth, edit);
}
template <class Edit>
void EditGasSettings(wits::Wits& e, Edit edit)
{
    EditGroup(e, &wits::Wits::GasSettings, &wits::Wits::SetGasSettings, edit);
}
template <class Edit>
void EditGas(wits::Wits& e, Edit edit)
{
    EditGroup(e, &wits::Wits::Gas, &wits::Wits::SetGas, edit);
}
template <class Edit>
void EditHold(wits::Wits& e, Edit edit)
{
    EditGroup(e, &wits::Wits::Hold, &wits::Wits::SetHold, edit);
}
template <class Edit>
void EditMwd(wits::Wits& e, Edit edit)
{
    EditGroup(e, &wits::Wits::Mwd, &wits::Wits::SetMwd, edit);
}

// ---- The custom link ----
template <class Edit>
void EditSettings(wits::CUSTWITS& l, Edit edit)
{
    EditGroup(l, &wits::CUSTWITS::Settings, &wits::CUSTWITS::SetSettings, edit);
}
template <class Edit>
void EditPolls(wits::CUSTWITS& l, Edit edit)
{
    EditGroup(l, &wits::CUSTWITS::Polls, &wits::CUSTWITS::SetPolls, edit);
}
template <class Edit>
void EditGas(wits::CUSTWITS& l, Edit edit)
{
    EditGroup(l, &wits::CUSTWITS::Gas, &wits::CUSTWITS::SetGas, edit);
}
template <class Edit>
void EditDepth(wits::CUSTWITS& l, Edit edit)
{
    EditGroup(l, &wits::CUSTWITS::Depth, &wits::CUSTWITS::SetDepth, edit);
}

}  // namespace testing_support
