#include "elog/elog_services.h"

#include "app/notbuilt.h"

namespace elog {

namespace {

class NotBuilt final : public ElogServices {
public:
    void CmSaveAsImage(app::LogState&) override { app::NotBuiltCommand("elog", "CmSaveAsImage"); }
    void CreateLasFile(app::LogState&) override { app::NotBuiltCommand("elog", "CreateLasFile"); }
};
}  // namespace

ElogServices& DefaultElogServices()
{
    static NotBuilt services;
    return services;
}

}  // namespace elog
