// Manual, 3. Entering what you see: "Descriptions and notes", walked on the first start's window: the
// double-click on an empty place of the descriptions column, a note framed with Ctrl and the mouse in
// that column, typed with Enter for new lines and stored with Ctrl+Enter in a box (read back from the
// notes file), Escape storing nothing, a note changed by a double-click on its box, moved to another
// depth, its note dialog on a right click, made a description there, and the texts that begin with "~"
// and ">".
#include "app/ui/vertnoteedit.h"
#include "entry/memofiles.h"
#include "manual/enteringsteps.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QLabel>
#include <QTest>

#include <optional>

#include <gtest/gtest.h>

using wellfile::SVMEMO;
using platform::Dialog;

namespace {

struct NotesWalk {
    shell::LogWindow w{nullptr, QStringLiteral("StrativM")};
    manual::EnteringWindow e{w};
    const logview::ViewGeometry& g = e.g;
    QString mem, hxt;
    bool Start()
    {
        if (!testing_support::ShowDemoWindow(w))
            return false;
        const wellfile::OpenWell& f = w.State().well.file;
        mem = entry::MemoFilePath(f.currentFolder, f.wellName);
        hxt = entry::HTextFilePath(f.currentFolder, f.wellName);
        e.PaintAt(1190);
        return true;
    }
    QPoint ClientPoint(QPoint p)
    {
        return p + QPoint(0, w.menuWidget() && w.menuWidget()->isVisible() ? w.menuWidget()->height() : 0);
    }
    // Presses with Ctrl at `from`, moves in two steps and lets go at `to`.
    void CtrlDrag(QPoint from, QPoint to)
    {
        QTest::mousePress(&w, Qt::LeftButton, Qt::ControlModifier, ClientPoint(from));
        QTest::mouseMove(&w, ClientPoint((from + to) / 2));
        QTest::mouseMove(&w, ClientPoint(to));
        QTest::mouseRelease(&w, Qt::LeftButton, Qt::ControlModifier, ClientPoint(to));
        QCoreApplication::processEvents();
    }
    app::VertNoteEdit* Edit()
    {
        const auto* host = dynamic_cast<app::NoteEditWindow*>(w.State().notes.edit);
        return host && host->IsOpen() && host->Edit()->isVisible() ? host->Edit() : nullptr;
    }
    // The note of that text in the notes file.
    std::optional<SVMEMO> Stored(const char* text)
    {
        for (const SVMEMO& m : testing_support::FileRecords<SVMEMO>(mem))
            if (platform::FieldText(m.text) == text)
                return m;
        return std::nullopt;
    }
    // The box drawn for the note of that text, once the log is painted again.
    std::optional<platform::RECT> Box(const char* text)
    {
        e.PaintAt(1190);
        const app::MemoHits& hits = w.State().notes.drawing.hits;
        for (int k = 0; k < hits.count; ++k)
            if (platform::FieldText(w.State().notes.memos[std::size_t(hits.memo[std::size_t(k)])].text) == text)
                return hits.boxes[std::size_t(k)];
        return std::nullopt;
    }
    // Frames a note with Ctrl from `at`, types the lines (Enter between them) and ends with `end`.
    void Note(QPoint at, const QStringList& lines, Qt::Key end, Qt::KeyboardModifiers endKeys)
    {
        CtrlDrag(at, at + QPoint(180, 60));
        ASSERT_NE(Edit(), nullptr);
        EXPECT_EQ(Edit()->Rect(), (platform::RECT{at.x(), at.y(), at.x() + 180, at.y() + 60}));
        Type(lines, end, endKeys);
    }
    void Type(const QStringList& lines, Qt::Key end, Qt::KeyboardModifiers endKeys)
    {
        app::VertNoteEdit* edit = Edit();
        for (int k = 0; k < lines.size(); ++k) {
            if (k > 0)
                QTest::keyClick(edit, Qt::Key_Return);
            QTest::keyClicks(edit, lines[k]);
        }
        QTest::keyClick(edit, end, endKeys);
        QCoreApplication::processEvents();
    }
    // The note dialog of a right click on the box: its text (with its colour and font size shown) and
    // the DRAW ON HORIZ and DRAW ON ONE INCH boxes.
    QString Dialog(const platform::RECT& box, int& horiz, int& oneInch)
    {
        QString text;
        Dialog::QueueTestScript([&](platform::Dialog& d) {
            int sizes = 0;
            for (int id = 121; id <= 124; ++id)
                sizes += d.GetCheck(id);
            if (d.GetText(104).startsWith("RD=") && sizes == 1)
                text = d.GetText(102);
            horiz = d.GetCheck(101);
            oneInch = d.GetCheck(111);
            d.Click(1);  // CLOSE
        });
        e.Click(Qt::RightButton, box.left + 5, box.top + 5);
        return text;
    }
};

}  // namespace

TEST(ManualEnterNotes, DescriptionsFramedTypedStoredChangedMovedAndMarked)
{
    // Manual, 3. Entering what you see, "Descriptions and notes".
    NotesWalk t;
    ASSERT_TRUE(t.Start());
    shell::LogWindow& w = t.w;
    const int left = t.g.description.left, right = left + t.g.description.count * t.g.unitWidth;
    const int x = left + 20, gasX = t.g.gas.left + 60;
    // Rows where no note stands in the column nor over the gas track beside it, 12 rows apart.
    QList<int> free;
    for (int y = t.g.topMargin + 25; y + 100 < w.State().view.logAreaBottom && free.size() < 4; y += 10) {
        bool taken = false;
        const app::MemoHits& hits = w.State().notes.drawing.hits;
        for (int k = 0; k < hits.count; ++k) {
            const platform::RECT& b = hits.boxes[std::size_t(k)];
            taken = taken || (b.left < gasX + 200 && b.right > left && b.top < y + 100 && b.bottom > y - 20);
        }
        if (!taken && (free.isEmpty() || y >= free.back() + 120))
            free << y;
    }
    ASSERT_EQ(free.size(), 4);

    // A double-click on an empty place of the column opens no note: its first click (a press before
    // the double-click, as the desktop sends them) shows the read-out.
    t.e.Click(Qt::LeftButton, x, free[0]);
    t.e.DoubleClick(x, free[0]);
    EXPECT_EQ(t.Edit(), nullptr);
    const QList<QLabel*> readout = w.findChildren<QLabel*>(QStringLiteral("1001"));
    ASSERT_EQ(readout.size(), 1);
    EXPECT_TRUE(readout[0]->isVisible());
    EXPECT_TRUE(readout[0]->text().contains("fluor")) << readout[0]->text().toStdString();

    // Framed with Ctrl, typed on two lines, stored with Ctrl+Enter at the depth of the frame's top: a
    // note in a box, not a description, though framed in the descriptions column.
    t.Note({x, free[0]}, {"Sandstone, fine", "well sorted"}, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(t.Edit(), nullptr);
    std::optional<SVMEMO> note = t.Stored("Sandstone, fine\r\nwell sorted");
    ASSERT_TRUE(note);
    EXPECT_EQ(note->description, 0);
    EXPECT_EQ(note->drawRectangle, 1);
    const std::int32_t depth = note->depth;
    EXPECT_EQ(depth, w.DepthAtRow(free[0]));
    std::optional<platform::RECT> box = t.Box("Sandstone, fine\r\nwell sorted");
    ASSERT_TRUE(box);
    EXPECT_GE(box->left, left);
    EXPECT_LT(box->left, x + t.g.unitWidth);

    // Escape leaves without storing.
    const QByteArray before = testing_support::ReadBytes(t.mem);
    t.Note({x, free[1]}, {"Not kept"}, Qt::Key_Escape, Qt::NoModifier);
    EXPECT_EQ(t.Edit(), nullptr);
    EXPECT_EQ(testing_support::ReadBytes(t.mem), before);

    // A double-click on its box opens it with its text, to be typed over.
    t.e.DoubleClick(box->left + 5, (box->top + box->bottom) / 2);
    ASSERT_NE(t.Edit(), nullptr);
    EXPECT_EQ(t.Edit()->toPlainText(), "Sandstone, fine\nwell sorted");
    t.Type({"Sand, medium"}, Qt::Key_Return, Qt::ControlModifier);
    note = t.Stored("Sand, medium");
    ASSERT_TRUE(note);
    EXPECT_EQ(note->depth, depth);
    EXPECT_EQ(testing_support::FileRecords<SVMEMO>(t.mem).size(), before.size() / sizeof(SVMEMO));

    // Dragged with Ctrl by the top of its box to another depth.
    box = t.Box("Sand, medium");
    ASSERT_TRUE(box);
    const int dropY = box->top + 90;
    t.CtrlDrag({box->left + 5, box->top + 3}, {box->left + 5, dropY});
    note = t.Stored("Sand, medium");
    ASSERT_TRUE(note);
    EXPECT_EQ(note->depth, w.DepthAtRow(dropY + 1));
    EXPECT_GT(note->depth, depth + 5);

    // A right click on the box opens the note dialog with its text.
    box = t.Box("Sand, medium");
    ASSERT_TRUE(box);
    int horiz = -1, oneInch = -1;
    EXPECT_EQ(t.Dialog(*box, horiz, oneInch), "Sand, medium");

    // Ticked there as a description and saved, it is one, at the left edge of the column.
    Dialog::QueueTestScript([](platform::Dialog& d) {
        d.SetCheck(126, 1);  // MEMO IS A DESCRIPTION
        d.Click(110);        // SAVE
        d.Click(1);          // CLOSE
    });
    t.e.Click(Qt::RightButton, box->left + 5, box->top + 5);
    note = t.Stored("Sand, medium");
    ASSERT_TRUE(note);
    EXPECT_EQ(note->description, 1);
    const std::optional<platform::RECT> described = t.Box("Sand, medium");
    ASSERT_TRUE(described);
    EXPECT_LT(described->left, box->left);
    EXPECT_GE(described->left, left);
    EXPECT_LT(described->left, left + t.g.unitWidth);
    box = described;

    // "~" copies the note to the horizontal view's notes, ">" draws it on the one-inch log too; both
    // are stored without the sign. A frame beside the gas track places a note there.
    t.Note({x, free[2]}, {"~Top of sand"}, Qt::Key_Return, Qt::ControlModifier);
    t.Note({gasX, free[3]}, {">Marker bed"}, Qt::Key_Return, Qt::ControlModifier);  // a note beside the gas
    const std::optional<SVMEMO> tilde = t.Stored("Top of sand"), marked = t.Stored("Marker bed");
    ASSERT_TRUE(tilde && marked);
    bool copied = false;
    for (const wellfile::HTEXTEX& h : testing_support::FileRecords<wellfile::HTEXTEX>(t.hxt))
        copied = copied || (h.depth == tilde->depth && platform::FieldText(h.text) == "Top of sand");
    EXPECT_TRUE(copied);
    box = t.Box("Top of sand");
    ASSERT_TRUE(box);
    t.Dialog(*box, horiz, oneInch);
    EXPECT_EQ(horiz, 1);
    EXPECT_EQ(oneInch, 0);
    box = t.Box("Marker bed");
    ASSERT_TRUE(box);
    EXPECT_GE(box->left, right);
    t.Dialog(*box, horiz, oneInch);
    EXPECT_EQ(horiz, 0);
    EXPECT_EQ(oneInch, 1);
}
