// The rebuild of the step rings from the file, built with the lag depth.
#include "drilling/driller.h"

#include "app/notbuilt.h"

namespace drilling {

int Driller::LoadLagRecords(int)
{
    app::NotBuilt("drilling", "Driller::LoadLagRecords");
    rebuilding = 0;
    return 1;
}

}  // namespace drilling
