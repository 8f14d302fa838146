#pragma once
// What the demo well is made of, before any of it is written: the depth records, the custom-data
// and FIT records of the custom tracks, the formation tops, the show intervals, the depths of the downtime
// notes and the descriptions of the cuttings. One seed gives the same well every time.
#include "demo/demowell.h"
#include "wellfile/customdata.h"
#include "wellfile/record.h"
#include "wellfile/topsex.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace demo {

struct DemoData {
    std::vector<wellfile::RECORD> records;              // one per depth unit, first to last depth
    std::vector<wellfile::CUSTDATAREC> custom;     // the same depths
    std::vector<wellfile::EXTRECORD> fit;          // the same depths: the FIT analysis of the same gas
    std::vector<wellfile::TOPSEX> tops;
    std::vector<std::pair<std::int32_t, std::int32_t>> shows;  // first and last depth of each show
    std::vector<std::int32_t> downtime;          // depths of the downtime notes
    // The geologist's descriptions of the cuttings, by depth (even depths, in order).
    std::vector<std::pair<std::int32_t, const char*>> descriptions;
};

DemoData MakeDemoData(const DemoWellShape& shape);

}  // namespace demo
