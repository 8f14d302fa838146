#include "horizontal/horizontal_services.h"

#include "app/notbuilt.h"

namespace horizontal {

QWidget* HorizontalServices::CreateView(app::LogState&, QWidget*)
{
    app::NotBuiltCommand("horizontal", "HorzDlg");
    return nullptr;
}
int HorizontalServices::LoadAndDraw(app::LogState&, QWidget*, int) { return 0; }
bool HorizontalServices::CloseChildWindow(QWidget*) { return false; }
void HorizontalServices::CloseView(app::LogState&, QWidget*) {}
int HorizontalServices::ApplySetup(app::LogState&, QWidget*) { return 0; }
void HorizontalServices::RunSetupDialog(app::LogState&, QWidget*, QWidget*)
{
    app::NotBuiltCommand("horizontal", "HorzSetupDlg");
}

HorizontalServices& DefaultHorizontalServices()
{
    static HorizontalServices services;
    return services;
}

}  // namespace horizontal
