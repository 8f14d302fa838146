#pragma once
// A test that needs a second process (a running copy to kill, a writer to cut off) re-runs this test
// binary on one helper test, which learns what to do from an environment variable.
#include <QByteArray>
#include <QProcess>
#include <QString>

namespace testing_support {

// Starts the test binary on `helperTest` ("Suite.Name") with `variable` = `value` in its environment
// and waits (30 s at most) until its standard output holds `token`. Returns the output read so far.
QByteArray StartHelperProcess(QProcess& process, const QString& helperTest, const QString& variable,
                              const QString& value, const QByteArray& token);

}  // namespace testing_support
