// The note edit over the log: the keys that store and abandon a memo, the soft line breaks of the
// stored text, its length, and a memo file that cannot be written.
#include "app/notes.h"
#include "app/ui/vertnoteedit.h"
#include "entry/memofiles.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/viewfixture.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMenu>
#include <QDir>
#include <QKeyEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace testing_support;

namespace {

class NoteEdit : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        parent.resize(1200, 900);
        parent.show();
        s.notes.edit = &host;
        s.interaction.dataEntryActive = 1;
        s.view.invalidate = [this] { ++repaints; };
        doubles().clipboard.text = "kept";
        // A memo file without memos: the well starts with none (no date memo).
        WriteBytes(app::MemoPath(s), QByteArray());
        ASSERT_TRUE(app::LoadMemos(s));
    }
    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {})
    {
        ASSERT_TRUE(host.Edit());
        QKeyEvent e(QEvent::KeyPress, key, mods, text);
        QCoreApplication::sendEvent(host.Edit(), &e);
    }
    void Type(const QString& text)
    {
        for (const QChar c : text)
            Key(0, Qt::NoModifier, QString(c));
    }
    QString MemPath() const { return s.well.file.currentFolder + s.well.file.wellName + ".mem"; }

    QWidget parent;
    QPointer<QWidget> slot;
    app::NoteEditWindow host{&parent, s, slot, [] { return 0; }};
    int repaints = 0;
};

}  // namespace

TEST_F(NoteEdit, EnterAddsALineAndCtrlEnterStoresTheMemo)
{
    app::OpenNoteEdit(s, {300, 400, 700, 500});
    ASSERT_TRUE(slot);
    Type("first");
    Key(Qt::Key_Return);
    EXPECT_TRUE(slot);
    Type("second");
    Key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_FALSE(slot);
    EXPECT_EQ(s.interaction.dataEntryActive, 0);
    EXPECT_EQ(repaints, 1);
    const auto memos = FileRecords<wellfile::SVMEMO>(MemPath());
    ASSERT_EQ(memos.size(), 1u);
    EXPECT_STREQ(memos[0].text, "first\r\nsecond");
    // The depth under the box's top row.
    EXPECT_EQ(int(memos[0].depth), s.well.file.viewTopDepth + (400 - s.layout.format.logAreaTop) / s.layout.format.pixelsPerStep);
    EXPECT_EQ(doubles().clipboard.text, "kept");
}

// The box's wraps are stored as the memo file holds every other line break, so the memo dialog, which
// joins soft breaks, keeps the lines the box showed.
TEST_F(NoteEdit, TheBoxesLineWrapsAreStoredAsLineBreaksAndTheTextIsCut)
{
    app::OpenNoteEdit(s, {300, 400, 420, 600});
    host.Edit()->setPlainText(QString(60, u'a') + " " + QString(540, u'b'));
    const QByteArray stored = host.Edit()->StoredText(499);
    EXPECT_EQ(stored.size(), 499);
    EXPECT_FALSE(stored.contains("\r\r"));
    EXPECT_GT(stored.count("\r\n"), 2);
    EXPECT_EQ(app::VertNoteEdit::DisplayText(stored).count(u'\n'), stored.count("\r\n"));
    Key(Qt::Key_Enter, Qt::ControlModifier);
    const auto memos = FileRecords<wellfile::SVMEMO>(MemPath());
    ASSERT_EQ(memos.size(), 1u);
    EXPECT_EQ(QByteArray(memos[0].text), stored);

    // The stored breaks open as the text they came from.
    EXPECT_EQ(app::VertNoteEdit::DisplayText("aa \r\r\nbb\r\ncc"), "aa bb\ncc");
}

TEST_F(NoteEdit, EscapeLeavesTheMemoAndItsFileAsTheyWere)
{
    ASSERT_TRUE(app::AddMemo(s, "line one\r\nline two", 300, 0, 1500, false));
    const QByteArray file = ReadBytes(MemPath());
    s.notes.currentMemo = 0;
    s.notes.editMode = 1;
    app::StripSeparators(s);
    app::OpenNoteEdit(s, {300, 400, 700, 500}, "line oneline two");
    Type("changed");
    Key(Qt::Key_Escape);
    EXPECT_FALSE(slot);
    EXPECT_STREQ(s.notes.memos[0].text, "line one\r\nline two");
    EXPECT_EQ(ReadBytes(MemPath()), file);
    EXPECT_EQ(s.interaction.dataEntryActive, 0);
    EXPECT_EQ(repaints, 1);
}

TEST_F(NoteEdit, AMemoFileThatCannotBeWrittenKeepsTheBoxOpenWithItsText)
{
    ASSERT_TRUE(QFile::remove(MemPath()));
    ASSERT_TRUE(QDir().mkpath(MemPath()));
    app::OpenNoteEdit(s, {300, 400, 700, 500});
    Type("do not lose me");
    Key(Qt::Key_Return, Qt::ControlModifier);
    ASSERT_TRUE(slot);
    EXPECT_EQ(host.Edit()->toPlainText(), "do not lose me");
    EXPECT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(s.notes.memoCount, 0);

    // Once the file can be written the same keys store it.
    ASSERT_TRUE(QDir().rmdir(MemPath()));
    Key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_FALSE(slot);
    ASSERT_EQ(FileRecords<wellfile::SVMEMO>(MemPath()).size(), 1u);
}

TEST_F(NoteEdit, KeysBeyondWhatAMemoHoldsBeepAndWhatTheBoxTookIsStoredWhole)
{
    // A narrow box wraps often: its soft breaks count, so typing stops before the memo would be cut.
    app::OpenNoteEdit(s, {300, 400, 420, 600});
    QString typed;
    for (int i = 0; i < 460; ++i)
        typed += QChar(u'a' + i % 7) + QString(i % 6 == 5 ? " " : "");
    const int beepsBefore = doubles().sounder.beeps;
    Type(typed.left(460));
    const QString shown = host.Edit()->toPlainText();
    // Once full, a letter that would open a line is refused while a space ending the line still fits.
    EXPECT_TRUE(typed.startsWith(shown.trimmed())) << shown.toStdString();
    const int refused = 460 - int(shown.size());
    EXPECT_EQ(doubles().sounder.beeps - beepsBefore, refused);
    Key(Qt::Key_Return, Qt::ControlModifier);
    auto memos = FileRecords<wellfile::SVMEMO>(MemPath());
    ASSERT_EQ(memos.size(), 1u);
    EXPECT_FALSE(QByteArray(memos[0].text).contains("\r\r\n"));
    EXPECT_EQ(app::VertNoteEdit::DisplayText(memos[0].text).remove(u'\n'), shown);

    // A box wide enough to wrap nothing: 520 keys keep the first 499, the 500th beeps.
    app::OpenNoteEdit(s, {0, 400, 8000, 500});
    const int beeps = doubles().sounder.beeps;
    Type(QString(499, u'n'));
    EXPECT_EQ(doubles().sounder.beeps, beeps);
    Type(QString(21, u'x'));
    EXPECT_EQ(doubles().sounder.beeps, beeps + 21);
    EXPECT_EQ(host.Edit()->toPlainText(), QString(499, u'n'));
}

TEST_F(NoteEdit, PastesAndInputMethodsAreRefusedWholeAsTheKeysAre)
{
    // A paste of 460 characters into a 120-px box: the wrapped text would pass what a memo holds.
    app::OpenNoteEdit(s, {300, 400, 420, 600});
    QString text;
    for (int i = 0; i < 460; ++i)
        text += i % 6 == 5 ? QChar(u' ') : QChar(u'a' + i % 7);
    QGuiApplication::clipboard()->setText(text);
    std::unique_ptr<QMenu> menu(host.Edit()->createStandardContextMenu());
    QAction* paste = nullptr;
    for (QAction* a : menu->actions())
        if (a->objectName() == "edit-paste")
            paste = a;
    ASSERT_NE(paste, nullptr);
    const int beeps = doubles().sounder.beeps;
    Key(Qt::Key_V, Qt::ControlModifier);
    paste->trigger();
    QInputMethodEvent composed;
    composed.setCommitString(text);
    QCoreApplication::sendEvent(host.Edit(), &composed);
    EXPECT_EQ(host.Edit()->toPlainText(), "");
    EXPECT_EQ(doubles().sounder.beeps, beeps + 3);

    // What fits goes in whole, from the menu as from the keys.
    QGuiApplication::clipboard()->setText(text.left(120));
    paste->trigger();
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(host.Edit()->toPlainText(), text.left(120) + text.left(120));
    EXPECT_EQ(doubles().sounder.beeps, beeps + 3);
}
