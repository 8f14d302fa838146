#include "laspeer.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace laspeer {

namespace {

QString Node()
{
    const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    return node.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("nodejs")) : node;
}
QString Folder() { return QStringLiteral(STRATIVM_TEST_DATA_DIR "/../elog/lasjs/"); }

}  // namespace

QString Unavailable()
{
    return Node().isEmpty() ? QStringLiteral("Node.js is not installed (scripts/install-deps.sh installs it)") : QString();
}

std::optional<std::vector<PeerRead>> Read(const QStringList& paths)
{
    if (!QFileInfo::exists(Folder() + QStringLiteral("node_modules/las-js/package.json"))) {
        ADD_FAILURE() << "las-js is not installed in tests/elog/lasjs: run scripts/install-deps.sh";
        return std::nullopt;
    }
    QProcess p;
    p.start(Node(), QStringList{Folder() + QStringLiteral("readlas.js")} + paths);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        ADD_FAILURE() << "readlas.js failed: " << p.readAllStandardError().toStdString();
        return std::nullopt;
    }
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(p.readAllStandardOutput(), &parse);
    if (!doc.isArray() || doc.array().size() != paths.size()) {
        ADD_FAILURE() << "readlas.js answered no list of " << paths.size() << ": " << parse.errorString().toStdString();
        return std::nullopt;
    }
    std::vector<PeerRead> out;
    for (const QJsonValue& v : doc.array()) {
        const QJsonObject o = v.toObject();
        PeerRead r;
        r.error = o.value(QStringLiteral("error")).toString();
        r.version = o.value(QStringLiteral("version")).toDouble();
        r.wrap = o.value(QStringLiteral("wrap")).toBool();
        r.well = o.value(QStringLiteral("well")).toObject();
        for (const QJsonValue& c : o.value(QStringLiteral("curves")).toArray()) {
            r.mnemonics << c.toObject().value(QStringLiteral("mnemonic")).toString();
            r.units << c.toObject().value(QStringLiteral("unit")).toString();
        }
        r.keyed = o.value(QStringLiteral("keyed")).toInt();
        r.rows = o.value(QStringLiteral("rows")).toArray();
        out.push_back(std::move(r));
    }
    return out;
}

}  // namespace laspeer
