#include "support/ziptools.h"

#include "support/testmain.h"

#include <QProcess>

namespace testing_support {

int RunTool(const QString& program, const QStringList& arguments, QString* output, const QString& folder)
{
    QProcess p;
    p.setWorkingDirectory(folder.isEmpty() ? TestDir() : folder);
    p.start(program, arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
        return -1;
    if (output)
        *output = QString::fromUtf8(p.readAllStandardOutput());
    return p.exitCode();
}

QStringList ZipEntries(const QString& zipPath)
{
    QString out;
    if (RunTool(QStringLiteral("zipinfo"), {QStringLiteral("-1"), zipPath}, &out) != 0)
        return {};
    return out.split(u'\n', Qt::SkipEmptyParts);
}

bool ZipTestsSound(const QString& zipPath)
{
    return RunTool(QStringLiteral("unzip"), {QStringLiteral("-tq"), zipPath}) == 0;
}

}  // namespace testing_support
