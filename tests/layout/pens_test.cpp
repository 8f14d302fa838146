#include "layout/logcolours.h"
#include "layout/pentable.h"
#include "layout/ui/pendialog.h"
#include "platform/text.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/openwell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstring>

using namespace layout;
using platform::COLORREF;
using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

wellfile::OpenWell Well()
{
    wellfile::OpenWell well;
    well.dataFolder = TestDir() + "data/";
    well.currentFolder = TestDir() + "well/";
    well.wellName = "ALPHA1";
    QDir().mkpath(well.dataFolder);
    QDir().mkpath(well.currentFolder);
    return well;
}

QString ClrPath(const wellfile::OpenWell& w) { return w.currentFolder + w.wellName + ".clr"; }
QString LfgFile(const wellfile::OpenWell& w) { return w.currentFolder + w.wellName + ".lfg"; }

std::string Name(const PenEntry& e) { return platform::FieldText(e.name); }

COLORREF Word(const QByteArray& b, int index)
{
    COLORREF c;
    std::memcpy(&c, b.constData() + index * 4, 4);
    return c;
}

}  // namespace

TEST(Pens, WithoutFilesTheDefaultsAreBuiltAndWritten)
{
    const auto well = Well();
    LogPens pens;
    SetPens(pens, well, PenOptions{10}, false);

    EXPECT_EQ(QFileInfo(ClrPath(well)).size(), 8192);
    const QByteArray lfg = ReadBytes(LfgFile(well));
    ASSERT_EQ(lfg.size(), 512);
    // Eleven colour words as stations write a new block, the last light grey at 40-43; the labels and
    // the other flags start clear.
    const std::uint32_t words[11] = {0x6464B9, 0x0051F9, 0xB7B700, 0xC0C0C0, 0x828282, 0xC0FFFF,
                                     0xC0C0C0, 0xC0C0C0, 0xC0C0C0, 0xC0C0C0, 0xC0C0C0};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(Word(lfg, i), words[i]) << i;
    EXPECT_EQ(lfg.mid(44).count('\0'), 512 - 44);

    const auto& t = pens.table.entry;
    EXPECT_EQ(Name(t[PEN_OFFSCALE_RATES_FILL]), " OFF SCALE RATES FILL ");  // the longest name fits
    EXPECT_EQ(t[PEN_FIRST_SHADE].colour, 0x6464B9u);  // shades come from the block
    EXPECT_EQ(+t[PEN_FIRST_SHADE].transparent, 0);   // the eleventh word is no flag of a pen
    EXPECT_EQ(t[PEN_WELL_TRACK].colour, 0x00009Bu);
    EXPECT_EQ(t[PEN_HEADER_TEXT].transparent, 1);
    // A dashed pen is drawn 1 pixel wide whatever its width; a solid one keeps its width.
    EXPECT_EQ(pens.pens[PEN_TG], (PenSpec{0, 1, PS_DASH}));
    EXPECT_EQ(pens.pens[PEN_SLIDE], (PenSpec{0xFF0000, 6, PS_SOLID}));

    // The file holds the table as saved, before the display-only overrides.
    PenTable saved;
    ASSERT_TRUE(LoadColours(well, saved));
    EXPECT_EQ(Name(saved.entry[PEN_RT_GAMMA]), " REAL TIME GAMMA ");
    EXPECT_EQ(saved.entry[PEN_RT_GAMMA].boxText, 1);
}

TEST(Pens, ProfilesChangeTheirOwnEntries)
{
    const auto well = Well();
    LogPens pens;
    SetPens(pens, well, PenOptions{35}, false);
    EXPECT_EQ(pens.table.entry[PEN_WELL_TRACK].colour, 0x000080u);

    // Quick view of profile 25 recolours pens on screen and in black-and-white print, never in the file.
    SetPens(pens, well, PenOptions{25, false, true, false}, false);
    EXPECT_EQ(pens.table.entry[PEN_GAMMA].colour, 0x0000FFu);
    EXPECT_EQ(pens.pens[PEN_RES60], (PenSpec{0, 1, PS_DASH}));
    SetPens(pens, well, PenOptions{25, false, true, true}, false);
    EXPECT_EQ(pens.table.entry[PEN_GAMMA].colour, 0u);
    PenTable saved;
    ASSERT_TRUE(LoadColours(well, saved));
    EXPECT_EQ(saved.entry[PEN_GAMMA].colour, 0x008000u);
}

TEST(Pens, ColourFileOfWrongSizeIsKeptAsideNotRead)
{
    for (int size : {8191, 8193}) {
        const auto well = Well();
        QFile::remove(ClrPath(well));
        const QByteArray odd(size, char(0x11));
        WriteBytes(ClrPath(well), odd);

        LogPens pens;
        SetPens(pens, well, PenOptions{10}, false);
        EXPECT_EQ(pens.table.entry[PEN_C1].colour, 0x0000FFu) << size;  // defaults, not 0x11111111
        EXPECT_EQ(QFileInfo(ClrPath(well)).size(), 8192) << size;
        EXPECT_EQ(ReadBytes(ClrPath(well) + ".bad"), odd) << size;
        QFile::remove(ClrPath(well) + ".bad");
    }
}

TEST(Pens, StoredTableIsKeptButABlackHeaderBackgroundTurnsWhite)
{
    const auto well = Well();
    LogPens pens;
    SetPens(pens, well, PenOptions{10}, false);
    PenTable stored = pens.table;
    stored.entry[PEN_HEADER_BACKGROUND].colour = 0;
    stored.entry[PEN_C1].colour = 0x123456;
    platform::SetFieldText(stored.entry[PEN_HEADER_TEXT].name, "garbled");
    stored.entry[PEN_GRID].colour = 0x00FFFF;
    ASSERT_TRUE(SaveColours(well, stored));

    SetPens(pens, well, PenOptions{10}, false);
    EXPECT_EQ(pens.table.entry[PEN_HEADER_BACKGROUND].colour, 0xFFFFFFu);
    EXPECT_EQ(pens.table.entry[PEN_C1].colour, 0x123456u);
    EXPECT_EQ(pens.table.entry[PEN_GRID].colour, 0x00FFFFu);
    EXPECT_EQ(Name(pens.table.entry[PEN_HEADER_TEXT]), " HEADER TEXT");
    PenTable saved;
    ASSERT_TRUE(LoadColours(well, saved));
    EXPECT_EQ(saved.entry[PEN_HEADER_BACKGROUND].colour, 0xFFFFFFu);

    // "Set To Default" through SetPens replaces the stored colours.
    SetPens(pens, well, PenOptions{10}, true);
    EXPECT_EQ(pens.table.entry[PEN_C1].colour, 0x0000FFu);
}

TEST(Pens, ShadesComeFromTheLfgBlockAndAnOversizedBlockIsKeptAside)
{
    const auto well = Well();
    LfgBlock block;
    FillDefaultLfg(block);
    block.colour[4] = 0x010203;
    block.lithCustom[4] = 1;
    block.lithWash[4] = 1;
    platform::SetFieldText(block.label[1], "SILT");
    ASSERT_TRUE(SaveLfg(well, block));

    LogPens pens;
    SetPens(pens, well, PenOptions{10}, false);
    const PenEntry& cust2 = pens.table.entry[PEN_FIRST_CUSTOM_SHADE + 1];
    EXPECT_EQ(cust2.colour, 0x010203u);
    EXPECT_EQ(cust2.lithCustom, 1);
    EXPECT_EQ(cust2.lithWash, 1);
    EXPECT_EQ(platform::FieldText(cust2.lithLabel), "SILT");
    EXPECT_EQ(Name(cust2), " CUST 2 SH ");

    const QByteArray big(513, char(1));
    WriteBytes(LfgFile(well), big);
    SetPens(pens, well, PenOptions{10}, false);
    EXPECT_EQ(pens.table.entry[PEN_FIRST_CUSTOM_SHADE + 1].colour, 0x828282u);  // the default block again
    EXPECT_EQ(ReadBytes(LfgFile(well) + ".bad"), big);
}

TEST(Pens, SharedDefaultColourFileIsUsedOnlyOutOfDrilling)
{
    auto well = Well();
    LogPens pens;
    SetPens(pens, well, PenOptions{10}, false);  // the well's own file
    PenTable shared = pens.table;
    shared.entry[PEN_C2].colour = 0x00AA00;
    WriteBytes(well.dataFolder + "DEFAULT.CLR", &shared, sizeof shared);

    SetPens(pens, well, PenOptions{10}, false);
    EXPECT_EQ(pens.table.entry[PEN_C2].colour, 0x00AA00u);
    well.drilling = true;
    SetPens(pens, well, PenOptions{10}, false);
    EXPECT_EQ(pens.table.entry[PEN_C2].colour, 0xFF0000u);

    // With no well open nothing is written.
    well.wellName.clear();
    EXPECT_FALSE(SaveColours(well, pens.table));
}

TEST(PenDialog, ListsEntriesUpToTheFirstSpareAndCancelChangesNothing)
{
    const auto well = Well();
    LogPens pens;
    SetPens(pens, well, PenOptions{10}, false);
    const PenTable before = pens.table;
    const QByteArray fileBefore = ReadBytes(ClrPath(well));
    const QByteArray lfgBefore = ReadBytes(LfgFile(well));

    int listed = 0;
    doubles().prompter.colorAnswers.push_back(0x00ABCDEF);
    platform::Dialog::QueueTestScript([&](platform::Dialog& d) {
        listed = d.GetCount(101);
        d.SetSelIndex(101, PEN_C1);
        d.Command(101, platform::LBN_SELCHANGE);
        d.Click(102);
        d.Click(109);
        d.Click(111);  // "Set To Default"
        d.Click(platform::IDCANCEL);
    });
    EXPECT_FALSE(EditLogColours(nullptr, pens, well, PenOptions{10}));
    EXPECT_EQ(listed, 53);
    EXPECT_EQ(std::memcmp(&before, &pens.table, sizeof before), 0);
    EXPECT_EQ(ReadBytes(ClrPath(well)), fileBefore);
    EXPECT_EQ(ReadBytes(LfgFile(well)), lfgBefore);
}

TEST(PenDialog, SaveWritesTheColourFileAndTheShadeBlock)
{
    const auto well = Well();
    LogPens pens;
    SetPens(pens, well, PenOptions{10}, false);

    QString rgb, clayCaption;
    bool washEnabledBeforeCustom = true;
    doubles().prompter.colorAnswers.push_back(0x00102030);
    platform::Dialog::QueueTestScript([&](platform::Dialog& d) {
        d.SetSelIndex(101, PEN_C1);
        d.Command(101, platform::LBN_SELCHANGE);
        d.Click(102);
        rgb = d.GetText(110);
        d.Click(106);  // dashed
        d.Click(109);  // heavy

        const int shade = PEN_FIRST_CUSTOM_SHADE + 2;
        d.SetSelIndex(101, shade);
        d.Command(101, platform::LBN_SELCHANGE);
        clayCaption = d.GetText(113);
        washEnabledBeforeCustom = d.IsEnabled(115);
        d.Click(114);  // "Lith is Custom" offers "Lith is Wash" and the label
        d.Click(115);
        d.SetText(116, "CHALKY");
        d.Command(116, platform::EN_KILLFOCUS);
        d.Click(platform::IDOK);
    });
    bool gridChanged = true;
    ASSERT_TRUE(EditLogColours(nullptr, pens, well, PenOptions{10}, &gridChanged));
    EXPECT_FALSE(gridChanged);
    EXPECT_EQ(rgb, "RD=48  GN=32 BL=16");
    EXPECT_EQ(clayCaption, "Draw As Clay");
    EXPECT_FALSE(washEnabledBeforeCustom);

    PenTable saved;
    ASSERT_TRUE(LoadColours(well, saved));
    EXPECT_EQ(saved.entry[PEN_C1].colour, 0x102030u);
    EXPECT_EQ(saved.entry[PEN_C1].style, PS_DASH);
    EXPECT_EQ(saved.entry[PEN_C1].width, 3);
    LfgBlock block;
    ASSERT_TRUE(LoadLfg(well, block));
    EXPECT_EQ(block.lithCustom[5], 1);
    EXPECT_EQ(block.lithWash[5], 1);
    EXPECT_EQ(platform::FieldText(block.label[2]), "CHALKY");
    // And the pens were built again from what was saved.
    EXPECT_EQ(platform::FieldText(pens.table.entry[PEN_FIRST_CUSTOM_SHADE + 2].lithLabel), "CHALKY");
    EXPECT_EQ(pens.pens[PEN_C1], (PenSpec{0x102030, 1, PS_DASH}));
}
