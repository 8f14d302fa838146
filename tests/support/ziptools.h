#pragma once
// Debian's zip, unzip and zipinfo, the independent judges of the zips the program writes and the makers
// of the zips it reads.
#include <QString>
#include <QStringList>

namespace testing_support {

// Runs `program` with `arguments` in `folder` (the test's folder when empty) and waits for it. Returns
// its exit code (-1 when it did not run); `output`, when given, gets its standard output.
int RunTool(const QString& program, const QStringList& arguments, QString* output = nullptr,
            const QString& folder = {});

// The entry names of a zip as "zipinfo -1" lists them; empty when it cannot list them.
QStringList ZipEntries(const QString& zipPath);

// Whether "unzip -t" finds every entry of the zip intact.
bool ZipTestsSound(const QString& zipPath);

}  // namespace testing_support
