// The left button double-clicked on the painted demo log, with real mouse events: notes edited over
// the log or started where nothing is, the gamma scale stepped and kept in the well's settings, and
// the entry commands asked to start at the clicked depth.
#include "app/notes.h"
#include "app/opendatafile.h"
#include "app/ui/vertnoteedit.h"
#include "elog/elog_services.h"
#include "entry/entry_services.h"
#include "entry/memofiles.h"
#include "layout/trackflags.h"
#include "logview/geometryof.h"
#include "platform/logfont.h"
#include "platform/text.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/wellconfig.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QFile>
#include <QTest>

#include <cstring>

#include <gtest/gtest.h>

using testing_support::doubles;
using testing_support::ReadBytes;

namespace {

// What each entry command found in the mouse-entry request when it was asked.
class EntryCalls final : public entry::EntryServices {
public:
    QStringList calls;
    void CmEnterRates(app::LogState& s) override { Note("rates", s, s.interaction.mouseEntry.rateDepth); }
    void CmEnterLithology(app::LogState& s) override
    {
        Note(s.interaction.mouseEntry.interpreted ? "interpreted" : "lithology", s, s.interaction.mouseEntry.lithologyDepth);
    }
    void CmEnterGas(app::LogState& s) override { Note("gas", s, s.interaction.mouseEntry.gasDepth); }
    void CmEnterShows(app::LogState& s) override { Note("shows", s, 0); }
    void CmFlareData(app::LogState&) override {}

private:
    void Note(const char* what, app::LogState& s, std::int32_t depth)
    {
        calls << QString("%1 %2 %3").arg(what).arg(int(s.interaction.mouseEntry.set)).arg(depth);
        s.interaction.mouseEntry = {};  // the command uses the request up
    }
};

class DoubleClick : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testing_support::ShowDemoWindow(window));
        window.Neighbours().entry = &entries;
        G = logview::GeometryOf(S());
        ASSERT_EQ(G.rowHeight, 10);
        ASSERT_EQ(G.unitWidth, 10);
        T = G.topMargin;
        PaintAt(1040);
    }

    app::LogState& S() { return window.State(); }
    void PaintAt(std::int32_t top)
    {
        S().well.file.viewTopDepth = top;
        window.PaintLog();
        QCoreApplication::processEvents();
        G = logview::GeometryOf(S());
    }
    int ClientTop() { return window.menuWidget() && window.menuWidget()->isVisible() ? window.menuWidget()->height() : 0; }
    void DClick(int x, int y, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        QTest::mouseDClick(&window, Qt::LeftButton, keys, QPoint(x, y + ClientTop()));
        QCoreApplication::processEvents();
    }
    int RowY(std::int32_t d) { return T + (d - S().well.file.viewTopDepth) * 10 + 5; }
    app::VertNoteEdit* Edit()
    {
        const auto* host = dynamic_cast<app::NoteEditWindow*>(S().notes.edit);
        return host && host->IsOpen() ? host->Edit() : nullptr;
    }
    void CloseEdit()
    {
        app::CancelNoteEdit(S());
        QCoreApplication::processEvents();
    }
    QString ConfigPath() { return wellfile::OwnConfigPath(app::PlaceOf(S()), S().well.fieldSettings); }

    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    EntryCalls entries;
    logview::ViewGeometry G;
    int T = 0;
};

}  // namespace

TEST_F(DoubleClick, FloatingNotesEditAMemoByItsBoxOrStartANewNote)
{
    app::LogState& s = S();
    s.layout.schemes.trackFlags[layout::FLAG_MEMOS] = 1;
    s.layout.schemes.trackFlags[layout::FLAG_DESCRIPTIONS] = 0;
    wellfile::SVMEMO memo;
    memo.depth = 1100;
    platform::SetFieldText(memo.text, "Sand\r\nfine");
    memo.slot = 1;
    memo.shown = 1;
    memo.font = platform::MakeLogFont("Arial", -12);
    testing_support::WriteRecords(entry::MemoFilePath(s.well.file.currentFolder, s.well.file.wellName),
                                  std::vector<wellfile::SVMEMO>{memo});
    ASSERT_TRUE(app::LoadMemos(s));
    PaintAt(1040);
    ASSERT_EQ(s.notes.memoCount, 1);
    std::int32_t box[4];  // the memo's box as the paint left it (the record is packed)
    std::memcpy(box, s.notes.memos[0].box, sizeof box);
    ASSERT_LT(box[0], box[2]);
    ASSERT_LT(box[0], G.lithology.left);  // the memo lies left of the lithology column

    // A new note where no memo is: an odd y is taken one pixel higher.
    const int x = G.gas.left + 50;
    DClick(x, 301);
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(Edit()->Rect(), (platform::RECT{x, 300, x + 200, 300 + 150}));
    EXPECT_EQ(Edit()->toPlainText(), "");
    EXPECT_EQ(s.notes.editMode, 0);
    CloseEdit();

    // On the memo's box at or below the memo's depth: that memo is edited, over its box.
    int y = box[1] + 4;
    while (window.DepthAtRow(y) < 1100)
        y += 10;
    ASSERT_LT(y, box[3]);
    DClick(box[0] + 3, y);
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(s.notes.currentMemo, 0);
    EXPECT_EQ(s.notes.editMode, 1);
    EXPECT_EQ(Edit()->Rect(), (platform::RECT{box[0], box[1], box[2], box[3]}));
    EXPECT_TRUE(Edit()->toPlainText().startsWith("Sand"));
    // A double-click while the edit is open does nothing.
    DClick(x, 301);
    EXPECT_EQ(s.notes.currentMemo, 0);
    CloseEdit();
    // On its top strip, above the row of its depth, as well: the box is the memo's.
    ASSERT_LT(window.DepthAtRow(box[1] + 4), 1100);
    DClick(box[0] + 3, box[1] + 4);
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(s.notes.editMode, 1);
    EXPECT_TRUE(Edit()->toPlainText().startsWith("Sand"));
    CloseEdit();

    // With Ctrl no note is ever edited; the rate and gas tracks then ask their entries at the even
    // depth of the row.
    DClick(box[0] + 3, box[1] + 4, Qt::ControlModifier);
    DClick(x, 301, Qt::ControlModifier);
    EXPECT_EQ(Edit(), nullptr);
    const std::int32_t gasDepth = window.DepthAtRow(300);
    EXPECT_EQ(entries.calls, (QStringList{"rates 1 1098", QString("gas 1 %1").arg(gasDepth - gasDepth % 2)}));
}

TEST_F(DoubleClick, ANoteAtAnOddDepthOpensFromItsTopRowAndFromInsideItsBox)
{
    app::LogState& s = S();
    s.layout.schemes.trackFlags[layout::FLAG_MEMOS] = 1;
    s.layout.schemes.trackFlags[layout::FLAG_DESCRIPTIONS] = 0;
    wellfile::SVMEMO memo;
    memo.depth = 1081;
    platform::SetFieldText(memo.text, "Shale\r\nred\r\nsoft");
    memo.slot = 1;
    memo.shown = 1;
    memo.font = platform::MakeLogFont("Arial", -12);
    testing_support::WriteRecords(entry::MemoFilePath(s.well.file.currentFolder, s.well.file.wellName),
                                  std::vector<wellfile::SVMEMO>{memo});
    ASSERT_TRUE(app::LoadMemos(s));
    PaintAt(1040);
    std::int32_t box[4];
    std::memcpy(box, s.notes.memos[0].box, sizeof box);
    ASSERT_LT(box[1] + 30, box[3]);
    // The box's first row, the row of the note's own depth, and the middle of the box.
    for (const int y : {box[1] + 2, RowY(1081), (box[1] + box[3]) / 2}) {
        DClick(box[0] + 3, y);
        ASSERT_NE(Edit(), nullptr) << y;
        EXPECT_EQ(s.notes.editMode, 1) << y;
        EXPECT_TRUE(Edit()->toPlainText().startsWith("Shale")) << y;
        CloseEdit();
    }
}

TEST_F(DoubleClick, ADescriptionInTheShownColumnOpensWhereItStands)
{
    // The demo's own layout shows its notes and its descriptions column; a description near the bottom.
    app::LogState& s = S();
    ASSERT_TRUE(G.Flag(layout::FLAG_MEMOS) && G.Flag(layout::FLAG_DESCRIPTIONS));
    PaintAt(2540);
    const app::MemoHits& hits = s.notes.drawing.hits;
    ASSERT_GT(hits.count, 0);
    const platform::RECT box = hits.boxes[0];
    const wellfile::SVMEMO& memo = s.notes.memos[std::size_t(hits.memo[0])];
    ASSERT_TRUE(memo.description);
    ASSERT_GT(box.left, G.description.left);
    int y = box.top + 4;
    while (window.DepthAtRow(y) < memo.depth)
        y += 10;
    ASSERT_LT(y, box.bottom);
    DClick(box.left + 5, y);
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(s.notes.editMode, 1);
    const int left = G.description.left + 5;
    EXPECT_EQ(Edit()->Rect(), (platform::RECT{left, box.top, left + 230 + 10, box.bottom + 100}));
    EXPECT_EQ(Edit()->toPlainText().left(8), QString::fromLatin1(memo.text).left(8));
    CloseEdit();
    // Elsewhere in the column no note starts.
    DClick(box.left + 5, T + 15);
    EXPECT_EQ(Edit(), nullptr);
}

TEST_F(DoubleClick, TheGammaBandStepsTheScaleAndOnlyItsFieldOfTheSettings)
{
    app::LogState& s = S();
    elog::CloseElog(s);  // without e-log curves the view's own gamma index steps
    s.layout.schemes.trackFlags[layout::FLAG_FIRST_CURVE] = 1;
    s.well.config.curveSetting = 9;
    const QString cfg = ConfigPath();
    const QByteArray before = ReadBytes(cfg);
    ASSERT_EQ(before.size(), 5268);
    const int B = s.view.logAreaBottom, y = B + 2 + 6;
    const int right = G.rate.Right() - 5, left = G.rate.left + 5;

    DClick(right, y);
    EXPECT_EQ(int(s.well.config.curveSetting), 1);
    QByteArray after = ReadBytes(cfg);
    ASSERT_EQ(after.size(), before.size());
    for (qsizetype i = 0; i < after.size(); ++i) {
        if (i < 3382 || i > 3385) {
            ASSERT_EQ(after[i], before[i]) << "byte " << i;
        }
    }
    std::int32_t stored = 0;
    std::memcpy(&stored, after.constData() + 3382, 4);
    EXPECT_EQ(stored, 1);

    DClick(left, y);
    EXPECT_EQ(int(s.well.config.curveSetting), 9);
    DClick(left, y);
    EXPECT_EQ(int(s.well.config.curveSetting), 8);
    EXPECT_TRUE(entries.calls.isEmpty());  // below the rows no entry starts

    // The index comes back with the well.
    const QString path = s.well.file.dataFileName;
    ASSERT_EQ(window.OpenDataFile(path), 1);
    EXPECT_EQ(int(S().well.config.curveSetting), 8);

    // Without the gamma curve shown (and no e-log curves) the band does nothing.
    elog::CloseElog(S());
    S().layout.schemes.trackFlags[layout::FLAG_FIRST_CURVE] = 0;
    DClick(right, y);
    EXPECT_EQ(int(S().well.config.curveSetting), 8);
}

TEST_F(DoubleClick, ASettingsFileThatCannotBeReadIsNotWrittenOver)
{
    app::LogState& s = S();
    elog::CloseElog(s);  // without e-log curves the view's own gamma index steps
    s.layout.schemes.trackFlags[layout::FLAG_FIRST_CURVE] = 1;
    s.well.config.curveSetting = 3;
    const QString cfg = ConfigPath();
    {
        QFile f(cfg);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(100, 'x'));  // a short file
    }
    DClick(G.rate.Right() - 5, s.view.logAreaBottom + 8);
    EXPECT_EQ(int(s.well.config.curveSetting), 4);  // the view takes the step all the same
    EXPECT_EQ(ReadBytes(cfg), QByteArray(100, 'x'));
}

TEST_F(DoubleClick, ColumnsAskTheirEntryAtTheClickedDepth)
{
    app::LogState& s = S();
    s.layout.schemes.trackFlags[layout::FLAG_MEMOS] = 0;  // no notes: a double-click left of the lithology would start one
    const int y = RowY(1100);
    const int lith = G.lithology.left + 5;
    s.entry.lithologyResumeDepth = 2000;
    DClick(lith, y);
    s.entry.lithologyResumeDepth = 1100;  // not above the limit: the entry asks where to start
    DClick(lith, y);
    DClick(G.gas.left + 30, y, Qt::ControlModifier);
    DClick(G.rate.left + 30, y, Qt::ControlModifier);
    DClick(G.gas.left + 30, y);  // the gas track without Ctrl starts nothing
    DClick(G.porosity.left + 1, y);
    // Near the file's top the gas entry is not preset.
    PaintAt(1000);
    DClick(G.gas.left + 30, RowY(1040), Qt::ControlModifier);
    EXPECT_EQ(entries.calls, (QStringList{"lithology 1 1100", "lithology 1 0", "gas 1 1100", "rates 1 1100",
                                          "shows 0 0", "gas 0 0"}));

    // The columns are found in log coordinates.
    entries.calls.clear();
    S().scroll.horizontalOffset = 100;
    DClick(G.lithology.left + 5 - 100, RowY(1060));
    S().scroll.horizontalOffset = 0;
    EXPECT_EQ(entries.calls, (QStringList{"lithology 1 1060"}));

    // While an entry runs: a beep and nothing asked.
    entries.calls.clear();
    s.interaction.dataEntryActive = 1;
    const int beeps = doubles().sounder.beeps;
    DClick(lith, RowY(1060));
    s.interaction.dataEntryActive = 0;
    EXPECT_EQ(doubles().sounder.beeps, beeps + 1);
    EXPECT_TRUE(entries.calls.isEmpty());
}

TEST_F(DoubleClick, TheFeetFormatsFirstColumnNotesTakeCapitals)
{
    // The 21/86 format's first display flag makes the note edit of a first-column note take capitals
    // only, typed or pasted; the demo's own profile 12 and a note elsewhere keep what is typed.
    app::LogState& s = S();
    for (const int profile : {21, 86, 12}) {
        s.well.loggerId = profile;
        window.SetLogFormat(profile);
        for (const bool firstColumn : {true, false}) {
            s.notes.firstColumnNote = firstColumn;
            app::OpenNoteEdit(s, {G.description.left, 300, G.description.left + 230, 450});
            ASSERT_NE(Edit(), nullptr);
            QTest::keyClicks(Edit(), "Sand");
            QGuiApplication::clipboard()->setText(" fine");
            Edit()->paste();
            const bool capitals = firstColumn && profile != 12;
            EXPECT_EQ(Edit()->toPlainText(), capitals ? "SAND FINE" : "Sand fine") << profile << " " << firstColumn;
            CloseEdit();
        }
    }
}
