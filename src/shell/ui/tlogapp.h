#pragma once
// The application object: makes the main window, places it as "startupM.ini" says and shows it
// maximised.
#include <QString>

#include <memory>

namespace shell {

class LogWindow;

class TLogApp {
public:
    // `commandLineFile`: the data file or package named on the command line, or empty.
    explicit TLogApp(const QString& commandLineFile = {});
    ~TLogApp();

    // Creates the main window titled "StrativM" and takes its placement from "startupM.ini".
    void InitMainWindow();
    LogWindow* MainWindow() const { return window_.get(); }

    // Reads "startupM.ini" in `strativmFolder` and moves the main window's normal frame there;
    // returns 1 when the position was taken, else 0. The window is shown maximised in any case.
    int ReadStartupIni(const QString& strativmFolder);

    // Shows the main window maximised.
    void Show();
    // Shows the main window and runs the message loop; returns its status.
    int Run();

private:
    QString commandLineFile_;
    std::unique_ptr<LogWindow> window_;
};

}  // namespace shell
