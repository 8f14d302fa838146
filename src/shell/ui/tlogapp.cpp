#include "shell/ui/tlogapp.h"

#include "platform/folders.h"
#include "shell/startupini.h"
#include "shell/ui/logwindow.h"

#include <QApplication>

namespace shell {

TLogApp::TLogApp(const QString& commandLineFile) : commandLineFile_(commandLineFile)
{
    QCoreApplication::setApplicationName(QStringLiteral("StrativM"));
}

TLogApp::~TLogApp() = default;

void TLogApp::InitMainWindow()
{
    window_ = std::make_unique<LogWindow>(nullptr, QStringLiteral("StrativM"));
    window_->State().env.commandLineFile = commandLineFile_;
    window_->resize(1000, 700);  // the normal frame until the ini gives one
    ReadStartupIni(platform::DocumentsFolder());
}

int TLogApp::ReadStartupIni(const QString& strativmFolder)
{
    shell::StartupPlacement p;
    if (!window_ || !shell::ReadStartupIni(strativmFolder, p))
        return 0;
    QRect frame = window_->geometry();
    frame.moveTo(p.x.value_or(frame.x()), p.y.value_or(frame.y()));
    // A size of nothing or less would leave no window to restore to: keep the current one then.
    if (p.width.value_or(0) > 0)
        frame.setWidth(*p.width);
    if (p.height.value_or(0) > 0)
        frame.setHeight(*p.height);
    window_->setGeometry(frame);
    return 1;
}

void TLogApp::Show()
{
    if (window_)
        window_->showMaximized();
}

int TLogApp::Run()
{
    Show();
    // The loop ends with the main window, as the message loop of the main frame does.
    QObject::connect(window_.get(), &LogWindow::Closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    return QApplication::exec();
}

}  // namespace shell
