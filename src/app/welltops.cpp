#include "app/welltops.h"

#include "app/logstate.h"
#include "app/opendatafile.h"

namespace app {

wellfile::TopsPlace TopsPlaceOf(const LogState& s) { return TopsPlaceOf(s.well); }

wellfile::TopsPlace TopsPlaceOf(const WellState& well)
{
    wellfile::TopsPlace place;
    place.topsInFieldFolder = well.sharedFolderWell && well.topsInFieldFolder;
    return place;
}

int SaveWellTops(LogState& s)
{
    wellfile::TopsPlace place = TopsPlaceOf(s);
    const int saved = wellfile::SaveTops(PlaceOf(s), place, s.well.tops);
    s.well.topsInFieldFolder = place.topsInFieldFolder;
    return saved;
}

}  // namespace app
