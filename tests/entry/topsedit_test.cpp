// The tops editor's work on the tops without its window: a top's true vertical depth from the depth
// records, the printed mark, the tops list as text, and the tops files kept equal.
#include "entry/topsedit.h"
#include "platform/text.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/record.h"
#include "wellfile/wellheader.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <limits>
#include <memory>

using wellfile::TOPSEX;
using testing_support::doubles;
using testing_support::ReadBytes;

namespace {

// Records of depths 25 ... 224 (the window a top at 100 of a file from 0, step 1, is looked for in),
// with a TVD only where `tvds` gives one, then the end mark.
std::vector<wellfile::RECORD> Window(std::initializer_list<std::pair<int, float>> tvds)
{
    std::vector<wellfile::RECORD> w(201);
    for (int i = 0; i < 200; ++i)
        w[std::size_t(i)].depth = 25 + i;
    for (const auto& [depth, tvd] : tvds)
        w[std::size_t(depth - 25)].tvd = tvd;
    return w;
}

TOPSEX Top(int depth, const char* text)
{
    TOPSEX t;
    t.depth = depth;
    platform::SetFieldText(t.text, text);
    return t;
}

}  // namespace

TEST(TopTvd, InterpolatedBetweenTheSurveysAboveAndBelowOrTakenFromItsOwnRecord)
{
    // The records read reach 200 units either side of the top.
    EXPECT_EQ(entry::TvdWindowIndex(100, 0, 1), 0);
    EXPECT_EQ(entry::TvdWindowIndex(1500, 800, 1), 500);
    const auto w = Window({{60, 59.0f}, {120, std::numeric_limits<float>::quiet_NaN()}, {140, 137.0f}});
    // 40 x 78 / 80 + 59.
    entry::TopTvd t = entry::TopTvdFrom(w, 100, 0, 2000);
    EXPECT_FLOAT_EQ(t.tvd, 98.0f);
    EXPECT_FALSE(t.ownRecord);
    t = entry::TopTvdFrom(w, 140, 0, 2000);
    EXPECT_FLOAT_EQ(t.tvd, 137.0f);
    EXPECT_TRUE(t.ownRecord);
    // A survey deeper than its record is kept to the top's depth.
    EXPECT_FLOAT_EQ(entry::TopTvdFrom(Window({{70, 75.0f}}), 70, 0, 2000).tvd, 70.0f);
    // Nothing above: none; an interpolation past the file's last depth: none.
    t = entry::TopTvdFrom(Window({{140, 137.0f}}), 100, 0, 2000);
    EXPECT_FLOAT_EQ(t.tvd, 0.0f);
    EXPECT_EQ(t.missing, entry::TopTvdMissing::NoStationAbove);
    EXPECT_EQ(entry::TopTvdFrom(w, 100, 0, 90).missing, entry::TopTvdMissing::NoStationBelow);
    EXPECT_EQ(entry::TopTvdFrom(Window({{60, 159.0f}, {140, 237.0f}}), 100, 0, 150).missing,
              entry::TopTvdMissing::PastLastDepth);
    // A window that ends before the top (a record of depth 0) finds nothing below it.
    auto cut = w;
    cut[100].depth = 0;
    EXPECT_FLOAT_EQ(entry::TopTvdFrom(cut, 100, 0, 2000).tvd, 0.0f);
}

TEST(TopsPrintedMark, TogglesTheLeadingMarkWithinTheRecordText)
{
    EXPECT_EQ(entry::PrintedMark("Dakota", false), "<Dakota");
    EXPECT_EQ(entry::PrintedMark("<Dakota", false), "<Dakota");
    EXPECT_EQ(entry::PrintedMark("<Dakota", true), "Dakota");
    const std::string long29(29, 'x');
    const std::string marked = entry::PrintedMark(long29 + "", false);
    EXPECT_EQ(marked, "<" + std::string(28, 'x'));
    TOPSEX t;
    platform::SetFieldText(t.text, marked);
    EXPECT_EQ(platform::FieldText(t.text), marked);
}

TEST(TopsList, ColumnsOfNumberDepthAndNameOrTheHeaderBlockOfItsProfile)
{
    std::vector<TOPSEX> tops{Top(900, "Dakota"), Top(1200, "Morrison")};
    entry::SortTops(tops);
    auto header = std::make_unique<wellfile::WellHeader>();
    const QList<QByteArray> lines = entry::TopsListText(tops, 12, *header).split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], " Number       Depth         Name ");
    EXPECT_EQ(lines[1], "     1          900      Dakota");
    EXPECT_EQ(lines[2], "     2          1200     Morrison");

    platform::SetFieldText(header->well, "Smith 1-20");
    platform::SetFieldText(header->county, "Logan");
    platform::SetFieldText(header->state, "Kansas");
    platform::SetFieldText(header->kellyBushing, "2500");
    const QByteArray text = entry::TopsListText(tops, 131, *header);
    EXPECT_TRUE(text.startsWith("Well: Smith 1-20\n\nLogan Co., Kansas\nAPI #  \n"));
    EXPECT_TRUE(text.contains("Elevation:  2500 est based on surrounding surveyed locations\n"));
    EXPECT_TRUE(text.contains("Surface Casing: Manual Entry\n"));
    EXPECT_TRUE(text.contains("Production Casing: Manual Entry\n"
                              " Formation Member      DL/SPL Tops    E-Log (Rdd)    Datum (MSL) \n"
                              "     Dakota                900        900          -1600.0\n"));
}

TEST(TopsFiles, TheEditorsFileAndTheWellFileStayEqual)
{
    entry::TopsFiles files;
    files.place = testing_support::MakePlace("Well1");
    const QString topsx = files.place.currentFolder + "Well1.topx";
    const QString top = files.place.currentFolder + "Well1.top";
    std::vector<TOPSEX> tops{Top(1500, "C"), Top(900, "A"), Top(1200, "B")};
    int follow = 0;
    ASSERT_EQ(entry::SaveTops(files, tops, &follow), 1);
    EXPECT_EQ(follow, 2);
    const QByteArray written = ReadBytes(topsx);
    EXPECT_EQ(written.size(), 759);
    EXPECT_EQ(ReadBytes(top), written);
    const auto back = entry::ReadTops(topsx);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->size(), 3u);
    EXPECT_EQ(+(*back)[0].depth, 900);
    EXPECT_EQ(+(*back)[2].number, 3);

    // Whole records only.
    QFile f(topsx);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(QByteArray(100, 'x'));
    f.close();
    EXPECT_EQ(entry::ReadTops(topsx)->size(), 3u);

    // A write that fails leaves the old files.
    QFile::remove(topsx);
    QDir().mkpath(topsx);
    std::vector<TOPSEX> one{Top(1000, "D")};
    EXPECT_EQ(entry::SaveTops(files, one), 0);
    EXPECT_EQ(ReadBytes(top), written);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Save Tops failed");
    QDir().rmdir(topsx);

    // No tops: the editor's file goes.
    std::vector<TOPSEX> none;
    ASSERT_EQ(entry::SaveTops(files, none), 1);
    EXPECT_FALSE(QFile::exists(topsx));
    EXPECT_FALSE(entry::ReadTops(topsx));
    EXPECT_EQ(doubles().prompter.messages.back().text, "Read Tops failed");
}
