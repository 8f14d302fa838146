#pragma once
// A CUPS scheduler of the test's own: cupsd started from a configuration folder of its own, listening on a
// free loopback port, with one queue whose driver (tests/data/printqueue.ppd: the jobs' PDF through the
// pdftopdf filter, on the paper the job asks for) writes every job to a file. It is this process's print
// server and default destination for as long as it lives; no system service is needed.
#include <QProcess>
#include <QString>

namespace testing_support {

class CupsServer {
public:
    CupsServer();
    ~CupsServer();
    CupsServer(const CupsServer&) = delete;
    CupsServer& operator=(const CupsServer&) = delete;

    // Empty when the server runs with its queue; else why it could not be had (the test skips).
    QString NotRunning() const { return notRunning_; }
    QString Queue() const { return QStringLiteral("StrativM_Paper"); }
    // The file each job is written to, replaced by the next job.
    QString Output() const { return output_; }
    // Removes the last job's output; then true once the next job is done and written (false after `ms`).
    void ForgetOutput();
    bool WaitForJob(int ms = 20000);

private:
    bool Start();
    bool Run(const QString& program, const QStringList& args, QString* out = nullptr);

    QString folder_;
    QString output_;
    QString notRunning_;
    QByteArray keptServer_;
    QProcess cupsd_;
};

// No print server for the life of the object: CUPS_SERVER names a loopback port that nothing listens on,
// so this process finds no print queue at all.
class NoPrintServer {
public:
    NoPrintServer();
    ~NoPrintServer();
    NoPrintServer(const NoPrintServer&) = delete;
    NoPrintServer& operator=(const NoPrintServer&) = delete;

private:
    QByteArray keptServer_;
};

}  // namespace testing_support
