#include "support/cupsserver.h"

#include "support/testmain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <dlfcn.h>

namespace testing_support {

namespace {

QString Program(const QString& name)
{
    QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty())
        path = QStandardPaths::findExecutable(name, {"/usr/sbin", "/sbin", "/usr/local/sbin"});
    return path;
}

// libcups keeps the server it first talked to: once it is loaded (Qt's print support loads it), it is
// told to read CUPS_SERVER again.
void ForgetCupsServer()
{
    void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!cups)
        return;
    using SetServer = void (*)(const char*);
    if (auto set = reinterpret_cast<SetServer>(dlsym(cups, "cupsSetServer")))
        set(nullptr);
    dlclose(cups);
}

int FreeLoopbackPort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

bool Write(const QString& path, const QString& text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text.toUtf8()) == text.toUtf8().size();
}

}  // namespace

CupsServer::CupsServer()
{
    keptServer_ = qgetenv("CUPS_SERVER");
    for (int attempt = 0; attempt < 3 && !Start(); ++attempt) {
        cupsd_.kill();
        cupsd_.waitForFinished(3000);
    }
}

CupsServer::~CupsServer()
{
    if (cupsd_.state() != QProcess::NotRunning) {
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(5000)) {
            cupsd_.kill();
            cupsd_.waitForFinished(3000);
        }
    }
    if (keptServer_.isNull())
        qunsetenv("CUPS_SERVER");
    else
        qputenv("CUPS_SERVER", keptServer_);
    ForgetCupsServer();
    if (!folder_.isEmpty())
        QDir(folder_).removeRecursively();
}

bool CupsServer::Start()
{
    const QString cupsd = Program("cupsd"), lpadmin = Program("lpadmin");
    if (cupsd.isEmpty() || lpadmin.isEmpty() || Program("lpstat").isEmpty()) {
        notRunning_ = "no CUPS on this machine (cupsd, lpadmin and lpstat of Debian's cups-daemon and cups-client)";
        return true;  // no second try
    }
    // The filters run as CUPS's own user, who must reach the spooled jobs: a folder all may enter.
    if (folder_.isEmpty()) {
        const QString base = QDir::tempPath() + "/strativm-cups-" + QString::number(QCoreApplication::applicationPid());
        QDir(base).removeRecursively();
        if (!QDir().mkpath(base + "/spool") || !QDir().mkpath(base + "/out")) {
            notRunning_ = "cannot make the server's folder " + base;
            return true;
        }
        folder_ = base;
        for (const QString& f : {folder_, folder_ + "/out"})
            QFile::setPermissions(f, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                         QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        output_ = folder_ + "/out/job.pdf";
    }
    const int port = FreeLoopbackPort();
    const QString server = QStringLiteral("127.0.0.1:%1").arg(port);
    const QString& d = folder_;
    const bool written =
        Write(d + "/cups-files.conf",
              QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1\nStateDir %1\nTempDir %1/spool\n"
                             "ErrorLog %1/error_log\nAccessLog none\nPageLog none\nFileDevice Yes\n")
                  .arg(d)) &&
        Write(d + "/cupsd.conf", QStringLiteral("Listen %1\nLogLevel warn\nBrowsing No\nWebInterface No\n"
                                                "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n"
                                                "</Location>\n<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                                "  </Limit>\n</Policy>\n")
                                     .arg(server));
    if (port == 0 || !written) {
        notRunning_ = "cannot write the server's configuration in " + d;
        return true;
    }
    cupsd_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    cupsd_.start(cupsd, {"-f", "-c", d + "/cupsd.conf", "-s", d + "/cups-files.conf"});
    notRunning_ = "cupsd did not start: " + cupsd_.errorString();
    if (!cupsd_.waitForStarted(5000))
        return false;
    // Ready once it takes connections.
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, quint16(port));
        if (probe.waitForConnected(200))
            break;
        if (cupsd_.state() == QProcess::NotRunning || waited.hasExpired(10000)) {
            notRunning_ = QStringLiteral("cupsd did not listen on %1 (see %2/error_log)").arg(server, d);
            return false;
        }
        QThread::msleep(50);
    }
    qputenv("CUPS_SERVER", server.toUtf8());
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
    ForgetCupsServer();
    QString said;
    if (!Run(lpadmin, {"-p", Queue(), "-E", "-v", "file://" + output_, "-P", TestDataDir() + "printqueue.ppd"}, &said) ||
        !Run(lpadmin, {"-d", Queue()}, &said)) {
        notRunning_ = "the queue could not be set up: " + said;
        return false;
    }
    notRunning_.clear();
    return true;
}

bool CupsServer::Run(const QString& program, const QStringList& args, QString* out)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    const bool done = p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (out)
        *out = QString::fromLocal8Bit(p.readAll());
    if (!done)
        p.kill();
    return done;
}

void CupsServer::ForgetOutput() { QFile::remove(output_); }

bool CupsServer::WaitForJob(int ms)
{
    QElapsedTimer waited;
    waited.start();
    const QString lpstat = Program("lpstat");
    do {
        QString jobs;
        if (QFileInfo(output_).size() > 0 && Run(lpstat, {"-o", Queue()}, &jobs) && jobs.trimmed().isEmpty())
            return true;
        QThread::msleep(50);
    } while (!waited.hasExpired(ms));
    return false;
}

NoPrintServer::NoPrintServer() : keptServer_(qgetenv("CUPS_SERVER"))
{
    qputenv("CUPS_SERVER", QStringLiteral("127.0.0.1:%1").arg(FreeLoopbackPort()).toUtf8());
    ForgetCupsServer();
}

NoPrintServer::~NoPrintServer()
{
    if (keptServer_.isNull())
        qunsetenv("CUPS_SERVER");
    else
        qputenv("CUPS_SERVER", keptServer_);
    ForgetCupsServer();
}

}  // namespace testing_support
