// Starts the program as its main does (first start: the demo well), switches drilling mode on, drills a
// few units and saves a picture of the screen to the file named by the first argument. Run it under a
// virtual X server: xvfb-run -s "-screen 0 1920x1080x24" drillingscreenshot docs/screenshot-drilling.png
#include "drilling/driller.h"
#include "platform/ui/realservices.h"
#include "shell/ui/logwindow.h"
#include "shell/ui/tlogapp.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: drillingscreenshot picture.png\n");
        return 2;
    }
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    platform::InstallRealServices();
    const QString out = QString::fromLocal8Bit(argv[1]);

    shell::TLogApp logApp{QString()};
    logApp.InitMainWindow();
    shell::LogWindow* window = logApp.MainWindow();
    window->SetupWindow();

    int result = 1;
    int seconds = 0;
    QTimer clock;
    QObject::connect(&clock, &QTimer::timeout, [&] {
        ++seconds;
        if (seconds == 1)
            window->setGeometry(0, 0, 1600, 900);  // the whole log in the picture
        if (seconds == 2)
            window->CmDrilling();
        // A unit every 5 s (the shortest the driller takes is 4 s).
        drilling::Driller* d = window->State().engines.driller;
        if (d && seconds > 2 && seconds % 5 == 0 && seconds < 25)
            d->MarkStep(drilling::StepSource::Keyboard);
        if (seconds == 28) {
            if (QScreen* screen = QGuiApplication::primaryScreen())
                result = screen->grabWindow(0).save(out) ? 0 : 1;
            if (result != 0)
                std::fprintf(stderr, "no picture saved to %s\n", argv[1]);
            // The picture is all this run is for: no exit dialog, no settings saved for the throw-away home.
            std::fflush(stderr);
            std::_Exit(result);
        }
    });
    clock.start(1000);
    logApp.Run();
    return result;
}
