#include "app/ui/tlogapp.h"
#include "platform/ui/realservices.h"

#include <QApplication>

#include <clocale>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Files, messages and LAS write numbers with a decimal point whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    platform::InstallRealServices();

    TLogApp logApp(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    logApp.InitMainWindow();
    return logApp.Run();
}
