#include "horizontal/horzoptions.h"

#include "app/logstate.h"
#include "platform/folders.h"

namespace horizontal {

namespace {

bool On(const char* key)
{
    return platform::ReadSetting(QStringLiteral("Options/") + QLatin1String(key), QStringLiteral("0")).trimmed().toInt() != 0;
}

}  // namespace

void ReadHorizontalOptions(app::LogState& log)
{
    app::OptionSettings& o = log.options;
    o.horizontalEditing = On("HorizontalEditing");
    o.horizontalLithPictures = On("HorizontalLithPictures");
    o.horizontalVerticalGas = On("HorizontalVerticalGas");
    o.horizontalHardness = On("HorizontalHardness");
    o.horizontalThirdCurve = On("HorizontalThirdCurve");
    o.horizontalScaleNote = On("HorizontalScaleNote");
    o.horizontalThickTarget = On("HorizontalThickTarget");
    log.print.horizontalHalfScale = On("HorizontalHalfPrint");
}

}  // namespace horizontal
