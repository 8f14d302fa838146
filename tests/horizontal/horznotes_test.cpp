// The horizontal view's depth notes: the shared ".hxt" read, cleaned and written back on disk, a note
// stored from the editor's place, the note boxes rendered into an image, and the editor and the shared
// file through a real main window and its view.
#include "app/commandids.h"
#include "entry/ui/memodlg.h"
#include "horizontal/draw/horznotes.h"
#include "horizontal/horznotes.h"
#include "horizontal/ui/horzdlg.h"
#include "horizontal/ui/horznoteedit.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/deviatedwell.h"
#include "support/files.h"
#include "support/memos.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>

using namespace horizontal;
using wellfile::HTEXTEX;
using testing_support::doubles;
using testing_support::FileRecords;
using testing_support::MakeNote;
using testing_support::TestDir;

namespace {

// Writes `notes` as the well's ".hxt" and loads it as the view does.
struct NoteFileOnDisk {
    QString path = TestDir() + "w.hxt";
    std::optional<HTEXTEX> style, description;
    std::optional<NoteTable> Load(const std::vector<HTEXTEX>& notes)
    {
        testing_support::WriteRecords(path, notes);
        return LoadNotes({path, {}}, {&style, &description});
    }
    std::vector<HTEXTEX> OnDisk() const { return FileRecords<HTEXTEX>(path); }
};

HTEXTEX Flagged(std::int32_t depth, const char* text, std::uint8_t HTEXTEX::* flag)
{
    HTEXTEX h = MakeNote(depth, text);
    h.*flag = 1;
    return h;
}

// The numbers of the plot the notes are placed on.
NoteView View()
{
    NoteView v;
    v.plotLeft = 50;
    v.scrollPos = 50;
    v.plotFirstDepth = 2000;
    v.plotLastDepth = 2400;
    v.drawFrom = 2000;
    v.gasBase = 160;
    v.pathBottom = 376;
    v.notesBandTop = 400;
    v.notesBandBottom = 500;
    v.imageWidth = 3300;
    v.unitWidth = 10;
    return v;
}

}  // namespace

TEST(HorzNotesFile, LoadDropsDuplicatesAndEmptiesSortsAndRewrites)
{
    NoteFileOnDisk f;
    auto t = f.Load({MakeNote(2100, "Gas show"), MakeNote(2100, "GAS SHOW")});
    ASSERT_TRUE(t);
    EXPECT_EQ(t->count, 1);
    EXPECT_EQ(f.OnDisk().size(), 1u);  // rewritten at once: 758 bytes

    t = f.Load({Flagged(2100, "one", &HTEXTEX::anchoredBottom), Flagged(2100, "two", &HTEXTEX::anchoredBottom)});
    EXPECT_EQ(t->count, 1);
    t = f.Load({MakeNote(2100, "one"), MakeNote(2100, "two")});
    EXPECT_EQ(t->count, 2);
    // Each compared with the slot just before it only.
    t = f.Load({MakeNote(2100, "a"), MakeNote(2100, "b"), MakeNote(2100, "a")});
    EXPECT_EQ(t->count, 3);
    EXPECT_EQ(f.OnDisk().size(), 3u);

    t = f.Load({MakeNote(2300, "c"), MakeNote(0, "zero"), MakeNote(2100, "a"), MakeNote(2150, ""), MakeNote(2200, "b")});
    ASSERT_EQ(t->count, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(int(t->notes[std::size_t(i)].depth), 2100 + 100 * i);
        EXPECT_EQ(int(t->notes[std::size_t(i)].number), i + 1);
    }
    EXPECT_EQ(t->notes.size(), 3u + kNoteSpares);
    EXPECT_EQ(f.OnDisk().size(), 3u);

    HTEXTEX marked = Flagged(2200, "style", &HTEXTEX::defaultNote);
    marked.textColour = platform::RGB(0, 128, 0);
    f.Load({MakeNote(2100, "plain"), marked});
    ASSERT_TRUE(f.style);
    EXPECT_EQ(unsigned(f.style->textColour), platform::RGB(0, 128, 0));
    EXPECT_FALSE(f.description);
}

TEST(HorzNotesFile, EmptyShortTornAndUnwritableFiles)
{
    NoteFileOnDisk f;
    // Deleting the last note leaves an empty file, which reads as no file at all and stays.
    ASSERT_TRUE(SaveNotes({f.path, {}}, {}, 0));
    EXPECT_EQ(QFileInfo(f.path).size(), 0);
    auto t = LoadNotes({f.path, {}}, {});
    ASSERT_TRUE(t);
    EXPECT_EQ(t->count, 1);
    EXPECT_EQ(int(t->notes[0].depth), 0);
    EXPECT_TRUE(QFile::exists(f.path));

    // Shorter than a record: set aside, an earlier set-aside copy kept.
    for (const char* aside : {"w.hx_", "w.hx_1"}) {
        testing_support::WriteBytes(f.path, QByteArray(300, 'x'));
        t = LoadNotes({f.path, {}}, {});
        EXPECT_EQ(t->count, 1);
        EXPECT_FALSE(QFile::exists(f.path));
        EXPECT_EQ(testing_support::ReadBytes(TestDir() + aside), QByteArray(300, 'x'));
    }

    // A torn tail is left out; a text filling all 500 bytes is read within them.
    HTEXTEX full = MakeNote(2100, "");
    std::memset(full.text, 'a', sizeof full.text);
    testing_support::WriteRecords(f.path, std::vector<HTEXTEX>{full, MakeNote(2200, "b")}, QByteArray(100, 'z'));
    t = LoadNotes({f.path, {}}, {});
    ASSERT_EQ(t->count, 2);
    EXPECT_EQ(NoteLines(t->notes[0]).at(0).size(), 500);

    // A file that cannot be written: said, and the old file stays; copied out only after a write.
    int copies = 0;
    ASSERT_TRUE(QDir().mkpath(TestDir() + "d.hxt"));
    EXPECT_FALSE(SaveNotes({TestDir() + "d.hxt", [&] { ++copies; }}, t->notes, t->count));
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_EQ(doubles().prompter.messages.last().text, "File Open Error");
    EXPECT_EQ(doubles().prompter.messages.last().caption, "Horz Text");
    EXPECT_TRUE(SaveNotes({f.path, [&] { ++copies; }}, t->notes, t->count));
    EXPECT_EQ(copies, 1);
}

TEST(HorzNotesStore, SnapsBelowTheGasBaseCutsAndDeletes)
{
    const NoteView v = View();
    NoteTable t{std::vector<HTEXTEX>(kNoteSpares), 0};
    for (int y : {152, 151}) {
        ASSERT_EQ(PlaceNote(t, -1, true, "new", 450, y, v, {}), NoteStore::Stored);
        const HTEXTEX& h = t.notes[std::size_t(t.count - 1)];
        EXPECT_EQ(int(h.depth), 2050);
        EXPECT_EQ(int(h.box[0]), 452);
        EXPECT_EQ(int(h.box[1]), 165);
        EXPECT_EQ(int(h.box[3]), 181);
        EXPECT_EQ(h.onTextTrack + h.drawRectangle + h.transparent, 3);
    }
    PlaceNote(t, -1, true, QByteArray(600, 'x'), 450, 200, v, {});
    const HTEXTEX& plain = t.notes[2];
    EXPECT_EQ(int(plain.box[1]), 200);
    EXPECT_EQ(plain.onTextTrack, 0);
    EXPECT_EQ(strnlen(plain.text, sizeof plain.text), 499u);

    // The templates: a description takes the description style, a new note the default style.
    std::optional<HTEXTEX> style = MakeNote(0, ""), description = MakeNote(0, "");
    style->textColour = platform::RGB(1, 2, 3);
    description->textColour = platform::RGB(4, 5, 6);
    description->bold = 1;
    PlaceNote(t, 0, false, "edited", 450, 165, v, {&style, &description});
    EXPECT_EQ(unsigned(t.notes[0].textColour), platform::RGB(4, 5, 6));
    EXPECT_EQ(t.notes[0].bold, 1);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());  // applied silently
    PlaceNote(t, -1, true, "styled", 450, 300, v, {&style, &description});
    EXPECT_EQ(unsigned(t.notes[3].textColour), platform::RGB(1, 2, 3));

    // One character on an edited note deletes it; with no note under edit nothing happens.
    EXPECT_EQ(PlaceNote(t, 1, false, "x", 450, 300, v, {}), NoteStore::Deleted);
    EXPECT_EQ(t.count, 3);
    EXPECT_EQ(strnlen(t.notes[1].text, sizeof t.notes[1].text), 499u);
    EXPECT_EQ(int(t.notes[3].depth), 0);
    EXPECT_EQ(PlaceNote(t, -1, false, "", 450, 300, v, {}), NoteStore::Nothing);
}

TEST(HorzNotesDraw, BoxesLinesFlagsAndHandles)
{
    QImage image(3300, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    platform::Dc dc(image);
    dc.RecordText(true);
    NoteView v = View();
    std::vector<HTEXTEX> notes = {MakeNote(1990, "above"), MakeNote(2050, "a\r\n\r\nb\r\nc"),
                                  Flagged(2100, "gas", &HTEXTEX::textTrack), Flagged(2150, "desc", &HTEXTEX::onTextTrack),
                                  Flagged(2200, "right", &HTEXTEX::anchoredBottom), Flagged(2250, "left", &HTEXTEX::anchoredRight)};
    notes[0].box[1] = 77;
    notes[1].box[1] = 250;
    notes[1].fontSize = 3;
    notes[1].bold = 1;
    notes[1].drawRectangle = 1;
    notes[1].background = platform::RGB(255, 0, 0);
    notes[2].fontSize = 9;
    NoteDrawing out;
    v.drawFrom = 1500;  // a TVD: the notes are hidden by the plot's first MD
    ASSERT_TRUE(DrawNotes(dc, notes, int(notes.size()), 0, v, out));
    EXPECT_EQ(out.firstDrawn, 1);
    EXPECT_EQ(out.handles.size(), 5u);
    EXPECT_EQ(int(notes[0].box[1]), 0);  // before the plot's first MD: not drawn, box cleared

    const auto& texts = dc.TextRecord();
    ASSERT_EQ(texts.size(), 3u + 4u);
    EXPECT_EQ(texts[0].font.height, -14);
    EXPECT_EQ(texts[0].font.weight, 700);
    EXPECT_EQ(texts[3].font.height, -12);
    dc.SelectObject(NoteFont(notes[1]));
    const int lh = dc.GetTextMetrics().tmHeight;
    const HTEXTEX& n = notes[1];
    EXPECT_EQ(int(n.box[3]) - int(n.box[1]), 3 * lh + 2);
    EXPECT_EQ(texts[2].at.y, 250 + 1 + 2 * (lh - 1));
    EXPECT_EQ(texts[0].at.x, 50 + 50 * 8 + 2);
    EXPECT_EQ(image.pixel(n.box[0] + 1, n.box[1] + 1), qRgb(255, 0, 0));  // filled with its box colour
    EXPECT_EQ(image.pixel(n.box[0], n.box[1] + 1), qRgb(0, 0, 0));        // framed in the black pen
    EXPECT_EQ(out.handles[0], (platform::RECT{n.box[2] - 20, n.box[3] - 20, n.box[2], n.box[3]}));

    EXPECT_EQ(int(notes[2].box[1]), 180);
    EXPECT_EQ(int(notes[3].box[1]), 180);
    EXPECT_EQ(texts[4].at.y, 180);  // a description's text starts at its top
    EXPECT_EQ(int(notes[4].box[3]), 376);
    EXPECT_EQ(int(notes[5].box[3]), 376);
    EXPECT_EQ(int(notes[5].box[2]), 50 + 250 * 8);  // it ends at its depth

    // Drawn in the notes band; a compressed view draws only the notes stored on one.
    v.textInOwnTrack = true;
    DrawNotes(dc, notes, int(notes.size()), 0, v, out);
    EXPECT_EQ(int(notes[3].box[1]), 402);
    EXPECT_EQ(int(notes[3].box[3]), 499);
    v.pixelsPerUnit = 4;
    notes[2].oneInch = 1;
    DrawNotes(dc, notes, int(notes.size()), 0, v, out);
    EXPECT_EQ(out.handles.size(), 1u);
}

namespace {

struct NotesOnView {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString hxt;
    NotesOnView()
    {
        testing_support::OpenNewWell(window, [](const QString& data) {
            return testing_support::MakeDeviatedWell(data, "H.svm", 1000, 1400);
        });
        S().env.screenWidth = 1920;
        S().env.screenHeight = 1080;
        hxt = S().well.file.currentFolder + "H.hxt";
    }
    app::LogState& S() { return window.State(); }
    HorzDlg* Open()
    {
        window.EvCommand(app::cmd::HorizontalView);
        auto* view = qobject_cast<HorzDlg*>(window.Tools().horzView.data());
        if (view)
            view->resize(1200, 700);
        return view;
    }
    // The window column of a depth on the open view.
    static int Column(const HorzDlg& v, std::int32_t depth)
    {
        return NoteX(NoteViewOf(v.Plot(), v.ScrollPosition(), 10), depth) - (v.ScrollPosition() - v.PlotLeft());
    }
};

}  // namespace

TEST(HorzNotesWindow, TheEditorStoresCancelsAndTypesCapitals)
{
    NotesOnView f;
    f.S().well.loggerId = 84;
    doubles().clipboard.SetText("kept elsewhere");
    HorzDlg* view = f.Open();
    ASSERT_NE(view, nullptr);
    const std::int32_t depth = std::max(view->DrawFrom(), view->Plot().plotFirstDepth) + 40;
    const int x = NotesOnView::Column(*view, depth), y = view->Plot().bands.gasBase + 60;
    ASSERT_TRUE(view->EditNoteAt(x, y));
    EXPECT_TRUE(doubles().clipboard.Text().isEmpty());  // emptied for this profile
    HorzNoteEdit* edit = view->NoteEditor();
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, "top");
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClicks(edit, "sand");
    QTest::keyClick(edit, Qt::Key_Return, Qt::ControlModifier);
    auto saved = FileRecords<HTEXTEX>(f.hxt);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_STREQ(saved[0].text, "top\r\nsand");
    EXPECT_EQ(int(saved[0].depth), depth);
    ASSERT_EQ(view->Notes().count, 1);
    const HTEXTEX& n = view->Notes().notes[0];
    EXPECT_EQ(view->Image().pixel(n.box[0], n.box[1] + 1), qRgb(0, 0, 0));  // drawn, framed

    // Escape after a resize: the text from before it comes back.
    view->ResizeNote(0, {x, y, x + 300, y + 40});
    EXPECT_STREQ(view->Notes().notes[0].text, "top sand");
    QTest::keyClick(view->NoteEditor(), Qt::Key_Escape);
    EXPECT_STREQ(view->Notes().notes[0].text, "top\r\nsand");

    f.S().well.loggerId = 21;
    ASSERT_TRUE(view->EditNoteAt(x + 300, y));
    QTest::keyClicks(view->NoteEditor(), "abc");
    EXPECT_EQ(view->NoteEditor()->toPlainText(), "ABC");
}

TEST(HorzNotesWindow, TheSharedFileKeepsTheLogsNotesAndShowsAMemoCopy)
{
    NotesOnView f;
    // A "~" memo saved in the memo dialog goes to the notes.
    testing_support::WriteRecords(f.S().well.file.currentFolder + "H.mem", std::vector{testing_support::MakeMemo(1390, "~sand")});
    platform::Dialog::QueueTestScript([](platform::Dialog& d) {
        d.Click(entry::MEMODLG::IDC_HORIZ);
        d.Click(entry::MEMODLG::IDC_SAVE);
    });
    f.window.Neighbours().entry->RunMemoDialog(f.S(), 0);
    // The depth log's own notes: near the top of the file and past the view's last depth.
    auto notes = FileRecords<HTEXTEX>(f.hxt);
    ASSERT_EQ(notes.size(), 1u);
    notes.push_back(MakeNote(1010, "log top"));
    notes.push_back(MakeNote(5000, "far"));
    testing_support::WriteRecords(f.hxt, notes);

    const QString out = TestDir() + "copyout/";
    ASSERT_TRUE(QDir().mkpath(out));
    f.S().well.file.copyOut = true;
    f.S().well.file.copyOutFolder = out;
    HorzDlg* view = f.Open();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->Notes().count, 3);
    const HTEXTEX& memo = view->Notes().notes[1];
    EXPECT_STREQ(memo.text, "sand");
    EXPECT_GT(int(memo.box[2]), int(memo.box[0]));  // drawn by the view
    EXPECT_NE(view->Image().pixel(memo.box[0], memo.box[1] + 1), qRgb(255, 255, 255));

    ASSERT_TRUE(view->EditNoteAt(NotesOnView::Column(*view, 1380), view->Plot().bands.gasBase + 60));
    QTest::keyClicks(view->NoteEditor(), "shale");
    QTest::keyClick(view->NoteEditor(), Qt::Key_Return, Qt::ControlModifier);
    const auto saved = FileRecords<HTEXTEX>(f.hxt);
    ASSERT_EQ(saved.size(), 4u);
    EXPECT_STREQ(saved[0].text, "log top");
    EXPECT_STREQ(saved[3].text, "far");
    EXPECT_EQ(testing_support::ReadBytes(out + "H.hxt"), testing_support::ReadBytes(f.hxt));

    // The note deleted from the editor stays deleted after the reload.
    ASSERT_TRUE(view->EditNoteAt(NotesOnView::Column(*view, 1380) + 2, view->Plot().bands.gasBase + 62));
    view->NoteEditor()->setPlainText("x");
    QTest::keyClick(view->NoteEditor(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(FileRecords<HTEXTEX>(f.hxt).size(), 3u);
    EXPECT_EQ(view->Notes().count, 3);
}

TEST(HorzNotesWindow, TheDemoWellsNotesAreDrawn)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    window.EvCommand(app::cmd::HorizontalView);
    auto* view = qobject_cast<HorzDlg*>(window.Tools().horzView.data());
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->Notes().count, 4);
    EXPECT_EQ(view->NoteHandles().handles.size(), 4u);
    const HTEXTEX& bottom = view->Notes().notes[2];
    EXPECT_EQ(int(bottom.box[3]), view->Plot().bands.pathBottom);
}
