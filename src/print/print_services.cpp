#include "print/print_services.h"

#include "app/notbuilt.h"

namespace print {

namespace {

class NotBuilt final : public PrintServices {
public:
    void CmPrint(app::LogState&) override { app::NotBuiltCommand("print", "CmPrint"); }
    void CmPageSetup(app::LogState&) override { app::NotBuiltCommand("print", "CmPageSetup"); }
    void CmHeader(app::LogState&) override { app::NotBuiltCommand("print", "CmHeader"); }
};
}  // namespace

PrintServices& DefaultPrintServices()
{
    static NotBuilt services;
    return services;
}

}  // namespace print
