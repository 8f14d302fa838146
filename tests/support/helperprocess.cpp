#include "support/helperprocess.h"

#include <QCoreApplication>
#include <QProcessEnvironment>

namespace testing_support {

QByteArray StartHelperProcess(QProcess& process, const QString& helperTest, const QString& variable,
                              const QString& value, const QByteArray& token)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(variable, value);
    process.setProcessEnvironment(env);
    process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=") + helperTest});
    QByteArray out;
    while (!out.contains(token) && process.waitForReadyRead(30000))
        out += process.readAllStandardOutput();
    return out;
}

}  // namespace testing_support
