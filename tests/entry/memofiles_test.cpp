// The memo and depth-note files: whole records read, the torn tail dropped at the next save, memos kept
// by range and text and sorted stably, note holes closed, and the failures said.
#include "entry/memofiles.h"
#include "logview/memoslot.h"
#include "support/files.h"
#include "support/memos.h"
#include "support/testmain.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstring>

using namespace testing_support;

namespace {

wellfile::SVMEMO Memo(std::int32_t depth, const char* text) { return MakeMemo(depth, text); }
wellfile::HTEXTEX Note(std::int32_t depth, const char* text) { return MakeNote(depth, text); }

}  // namespace

TEST(MemoFile, KeepsInRangeMemosWithTextSortedStablyAndDropsTheTornTail)
{
    const QString path = TestDir() + "w.mem";
    WriteRecords<wellfile::SVMEMO>(path,
                                {Memo(1200, "b"), Memo(1100, "first"), Memo(1000, "at the top"), Memo(1300, ""),
                                 Memo(1100, "second"), Memo(1551, "below"), Memo(1550, "ahead"),
                                 Memo(1500, "last")},
                                QByteArray(100, 'x'));
    const std::optional<entry::MemoArray> a = entry::LoadMemoFile(path);
    ASSERT_TRUE(a);
    ASSERT_EQ(a->count, 8);
    ASSERT_EQ(a->memos.size(), 8u + entry::kMemoSpares);
    EXPECT_EQ(int(a->memos[8].depth), 0);

    EXPECT_EQ(entry::SaveMemoFile(path, a->memos, a->count, 1000, 1500), entry::MemoSave::Saved);
    qint64 size = 0;
    const auto saved = FileRecords<wellfile::SVMEMO>(path, &size);
    EXPECT_EQ(size, 5 * wellfile::kMemoSize);
    ASSERT_EQ(saved.size(), 5u);
    EXPECT_STREQ(saved[0].text, "first");
    EXPECT_STREQ(saved[1].text, "second");
    EXPECT_STREQ(saved[2].text, "b");
    EXPECT_STREQ(saved[3].text, "last");
    EXPECT_STREQ(saved[4].text, "ahead");  // up to 50 below the last depth, as the memo dialog takes them
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(int(saved[std::size_t(i)].number), i + 1);
}

TEST(MemoFile, NothingToKeepLeavesTheFileAndAMissingFileGivesNoMemos)
{
    const QString path = TestDir() + "w.mem";
    WriteRecords<wellfile::SVMEMO>(path, {Memo(1100, "kept")});
    const QByteArray before = ReadBytes(path);
    const std::vector<wellfile::SVMEMO> none{Memo(1100, ""), Memo(900, "above"), Memo(1600, "below")};
    EXPECT_EQ(entry::SaveMemoFile(path, none, 3, 1000, 1500), entry::MemoSave::NothingKept);
    EXPECT_EQ(ReadBytes(path), before);

    const auto missing = entry::LoadMemoFile(TestDir() + "none.mem");
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->count, 0);
    EXPECT_EQ(missing->memos.size(), std::size_t(entry::kMemoSpares));
}

TEST(MemoFile, AFileThatCannotBeWrittenIsSaid)
{
    const std::vector<wellfile::SVMEMO> memos{Memo(1100, "x")};
    // A folder where the file should be: it exists but cannot be replaced.
    ASSERT_TRUE(QDir().mkpath(TestDir() + "w.mem"));
    EXPECT_EQ(entry::SaveMemoFile(TestDir() + "w.mem", memos, 1, 1000, 1500), entry::MemoSave::Failed);
    EXPECT_EQ(entry::SaveMemoFile(TestDir() + "no/such/w.mem", memos, 1, 1000, 1500), entry::MemoSave::Failed);
    const auto& m = doubles().prompter.messages;
    ASSERT_EQ(m.size(), 2);
    EXPECT_EQ(m[0].text, "Memo Write File");
    EXPECT_EQ(m[1].text, "Memo Create File");
    EXPECT_EQ(m[0].caption, "File Error");
}

TEST(HTextFile, SlotsCountsAndMissingFile)
{
    const auto missing = entry::LoadHText(TestDir() + "none.hxt");
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->notes.size(), 2u);
    EXPECT_EQ(missing->count, 1);

    std::vector<wellfile::HTEXTEX> ten;
    for (int i = 0; i < 10; ++i)
        ten.push_back(Note(1000 + i, "n"));
    ten[3].text[0] = '\0';  // a record without text is no note
    WriteRecords(TestDir() + "w.hxt", ten, QByteArray(10, 'x'));
    const auto a = entry::LoadHText(TestDir() + "w.hxt");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->notes.size(), 452u);
    EXPECT_EQ(a->count, 9);
    EXPECT_EQ(int(a->notes[9].depth), 1009);
}

TEST(HTextFile, SavingClosesHolesSoNoNoteIsLost)
{
    std::vector<wellfile::HTEXTEX> notes(6);
    notes[0] = Note(1300, "c");
    notes[2] = Note(1100, "a");  // past a hole
    notes[5] = Note(1200, "b");
    const QString path = TestDir() + "w.hxt";
    EXPECT_EQ(entry::SaveHText(path, notes), 3);
    const auto saved = FileRecords<wellfile::HTEXTEX>(path);
    ASSERT_EQ(saved.size(), 3u);
    EXPECT_STREQ(saved[0].text, "a");
    EXPECT_STREQ(saved[1].text, "b");
    EXPECT_STREQ(saved[2].text, "c");
    EXPECT_EQ(int(saved[2].number), 3);

    ASSERT_TRUE(QDir().mkpath(TestDir() + "d.hxt"));
    EXPECT_FALSE(entry::SaveHText(TestDir() + "d.hxt", notes));
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Report");
}

TEST(MemoSlots, XToSlotAndBackLandsOnTheCellUnderX)
{
    logview::MemoSlotLayout l;
    l.slot0 = 11;
    l.rateLeft = 9;
    l.rateCell = 10;
    l.gasLeft = 739;
    l.gasRight = 1054;
    l.gasCells = 35;  // 9 a cell
    l.noGasAdjust = true;
    l.rightLeft = 1064;
    l.unitCell = 10;
    EXPECT_EQ(logview::XToMemoSlot(l, 9).slot, 0);
    EXPECT_EQ(logview::XToMemoSlot(l, 9).offset, 10);
    for (int x : {75, 200, 500, 745, 800, 1000, 1070, 1100, 1130}) {
        const logview::SlotPlace p = logview::XToMemoSlot(l, x);
        const int cellWidth = x <= l.gasLeft ? l.rateCell : x <= l.rightLeft ? l.GasCell() : l.unitCell;
        const int left = x <= l.gasLeft ? l.rateLeft : x <= l.rightLeft ? l.gasLeft : l.rightLeft;
        if (p.slot == 0 || p.slot == 24)
            continue;
        EXPECT_EQ(logview::MemoSlotToX(l, p.slot) + p.offset, left + (x - left) / cellWidth * cellWidth) << x;
    }
    EXPECT_EQ(logview::XToMemoSlot(l, 5000).slot, 24);
}
