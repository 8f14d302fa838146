#include "layout/logcolours.h"

#include "layout/pentable.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "wellfile/fileattrs.h"
#include "wellfile/openwell.h"
#include "wellfile/wholefile.h"

#include <QFileInfo>

#include <cstring>

namespace layout {

QString LfgPath(const wellfile::OpenWell& well)
{
    if (well.wellName.isEmpty())
        return {};
    return platform::FindFileNoCase(well.currentFolder, well.wellName + QStringLiteral(".lfg"));
}

void FillDefaultLfg(LfgBlock& block)
{
    block = LfgBlock{};
    // Red, orange and green shades, then light grey, dark grey, pale yellow and light grey for the
    // rest, the spare word and an eleventh word at bytes 40-43, as every station writes a new block.
    // The pens never take the "Draw As Clay" bytes from the block, so the eleventh word changes none.
    constexpr platform::COLORREF kColours[kShadeCount] = {0x6464B9, 0x0051F9, 0xB7B700, 0xC0C0C0, 0x828282,
                                                          0xC0FFFF, 0xC0C0C0, 0xC0C0C0, 0xC0C0C0};
    for (int i = 0; i < kShadeCount; ++i)
        block.colour[i] = kColours[i];
    block.spareColour = 0xC0C0C0;
    const platform::COLORREF eleventh = 0xC0C0C0;
    static_assert(sizeof eleventh == 4 && kShadeCount >= 4);
    std::memcpy(block.drawAsClay, &eleventh, sizeof eleventh);
}

bool DefaultLfg(const wellfile::OpenWell& well, LfgBlock& block)
{
    FillDefaultLfg(block);
    return SaveLfg(well, block);
}

bool LoadLfg(const wellfile::OpenWell& well, LfgBlock& block)
{
    block = LfgBlock{};
    const QString path = LfgPath(well);
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (!info.isFile() || info.size() == 0 || info.size() > qint64(kLfgSize))
        return false;
    LfgBlock read{};
    if (wellfile::ReadFilePrefix(path, &read, kLfgSize) <= 0)
        return false;
    block = read;
    return true;
}

bool SaveLfg(const wellfile::OpenWell& well, const LfgBlock& block)
{
    const QString path = LfgPath(well);
    if (path.isEmpty())
        return false;
    wellfile::SetNormalAttributes(path);
    if (!wellfile::WriteWholeFile(path, &block, kLfgSize))
        return false;
    if (well.drilling && well.secondFolderOption && well.copyOut && well.hooks.copyWellFileOut)
        well.hooks.copyWellFileOut(QStringLiteral(".lfg"));
    return true;
}

void CopyShadesToLfg(const PenTable& table, LfgBlock& block)
{
    for (int i = 0; i < kShadeCount; ++i) {
        const PenEntry& e = table.entry[PEN_FIRST_SHADE + i];
        block.colour[i] = e.colour;
        block.drawAsClay[i] = e.transparent;
        block.lithCustom[i] = e.lithCustom;
        block.lithWash[i] = e.lithWash;
        block.word[i] = e.lfgWord;
        const int c = i - (kShadeCount - kCustomShadeCount);
        if (c >= 0)
            platform::SetFieldText(block.label[c], platform::FieldText(e.lithLabel));
    }
}

}  // namespace layout
