#include "elog/curvescale.h"

#include "tracks/curvescales.h"

namespace elog {

void ScaleValues(CurveScale& scale, int code, int gammaIndex, const CurveLayout& layout, bool printing)
{
    if (code != kGammaScaleCode)
        return;
    scale.max = float(tracks::GammaFullScale(gammaIndex));
    scale.divisions = kGammaDivisions;
    scale.division = printing ? layout.pageDivision : layout.screenDivision;
    scale.origin = scale.base = printing ? layout.pageLeft : layout.screenLeft;
    scale.right = printing ? layout.pageRight : layout.screenRight;
    scale.direction = 1;
    scale.linear = 1;
    scale.factor = float(scale.divisions) * scale.division / scale.max;
}

}  // namespace elog
