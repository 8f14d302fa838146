#include "horizontal/horizontal_services.h"

namespace horizontal {

QWidget* HorizontalServices::CreateView(app::LogState&, QWidget*) { return nullptr; }
int HorizontalServices::LoadAndDraw(app::LogState&, QWidget*, int) { return 0; }
bool HorizontalServices::CloseChildWindow(QWidget*) { return false; }
void HorizontalServices::CloseView(app::LogState&, QWidget*) {}
int HorizontalServices::ApplySetup(app::LogState&, QWidget*) { return 0; }
int HorizontalServices::RunSetupDialog(app::LogState&, QWidget*, QWidget*) { return 0; }
bool HorizontalServices::ToggleSurveyDisplay(app::LogState&, QWidget*) { return false; }

HorizontalServices& DefaultHorizontalServices()
{
    static HorizontalServices services;
    return services;
}

}  // namespace horizontal
