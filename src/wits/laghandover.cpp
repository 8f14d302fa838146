#include "wits/laghandover.h"

#include "app/logstate.h"
#include "wits/custwits.h"
#include "wits/wits.h"

namespace wits {

void LinksLagHandover::WitsLagDepth(float lagDepth, int digit, int newWholeUnits, bool companionDepth)
{
    if (Wits* link = log_.engines.wits)
        link->TakeLagDepth(lagDepth, digit, newWholeUnits, companionDepth);
}

void LinksLagHandover::CustomLinkLagDepth(float lagDepth, int digit, std::int32_t bottomDepth)
{
    if (CUSTWITS* link = log_.engines.custWits; link && link->Handle() != 0)
        link->TakeLagDepth(lagDepth, digit, bottomDepth);
}

void LinksLagHandover::ClearWitsNewData()
{
    if (Wits* link = log_.engines.wits)
        link->ClearNewData();
}

}  // namespace wits
