#pragma once
// The well header dialog's data: its 1,130-byte transfer record, the controls of "STRATIV HEADER
// INFORMATION" (resource 2) and the copies between the record and the well header, which decide per
// logging-company profile which fields the dialog loads and stores.
#include "wellfile/wellheader.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace print {

namespace headerid {
enum : int {
    Save = 1,
    Close = 2,
    NarrowFormat = 101,
    Company = 102,
    Well = 103,
    Field = 104,
    County = 105,
    State = 106,
    Location = 107,
    Location2 = 108,
    GroundLevel = 109,
    StartDepth = 110,
    KellyBushing = 111,
    StartDate = 112,
    EndDate = 113,
    SpudDate = 114,
    Rig = 115,
    UnitNumber = 116,
    Loggers = 117,
    ElogKb = 118,
    FileName = 119,
    Geologist = 120,
    UpdateHeader = 121,
    UpdateHeaderText = 122,
    UniqueWellId = 132,
    Print = 1011,
    EndDepth = 1101,
    FileNumber = 1280,
    Engineer = 1281,
    PhoneNumbers = 1287,
    ApiNumber = 1301,
    Loggers2 = 1302,
    TitleLine = 2001,
    // The labels the set-up shows or hides with their edits.
    UnitNumberLabel = 2002,
    LoggersLabel = 2003,
    FileNumberLabel = 2004,
    PhoneNumbersLabel = 2005,
    OperatorGroup = 2006,
    OperatorFirst = 2007,  // five radios
};
}  // namespace headerid

constexpr int kOperatorRadios = 5;
constexpr int kUniqueWellIdLimit = 16;  // 15 characters

// The transfer record: zero-ended texts, and the 32-bit state of "Narrow Format:" (1 ticked).
#pragma pack(push, 1)
struct HeaderTransfer {
    char company[80];
    char well[80];
    char field[30];
    char county[30];
    char state[30];
    char location[80];
    char location2[80];
    char startDepth[20];
    char endDepth[20];
    char groundLevel[30];
    char kellyBushing[30];
    char startDate[20];
    char endDate[20];
    char spudDate[20];
    char rig[80];
    char unitNumber[30];
    char loggers[80];
    char loggers2[80];
    char apiNumber[30];
    char geologist[20];
    char fileName[50];
    char fileNumber[16];
    char engineer[30];
    std::int32_t narrowFormat;
    char phoneNumbers[128];
    char elogKb[12];
};
#pragma pack(pop)

static_assert(sizeof(HeaderTransfer) == 1130);
static_assert(std::is_trivially_copyable_v<HeaderTransfer> && std::is_standard_layout_v<HeaderTransfer>);
static_assert(offsetof(HeaderTransfer, well) == 80);
static_assert(offsetof(HeaderTransfer, field) == 160);
static_assert(offsetof(HeaderTransfer, county) == 190);
static_assert(offsetof(HeaderTransfer, state) == 220);
static_assert(offsetof(HeaderTransfer, location) == 250);
static_assert(offsetof(HeaderTransfer, location2) == 330);
static_assert(offsetof(HeaderTransfer, startDepth) == 410);
static_assert(offsetof(HeaderTransfer, endDepth) == 430);
static_assert(offsetof(HeaderTransfer, groundLevel) == 450);
static_assert(offsetof(HeaderTransfer, kellyBushing) == 480);
static_assert(offsetof(HeaderTransfer, startDate) == 510);
static_assert(offsetof(HeaderTransfer, endDate) == 530);
static_assert(offsetof(HeaderTransfer, spudDate) == 550);
static_assert(offsetof(HeaderTransfer, rig) == 570);
static_assert(offsetof(HeaderTransfer, unitNumber) == 650);
static_assert(offsetof(HeaderTransfer, loggers) == 680);
static_assert(offsetof(HeaderTransfer, loggers2) == 760);
static_assert(offsetof(HeaderTransfer, apiNumber) == 840);
static_assert(offsetof(HeaderTransfer, geologist) == 870);
static_assert(offsetof(HeaderTransfer, fileName) == 890);
static_assert(offsetof(HeaderTransfer, fileNumber) == 940);
static_assert(offsetof(HeaderTransfer, engineer) == 956);
static_assert(offsetof(HeaderTransfer, narrowFormat) == 986);
static_assert(offsetof(HeaderTransfer, phoneNumbers) == 990);
static_assert(offsetof(HeaderTransfer, elogKb) == 1118);

// One text of the record: its control, where it lies in the record and in the header, and its width
// (the same in both).
struct HeaderTextField {
    int id;
    std::size_t transferOffset;
    std::size_t width;
    std::size_t headerOffset;
};

// Every text of the record, in record order.
extern const HeaderTextField kHeaderTextFields[23];

// What the copies read of the window: the open well's name and profiles and the narrow-format flag.
struct HeaderDialogContext {
    QString wellName;
    int profile = 0;
    int secondProfile = 0;
    bool alternateHeader = false;  // the profile's own header layout
    bool narrowFormat = false;     // the window's
};

// The profiles whose fields only some headers carry.
bool HeaderHasFileNumber(int profile);
bool HeaderHasEngineer(int profile, int secondProfile);
bool HeaderHasPhoneNumbers(int profile);
// The second loggers line is shown for these profiles (for 2, 91 and 92 only with 2 characters or more).
bool HeaderShowsSecondLoggers(int profile, const char* loggers2, std::size_t width);

// The record the dialog opens with: the header's texts (dates with "-" for "/" in the alternate layout),
// the fields of other profiles empty, "FILE NAME:" the well name + ".svm".
HeaderTransfer HeaderToTransfer(const wellfile::WellHeader& header, const HeaderDialogContext& context);

// Copies the record's texts back into `header`, each cut to its field: the profile-gated fields only
// for their profiles, "FILE NAME:" as the well name + ".svm" whatever was typed. A second loggers line
// the dialog did not load is kept unless one was typed. Nothing else of the header changes.
void FieldsToHeader(wellfile::WellHeader& header, const HeaderTransfer& transfer, const HeaderDialogContext& context);

}  // namespace print
