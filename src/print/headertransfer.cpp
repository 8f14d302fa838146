#include "print/headertransfer.h"

#include "platform/text.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <string>

namespace print {

using namespace headerid;

#define HEADER_TEXT(id, member, headerMember)                                                     \
    HeaderTextField                                                                               \
    {                                                                                             \
        id, offsetof(HeaderTransfer, member), sizeof HeaderTransfer::member,                      \
            offsetof(wellfile::WellHeader, headerMember)                                          \
    }

const HeaderTextField kHeaderTextFields[23] = {
    HEADER_TEXT(Company, company, company),
    HEADER_TEXT(Well, well, well),
    HEADER_TEXT(Field, field, field),
    HEADER_TEXT(County, county, county),
    HEADER_TEXT(State, state, state),
    HEADER_TEXT(Location, location, location),
    HEADER_TEXT(Location2, location2, location2),
    HEADER_TEXT(StartDepth, startDepth, intervalFrom),
    HEADER_TEXT(EndDepth, endDepth, intervalTo),
    HEADER_TEXT(GroundLevel, groundLevel, groundLevel),
    HEADER_TEXT(KellyBushing, kellyBushing, kellyBushing),
    HEADER_TEXT(StartDate, startDate, loggedFrom),
    HEADER_TEXT(EndDate, endDate, loggedTo),
    HEADER_TEXT(SpudDate, spudDate, spudDate),
    HEADER_TEXT(Rig, rig, rig),
    HEADER_TEXT(UnitNumber, unitNumber, unitNumber),
    HEADER_TEXT(Loggers, loggers, loggers),
    HEADER_TEXT(Loggers2, loggers2, loggers2),
    HEADER_TEXT(ApiNumber, apiNumber, apiNumber),
    HEADER_TEXT(Geologist, geologist, geologist),
    HEADER_TEXT(FileName, fileName, fileName),
    HEADER_TEXT(FileNumber, fileNumber, fileNumber),
    HEADER_TEXT(Engineer, engineer, engineer),
};
#undef HEADER_TEXT

// The phone numbers and the e-log KB lie past the narrow-format state: the table above ends before it.
static_assert(offsetof(HeaderTransfer, engineer) + sizeof HeaderTransfer::engineer ==
              offsetof(HeaderTransfer, narrowFormat));

namespace {

const HeaderTextField kPhoneNumbers{PhoneNumbers, offsetof(HeaderTransfer, phoneNumbers),
                                    sizeof HeaderTransfer::phoneNumbers, offsetof(wellfile::WellHeader, phoneNumbers)};
const HeaderTextField kElogKb{ElogKb, offsetof(HeaderTransfer, elogKb), sizeof HeaderTransfer::elogKb,
                              offsetof(wellfile::WellHeader, elogKb)};

char* At(void* record, std::size_t offset) { return static_cast<char*>(record) + offset; }
const char* At(const void* record, std::size_t offset) { return static_cast<const char*>(record) + offset; }

void HeaderToField(HeaderTransfer& t, const wellfile::WellHeader& h, const HeaderTextField& f)
{
    platform::SetFieldText(At(&t, f.transferOffset), f.width, platform::FieldText(At(&h, f.headerOffset), f.width));
}

void FieldToHeader(wellfile::WellHeader& h, const HeaderTransfer& t, const HeaderTextField& f)
{
    platform::SetFieldText(At(&h, f.headerOffset), f.width, platform::FieldText(At(&t, f.transferOffset), f.width));
}

template <std::size_t N>
void SetText(char (&field)[N], const QString& text)
{
    platform::SetFieldText(field, platform::ToCp1252(text).toStdString());
}

// Whether the profile-gated field `id` is the dialog's to load and store.
bool Carried(int id, const HeaderDialogContext& c)
{
    switch (id) {
    case FileNumber: return HeaderHasFileNumber(c.profile);
    case Engineer: return HeaderHasEngineer(c.profile, c.secondProfile);
    default: return true;
    }
}

}  // namespace

bool HeaderHasFileNumber(int profile) { return wellfile::ProfileIn(profile, {5, 31, 68}); }
bool HeaderHasEngineer(int profile, int secondProfile)
{
    return profile == 9 || wellfile::FeetFormatProfile(profile) || secondProfile == 11;
}
bool HeaderHasPhoneNumbers(int profile) { return wellfile::ProfileIn(profile, {25, 26, 68}); }

bool HeaderShowsSecondLoggers(int profile, const char* loggers2, std::size_t width)
{
    if (profile == 9)
        return true;
    return wellfile::DiagonalAnhydriteProfile(profile) && platform::FieldText(loggers2, width).size() >= 2;
}

HeaderTransfer HeaderToTransfer(const wellfile::WellHeader& header, const HeaderDialogContext& c)
{
    HeaderTransfer t{};
    for (const HeaderTextField& f : kHeaderTextFields)
        if (Carried(f.id, c))
            HeaderToField(t, header, f);
    if (HeaderHasPhoneNumbers(c.profile))
        HeaderToField(t, header, kPhoneNumbers);
    HeaderToField(t, header, kElogKb);

    if (c.alternateHeader)
        for (char* date : {t.spudDate, t.startDate, t.endDate})
            std::replace(date, date + sizeof t.spudDate, '/', '-');
    if (!HeaderShowsSecondLoggers(c.profile, header.loggers2, sizeof header.loggers2))
        std::fill(std::begin(t.loggers2), std::end(t.loggers2), '\0');
    SetText(t.fileName, c.wellName + QStringLiteral(".svm"));
    t.narrowFormat = wellfile::NarrowHeaderProfile(c.profile) || c.alternateHeader || c.narrowFormat ? 1 : 0;
    return t;
}

void FieldsToHeader(wellfile::WellHeader& header, const HeaderTransfer& t, const HeaderDialogContext& c)
{
    // A line the dialog showed empty is not the user's clearing of it: keep what the header holds.
    const bool keepLoggers2 = !HeaderShowsSecondLoggers(c.profile, header.loggers2, sizeof header.loggers2) &&
                              platform::FieldText(t.loggers2).empty();
    for (const HeaderTextField& f : kHeaderTextFields) {
        if (!Carried(f.id, c) || (f.id == Loggers2 && keepLoggers2))
            continue;
        FieldToHeader(header, t, f);
    }
    if (HeaderHasPhoneNumbers(c.profile))
        FieldToHeader(header, t, kPhoneNumbers);
    FieldToHeader(header, t, kElogKb);
    SetText(header.fileName, c.wellName + QStringLiteral(".svm"));
}

}  // namespace print
