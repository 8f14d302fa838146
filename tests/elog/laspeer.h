#pragma once
// The independent LAS reader: the npm package las-js, run by Node.js over files on disk
// (tests/elog/lasjs/readlas.js; scripts/install-deps.sh installs Node.js and the package).
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace laspeer {

struct PeerRead {
    QString error;  // las-js could not read the file at all
    double version = 0;
    bool wrap = false;
    QJsonObject well;      // STRT, STOP, STEP, NULL: {unit, value} as las-js read them
    QStringList mnemonics;  // the curves in file order
    QStringList units;      // las-js's unit of each, by mnemonic
    int keyed = 0;          // the curves of las-js's table keyed by mnemonic
    QJsonArray rows;        // the data rows, numbers (or the words las-js could not take as numbers)
};

// Why the peer cannot run here (Node.js missing), or empty. Tests skip only for this reason.
QString Unavailable();
// What las-js read from each file, in order; none (with a test failure) when the script did not answer.
std::optional<std::vector<PeerRead>> Read(const QStringList& paths);

}  // namespace laspeer
