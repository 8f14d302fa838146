#include "platform/ui/realservices.h"

#include <QApplication>
#include <QMainWindow>

#include <clocale>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Files, messages and LAS write numbers with a decimal point whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    platform::InstallRealServices();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("StrativM"));
    window.resize(1000, 700);
    window.show();
    return app.exec();
}
