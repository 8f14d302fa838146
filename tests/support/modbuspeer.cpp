#include "support/modbuspeer.h"

#include "gasmon/gasmoncfg.h"
#include "support/doubles.h"
#include "support/wells.h"
#include "support/testmain.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTcpServer>

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <csignal>

namespace testing_support {

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");
const QString kPeer = QStringLiteral(STRATIVM_TEST_DATA_DIR "/../platform/modbuspeer.py");

}  // namespace

bool Spin(const std::function<bool()>& done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        doubles().queue.DeliverAll();
    }
    return true;
}

bool PymodbusInstalled()
{
    QProcess p;
    p.start(kPython, {QStringLiteral("-c"), QStringLiteral("import pymodbus")});
    return p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool Child::Start(const QString& program, const QStringList& args, const QProcessEnvironment& env)
{
    process_.setProgram(program);
    process_.setArguments(args);
    if (!env.isEmpty())
        process_.setProcessEnvironment(env);
    // A test that crashes takes its peers with it.
    process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process_.start();
    return process_.waitForStarted(10000);
}

QString Child::WaitForOutput(const QRegularExpression& pattern, int ms)
{
    Spin([&] {
        process_.waitForReadyRead(5);
        output_ += QString::fromLocal8Bit(process_.readAllStandardOutput() + process_.readAllStandardError());
        return pattern.match(output_).hasMatch() || process_.state() == QProcess::NotRunning;
    }, ms);
    return output_;
}

bool Child::WaitForExit(int ms)
{
    return Spin([this] {
        process_.waitForFinished(5);
        output_ += QString::fromLocal8Bit(process_.readAllStandardOutput() + process_.readAllStandardError());
        return !Running();
    }, ms);
}

int Child::ExitCode() const
{
    return !Running() && process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

void Child::Stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

void Child::Kill()
{
    process_.kill();
    process_.waitForFinished(3000);
}

QString PeerLog() { return TestDir() + QStringLiteral("peer.log"); }

QString PeerLogText()
{
    QFile f(PeerLog());
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

void StartPeer(Child& peer, QStringList args)
{
    args.prepend(PeerLog());
    args.prepend(QStringLiteral("--log"));
    args.prepend(kPeer);
    ASSERT_TRUE(peer.Start(kPython, args));
    const QString out = peer.WaitForOutput(QRegularExpression(QStringLiteral("^ready$"), QRegularExpression::MultilineOption));
    ASSERT_TRUE(out.contains(QStringLiteral("ready"))) << out.toStdString();
}

int FreeTcpPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}

bool PtyPair::Start()
{
    if (!socat.Start(QStringLiteral("socat"), {QStringLiteral("-d"), QStringLiteral("-d"), QStringLiteral("pty,raw,echo=0"),
                                               QStringLiteral("pty,raw,echo=0")}))
        return false;
    static const QRegularExpression pty(QStringLiteral("PTY is (\\S+)"));
    static const QRegularExpression started(QStringLiteral("starting data transfer loop"));
    const QString out = socat.WaitForOutput(started, kLoadedMs);
    auto it = pty.globalMatch(out);
    if (it.hasNext())
        a = it.next().captured(1);
    if (it.hasNext())
        b = it.next().captured(1);
    return !a.isEmpty() && !b.isEmpty();
}

void GasInstrumentOnCom3(const QString& folder, const QString& home, PtyPair& line, Child& peer)
{
    ASSERT_TRUE(EditWellConfig(folder + QStringLiteral("elogdemo.cfg"), [](wellfile::WellConfig& cfg) {
        cfg.gasMonitorOn = 1;
        cfg.gasInstrumentType = 1;
    }));
    gasmon::GASMONCFG settings{};
    settings.gasComPort = 3;
    settings.cycleTime = 300;
    ASSERT_EQ(gasmon::WriteGasmonCfg(settings, {folder, {}}), 1);
    ASSERT_TRUE(line.Start()) << "socat pty pair";
    StartPeer(peer, {QStringLiteral("--rtu"), line.b, QStringLiteral("--stopbits"), QStringLiteral("1")});
    QSettings(home + QStringLiteral("/.config/StrativM/strativm.ini"), QSettings::IniFormat)
        .setValue(QStringLiteral("Serial/COM3"), line.a);
}

}  // namespace testing_support
