#include "drilling/welltitle.h"

#include "platform/text.h"
#include "wellfile/depthcorrection.h"
#include "wellfile/wellheader.h"

#include <algorithm>
#include <cctype>

namespace drilling {

bool OldHeaderFormat(int logFormat) { return logFormat == 3 || logFormat == 7; }

bool FlaggedCompany(std::string_view company)
{
    std::string upper(company);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return upper.find(kFlaggedCustomer) != std::string::npos;
}

WellTitle ReadWellTitle(const wellfile::WellPlace& place, int logFormat)
{
    WellTitle t;
    float kb = 0;
    bool read = false;
    if (OldHeaderFormat(logFormat)) {
        wellfile::WellHeader1450 old{};
        read = wellfile::ReadHeaderOld(old, place) != 0;
        if (read) {
            t.title = platform::FieldText(old.well);
            t.company = platform::FieldText(old.company);
            kb = wellfile::KbElevationFromText(old.kellyBushing, sizeof old.kellyBushing);
        }
    } else {
        wellfile::WellHeader header{};
        read = wellfile::ReadHeader(header, place) != 0;
        if (read) {
            t.title = platform::FieldText(header.well);
            t.company = platform::FieldText(header.company);
            kb = wellfile::KbElevationFromText(header.kellyBushing, sizeof header.kellyBushing);
        }
    }
    if (!read) {
        t.title = t.company = std::string(kNoHeaderTitle);
        return t;
    }
    t.companyFlag = FlaggedCompany(t.company);
    t.kb = kb;
    return t;
}

QString BackupReminderText(std::int32_t depth, const QString& text)
{
    if (!text.isEmpty() && text.size() < 40)
        return text;
    return QStringLiteral("Last Full Back Up = %1").arg(depth);
}

}  // namespace drilling
