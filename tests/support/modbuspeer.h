#pragma once
// A MODBUS instrument for the tests: the pymodbus server of tests/platform/modbuspeer.py on loopback
// TCP or on one end of a socat pty pair, with its request log, and the event loop run with a deadline.
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace testing_support {

// Runs the event loop and the test's message queue until `done` holds or `ms` have passed.
bool Spin(const std::function<bool()>& done, int ms);
// The deadline of a wait on another process, a socket or the screen: long enough for a machine running
// the whole suite in parallel under the sanitizers. A passing wait returns as soon as its condition holds.
inline constexpr int kLoadedMs = 60000;

bool PymodbusInstalled();

// A process of the test, stopped with it (and killed should the test crash).
class Child {
public:
    // `env`: the environment of the process; the test's own when empty.
    bool Start(const QString& program, const QStringList& args, const QProcessEnvironment& env = {});
    // Waits for standard output or error to match `pattern`; the whole output so far.
    QString WaitForOutput(const QRegularExpression& pattern, int ms = kLoadedMs);
    // Waits (running the event loop) until the process ends by itself; false when it still runs.
    bool WaitForExit(int ms);
    bool Running() const { return process_.state() != QProcess::NotRunning; }
    // The exit status of a process that ended normally; -1 for one that crashed or still runs.
    int ExitCode() const;
    void Stop();
    // Ends it as kill -9 does, and waits for the end.
    void Kill();
    ~Child() { Stop(); }

private:
    QProcess process_;
    QString output_;
};

// The peer's request log in the test's folder: a line "slave function address count" per request and
// "slave coils address v,v,..." after each coil write.
QString PeerLog();
QString PeerLogText();

// Starts the peer script with `args` (its log is PeerLog()); fails the test when it does not come up.
void StartPeer(Child& peer, QStringList args);

// A TCP port nobody listens on now.
int FreeTcpPort();

constexpr std::uint32_t kLoopback = 0x0100007F;  // 127.0.0.1, first octet in the lowest byte

// A socat pty pair: two device paths whose bytes cross over.
struct PtyPair {
    Child socat;
    QString a, b;
    bool Start();
};

// The demo well in `folder` polls a gas instrument of type 1 on com port 3 every 300 ms: the peer on the far
// end of `line`, the station's COM3 (the settings of the program's home `home`) the near end. Fails the
// test when the pair or the peer does not come up.
void GasInstrumentOnCom3(const QString& folder, const QString& home, PtyPair& line, Child& peer);

}  // namespace testing_support
