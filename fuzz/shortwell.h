#pragma once
// The short well the WITS targets book into: "W", records 1000 to 1060 in the box's data folder, with
// its drilling object and that object's alarm settings from the same folder, held in a window's state as
// the WITS hosts are made from.
#include "app/logstate.h"
#include "app/wellservices.h"
#include "drilling/driller.h"
#include "drilling/drillinghost.h"
#include "wellfile/openwell.h"

#include <QString>

#include <memory>

namespace fuzzing {

struct ShortWell {
    explicit ShortWell(const QString& folder);
    ShortWell(const ShortWell&) = delete;
    ShortWell& operator=(const ShortWell&) = delete;

    app::LogState state;
    app::WellServices services;
    wellfile::OpenWell& well = state.well.file;
    drilling::DrillingHost facts{state};  // what the drilling object works on: the window's state
    std::unique_ptr<drilling::Driller> driller;
};

}  // namespace fuzzing
