#include "app/wellsettings.h"

#include "app/logstate.h"
#include "platform/services.h"
#include "app/opendatafile.h"

#include <QFileInfo>

#include <memory>

namespace app {

bool SaveWellConfig(LogState& s, const wellfile::WellConfig& config) { return SaveWellConfig(s.well, config); }

bool SaveWellConfig(WellState& well, const wellfile::WellConfig& config)
{
    bool fieldSettings = well.fieldSettings;
    if (!wellfile::SaveConfig(config, app::PlaceOf(well), fieldSettings)) {
        platform::MessageBox(QStringLiteral("The settings of the well could not be saved"), QStringLiteral("File Error"),
                             platform::MB_OK);
        return false;
    }
    well.fieldSettings = fieldSettings;
    return true;
}

std::optional<wellfile::WellConfig> UpdateWellConfig(LogState& s,
                                                     const std::function<bool(wellfile::WellConfig&)>& change)
{
    return UpdateWellConfig(s.well, change);
}

std::optional<wellfile::WellConfig> UpdateWellConfig(WellState& well,
                                                     const std::function<bool(wellfile::WellConfig&)>& change)
{
    wellfile::WellConfig cfg{};
    if (!wellfile::LoadConfig(cfg, app::PlaceOf(well), well.fieldSettings) || !change(cfg))
        return std::nullopt;
    if (!SaveWellConfig(well, cfg))
        return std::nullopt;
    return cfg;
}

bool UpdateDbc(const LogState& s, const std::function<void(wellfile::SettingsBlock&)>& change)
{
    const wellfile::WellPlace place = app::PlaceOf(s);
    const QString path = wellfile::DbcFilePath(place);
    auto block = std::make_unique<wellfile::SettingsBlock>();
    if (!wellfile::LoadDbc(*block, place) && QFileInfo::exists(path)) {
        platform::MessageBox(path + QStringLiteral(" cannot be read and was left as it is"), QStringLiteral("File Error"),
                             platform::MB_OK);
        return false;
    }
    change(*block);
    if (!wellfile::SaveDbc(*block, place)) {
        platform::MessageBox(path, QStringLiteral("File Error"), platform::MB_OK);
        return false;
    }
    return true;
}

}  // namespace app
