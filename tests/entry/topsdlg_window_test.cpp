// The formation tops editor driven through its controls from the Tops menu of an open well: tops saved
// in any order, browsing, the refused depth, the printed mark, delete, import, the list printed to a
// file, the copy for sending and the switch between field and local tops, as the files and the log
// show them.
#include "app/commandids.h"
#include "app/opendatafile.h"
#include "entry/ui/topsdlg.h"
#include "logview/geometryof.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "shell/menus.h"
#include "support/entrywindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/settingsblock.h"
#include "wellfile/sidefiles_tops.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstring>

using entry::TopsDlg;
using platform::Dialog;
using testing_support::doubles;
using testing_support::FileRecords;
using testing_support::ReadBytes;

namespace {

struct TopsWindow : testing_support::EntryWindow {
    TopsWindow() : EntryWindow("tops.svm", 800, 2000) {}
    QString Topsx() const { return S0().well.file.currentFolder + "tops.topx"; }
    QString Top() const { return S0().well.file.currentFolder + "tops.top"; }
    const app::LogState& S0() const { return const_cast<TopsWindow*>(this)->S(); }
    // Opens the editor from the Tops menu with `script`.
    void Edit(std::function<void(Dialog&)> script)
    {
        Dialog::QueueTestScript(std::move(script));
        window.EvCommand(app::cmd::EditTops);
    }
};

void Type(Dialog& d, const char* depth, const char* name)
{
    d.SetText(TopsDlg::IDC_DEPTH, depth);
    d.SetText(TopsDlg::IDC_MENU_NAME, name);
    d.SetText(TopsDlg::IDC_TEXT, name);
}

wellfile::TOPSEX Top(int depth, const char* name)
{
    wellfile::TOPSEX t;
    t.depth = depth;
    platform::SetFieldText(t.menuName, name);
    platform::SetFieldText(t.text, name);
    t.tvd = 5.0f;
    return t;
}

}  // namespace

TEST(TopsDialog, TopsSavedInAnyOrderAreWrittenInDepthOrderAndDrawnOnTheLog)
{
    TopsWindow w;
    w.S().well.file.viewTopDepth = 1190;
    w.window.PaintLog();
    const QImage before = w.window.BackingStore().copy();
    QStringList shown;
    w.Edit([&](Dialog& d) {
        // The empty list's one top is the first saved; the others are new tops.
        Type(d, "1500", "Niobrara");
        d.Click(TopsDlg::IDC_SAVE);
        d.Click(TopsDlg::IDC_NEW);
        Type(d, "900", "Dakota");
        d.Click(TopsDlg::IDC_SAVE);
        // The top saved is still the one on show, at its place in depth order.
        shown << d.GetText(TopsDlg::IDC_NUMBER) + " " + d.GetText(TopsDlg::IDC_DEPTH);
        d.Click(TopsDlg::IDC_NEW);
        Type(d, "1200", "Graneros");
        d.Click(TopsDlg::IDC_SAVE);
        shown << d.GetText(TopsDlg::IDC_NUMBER) + " " + d.GetText(TopsDlg::IDC_DEPTH);
        d.Click(platform::IDOK);
    });
    EXPECT_EQ(shown, QStringList({"1 900", "2 1200"}));
    qint64 size = 0;
    const auto tops = FileRecords<wellfile::TOPSEX>(w.Topsx(), &size);
    EXPECT_EQ(size, 759);
    ASSERT_EQ(tops.size(), 3u);
    EXPECT_EQ(+tops[0].depth, 900);
    EXPECT_EQ(+tops[1].depth, 1200);
    EXPECT_EQ(+tops[2].depth, 1500);
    EXPECT_EQ(+tops[2].number, 3);
    EXPECT_EQ(ReadBytes(w.Top()), ReadBytes(w.Topsx()));
    ASSERT_EQ(w.S().well.tops.size(), 3u);
    const shell::MenuItem* item = w.window.Menu().Find(app::cmd::GotoTopFirst + 1);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->text.contains("Graneros"));

    // The line of 1200 on the rows of the records below it.
    w.window.PaintLog();
    const logview::ViewGeometry g = logview::GeometryOf(w.S());
    const int R = g.rowHeight, T = g.topMargin;
    EXPECT_GT(testing_support::DifferingPixels(before, w.window.BackingStore(), T + 10 * R, T + 13 * R, g.logWidth),
              50);
}

TEST(TopsDialog, BrowsingWrapsAndAMistypedTopMovesNothing)
{
    TopsWindow w;
    w.S().well.tops = {Top(1100, "B"), Top(1000, "A")};
    int beepsAtWrap = -1;
    QStringList texts;
    w.Edit([&](Dialog& d) {
        EXPECT_EQ(d.GetText(TopsDlg::IDC_DEPTH), "1000");  // sorted on opening
        d.Click(TopsDlg::IDC_NEXT);
        EXPECT_EQ(doubles().sounder.beeps, 0);
        d.Click(TopsDlg::IDC_NEXT);
        beepsAtWrap = doubles().sounder.beeps;
        EXPECT_EQ(d.GetText(TopsDlg::IDC_DEPTH), "1000");

        // Above the file's first depth: refused, not moved to the bottom of the well.
        d.SetText(TopsDlg::IDC_DEPTH, "700");
        d.Click(TopsDlg::IDC_SAVE);
        EXPECT_EQ(doubles().sounder.beeps, 2);

        d.SetText(TopsDlg::IDC_TEXT, "Dakota");
        d.Click(TopsDlg::IDC_PRINTED);
        texts << d.GetText(TopsDlg::IDC_TEXT);
        d.Click(TopsDlg::IDC_PRINTED);
        texts << d.GetText(TopsDlg::IDC_TEXT);
        d.SetText(TopsDlg::IDC_TEXT, QString(29, 'x'));
        d.Click(TopsDlg::IDC_PRINTED);
        d.SetText(TopsDlg::IDC_DEPTH, "1000");
        d.Click(TopsDlg::IDC_SAVE);

        d.SetText(TopsDlg::IDC_TEXT, QString());
        d.SetText(TopsDlg::IDC_MENU_NAME, "Lower Cretaceous Top");
        d.Command(TopsDlg::IDC_MENU_NAME, platform::EN_KILLFOCUS);
        texts << d.GetText(TopsDlg::IDC_TEXT);
        d.Click(platform::IDOK);
    });
    EXPECT_EQ(beepsAtWrap, 1);
    EXPECT_EQ(texts, QStringList({"<Dakota", "Dakota", "Lower Cretaceou"}));
    const auto tops = FileRecords<wellfile::TOPSEX>(w.Topsx());
    ASSERT_EQ(tops.size(), 2u);
    EXPECT_EQ(+tops[0].depth, 1000);
    EXPECT_EQ(platform::FieldText(tops[0].text), "<" + std::string(28, 'x'));
    EXPECT_EQ(+tops[1].depth, 1100);

    // Deleting down to none removes the editor's file.
    w.Edit([&](Dialog& d) {
        d.Click(TopsDlg::IDC_DELETE);
        EXPECT_EQ(ReadBytes(w.Topsx()).size(), 253);
        EXPECT_EQ(d.GetText(TopsDlg::IDC_DEPTH), "1100");
        d.Click(TopsDlg::IDC_DELETE);
        d.Click(platform::IDOK);
    });
    EXPECT_FALSE(QFile::exists(w.Topsx()));
    EXPECT_TRUE(w.S().well.tops.empty());
}

TEST(TopsDialog, ImportTakesTheChosenFileOrLeavesTheWellsTops)
{
    TopsWindow w;
    const QString other = w.S().well.file.dataFolder + "other.topx";
    testing_support::WriteRecords(other, std::vector<wellfile::TOPSEX>{Top(1300, "Kiowa"), Top(1250, "Cheyenne")});
    doubles().prompter.fileAnswers = {other};
    w.Edit([&](Dialog& d) {
        d.Click(TopsDlg::IDC_IMPORT);
        EXPECT_EQ(d.GetText(TopsDlg::IDC_DEPTH), "1250");
        d.Click(platform::IDOK);
    });
    ASSERT_EQ(doubles().prompter.fileRequests.size(), 1);
    EXPECT_EQ(doubles().prompter.fileRequests[0].filter, "Tops Files (*.topx)|*.topx|");
    ASSERT_EQ(w.S().well.tops.size(), 2u);
    EXPECT_EQ(+w.S().well.tops[0].depth, 1250);
    EXPECT_EQ(+w.S().well.tops[1].tvd, 0.0f);
    EXPECT_EQ(ReadBytes(w.Top()), ReadBytes(w.Topsx()));
    const shell::MenuItem* item = w.window.Menu().Find(app::cmd::GotoTopFirst);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->text.contains("Cheyenne"));

    // A copy that cannot be made: said, and the well's tops stay.
    QFile::remove(w.Topsx());
    QDir().mkpath(w.Topsx());
    doubles().prompter.fileAnswers = {other};
    w.Edit([&](Dialog& d) {
        d.Click(TopsDlg::IDC_IMPORT);
        d.Click(platform::IDOK);
    });
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_EQ(doubles().prompter.messages.back().text, "Import Failed");
    EXPECT_EQ(doubles().prompter.messages.back().caption, w.Topsx());
    EXPECT_EQ(w.S().well.tops.size(), 2u);
}

TEST(TopsDialog, PrintedToAFileSentAndSwitchedBetweenFieldAndLocalTops)
{
    TopsWindow w;
    w.S().well.file.secondFolderOption = true;
    w.Edit([&](Dialog& d) {
        Type(d, "900", "Dakota");
        d.Click(TopsDlg::IDC_SAVE);
        d.SetCheck(TopsDlg::IDC_PRINT_TO_FILE, platform::BST_CHECKED);
        d.Click(TopsDlg::IDC_PRINT);
        d.Click(platform::IDOK);
    });
    const QString list = w.S().well.file.currentFolder + "tops-tops.txt";
    const QList<QByteArray> lines = ReadBytes(list).split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], " Number       Depth         Name ");
    EXPECT_EQ(lines[1], "     1          900      Dakota");
    ASSERT_EQ(doubles().shell.opened.size(), 1);
    EXPECT_EQ(doubles().shell.opened[0].program, list);
    EXPECT_EQ(ReadBytes(w.S().well.file.dataFolder + "sendfile/tops.topx"), ReadBytes(w.Topsx()));

    // A well of a shared folder switches to its field tops (none yet) and back.
    w.S().well.sharedFolderWell = true;
    const QString dbc = wellfile::DbcFilePath(app::PlaceOf(w.S()));
    auto field = [&] {
        const QByteArray bytes = ReadBytes(dbc);
        std::int32_t v = -1;
        if (bytes.size() >= 13396)
            std::memcpy(&v, bytes.constData() + 13392, 4);
        return v;
    };
    QString label;
    w.Edit([&](Dialog& d) {
        label = d.GetText(TopsDlg::IDC_FIELD_TOPS);
        d.Click(TopsDlg::IDC_FIELD_TOPS);
    });
    EXPECT_EQ(label, "Use Field Tops");
    EXPECT_EQ(field(), 1);
    EXPECT_TRUE(w.S().well.tops.empty());
    w.Edit([&](Dialog& d) {
        label = d.GetText(TopsDlg::IDC_FIELD_TOPS);
        d.Click(TopsDlg::IDC_FIELD_TOPS);
    });
    EXPECT_EQ(label, "Use Local Tops");
    EXPECT_EQ(field(), 0);
    ASSERT_EQ(w.S().well.tops.size(), 1u);
    EXPECT_EQ(+w.S().well.tops[0].depth, 900);
}
