// The memo dialog and the note dialog driven through their controls on an open well: the date memo of
// a well without memos, the depth checks, browsing with Ctrl, NEW, SAVE and DELETE as the files show
// them, the copy to the depth notes, the colour choosers and the templates.
#include "app/notes.h"
#include "app/ui/vertnoteedit.h"
#include "entry/memobook.h"
#include "entry/ui/htextdlg.h"
#include "entry/ui/memodlg.h"
#include "logview/geometryof.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/memos.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>

using entry::HTEXTDLG;
using entry::MEMODLG;
using platform::Dialog;
using testing_support::doubles;
using testing_support::FileRecords;

namespace {

struct NoteWindow {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString folder = testing_support::TestDir() + "wells/";
    explicit NoteWindow(int first = 1000, int last = 1500, const std::vector<wellfile::SVMEMO>& memos = {})
    {
        testing_support::OpenNewWell(window, [&](const QString&) {
            const QString path = testing_support::MakeWell(folder, "notes.svm", first, last);
            if (!memos.empty())
                testing_support::WriteRecords(Mem(), memos);
            return path;
        });
        S().view.holdRepaint = false;
    }
    app::LogState& S() { return window.State(); }
    QString Mem() const { return folder + "notes.mem"; }
    QString Hxt() const { return folder + "notes.hxt"; }
    std::vector<wellfile::SVMEMO> FileMemos(qint64* size = nullptr) const
    {
        return FileRecords<wellfile::SVMEMO>(Mem(), size);
    }
    // Runs the memo dialog on memo `index` through the window's entry services with `script`.
    int RunMemos(int index, std::function<void(MEMODLG&)> script)
    {
        Dialog::QueueTestScript([script](Dialog& d) { script(static_cast<MEMODLG&>(d)); });
        return window.Neighbours().entry->RunMemoDialog(S(), index);
    }
};

// A memo as the user saved it: shown.
wellfile::SVMEMO Memo(std::int32_t depth, const char* text)
{
    wellfile::SVMEMO m = testing_support::MakeMemo(depth, text);
    m.shown = 1;
    return m;
}

wellfile::HTEXTEX Note(std::int32_t depth, const char* text) { return testing_support::MakeNote(depth, text); }

void Type(Dialog& d, const QString& text) { d.ControlAs<QPlainTextEdit>(MEMODLG::IDC_TEXT)->setPlainText(text); }

std::vector<wellfile::SVMEMO> Ladder(int n)
{
    std::vector<wellfile::SVMEMO> memos;
    for (int i = 0; i < n; ++i)
        memos.push_back(Memo(1100 + 10 * i, QByteArray("memo ").append(QByteArray::number(i)).constData()));
    return memos;
}

}  // namespace

TEST(MemoDialog, AWellWithoutMemosGetsTheDateMemoWhenItLiesInTheFile)
{
    {
        NoteWindow w(1000, 1500);
        qint64 size = 0;
        const auto memos = w.FileMemos(&size);
        ASSERT_EQ(size, wellfile::kMemoSize);
        const wellfile::SVMEMO& m = memos[0];
        EXPECT_EQ(int(m.depth), 1050);
        EXPECT_EQ(int(m.number), 1);
        EXPECT_EQ(int(m.slot), 1);
        EXPECT_EQ(m.drawRectangle, 1);
        EXPECT_EQ(m.shown, 0);
        EXPECT_EQ(unsigned(m.textColour), 0u);
        EXPECT_EQ(unsigned(m.frameColour), 0x00FFFFFFu);
        EXPECT_STREQ(m.text, "1-15-2026");
        EXPECT_EQ(w.S().notes.memoCount, 1);
    }
    QFile::remove(testing_support::TestDir() + "wells/notes.mem");
    NoteWindow shallow(1000, 1040);
    EXPECT_FALSE(QFile::exists(shallow.Mem()));
}

TEST(MemoDialog, DepthsOutOfRangeAreRefusedAndCtrlBrowsesByFive)
{
    NoteWindow w(1000, 1500, Ladder(8));
    const QByteArray before = testing_support::ReadBytes(w.Mem());
    const auto said = doubles().prompter.messages.size();
    const int beeps = doubles().sounder.beeps;
    w.RunMemos(5, [&](MEMODLG& d) {
        EXPECT_EQ(d.GetInt(MEMODLG::IDC_DEPTH), 1150);
        EXPECT_FALSE(d.IsEnabled(MEMODLG::IDC_DEPTH));
        EXPECT_FALSE(d.Control(MEMODLG::IDC_IMPORT_NOTES)->isVisibleTo(&d));
        for (const char* depth : {"1009", "1551"}) {
            d.SetText(MEMODLG::IDC_DEPTH, depth);
            d.Click(MEMODLG::IDC_SAVE);
        }
        ASSERT_EQ(doubles().prompter.messages.size(), said + 2);
        EXPECT_EQ(doubles().prompter.messages[1].text, "Depth out of range");
        EXPECT_EQ(doubles().prompter.messages[1].caption, "Report ERROR");
        EXPECT_TRUE(d.IsEnabled(MEMODLG::IDC_NEW));

        d.CmPrevious(true);
        EXPECT_EQ(d.Book().shown, 4);
        d.CmNext(false);
        d.CmNext(false);
        d.CmPrevious(true);
        EXPECT_EQ(d.Book().shown, 1);
        EXPECT_EQ(d.GetInt(MEMODLG::IDC_DEPTH), 1110);
        d.CmPrevious(false);
        d.CmPrevious(false);
        EXPECT_EQ(d.Book().shown, 0);
        EXPECT_EQ(doubles().sounder.beeps, beeps + 1);
    });
    EXPECT_EQ(testing_support::ReadBytes(w.Mem()), before);
}

TEST(MemoDialog, NewCopiesTheMemoAndSaveWritesItShownSortedAndReloadsTheWindow)
{
    NoteWindow w(1000, 1500);  // the date memo, not shown
    const int result = w.RunMemos(0, [&](MEMODLG& d) {
        d.Click(MEMODLG::IDC_NEW);
        const entry::MemoBook& b = d.Book();
        ASSERT_EQ(b.count, 2);
        EXPECT_STREQ(b.memos[1].text, "1-15-2026");
        EXPECT_EQ(int(b.memos[1].number), 1);
        EXPECT_EQ(d.GetInt(MEMODLG::IDC_NUMBER), 2);
        for (int id : {MEMODLG::IDC_NEW, MEMODLG::IDC_PREVIOUS, MEMODLG::IDC_NEXT, MEMODLG::IDC_DELETE})
            EXPECT_FALSE(d.IsEnabled(id)) << id;
        EXPECT_TRUE(d.IsEnabled(MEMODLG::IDC_DEPTH));
        d.SetText(MEMODLG::IDC_DEPTH, "1020");
        Type(d, "gas peak");
        d.Click(MEMODLG::IDC_BOLD);
        d.Click(MEMODLG::IDC_LARGE);
        d.Click(MEMODLG::IDC_SAVE);
        EXPECT_TRUE(d.IsEnabled(MEMODLG::IDC_NEW));
        EXPECT_FALSE(d.IsEnabled(MEMODLG::IDC_DEPTH));
        EXPECT_EQ(d.GetInt(MEMODLG::IDC_DEPTH), 1020);  // the memo saved stays on show
        EXPECT_EQ(w.S().notes.memoCount, 2);
    });
    EXPECT_EQ(result, platform::IDCANCEL);
    qint64 size = 0;
    const auto memos = w.FileMemos(&size);
    ASSERT_EQ(size, 2 * wellfile::kMemoSize);
    EXPECT_STREQ(memos[0].text, "gas peak");
    EXPECT_EQ(memos[0].shown, 1);
    EXPECT_EQ(int(memos[0].field512), 200);
    EXPECT_EQ(int(memos[0].fontSize), 4);
    const platform::LOGFONTA font = memos[0].font;
    EXPECT_EQ(font.lfHeight, -18);
    EXPECT_EQ(font.lfWeight, 700);
    EXPECT_STREQ(memos[1].text, "1-15-2026");
    // Loaded again once the dialog closed: a later save keeps the new memo.
    EXPECT_EQ(w.S().notes.memoCount, 2);
    EXPECT_EQ(int(w.S().notes.memos[0].depth), 1020);
}

TEST(MemoDialog, EmptyMemosLeaveTheFileAndDeletingTheOnlyMemoRemovesIt)
{
    NoteWindow w(1000, 1500, {Memo(1200, "only")});
    const QByteArray before = testing_support::ReadBytes(w.Mem());
    MEMODLG emptied(&w.window, w.S(), 0);
    Dialog::QueueTestScript([&](Dialog& d) {
        Type(d, "");
        d.Click(MEMODLG::IDC_SAVE);
    });
    emptied.Execute();
    EXPECT_EQ(testing_support::ReadBytes(w.Mem()), before);

    MEMODLG deleting(&w.window, w.S(), 0);
    doubles().prompter.answers = {platform::IDCANCEL, platform::IDOK};
    Dialog::QueueTestScript([&](Dialog& d) {
        d.Click(MEMODLG::IDC_DELETE);  // answered Cancel
        EXPECT_TRUE(QFile::exists(w.Mem()));
        d.Click(MEMODLG::IDC_DELETE);
    });
    EXPECT_EQ(deleting.Execute(), platform::IDCANCEL);
    EXPECT_FALSE(QFile::exists(w.Mem()));
    EXPECT_EQ(doubles().prompter.messages.last().caption, "Delete memo");
}

TEST(MemoDialog, DeletingTakesEffectAtSave)
{
    NoteWindow w(1000, 1500, Ladder(3));
    doubles().prompter.answers = {platform::IDOK};
    w.RunMemos(1, [&](MEMODLG& d) {
        d.Click(MEMODLG::IDC_DELETE);
        EXPECT_EQ(d.GetInt(MEMODLG::IDC_DEPTH), 1120);
        EXPECT_FALSE(d.IsEnabled(MEMODLG::IDC_DELETE));
        EXPECT_EQ(w.FileMemos().size(), 3u);
        d.Click(MEMODLG::IDC_SAVE);
        EXPECT_TRUE(d.IsEnabled(MEMODLG::IDC_DELETE));
    });
    const auto memos = w.FileMemos();
    ASSERT_EQ(memos.size(), 2u);
    EXPECT_STREQ(memos[1].text, "memo 2");
}

TEST(MemoDialog, DrawOnHorizCopiesOnceColoursAndIsRefusedWhileTheViewIsOpen)
{
    NoteWindow w(1000, 1500, {Memo(1200, "~sand"), Memo(1300, "shale")});
    doubles().prompter.colorAnswers = {platform::RGB(255, 0, 0)};
    w.RunMemos(0, [&](MEMODLG& d) {
        d.Click(MEMODLG::IDC_TEXT_COLOR);
        EXPECT_EQ(d.GetText(MEMODLG::IDC_TEXT_COLOR_SHOWN), "RD=255  GN=0 BL=0");
        ASSERT_EQ(doubles().prompter.colorTables.size(), 1);
        EXPECT_NE(doubles().prompter.colorTables[0], nullptr);
        d.Click(MEMODLG::IDC_DESCRIPTION);
        d.Click(MEMODLG::IDC_HORIZ);
        d.Click(MEMODLG::IDC_SAVE);
        d.Click(MEMODLG::IDC_SAVE);
        EXPECT_FALSE(d.IsEnabled(MEMODLG::IDC_HORIZ));
    });
    qint64 size = 0;
    auto notes = FileRecords<wellfile::HTEXTEX>(w.Hxt(), &size);
    ASSERT_EQ(size, wellfile::kHorzTextSize);
    EXPECT_STREQ(notes[0].text, "sand");
    EXPECT_EQ(int(notes[0].depth), 1200);
    EXPECT_EQ(notes[0].textTrack + notes[0].drawRectangle + notes[0].transparent, 3);
    EXPECT_EQ(notes[0].onTextTrack, 1);
    EXPECT_EQ(unsigned(notes[0].textColour), platform::RGB(255, 0, 0));
    EXPECT_EQ(w.FileMemos()[0].copiedToHorz, 1);

    w.S().notes.horizontalViewOpen = [] { return true; };
    w.RunMemos(1, [&](MEMODLG& d) {
        d.Click(MEMODLG::IDC_HORIZ);
        d.Click(MEMODLG::IDC_SAVE);
        EXPECT_TRUE(d.IsEnabled(MEMODLG::IDC_HORIZ));
    });
    EXPECT_EQ(doubles().prompter.messages.last().text,
              "You must close the horizontal view to save reports to the Horizontal");
    EXPECT_EQ(FileRecords<wellfile::HTEXTEX>(w.Hxt()).size(), 1u);
    // Not copied: the memo does not claim it was.
    EXPECT_EQ(w.FileMemos()[1].copiedToHorz, 0);
}

TEST(MemoDialog, ALongDescriptionTypedInOneLineStaysInItsColumn)
{
    // The demo's description near the bottom, given one long line in the dialog: the breaks the text
    // box stores keep every line left of the gas track's curves.
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    app::LogState& s = window.State();
    s.well.file.viewTopDepth = 2540;
    window.PaintLog();
    const app::MemoHits& hits = s.notes.drawing.hits;
    ASSERT_GT(hits.count, 0);
    const int memo = hits.memo[0];
    ASSERT_TRUE(s.notes.memos[std::size_t(memo)].description);
    Dialog::QueueTestScript([](Dialog& d) {
        Type(d, QString("LS: wh-cream, crpxln-microxln, fos, frm, fr intbln por, dull gold flor, slow strmg cut, "
                        "vug por ip, grading to dolomite with depth"));
        d.Click(MEMODLG::IDC_SAVE);
        d.Click(platform::IDOK);
    });
    window.Neighbours().entry->RunMemoDialog(s, memo);
    // Drawn in a colour of its own: its rightmost pixel lies left of the gas track.
    s.notes.memos[std::size_t(memo)].textColour = platform::RGB(1, 2, 3);
    window.PaintLog();
    const logview::ViewGeometry g = logview::GeometryOf(s);
    const platform::RECT box = hits.boxes[0];
    ASSERT_GT(box.bottom - box.top, 3 * g.rowHeight);  // several lines
    int right = -1;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < window.BackingStore().width(); ++x)
            if (window.BackingStore().pixel(x, y) == qRgb(1, 2, 3))
                right = std::max(right, x);
    EXPECT_GT(right, g.description.left + 100);
    EXPECT_LT(right, g.gas.left);
}

TEST(NoteDialog, SavesInArrayOrderAndKeepsADepthJustAboveTheCheck)
{
    NoteWindow w(1000, 1500);
    w.S().well.file.fileTopDepth = 90;
    std::vector<wellfile::HTEXTEX> notes = {Note(1200, "deep"), Note(1100, "shallow")};
    int count = 2;
    HTEXTDLG dialog(&w.window, w.S(), notes, 0, &count);
    Dialog::QueueTestScript([&](Dialog& d) {
        EXPECT_FALSE(d.Control(HTEXTDLG::IDC_ALL_CAPS)->isVisibleTo(&d));
        d.SetText(HTEXTDLG::IDC_DEPTH, "98");
        d.Click(HTEXTDLG::IDC_SAVE);
        EXPECT_FALSE(QFile::exists(w.Hxt()));
        d.SetText(HTEXTDLG::IDC_DEPTH, "99");
        d.Click(HTEXTDLG::IDC_SAVE);
    });
    dialog.Execute();
    const auto saved = FileRecords<wellfile::HTEXTEX>(w.Hxt());
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(int(saved[0].depth), 99);
    EXPECT_STREQ(saved[0].text, "deep");
    EXPECT_EQ(int(saved[1].depth), 1100);
}

TEST(NoteDialog, NewSavesInDepthOrderAndDeleteWritesAtOnce)
{
    NoteWindow w(1000, 1500);
    std::vector<wellfile::HTEXTEX> notes = {Note(1100, "a"), Note(1200, "b"), Note(1300, "c")};
    int count = 3;
    HTEXTDLG dialog(&w.window, w.S(), notes, 2, &count);
    Dialog::QueueTestScript([&](Dialog& d) {
        auto& h = static_cast<HTEXTDLG&>(d);
        d.Click(HTEXTDLG::IDC_NEW);
        EXPECT_EQ(count, 4);
        EXPECT_FALSE(d.IsEnabled(HTEXTDLG::IDC_PREVIOUS));
        d.SetText(HTEXTDLG::IDC_DEPTH, "1150");
        Type(d, "new one");
        d.Click(HTEXTDLG::IDC_SAVE);
        // The display follows the note to its place.
        EXPECT_EQ(h.Shown(), 1);
        EXPECT_EQ(FileRecords<wellfile::HTEXTEX>(w.Hxt()).size(), 4u);

        h.CmNext(false);
        h.CmNext(false);
        h.CmNext(false);
        d.Click(HTEXTDLG::IDC_DELETE);  // the last: the one before is shown
        EXPECT_EQ(h.Shown(), 2);
        EXPECT_EQ(d.GetInt(HTEXTDLG::IDC_DEPTH), 1200);
        EXPECT_EQ(FileRecords<wellfile::HTEXTEX>(w.Hxt()).size(), 3u);

        d.Click(HTEXTDLG::IDC_SET_DEFAULT);
        ASSERT_TRUE(w.S().notes.styleNote);
        EXPECT_EQ(w.S().notes.styleNote->text[0], '\0');
        EXPECT_EQ(int(w.S().notes.styleNote->depth), 1200);
        EXPECT_EQ(notes[2].defaultNote, 1);
        EXPECT_EQ(notes[0].defaultNote + notes[1].defaultNote, 0);
        for (int i = 0; i < 3; ++i)
            d.Click(HTEXTDLG::IDC_DELETE);
    });
    EXPECT_EQ(dialog.Execute(), platform::IDOK);
    EXPECT_EQ(count, 0);
    qint64 size = -1;
    FileRecords<wellfile::HTEXTEX>(w.Hxt(), &size);
    EXPECT_EQ(size, 0);
}

TEST(NoteDialog, ColoursGoIntoTheNoteShownEachChooserWithItsOwnCustomColours)
{
    NoteWindow w(1000, 1500, {Memo(1200, "sand")});
    doubles().prompter.colorAnswers = {platform::RGB(255, 0, 0), platform::RGB(0, 0, 255), platform::RGB(0, 255, 0)};
    w.RunMemos(0, [](MEMODLG& d) { d.Click(MEMODLG::IDC_TEXT_COLOR); });
    std::vector<wellfile::HTEXTEX> notes = {Note(1100, "a"), Note(1200, "b")};
    int count = 2;
    HTEXTDLG dialog(&w.window, w.S(), notes, 1, &count);
    Dialog::QueueTestScript([&](Dialog& d) {
        d.Click(HTEXTDLG::IDC_BACK_COLOR);
        EXPECT_EQ(d.GetText(HTEXTDLG::IDC_BACK_COLOR_SHOWN), "RD=0  GN=0 BL=255");
        d.Click(HTEXTDLG::IDC_TEXT_COLOR);
        d.Click(HTEXTDLG::IDC_SAVE);
    });
    dialog.Execute();
    const auto saved = FileRecords<wellfile::HTEXTEX>(w.Hxt());
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(unsigned(saved[1].background), platform::RGB(0, 0, 255));
    EXPECT_EQ(unsigned(saved[1].textColour), platform::RGB(0, 255, 0));
    EXPECT_EQ(unsigned(saved[0].background), unsigned(notes[0].background));
    // The memo's text colours, the notes' backgrounds and the notes' text colours: three tables.
    const auto& tables = doubles().prompter.colorTables;
    ASSERT_EQ(tables.size(), 3);
    EXPECT_NE(tables[0], tables[1]);
    EXPECT_NE(tables[0], tables[2]);
    EXPECT_NE(tables[1], tables[2]);
}

// A note stored at an odd depth keeps it: the log draws it at the next even depth, and the next note
// stored from the note edit over the log writes the file from what the window holds.
TEST(MemoDialog, AnOddDepthStaysThroughThePaintAndTheNextNoteStored)
{
    NoteWindow w(1000, 1500, {Memo(1121, "odd"), Memo(1300, "even")});
    w.S().well.file.viewTopDepth = 1100;
    w.window.PaintLog();
    app::OpenNoteEdit(w.S(), {300, 400, 600, 500});
    const auto* host = dynamic_cast<app::NoteEditWindow*>(w.S().notes.edit);
    ASSERT_TRUE(host && host->Edit());
    QTest::keyClicks(host->Edit(), "next");
    QTest::keyClick(host->Edit(), Qt::Key_Return, Qt::ControlModifier);
    QStringList stored;
    for (const wellfile::SVMEMO& m : w.FileMemos())
        stored << QString::number(m.depth) + ' ' + m.text;
    ASSERT_EQ(stored.size(), 3) << stored.join('|').toStdString();
    EXPECT_TRUE(stored.contains("1121 odd")) << stored.join('|').toStdString();
    EXPECT_TRUE(stored.contains("1300 even"));
}
