#include "horizontal/horzoptions.h"

#include "app/windowgroups.h"
#include "platform/folders.h"

namespace horizontal {

namespace {

bool On(const char* key)
{
    return platform::ReadSetting(QStringLiteral("Options/") + QLatin1String(key), QStringLiteral("0")).trimmed().toInt() != 0;
}

}  // namespace

void ReadHorizontalOptions(app::OptionSettings& o, bool& halfScalePrint)
{
    o.horizontalEditing = On("HorizontalEditing");
    o.horizontalLithPictures = On("HorizontalLithPictures");
    o.horizontalVerticalGas = On("HorizontalVerticalGas");
    o.horizontalHardness = On("HorizontalHardness");
    o.horizontalThirdCurve = On("HorizontalThirdCurve");
    o.horizontalScaleNote = On("HorizontalScaleNote");
    o.horizontalThickTarget = On("HorizontalThickTarget");
    halfScalePrint = On("HorizontalHalfPrint");
}

}  // namespace horizontal
