#include "wellfile/profile.h"

#include "platform/folders.h"
#include "platform/text.h"
#include "wellfile/datafile.h"
#include "wellfile/validate.h"
#include "wellfile/wholefile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace wellfile {

namespace {

constexpr int kOtherRecordSize = 162;  // first record of the other programs' files
constexpr int kOtherTextOffset = 62;
constexpr std::size_t kMaxCompanyText = 99;

// Upper case as the C locale has it: ASCII letters only, the other bytes unchanged.
std::string UpperAscii(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return out;
}

std::optional<std::uint16_t> ParseProfile(const QString& s)
{
    bool ok = false;
    const uint n = s.trimmed().toUInt(&ok);
    if (!ok || n > 0xFFFF)
        return std::nullopt;
    return std::uint16_t(n);
}

// The extension of the file name (not of a folder on the way), from the name's last '.'.
QString FileExtension(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

struct LoadedTables {
    ProfileTables tables;
    QString installFile;
    QDateTime installStamp;
    qint64 installSize = -1;
    bool loaded = false;
};

}  // namespace

void ProfileTables::Add(const QString& tableText, QStringList* errors)
{
    enum class Section { None, Patterns, Extensions, Codes } section = Section::None;
    const QStringList lines = tableText.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QString head = line.trimmed().toLower();
        if (head == QLatin1String("[patterns]")) {
            section = Section::Patterns;
            continue;
        }
        if (head == QLatin1String("[extensions]")) {
            section = Section::Extensions;
            continue;
        }
        if (head == QLatin1String("[codes]")) {
            section = Section::Codes;
            continue;
        }
        // Patterns may hold blanks, so the fields are split at the one tab.
        const qsizetype tab = line.indexOf(u'\t');
        const QString left = tab < 0 ? QString() : line.left(tab);
        const QString right = tab < 0 ? QString() : line.mid(tab + 1);
        bool good = tab > 0 && !right.isEmpty();
        if (good && section == Section::Patterns) {
            const auto profile = ParseProfile(right);
            std::string text = platform::ToCp1252(left).toStdString();
            // Rows after the leading ones meet upper-cased text: a lower-case letter there could never match.
            if (patterns.size() >= std::size_t(kCaseSensitivePatterns))
                text = UpperAscii(text);
            good = profile.has_value();
            if (good)
                patterns.push_back({std::move(text), *profile});
        } else if (good && section == Section::Extensions) {
            const auto profile = ParseProfile(right);
            const QString ext = left.trimmed();
            good = profile.has_value() && ext.size() >= 3 && ext.startsWith(u'.');
            if (good)
                extensions.push_back({platform::ToCp1252(ext).toStdString(), *profile});
        } else if (good && section == Section::Codes) {
            const auto profile = ParseProfile(left);
            const QString code = right.trimmed();
            good = profile.has_value() && !code.isEmpty() && !code.contains(u' ');
            if (good)
                codes[*profile] = platform::ToCp1252(code).toStdString();
        } else {
            good = false;
        }
        if (!good && errors)
            errors->append(QStringLiteral("line %1: %2").arg(i + 1).arg(line));
    }
}

const ProfileTables& Profiles()
{
    static LoadedTables cache;
    const QString installFile = platform::FindFileNoCase(platform::InstallFolder(), QStringLiteral("profiles.txt"));
    const QFileInfo info(installFile);
    const QDateTime stamp = info.exists() ? info.lastModified() : QDateTime();
    const qint64 size = info.exists() ? info.size() : -1;
    if (cache.loaded && cache.installFile == installFile && cache.installStamp == stamp && cache.installSize == size)
        return cache.tables;

    cache.tables = ProfileTables();
    cache.tables.Add(QString::fromUtf8(kBuiltInProfileTable));
    if (info.exists()) {
        QFile f(installFile);
        if (f.open(QIODevice::ReadOnly))
            cache.tables.Add(QString::fromUtf8(f.readAll()));
    }
    cache.installFile = installFile;
    cache.installStamp = stamp;
    cache.installSize = size;
    cache.loaded = true;
    return cache.tables;
}

std::uint16_t ProfileFromText(const ProfileTables& tables, std::string_view companyText)
{
    const std::string upper = UpperAscii(companyText);
    for (std::size_t i = 0; i < tables.patterns.size(); ++i) {
        const ProfileRow& row = tables.patterns[i];
        if (row.text.empty())
            continue;
        const std::string_view text = i < std::size_t(kCaseSensitivePatterns) ? companyText : std::string_view(upper);
        if (text.find(row.text) != std::string_view::npos)
            return row.profile;
    }
    return kDefaultProfile;
}

std::optional<std::uint16_t> ProfileFromExtension(const ProfileTables& tables, const QString& path)
{
    const QString ext = FileExtension(path);
    if (ext.size() < 3)
        return std::nullopt;
    for (const ProfileRow& row : tables.extensions) {
        const QString want = platform::FromCp1252(row.text.data(), 3);
        if (ext.left(3).compare(want, Qt::CaseInsensitive) == 0)
            return row.profile;
    }
    return std::nullopt;
}

bool MetricProfile(int profile, std::int32_t rateUnitPerHour)
{
    return AlwaysMetricProfile(profile) || (profile == 11 && rateUnitPerHour != 0);
}

std::string CompanyTextOfFile(const QString& path)
{
    if (FileExtension(path).compare(QLatin1String(".svm"), Qt::CaseInsensitive) == 0) {
        const std::unique_ptr<RECORD> first = ReadFirstRecord(path);
        return first ? platform::FieldText(first->interpretedLith, sizeof first->interpretedLith - 1) : std::string();
    }
    char record[kOtherRecordSize] = {};
    if (ReadFilePrefix(path, record, sizeof record) != kOtherRecordSize)
        return {};
    return platform::FieldText(record + kOtherTextOffset, kMaxCompanyText);
}

int LoggerIdFromFile(std::uint16_t& loggerId, const QString& path, const std::string* companyText,
                     const DemoFileActions& demo)
{
    const ProfileTables& tables = Profiles();
    if (const auto special = ProfileFromExtension(tables, path)) {
        loggerId = *special;
        return 1;
    }
    const std::string text = companyText ? *companyText : CompanyTextOfFile(path);
    if (text.empty()) {
        OpenDemoFile(loggerId, demo);
        return 1;
    }
    loggerId = ProfileFromText(tables, text);
    return 1;
}

QString LoggerFilePrefix(std::uint16_t profile, const QString& versionText)
{
    const ProfileTables& tables = Profiles();
    auto code = tables.codes.find(profile);
    if (code == tables.codes.end())
        code = tables.codes.find(kDefaultProfile);
    QString prefix = code == tables.codes.end() ? QString() : platform::FromCp1252(code->second.data(), code->second.size());
    prefix += u' ';
    const qsizetype dot = versionText.indexOf(u'.');
    if (dot >= 0) {
        const qsizetype start = versionText.lastIndexOf(u' ', dot) + 1;  // 0 when no blank before
        qsizetype end = versionText.indexOf(u' ', dot);
        if (end < 0)
            end = versionText.size();
        prefix += versionText.mid(start, end - start);
    }
    return prefix;
}

}  // namespace wellfile
