// What the memo and note dialogs do to their records: browsing with Ctrl, adding and removing records
// with room to spare, the templates, the bytes no routine reads carried through a save, and the copy of
// a long memo to the depth notes.
#include "entry/memobook.h"
#include "entry/memofiles.h"
#include "support/files.h"
#include "support/memos.h"
#include "support/testmain.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace testing_support;

namespace {

wellfile::SVMEMO Memo(std::int32_t depth, const char* text) { return MakeMemo(depth, text); }
wellfile::HTEXTEX Note(std::int32_t depth, const char* text) { return MakeNote(depth, text); }

}  // namespace

TEST(MemoBook, CtrlMovesFiveOnlyWhileMoreThanFiveLieThatWay)
{
    EXPECT_EQ(entry::BrowseStep(5, 12, false, true), 4);
    EXPECT_EQ(entry::BrowseStep(6, 12, false, true), 1);
    EXPECT_EQ(entry::BrowseStep(6, 12, false, false), 5);
    EXPECT_EQ(entry::BrowseStep(6, 12, true, true), 7);  // only five lie after: one step
    EXPECT_EQ(entry::BrowseStep(5, 12, true, true), 10);
    EXPECT_EQ(entry::BrowseStep(0, 12, false, true), std::nullopt);
    EXPECT_EQ(entry::BrowseStep(11, 12, true, false), std::nullopt);
    EXPECT_EQ(entry::BrowseStep(0, 1, true, false), std::nullopt);
}

TEST(MemoBook, NewCopiesTheMemoShownAndRemovalShowsTheRightNeighbour)
{
    entry::MemoBook book;
    book.memos = {Memo(1100, "a"), Memo(1200, "b")};  // no spare: NEW makes its own room
    book.count = 2;
    book.shown = 0;
    book.memos[0].shown = 0;
    entry::NewMemo(book);
    ASSERT_EQ(book.count, 3);
    EXPECT_EQ(book.shown, 2);
    EXPECT_TRUE(book.adding);
    EXPECT_GT(book.memos.size(), 3u);
    EXPECT_STREQ(book.memos[2].text, "a");
    EXPECT_EQ(int(book.memos[2].number), 2);
    EXPECT_EQ(int(book.memos[2].depth), 1100);

    EXPECT_EQ(entry::RemoveMemo(book, 0), entry::Removal::Middle);
    EXPECT_EQ(book.count, 2);
    EXPECT_EQ(book.shown, 0);
    EXPECT_STREQ(book.Shown().text, "b");
    EXPECT_EQ(int(book.memos[2].depth), 0);
    EXPECT_EQ(entry::RemoveMemo(book, 1), entry::Removal::Last);
    EXPECT_EQ(book.shown, 0);
    EXPECT_EQ(entry::RemoveMemo(book, 0), entry::Removal::Only);
    EXPECT_EQ(book.count, 0);
    EXPECT_TRUE(book.deleted);
}

TEST(MemoBook, DefaultsMarkOneMemoAndGiveAnEmptyTemplate)
{
    entry::MemoBook book;
    book.memos = {Memo(1100, "plain"), Memo(1200, "old default"), Memo(1300, "description")};
    book.count = 3;
    book.memos[1].defaultMemo = 1;
    book.memos[2].description = 1;
    book.memos[2].defaultMemo = 1;
    book.shown = 0;
    wellfile::SVMEMO style = entry::SetMemoAsDefault(book);
    EXPECT_EQ(style.text[0], '\0');
    EXPECT_EQ(style.defaultMemo, 0);
    EXPECT_EQ(book.memos[0].defaultMemo, 1);
    EXPECT_EQ(book.memos[0].shown, 1);
    EXPECT_EQ(book.memos[1].defaultMemo, 0);

    book.shown = 2;
    style = entry::SetMemoAsDefault(book);
    EXPECT_EQ(style.description, 1);
    EXPECT_EQ(book.memos[2].defaultDescription, 1);
    EXPECT_EQ(book.memos[2].defaultMemo, 0);
    EXPECT_EQ(book.memos[0].defaultMemo, 1);  // the plain template stays

    std::vector<wellfile::HTEXTEX> notes = {Note(1100, "x"), Note(1200, "y")};
    notes[0].defaultNote = 1;
    notes[1].defaultDescription = 1;
    const wellfile::HTEXTEX n = entry::SetNoteAsDefault(notes, 2, 1);
    EXPECT_EQ(n.text[0], '\0');
    EXPECT_EQ(int(n.depth), 1200);
    EXPECT_EQ(notes[0].defaultNote, 0);
    EXPECT_EQ(notes[1].defaultNote, 1);
    EXPECT_EQ(notes[1].defaultDescription, 0);
}

TEST(MemoBook, SavesSortedKeepsOpenBytesAndLeavesTheFileWhenNothingIsKept)
{
    const QString path = TestDir() + "w.mem";
    wellfile::SVMEMO deep = Memo(1400, "deep");
    deep.unused508[0] = 0x11;
    deep.unused552 = 0x22;
    deep.unused658[153] = 0x33;
    WriteRecords<wellfile::SVMEMO>(path, {deep, Memo(1100, "shallow")});
    entry::MemoBook book;
    ASSERT_TRUE(entry::LoadMemoBook(path, book));
    EXPECT_FALSE(book.noFile);
    entry::OpenMemoBook(book, 1);  // not the first: sorted
    EXPECT_STREQ(book.memos[0].text, "shallow");
    EXPECT_EQ(entry::SaveMemoBook(path, book, 1000), entry::BookSave::Saved);
    qint64 size = 0;
    const auto saved = FileRecords<wellfile::SVMEMO>(path, &size);
    ASSERT_EQ(size, 2 * wellfile::kMemoSize);
    EXPECT_EQ(saved[1].unused508[0], 0x11);
    EXPECT_EQ(saved[1].unused552, 0x22);
    EXPECT_EQ(saved[1].unused658[153], 0x33);

    // Empty memos, and memos not below the first depth, are never written.
    const QByteArray before = ReadBytes(path);
    book.memos[0].text[0] = '\0';
    book.memos[1].depth = 1000;
    EXPECT_EQ(entry::SaveMemoBook(path, book, 1000), entry::BookSave::NothingKept);
    EXPECT_EQ(ReadBytes(path), before);

    // A missing file gives one empty memo to fill in, with room for NEW.
    entry::MemoBook none;
    ASSERT_TRUE(entry::LoadMemoBook(TestDir() + "none.mem", none));
    EXPECT_TRUE(none.noFile);
    EXPECT_EQ(none.count, 1);
    EXPECT_GE(none.memos.size(), 2u);
}

TEST(NoteBook, NewGrowsAFullArrayAndRemovalZeroesTheVacatedRecord)
{
    std::vector<wellfile::HTEXTEX> notes = {Note(1100, "a"), Note(1200, "b"), Note(1300, "c")};
    notes[0].unused28[7] = 0x44;
    int count = 3;
    const int added = entry::NewNote(notes, count, 0);
    EXPECT_EQ(added, 3);
    EXPECT_EQ(count, 4);
    EXPECT_STREQ(notes[3].text, "a");
    EXPECT_EQ(int(notes[3].number), 3);
    EXPECT_EQ(notes[3].unused28[7], 0x44);

    int index = 1;
    EXPECT_EQ(entry::RemoveNote(notes, count, index), entry::Removal::Middle);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(index, 1);
    EXPECT_STREQ(notes[1].text, "c");
    EXPECT_EQ(int(notes[3].depth), 0);
    index = 2;
    EXPECT_EQ(entry::RemoveNote(notes, count, index), entry::Removal::Last);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(int(notes[2].depth), 0);

    // The file takes the first `count` notes in array order, the open bytes as they were.
    const QString path = TestDir() + "w.hxt";
    std::swap(notes[0], notes[1]);
    notes[0].unused558[199] = 0x55;
    ASSERT_TRUE(entry::SaveNotes(path, notes, count));
    qint64 size = 0;
    const auto saved = FileRecords<wellfile::HTEXTEX>(path, &size);
    ASSERT_EQ(size, 2 * wellfile::kHorzTextSize);
    EXPECT_STREQ(saved[0].text, "c");
    EXPECT_STREQ(saved[1].text, "a");
    EXPECT_EQ(saved[0].unused558[199], 0x55);
    EXPECT_EQ(saved[1].unused28[7], 0x44);
}

TEST(NoteBook, ALongMemoKeeps498CharactersInItsNote)
{
    const QString path = TestDir() + "w.hxt";
    wellfile::SVMEMO m;
    m.depth = 1300;
    std::memset(m.text, 'x', sizeof m.text - 1);
    EXPECT_EQ(entry::CopyMemoToNotes(path, m), entry::NoteCopy::Copied);
    const auto notes = FileRecords<wellfile::HTEXTEX>(path);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(std::strlen(notes[0].text), std::size_t(entry::kHTextCopyMax));
}
