#pragma once
// WellHeader: the texts of the log header (".hdr", 2,052 bytes), shown by the printed header, the
// reports and the LAS export. Each text is Windows-1252, NUL-terminated within its field. Older files
// hold a 1,370-byte layout (converted on read) or a 1,450-byte one (read as it is for profile 7).
#include "wellfile/wellplace.h"

#include <cstddef>
#include <cstdint>

namespace wellfile {

#pragma pack(push, 1)
struct WellHeader {
    char company[80];        // 0, LAS COMP
    char well[80];           // 80, LAS WELL
    char field[30];          // 160, LAS FLD
    char county[30];         // 190, LAS CNTY
    char state[30];          // 220, LAS STAT
    char location[80];       // 250, LAS LOC
    char location2[80];      // 330, LAS LOC2
    char spudDate[20];       // 410
    char loggedFrom[20];     // 430, LAS DATE
    char loggedTo[20];       // 450
    char intervalFrom[20];   // 470
    char intervalTo[20];     // 490
    char groundLevel[30];    // 510
    char kellyBushing[30];   // 540, LAS EKB
    char apiNumber[30];      // 570, LAS API
    char loggers[80];        // 600
    char loggers2[80];       // 680
    char unitNumber[30];     // 760
    char rig[80];            // 790
    char geologist[20];      // 870
    char fileName[50];       // 890: well name + ".svm", set by the header dialog
    char fileNumber[16];     // 940
    char text956[568];
    char phoneNumbers[128];  // 1524
    char text1652[328];
    char engineer[30];       // 1980
    char elogKb[12];         // 2010
    std::int32_t operatorCode;  // 2022: 2 selects the first of two client titles
    std::uint8_t rest[26];
};

// The 1,450-byte header of older files.
struct WellHeader1450 {
    char company[80];       // 0
    char well[80];          // 80
    char field[30];         // 160
    char county[30];        // 190
    char state[30];         // 220
    char location[80];      // 250
    char location2[80];     // 330
    char spudDate[20];      // 410
    char loggedFrom[20];    // 430
    char loggedTo[20];      // 450
    char intervalFrom[20];  // 470
    char intervalTo[20];    // 490
    char groundLevel[20];   // 510
    char kellyBushing[20];  // 530
    char apiNumber[30];     // 550
    std::uint8_t rest[870];
};
#pragma pack(pop)

static_assert(sizeof(WellHeader) == 2052);
static_assert(offsetof(WellHeader, well) == 80);
static_assert(offsetof(WellHeader, field) == 160);
static_assert(offsetof(WellHeader, county) == 190);
static_assert(offsetof(WellHeader, state) == 220);
static_assert(offsetof(WellHeader, location) == 250);
static_assert(offsetof(WellHeader, location2) == 330);
static_assert(offsetof(WellHeader, spudDate) == 410);
static_assert(offsetof(WellHeader, loggedFrom) == 430);
static_assert(offsetof(WellHeader, loggedTo) == 450);
static_assert(offsetof(WellHeader, intervalFrom) == 470);
static_assert(offsetof(WellHeader, intervalTo) == 490);
static_assert(offsetof(WellHeader, groundLevel) == 510);
static_assert(offsetof(WellHeader, kellyBushing) == 540);
static_assert(offsetof(WellHeader, apiNumber) == 570);
static_assert(offsetof(WellHeader, loggers) == 600);
static_assert(offsetof(WellHeader, loggers2) == 680);
static_assert(offsetof(WellHeader, unitNumber) == 760);
static_assert(offsetof(WellHeader, rig) == 790);
static_assert(offsetof(WellHeader, geologist) == 870);
static_assert(offsetof(WellHeader, fileName) == 890);
static_assert(offsetof(WellHeader, fileNumber) == 940);
static_assert(offsetof(WellHeader, phoneNumbers) == 1524);
static_assert(offsetof(WellHeader, engineer) == 1980);
static_assert(offsetof(WellHeader, elogKb) == 2010);
static_assert(offsetof(WellHeader, operatorCode) == 2022);
static_assert(sizeof(WellHeader1450) == 1450);
static_assert(offsetof(WellHeader1450, location2) == 330);
static_assert(offsetof(WellHeader1450, loggedFrom) == 430);
static_assert(offsetof(WellHeader1450, groundLevel) == 510);
static_assert(offsetof(WellHeader1450, kellyBushing) == 530);
static_assert(offsetof(WellHeader1450, apiNumber) == 550);

constexpr std::size_t kOldHeaderSize = 1370;   // fields 480 bytes further on than today's
constexpr std::size_t kOldHeaderShift = 480;

// Today's header from the bytes of a 1,370-byte header: each text moves 480 bytes down and is kept
// NUL-terminated within its field.
WellHeader ConvertOldHeader(const char (&old)[kOldHeaderSize]);

// The header file: with no name, local folder + well name + ".hdr"; with a name, its file part in the
// local folder, or with `asGiven` the name itself, the extension replaced by ".hdr".
QString HeaderFilePath(const WellPlace& place, const QString& name = {}, bool asGiven = false);

// Clears the header and reads the file: a 1,370-byte file is converted and saved at once as a 2,052-byte
// one, as SaveHeader saves (`copyOut` as there); any other file fills the header from its first bytes.
// 1 when the file opened, else 0.
int ReadHeader(WellHeader& header, const WellPlace& place, const QString& name = {}, bool asGiven = false,
               bool copyOut = false);

// Writes local folder + (name, else the well name) + ".hdr", over a file of that name in other letter
// case when there is one; 1 when written (the caller then marks the header saved), 0 when the write
// failed. While drilling with `copyOut` on, the file is copied out.
int SaveHeader(const WellHeader& header, const WellPlace& place, const QString& name = {}, bool copyOut = false);

// Reads a header file of exactly 1,450 bytes (named as ReadHeader names it); 1 when read, else 0.
int ReadHeaderOld(WellHeader1450& header, const WellPlace& place, const QString& name = {});

}  // namespace wellfile
