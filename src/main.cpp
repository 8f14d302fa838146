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
    // Files, messages and LAS write numbers with a decimal point whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    platform::InstallRealServices();

    shell::TLogApp logApp(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    logApp.InitMainWindow();
    shell::LogWindow* window = logApp.MainWindow();
    window->SetupWindow();

    // Start-up check used by the tests of running copies: report what start-up decided, hold the
    // single-instance lock until standard input closes, and quit without showing the window.
    if (std::getenv("STRATIVM_STARTUP_REPORT")) {
        const app::LogState& s = window->State();
        std::printf("firstInstance=%d\ncaption=%s\ndrilling=%d\nremoteMonitor=%d\n", s.env.firstInstance,
                    s.well.captionText.toLocal8Bit().constData(), int(s.well.file.drilling),
                    int(s.env.remoteMonitorOn));
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        return 0;
    }
    return logApp.Run();
}
