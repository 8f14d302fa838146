// Starts the program's main window as the program does (first start, demo well and all) and shows the
// log at a view scale from a depth, in a window of the given size: the program has no command for the
// scales 2 and 3 yet. Used for the screenshots in docs/.
//   viewscale scale [view top depth] [width height]
#include "platform/ui/realservices.h"
#include "shell/ui/logwindow.h"
#include "shell/ui/tlogapp.h"

#include <QApplication>

#include <clocale>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc < 2) {
        std::fprintf(stderr, "usage: viewscale scale [view top depth] [width height]\n");
        return 2;
    }
    platform::InstallRealServices();

    shell::TLogApp logApp;
    logApp.InitMainWindow();
    shell::LogWindow* window = logApp.MainWindow();
    window->SetupWindow();

    app::LogState& s = window->State();
    s.view.viewScale = std::atoi(argv[1]);
    if (argc > 2)
        s.well.file.viewTopDepth = std::atoi(argv[2]);
    const int width = argc > 4 ? std::atoi(argv[3]) : 1920, height = argc > 4 ? std::atoi(argv[4]) : 1080;
    logApp.Show();
    window->showNormal();
    window->setGeometry(0, 0, width, height);
    window->InvalidateLog();
    return app.exec();
}
