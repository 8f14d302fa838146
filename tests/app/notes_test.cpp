// Memos placed on the log: adding and editing through the memo file, the copy of "~" memos to the
// horizontal view's notes, the end of a placement and the note frame dragged over the log.
#include "app/ui/notedrag.h"
#include "app/notes.h"
#include "entry/memofiles.h"
#include "platform/draw/dc.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/viewfixture.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstring>

using namespace testing_support;

namespace {

// The note edit as the note code drives it, recorded.
class FakeNoteEdit final : public app::NoteEditHost {
public:
    bool open = false;
    bool shown = false;
    QByteArray text;
    platform::RECT rect;
    bool IsOpen() const override { return open; }
    void Open(const platform::RECT& r, const QByteArray& t) override { open = shown = true, rect = r, text = t; }
    void Place(const platform::RECT& r, const QByteArray& t) override { shown = true, rect = r, text = t; }
    void Hide() override { shown = false; }
    void Destroy() override { open = shown = false; }
};

class Notes : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        s.notes.edit = &edit;
        doubles().clipboard.text = "the user's clipboard";
        // A memo file without memos: the well starts with none (no date memo).
        WriteBytes(app::MemoPath(s), QByteArray());
        ASSERT_TRUE(app::LoadMemos(s));
        // Nor any depth notes of the horizontal view.
        QFile::remove(HxtPath());
    }
    QString MemPath() const { return s.well.file.currentFolder + s.well.file.wellName + ".mem"; }
    QString HxtPath() const { return s.well.file.currentFolder + s.well.file.wellName + ".hxt"; }
    std::vector<wellfile::SVMEMO> FileMemos() const { return FileRecords<wellfile::SVMEMO>(MemPath()); }
    FakeNoteEdit edit;
};

}  // namespace

TEST_F(Notes, ANewMemoIsClampedBelowTheTopAndSavedSortedWithoutEmptyOnes)
{
    const std::int32_t first = s.well.file.fileTopDepth;
    ASSERT_TRUE(app::AddMemo(s, "deep", 300, 0, 2000, false));
    ASSERT_TRUE(app::AddMemo(s, "near the top", 300, 0, first + 5, false));
    // An empty memo in memory is never written.
    s.notes.memos[std::size_t(s.notes.memoCount)] = {};
    s.notes.memos[std::size_t(s.notes.memoCount)].depth = 1500;
    ++s.notes.memoCount;
    ASSERT_TRUE(app::AddMemo(s, "middle", 300, 0, 1500, false));

    const auto memos = FileMemos();
    ASSERT_EQ(memos.size(), 3u);
    EXPECT_EQ(int(memos[0].depth), first + 12);
    EXPECT_STREQ(memos[0].text, "near the top");
    EXPECT_EQ(int(memos[1].depth), 1500);
    EXPECT_EQ(int(memos[2].depth), 2000);
    const wellfile::SVMEMO& m = memos[0];
    EXPECT_EQ(m.drawRectangle, 1);
    EXPECT_EQ(m.shown, 1);
    EXPECT_EQ(m.transparent, 1);
    EXPECT_EQ(unsigned(m.frameColour), platform::RGB(255, 255, 255));
    EXPECT_EQ(std::memcmp(&m.font, &s.layout.format.logFont, sizeof m.font), 0);
    // The window's memos are the file's again.
    EXPECT_EQ(s.notes.memoCount, 3);
    EXPECT_EQ(int(s.notes.memos[0].depth), first + 12);
    EXPECT_EQ(doubles().clipboard.text, "the user's clipboard");
}

TEST_F(Notes, MarksOfTheTextAndTheCopyToTheHorizontalNotes)
{
    ASSERT_TRUE(app::AddMemo(s, ">one inch", 300, 0, 1200, false));
    ASSERT_TRUE(app::AddMemo(s, "~to the horizontal view", 300, 0, 1300, false));
    auto memos = FileMemos();
    ASSERT_EQ(memos.size(), 2u);
    EXPECT_STREQ(memos[0].text, "one inch");
    EXPECT_EQ(memos[0].oneInch, 1);
    EXPECT_STREQ(memos[1].text, "to the horizontal view");
    EXPECT_EQ(memos[1].copiedToHorz, 1);
    EXPECT_EQ(memos[1].oneInch, 0);

    auto notes = FileRecords<wellfile::HTEXTEX>(HxtPath());
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(int(notes[0].depth), 1300);
    EXPECT_STREQ(notes[0].text, "to the horizontal view");
    const QByteArray bytes = ReadBytes(HxtPath());
    EXPECT_EQ(bytes.mid(20, 3), QByteArray(3, '\1'));
    EXPECT_EQ(bytes.mid(36, 22), "to the horizontal view");

    // Edited again, with the tilde still in front: nothing more is copied.
    s.notes.currentMemo = 1;
    ASSERT_TRUE(app::AddMemo(s, "~edited", 300, 0, 0, false));
    EXPECT_STREQ(FileMemos()[1].text, "edited");
    EXPECT_EQ(FileRecords<wellfile::HTEXTEX>(HxtPath()).size(), 1u);
}

TEST_F(Notes, AMemoFileThatCannotBeWrittenLeavesTheMemosAsTheyWere)
{
    ASSERT_TRUE(app::AddMemo(s, "kept", 300, 0, 1200, false));
    const std::vector<wellfile::SVMEMO> before = s.notes.memos;
    ASSERT_TRUE(QFile::remove(MemPath()));
    ASSERT_TRUE(QDir().mkpath(MemPath()));
    EXPECT_FALSE(app::AddMemo(s, "~lost?", 300, 0, 1300, false));
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Memo Write File");
    EXPECT_EQ(s.notes.memoCount, 1);
    ASSERT_EQ(s.notes.memos.size(), before.size());
    EXPECT_EQ(std::memcmp(s.notes.memos.data(), before.data(), before.size() * sizeof(wellfile::SVMEMO)), 0);
    // Nothing reached the notes either.
    EXPECT_FALSE(QFile::exists(HxtPath()));
}

TEST_F(Notes, HorizontalNotesGrowPastTheirSlotsAndWaitForTheViewToClose)
{
    std::vector<wellfile::HTEXTEX> full(450);
    for (int i = 0; i < 450; ++i) {
        full[std::size_t(i)].depth = 1001 + i;
        full[std::size_t(i)].text[0] = 'n';
    }
    WriteRecords(HxtPath(), full);
    ASSERT_TRUE(app::AddHTextNote(s, "~one more", 2200));
    const auto notes = FileRecords<wellfile::HTEXTEX>(HxtPath());
    ASSERT_EQ(notes.size(), 451u);
    EXPECT_STREQ(notes[450].text, "one more");
    EXPECT_EQ(int(notes[449].depth), 1450);  // the last of the full slots is still there

    const QByteArray before = ReadBytes(HxtPath());
    s.notes.horizontalViewOpen = [] { return true; };
    EXPECT_FALSE(app::AddHTextNote(s, "refused", 2300));
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "You must close the horizontal view to save reports to the Horizontal");
    EXPECT_EQ(ReadBytes(HxtPath()), before);
}

TEST_F(Notes, CancellingRestoresTheTextWithItsLineBreaks)
{
    ASSERT_TRUE(app::AddMemo(s, "two\r\nlines", 300, 0, 1200, false));
    s.notes.currentMemo = 0;
    s.notes.editMode = 1;
    app::StripSeparators(s);
    EXPECT_STREQ(s.notes.memos[0].text, "twolines");
    std::strcpy(s.notes.memos[0].text, "typed over");
    app::CancelNoteEdit(s);
    EXPECT_STREQ(s.notes.memos[0].text, "two\r\nlines");
    EXPECT_EQ(s.notes.currentMemo, -1);
    EXPECT_EQ(s.notes.editMode, 0);
    EXPECT_TRUE(s.notes.noteBuffer.empty());
}

TEST_F(Notes, TheFrameFollowsTheMouseAndCancelsAboveOrLeftOfItsAnchor)
{
    logview::ViewBitmaps bitmaps;
    logview::NeighbourPainters painters;
    AttachImages(bitmaps, painters);
    int repaints = 0;
    s.view.invalidate = [&repaints] { ++repaints; };
    ASSERT_TRUE(app::AddMemo(s, "an old\r\nmemo", 300, 0, 1200, false));
    platform::Dc dc(bitmaps.backingStore);
    dc.SetROP2(platform::R2_XORPEN);
    dc.SelectObject(platform::StockPen(platform::WHITE_PEN));

    // An existing memo: the first step opens the edit hidden with the text on one line.
    s.notes.currentMemo = 0;
    s.notes.editMode = 1;
    s.notes.frameAnchor = {400, 300};
    s.notes.frameStarting = true;
    app::DragNote(s, dc, 500, 350);
    EXPECT_TRUE(edit.open);
    EXPECT_FALSE(edit.shown);
    EXPECT_EQ(edit.text, "an oldmemo");
    app::DragNote(s, dc, 520, 360);
    EXPECT_TRUE(edit.shown);
    EXPECT_EQ(edit.rect, (platform::RECT{400, 300, 520, 360}));
    EXPECT_EQ(bitmaps.backingStore.pixel(450, 300), 0xFF000000u);
    EXPECT_EQ(bitmaps.backingStore.pixel(499, 320), 0xFFFFFFFFu);  // the first frame's right edge is gone
    EXPECT_EQ(bitmaps.backingStore.pixel(519, 320), 0xFF000000u);

    app::DragNote(s, dc, 390, 360);
    EXPECT_FALSE(edit.open);
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(s.notes.currentMemo, -1);
    EXPECT_STREQ(s.notes.memos[0].text, "an old\r\nmemo");
}

TEST_F(Notes, TheDragGasFrameStartsAtTheGasTrackAndTakesTheLastOneOff)
{
    logview::ViewBitmaps bitmaps;
    logview::NeighbourPainters painters;
    AttachImages(bitmaps, painters);
    QImage& store = bitmaps.backingStore;
    platform::Dc dc(store);
    dc.SetROP2(platform::R2_XORPEN);
    dc.SelectObject(platform::StockPen(platform::WHITE_PEN));
    const int gasLeft = s.layout.format.gas.left;
    app::DrawDragGasFrame(s, dc, gasLeft + 100, 400);  // the first step: its top is this row
    app::DrawDragGasFrame(s, dc, gasLeft + 150, 450);
    EXPECT_EQ(store.pixel(gasLeft, 420), 0xFF000000u);
    EXPECT_EQ(store.pixel(gasLeft + 149, 420), 0xFF000000u);
    EXPECT_EQ(store.pixel(gasLeft + 99, 399), 0xFFFFFFFFu);  // nothing of the first band is left
    EXPECT_EQ(store.pixel(gasLeft + 120, 449), 0xFF000000u);
}

TEST_F(Notes, LoadingPicksTheTemplatesAndTheOneInchDescriptionFlag)
{
    const std::int32_t first = s.well.file.fileTopDepth;
    std::vector<wellfile::SVMEMO> memos(3);
    memos[0].depth = first + 50;  // a one-inch description not below first + 50 does not count
    memos[0].oneInch = memos[0].description = 1;
    std::strcpy(memos[0].text, "at the top");
    memos[1].depth = first + 100;
    memos[1].defaultMemo = 1;
    std::strcpy(memos[1].text, "template");
    memos[2].depth = first + 200;
    memos[2].defaultDescription = 1;
    std::strcpy(memos[2].text, "description template");
    WriteRecords(MemPath(), memos);
    ASSERT_TRUE(app::LoadMemos(s));
    EXPECT_FALSE(s.notes.oneInchDescriptions);
    ASSERT_TRUE(s.notes.styleMemo && s.notes.styleDescription);
    EXPECT_STREQ(s.notes.styleMemo->text, "template");
    EXPECT_STREQ(s.notes.styleDescription->text, "description template");

    memos[0].depth = first + 51;
    WriteRecords(MemPath(), memos);
    ASSERT_TRUE(app::LoadMemos(s));
    EXPECT_TRUE(s.notes.oneInchDescriptions);
}
