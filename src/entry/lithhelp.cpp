#include "entry/lithhelp.h"

#include "platform/text.h"

#include <iterator>
#include <string>

namespace entry {

namespace {

struct HelpRow {
    const char* name;
    const char* abbreviation;
    const char* accessory;
};

// The rocks that double as accessory digits first, then the others in the order of their type numbers,
// the blank last.
constexpr HelpRow kRows[] = {
    { "Limestone", "l", "4" },
    { "Chert", "ch", "5" },
    { "Dolomite", "d", "1" },
    { "Sand", "ss,sd", "2" },
    { "Silt", "sl,si", "6" },
    { "Shale", "sh", "8" },
    { "Anhydrite", "a", "3" },
    { "Coal", "co", "9" },
    { "Pyrite", "n/a", "7" },
    { "Salt", "sa", "" },
    { "Granite", "gr", "" },
    { "Conglomerate", "cg", "" },
    { "Ool'c lime", "ol", "" },
    { "Gluac Lime", "gl", "" },
    { "Fos'f Lime", "fl", "" },
    { "Bentonite", "be", "" },
    { "Glauc Sand", "gs", "" },
    { "Fos'f Dol", "fd", "" },
    { "Glauc Dol", "gd", "" },
    { "Ool'c Dol", "od", "" },
    { "Carb Sh", "cs", "" },
    { "Granite Wash", "gw", "" },
    { "Quartz Wash", "q", "" },
    { "Cement", "cm", "" },
    { "Carbonate Wash", "cw", "" },
    { "Red Shale", "rsh", "" },
    { "Org Shale", "osh", "" },
    { "Green Shale", "gsh", "" },
    { "Cust 1", "c1", "" },
    { "Cust 2", "c2", "" },
    { "Cust 3", "c3", "" },
    { "Cust 4", "c4", "" },
    { "Cust 5", "c5", "" },
    { "Cust 6", "c6", "" },
    { "Chalk", "ck", "" },
    { "Volcanics", "vo", "" },
    { "Blank (no lith)", "bl", "" },
};
static_assert(std::size(kRows) == 37);

constexpr const char* kRules[] = {
    "",
    "Type the percent and the abbreviation with no space: 80ls,20sh",
    "Separate the rocks with a comma, a full stop or a space.",
    "The percents must add up to 100.",
    "Add an accessory to the percent: 105dolo = dolomite, cherty;",
    "  108ls = limestone, shaly.",
    "Arrow keys move up and down.",
    "Enter without text copies the previous reading.",
    "Done saves the readings; Cancel leaves the file unchanged.",
    "A ~ before the abbreviation shows fractures as a red diamond:",
    "  50~ls,50~sh",
    "100bl erases the lithology.",
    "Custom shale colours default to light grey; set them under Log Colors.",
    "Volcanics default to white.",
};

}  // namespace

QString LithHelpHeader()
{
    return QStringLiteral("  Lith               Min. Abbrv.        As Acc\r\n");
}

QString LithHelpText()
{
    std::string text;
    for (const HelpRow& r : kRows)
        text += platform::CFormat("  %-19s%-19s%s\r\n", r.name, r.abbreviation, r.accessory);
    for (const char* line : kRules) {
        text += line;
        text += "\r\n";
    }
    return QString::fromStdString(text);
}

}  // namespace entry
