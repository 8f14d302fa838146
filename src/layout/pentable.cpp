#include "layout/pentable.h"

#include "layout/logcolours.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "wellfile/fileattrs.h"
#include "wellfile/layoutfiles.h"
#include "wellfile/openwell.h"
#include "wellfile/profile.h"
#include "wellfile/wholefile.h"

#include <QFileInfo>

namespace layout {

using platform::COLORREF;

namespace {
constexpr COLORREF kBlack = 0x000000, kLightGrey = 0xC0C0C0, kRed = 0x0000FF, kGreen = 0x00FF00,
                   kBlue = 0xFF0000, kMagenta = 0xFF00FF, kWhite = 0xFFFFFF, kDarkGreen = 0x008000,
                   kPaleYellow = 0xD9FFFF;

struct DefaultPen {
    const char* name;
    COLORREF colour;
    int width;
    int style;
};

// Entries 0-43; entry 0's name, style and entry 12's colour depend on the profile.
constexpr DefaultPen kDefaults[PEN_FIRST_SHADE] = {
    {" TOT ", kBlack, 2, PS_DASH},  {" C1 ", kRed, 2, PS_SOLID},     {" C2 ", kBlue, 2, PS_SOLID},
    {" C3 ", kDarkGreen, 2, PS_DASH}, {" IC4  ", kMagenta, 2, PS_SOLID}, {" NC4 ", 0xFF0080, 2, PS_SOLID},
    {" IC5  ", kRed, 1, PS_SOLID},  {" NC5 ", kGreen, 1, PS_SOLID},  {" RATES ", kBlack, 2, PS_SOLID},
    {" NOTES ", kBlack, 1, PS_SOLID}, {" DESCRIPTIONS ", kBlack, 1, PS_SOLID},
    {" HEADER TEXT", kBlack, 1, PS_SOLID}, {" CO2 ", kBlack, 2, PS_SOLID},
    {" SURVEY DATA ", kBlack, 1, PS_SOLID}, {" LAG TEXT ", kBlue, 1, PS_SOLID}, {" FLARE ", kRed, 1, PS_SOLID},
    {" HEADER BACKGROUND", kWhite, 1, PS_SOLID}, {" Slide ", kBlue, 6, PS_SOLID},
    {" GAMMA ", kDarkGreen, 2, PS_SOLID}, {" OFF SCALE RATES FILL ", kPaleYellow, 1, PS_SOLID},
    {" OFF SCALE GAMMA FILL ", kGreen, 1, PS_SOLID}, {" HORZ GAS FILL  ", kPaleYellow, 1, PS_SOLID},
    {" HORZ TARGET ", kBlue, 1, PS_SOLID}, {" REAL TIME GAMMA ", kBlue, 1, PS_SOLID},
    {" REVERSE ROP ", kRed, 1, PS_SOLID}, {" POROSITY FILL ", kRed, 1, PS_SOLID}, {" WOB", kRed, 2, PS_SOLID},
    {" TORQUE ", kBlack, 2, PS_SOLID}, {" TEMPERATURE ", kBlack, 2, PS_SOLID}, {" CALIPER ", kBlack, 2, PS_DASH},
    {" DENSITY POR ", kRed, 2, PS_SOLID}, {" NEUTRON POR ", kBlack, 2, PS_SOLID},
    {" CROSSPLOT POR ", kMagenta, 2, PS_SOLID}, {" SONIC ", kRed, 2, PS_SOLID}, {" SP ", kBlack, 2, PS_SOLID},
    {" PE ", kBlue, 2, PS_SOLID}, {" RES10 ", kGreen, 2, PS_SOLID}, {" RES20 ", kBlack, 2, PS_SOLID},
    {" RES30 ", kBlue, 2, PS_SOLID}, {" RES60 ", kMagenta, 2, PS_SOLID}, {" RES90 ", kRed, 2, PS_SOLID},
    {" RES120 ", kBlue, 2, PS_SOLID}, {" WATER SAT ", kBlue, 2, PS_SOLID}, {" BVW ", kBlue, 2, PS_SOLID},
};

constexpr const char* kShadeNames[kShadeCount] = {" RED SH ",    " ORG SH ",    " GREEN SH ",
                                                  " CUST 1 SH ", " CUST 2 SH ", " CUST 3 SH ",
                                                  " CUST 4 SH ", " CUST 5 SH ", " CUST 6 SH "};

void Set(PenEntry& e, const char* name, COLORREF colour, int width, int style)
{
    platform::SetFieldText(e.name, name);
    e.colour = colour;
    e.width = width;
    e.style = style;
}

void SetLook(PenEntry& e, COLORREF colour, int width, int style)
{
    e.colour = colour;
    e.width = width;
    e.style = style;
}

void SetWellTrack(PenTable& table, const PenOptions& options)
{
    Set(table.entry[PEN_WELL_TRACK], " WELL TRACK", options.loggerId == 35 ? 0x000080 : 0x00009B, 3, PS_SOLID);
}

bool CopyOutWanted(const wellfile::OpenWell& well)
{
    return well.drilling && well.secondFolderOption && well.copyOut && well.hooks.copyWellFileOut;
}
}  // namespace

PenSpec MakePenSpec(const PenEntry& e)
{
    const int style = e.style;
    return {e.colour, style != PS_SOLID ? 1 : (e.width > 0 ? int(e.width) : 1), style};
}

QString ColourFilePath(const wellfile::OpenWell& well)
{
    if (!well.drilling && !well.dataFolder.isEmpty()) {
        const QString shared = platform::FindFileNoCase(well.dataFolder, QStringLiteral("default.clr"));
        if (QFileInfo(shared).isFile())
            return shared;
    }
    if (well.wellName.isEmpty())
        return {};
    return platform::FindFileNoCase(well.currentFolder, well.wellName + QStringLiteral(".clr"));
}

bool LoadColours(const wellfile::OpenWell& well, PenTable& table)
{
    const QString path = ColourFilePath(well);
    return !path.isEmpty() && wellfile::ReadExactFile(path, &table, kPenTableSize);
}

bool SaveColours(const wellfile::OpenWell& well, const PenTable& table)
{
    if (well.wellName.isEmpty())
        return false;
    const QString path = ColourFilePath(well);
    wellfile::SetNormalAttributes(path);
    if (!wellfile::WriteWholeFile(path, &table, kPenTableSize))
        return false;
    if (CopyOutWanted(well))
        well.hooks.copyWellFileOut(QStringLiteral(".clr"));
    return true;
}

void FillDefaultPens(PenTable& table, const PenOptions& options)
{
    for (int i = 0; i < PEN_FIRST_SHADE; ++i) {
        const DefaultPen& d = kDefaults[i];
        Set(table.entry[i], d.name, d.colour, d.width, d.style);
    }
    PenEntry& tg = table.entry[PEN_TG];
    if (options.loggerId == 88)
        platform::SetFieldText(tg.name, " TG");
    else if (options.hotWire)
        platform::SetFieldText(tg.name, " TG ");
    if (options.loggerId == 16)
        tg.style = PS_SOLID;
    table.entry[PEN_HEADER_TEXT].transparent = 1;
    if (wellfile::FeetFormatProfile(options.loggerId))
        table.entry[PEN_CO2].colour = kGreen;
    table.entry[PEN_RT_GAMMA].boxText = 1;
    table.entry[PEN_REVERSE_ROP].boxText = 1;
    for (int i = 0; i < kShadeCount; ++i)
        Set(table.entry[PEN_FIRST_SHADE + i], kShadeNames[i], kBlack, 1, PS_SOLID);
    for (int i = PEN_FIRST_SPARE; i < PEN_GRID; ++i)
        Set(table.entry[i], "SPARE", kBlack, 1, PS_SOLID);
    SetWellTrack(table, options);
}

void FillGridPens(PenTable& table)
{
    Set(table.entry[PEN_GRID], " GRID ", kLightGrey, 1, PS_SOLID);
    Set(table.entry[PEN_HEAVY_GRID], " Heavy Grid ", kBlue, 1, PS_SOLID);
    Set(table.entry[PEN_BORDER], " Border ", kBlack, 1, PS_SOLID);
    Set(table.entry[PEN_HEAVY_BORDER], " Heavy Border ", kBlack, 2, PS_SOLID);
}

void FixStoredPens(PenTable& table)
{
    PenEntry& background = table.entry[PEN_HEADER_BACKGROUND];
    if (background.colour == kBlack)  // a black background would hide the header text
        background.colour = kWhite;
    table.entry[PEN_HEADER_TEXT].transparent = 1;
    for (int i : {int(PEN_HEADER_TEXT), int(PEN_HEADER_BACKGROUND), int(PEN_RT_GAMMA), int(PEN_REVERSE_ROP)})
        platform::SetFieldText(table.entry[i].name, kDefaults[i].name);
}

void ApplyShades(PenTable& table, const LfgBlock& block)
{
    for (int i = 0; i < kShadeCount; ++i) {
        PenEntry& e = table.entry[PEN_FIRST_SHADE + i];
        e.colour = block.colour[i];
        if (i >= kShadeCount - kCustomShadeCount) {
            e.lithCustom = block.lithCustom[i];
            e.lithWash = block.lithWash[i];
            const int c = i - (kShadeCount - kCustomShadeCount);
            platform::SetFieldText(e.lithLabel, platform::FieldText(block.label[c]));
        }
        Set(e, kShadeNames[i], e.colour, 1, PS_SOLID);
    }
}

void ApplyProfilePens(PenTable& table, const PenOptions& options)
{
    auto& t = table.entry;
    if (options.loggerId == 25 && options.quickView) {
        const bool bw = options.printBlackWhite;
        SetLook(t[PEN_RATES], kBlack, 1, PS_SOLID);
        SetLook(t[PEN_TG], bw ? kBlack : kRed, 2, PS_DASH);
        SetLook(t[PEN_RES60], kBlack, 2, PS_DASH);
        SetLook(t[PEN_PE], bw ? kBlack : kGreen, 2, PS_DASH);
        SetLook(t[PEN_NEUTRON_POR], kBlack, 2, PS_DASH);
        SetLook(t[PEN_GAMMA], bw ? kBlack : kRed, 2, PS_SOLID);
        SetLook(t[PEN_DENSITY_POR], bw ? kBlack : kRed, 1, PS_SOLID);
        t[PEN_C2].colour = kBlue;
    }
    if (wellfile::FeetFormatProfile(options.loggerId))
        t[PEN_CO2].colour = kGreen;
    SetWellTrack(table, options);
}

void SetPens(LogPens& pens, const wellfile::OpenWell& well, const PenOptions& options, bool reset)
{
    PenTable& table = pens.table;
    FillGridPens(table);

    LfgBlock block;
    if (!LoadLfg(well, block)) {
        const QString lfg = LfgPath(well);
        if (!lfg.isEmpty() && QFileInfo::exists(lfg))
            wellfile::KeepAside(lfg);
        DefaultLfg(well, block);
    }

    const bool loaded = !reset && LoadColours(well, table);
    if (!loaded) {
        // A colour file of the wrong size is kept aside rather than overwritten by the defaults.
        const QString clr = ColourFilePath(well);
        if (!reset && !clr.isEmpty() && QFileInfo::exists(clr))
            wellfile::KeepAside(clr);
        FillDefaultPens(table, options);
    }
    FixStoredPens(table);
    SaveColours(well, table);

    ApplyShades(table, block);
    ApplyProfilePens(table, options);
    for (int i = 0; i < kPenCount; ++i)
        pens.pens[std::size_t(i)] = MakePenSpec(table.entry[i]);
}

PenTable DefaultPenTable(const PenOptions& options, const LfgBlock& block)
{
    PenTable table{};
    FillGridPens(table);
    FillDefaultPens(table, options);
    FixStoredPens(table);
    ApplyShades(table, block);
    ApplyProfilePens(table, options);
    return table;
}

QStringList PenDialogNames(const PenTable& table)
{
    QStringList names;
    for (const PenEntry& e : table.entry) {
        const QString name = platform::FromCp1252(QByteArray::fromStdString(platform::FieldText(e.name)));
        if (name.contains(QStringLiteral("SPARE")))
            break;
        names << name;
    }
    return names;
}

}  // namespace layout
