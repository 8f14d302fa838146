#include "elog/tvdtargets.h"

#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/winapi.h"
#include "wellfile/wholefile.h"

#include <QFile>
#include <QList>

namespace elog {

namespace {

constexpr std::array<const char*, 6> kColumnNames = {"MD", "TVD", "AZM", "INCL", "VS", "DLS"};

QList<QByteArray> FieldsOf(const QByteArray& line)
{
    QList<QByteArray> fields;
    for (const QByteArray& part : line.split(' '))
        for (const QByteArray& f : part.split('\t'))
            if (!f.isEmpty())
                fields << f;
    return fields;
}

// The column a name line names, or -1.
int ColumnOf(const QByteArray& line)
{
    const QByteArray name = line.trimmed();
    for (std::size_t k = 0; k < kColumnNames.size(); ++k)
        if (name.compare(kColumnNames[k], Qt::CaseInsensitive) == 0)
            return int(k);
    return -1;
}

bool StartsWithNumber(const QByteArray& line)
{
    const QList<QByteArray> fields = FieldsOf(line);
    if (fields.isEmpty())
        return false;
    const QByteArray& f = fields.front();
    const char c = f[0] == '-' || f[0] == '+' ? (f.size() > 1 ? f[1] : ' ') : f[0];
    return (c >= '0' && c <= '9') || (c == '.' && f.size() > 1);
}

}  // namespace

float ReadTextField(const QByteArray& line, int field, float minimum)
{
    const QList<QByteArray> fields = FieldsOf(line);
    if (field < 0 || field >= fields.size())
        return 0;
    const float value = platform::LeadingFloat(QString::fromLatin1(fields[field]));
    return field > 0 && value < minimum ? 0.0f : value;
}

TargetParse ParseTargetText(const QByteArray& text)
{
    TargetParse out;
    QList<QByteArray> lines;
    for (const QByteArray& l : text.split('\n'))
        for (const QByteArray& part : l.split('\r'))
            if (!part.isEmpty())
                lines << part;

    qsizetype i = 0;
    while (i < lines.size() && !lines[i].startsWith('~'))
        ++i;
    if (i == lines.size()) {
        out.formatError = 100;
        return out;
    }
    ++i;
    std::array<int, 6> columnOfName{-1, -1, -1, -1, -1, -1};
    int names = 0;
    int recognised = 0;
    while (names < 6 && i < lines.size() && !lines[i].startsWith('#')) {
        columnOfName[std::size_t(names)] = ColumnOf(lines[i]);
        recognised += columnOfName[std::size_t(names)] >= 0 ? 1 : 0;
        ++names;
        ++i;
    }
    if (i >= lines.size() || recognised < 2) {
        out.formatError = 2;
        return out;
    }
    i += 2;  // the line that ended the names and the one after it
    if (i - 1 >= lines.size()) {
        out.formatError = 3;
        return out;
    }
    for (; i < lines.size(); ++i) {
        if (!StartsWithNumber(lines[i]))
            continue;
        TargetRecord r{};
        for (int k = 0; k < names; ++k)
            if (columnOfName[std::size_t(k)] >= 0)
                r[std::size_t(columnOfName[std::size_t(k)])] = ReadTextField(lines[i], k, 0.0f);
        out.records.push_back(r);
    }
    if (out.records.empty())
        out.formatError = 4;
    return out;
}

int ImportTargetData(const QString& textPath, const QString& trgPath)
{
    QFile in(textPath);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    const TargetParse parse = ParseTargetText(in.readAll());
    if (parse.formatError != 0) {
        platform::MessageBox(QStringLiteral("Data not found, check file format #%1").arg(parse.formatError),
                             QStringLiteral("Error"), platform::MB_OK);
        return 0;
    }
    if (!wellfile::WriteWholeFile(trgPath, parse.records.data(), parse.records.size() * sizeof(TargetRecord))) {
        platform::MessageBox(QStringLiteral("file open failed"), QStringLiteral("las test"), platform::MB_OK);
        return 0;
    }
    platform::MessageBox(QStringLiteral("Import Done"), QString(), platform::MB_OK);
    return 1;
}

}  // namespace elog
