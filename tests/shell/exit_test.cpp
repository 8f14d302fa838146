#include "app/dragshift.h"
#include "app/opendatafile.h"
#include "drilling/driller.h"
#include "platform/folders.h"
#include "shell/startupini.h"
#include "shell/ui/logwindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/wellconfig.h"

#include <QCoreApplication>
#include <QDialog>
#include <QSignalSpy>
#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

using namespace platform;
using testing_support::doubles;
using testing_support::TestDir;
using wellfile::RECORD;

namespace {

class DrillingRecorder final : public drilling::DrillingServices {
public:
    QStringList calls;
    void CmDrilling(app::LogState&) override { calls << "CmDrilling"; }
    void CmLagTime(app::LogState&) override {}
    void CmBackupReminder(app::LogState&) override {}
    void EvTimer(app::LogState&, int) override {}
    void EvJoyButton(app::LogState&, unsigned) override {}
};

// Counts the renders of the off-screen log.
class RenderCounter final : public logview::LogViewServices {
public:
    int renders = 0;
    void EvLButtonDown(app::LogState&, int, int, unsigned) override {}
    void EvMouseMove(app::LogState&, int, int, unsigned) override {}
    void EvLButtonUp(app::LogState&, int, int, unsigned) override {}
    void EvLButtonDblClk(app::LogState&, int, int, unsigned) override {}
    void EvRButtonDown(app::LogState&, int, int, unsigned) override {}
    void RenderLog(app::LogState&) override { ++renders; }
};

// A window with a data file of depths first..last, `step` units apart, whose gas is total gas = depth,
// C1 = depth + 0.5.
struct Well {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    DrillingRecorder drilling;
    QString path = TestDir() + "w.svm";

    Well(int first, int last, int step = 1)
    {
        window.Neighbours().drilling = &drilling;
        std::vector<RECORD> rows(std::size_t((last - first) / step + 1));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            rows[i].depth = first + int(i) * step;
            rows[i].gas[wellfile::GAS_TG] = float(rows[i].depth);
            rows[i].gas[wellfile::GAS_C1] = float(rows[i].depth) + 0.5f;
            rows[i].gas[wellfile::GAS_IC5] = 7;
        }
        testing_support::WriteRecords(path, rows);
        wellfile::OpenWell& w = window.State().well.file;
        w.dataFolder = w.currentFolder = TestDir();
        w.wellName = "w";
        w.dataFileName = path;
        w.fileTopDepth = first;
        w.fileBottomDepth = last;
        w.depthStep = step;
        w.viewTopDepth = first;
        window.State().view.logAreaBottom = 700;
    }
    QByteArray Bytes() const { return testing_support::ReadBytes(path); }
    RECORD At(int depth)
    {
        RECORD r;
        const QByteArray b = Bytes();
        const wellfile::OpenWell& f = window.State().well.file;
        std::memcpy(&r, b.constData() + (depth - f.fileTopDepth) / f.depthStep * int(sizeof(RECORD)), sizeof r);
        return r;
    }
    // Starts a drag of `length` records at screen row `row`.
    void StartDrag(int row, int length)
    {
        app::InteractionState& i = window.State().interaction;
        i.dragGasActive = true;
        i.dragGasStartRow = row;
        i.dragGasLength = length;
        i.dragGasRect = {10, row, 40, row + length * window.State().layout.format.pixelsPerStep};
    }
};

}  // namespace

TEST(DragGas, UpAndDownKeysStopAtFiftyRowsAndMoveTheColumnARowAtATime)
{
    Well w(1000, 1200);
    w.StartDrag(300, 10);
    for (int n = 0; n < 60; ++n)
        w.window.EvKeyDown(Qt::Key_Up);
    const app::InteractionState& i = w.window.State().interaction;
    EXPECT_EQ(i.dragGasOffset, -50);
    EXPECT_EQ(i.dragGasRect.top, 300 - 50 * 10);
    for (int n = 0; n < 120; ++n)
        w.window.EvKeyDown(Qt::Key_Down);
    EXPECT_EQ(i.dragGasOffset, 50);
    EXPECT_EQ(i.dragGasRect.top, 300 + 50 * 10);
    EXPECT_TRUE(i.dragGasActive);
}

TEST(DragGas, EscapeChangesNoRecordAndEnterMovesTheGasByTheOffset)
{
    Well w(1000, 1200);
    const QByteArray before = w.Bytes();
    w.StartDrag(300, 10);  // row 300 shows depth 1000 + (300 - 160) / 10 = 1014
    for (int n = 0; n < 5; ++n)
        w.window.EvKeyDown(Qt::Key_Up);
    w.window.EvKeyDown(Qt::Key_Escape);
    EXPECT_EQ(w.Bytes(), before);
    EXPECT_FALSE(w.window.State().interaction.dragGasActive);
    EXPECT_EQ(w.window.State().interaction.dragGasOffset, 0);

    w.StartDrag(300, 10);
    for (int n = 0; n < 3; ++n)
        w.window.EvKeyDown(Qt::Key_Down);
    w.window.EvKeyDown(Qt::Key_Return);
    // 1014..1023 moved to 1017..1026, one record per row; 1014..1016 left empty.
    for (int d = 1017; d <= 1026; ++d)
        EXPECT_FLOAT_EQ(w.At(d).gas[wellfile::GAS_TG], float(d - 3)) << d;
    EXPECT_FLOAT_EQ(w.At(1026).gas[wellfile::GAS_C1], 1023.5f);
    for (int d = 1014; d <= 1016; ++d)
        EXPECT_FLOAT_EQ(w.At(d).gas[wellfile::GAS_TG], 0) << d;
    // Outside the moved run and beyond the six moved values nothing changed.
    EXPECT_EQ(w.At(1013).gas[wellfile::GAS_TG], 1013.f);
    EXPECT_EQ(w.At(1027).gas[wellfile::GAS_TG], 1027.f);
    EXPECT_EQ(w.At(1015).gas[wellfile::GAS_IC5], 7.f);
    EXPECT_EQ(w.Bytes().left(sizeof(RECORD)), before.left(sizeof(RECORD)));
    EXPECT_EQ(w.Bytes().size(), before.size());
}

TEST(DragGas, AtTwoUnitsPerRecordEachRowMovesTheGasOneRecordOfTwoUnits)
{
    // An even first depth seen from an odd view top, and an odd first depth: the drag starts at the
    // record shown on its row either way.
    for (const int first : {1000, 1001}) {
        SCOPED_TRACE(first);
        Well w(first, first + 400, 2);
        w.window.State().well.file.viewTopDepth = 1001;
        const int start = first + 28;  // row 300 is the 14th row, 1001 + 28 = 1029: the record at or above it
        w.StartDrag(300, 10);
        for (int n = 0; n < 3; ++n)
            w.window.EvKeyDown(Qt::Key_Down);
        w.window.EvKeyDown(Qt::Key_Return);
        // start..start+18 moved to start+6..start+24; start..start+4 left empty.
        for (int d = start + 6; d <= start + 24; d += 2)
            EXPECT_FLOAT_EQ(w.At(d).gas[wellfile::GAS_TG], float(d - 6)) << d;
        for (int d = start; d <= start + 4; d += 2)
            EXPECT_FLOAT_EQ(w.At(d).gas[wellfile::GAS_TG], 0) << d;
        EXPECT_EQ(w.At(start - 2).gas[wellfile::GAS_TG], float(start - 2));
        EXPECT_EQ(w.At(start + 26).gas[wellfile::GAS_TG], float(start + 26));
    }
}

TEST(DragGas, ADragNearTheBottomOrIntoTheFirstRecordIsKeptInsideTheFile)
{
    // Within 10 units of the bottom: nothing to do.
    app::DragShift d{3, 5, 1195, 1000, 1200, 1};
    EXPECT_EQ(app::DragSpanOf(d).count, 0);
    // Upwards from near the top: the first record (it carries the file's data) is never rewritten.
    d = {-20, 10, 1012, 1000, 1200, 1};
    const app::DragSpan span = app::DragSpanOf(d);
    EXPECT_EQ(span.firstIndex, 1);
    EXPECT_EQ(span.firstIndex + span.count - 1, 12 + 9 + 20);
}

TEST(IdleRender, AnOwedRedrawRendersTheLogOnceAndNothingWhileHeldBack)
{
    Well w(1000, 1200);
    RenderCounter view;
    w.window.Neighbours().logview = &view;
    app::LogState& s = w.window.State();

    // Several changes before the window is idle: one render, however many idle passes follow.
    s.view.redrawPending = false;
    EXPECT_FALSE(w.window.IdleAction(0));
    s.well.file.hooks.repaired();
    s.well.file.hooks.repaired();
    EXPECT_TRUE(w.window.IdleAction(0));
    EXPECT_FALSE(w.window.IdleAction(1));
    EXPECT_FALSE(w.window.IdleAction(2));
    EXPECT_EQ(view.renders, 1);
    EXPECT_FALSE(s.view.redrawPending);

    // An image or print render, a data entry, a command under way, a closed window: the render waits
    // and is still owed afterwards.
    bool* holds[] = {&s.scroll.renderingImage, &s.interaction.commandLock};
    for (bool* hold : holds) {
        s.well.file.hooks.repaired();
        *hold = true;
        EXPECT_FALSE(w.window.IdleAction(0));
        *hold = false;
    }
    s.interaction.dataEntryActive = 1;
    EXPECT_FALSE(w.window.IdleAction(0));
    s.interaction.dataEntryActive = 0;
    s.view.windowReady = false;
    EXPECT_FALSE(w.window.IdleAction(0));
    s.view.windowReady = true;
    EXPECT_EQ(view.renders, 1);
    EXPECT_TRUE(s.view.redrawPending);
    EXPECT_TRUE(w.window.IdleAction(0));
    EXPECT_EQ(view.renders, 2);

    // Shown, the window renders an owed redraw by itself when the event loop is idle, once.
    w.window.show();
    s.well.file.hooks.repaired();
    QElapsedTimer t;
    t.start();
    while (view.renders < 3 && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    const qint64 until = t.elapsed() + 150;
    while (t.elapsed() < until)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(view.renders, 3);
    w.window.Neighbours().logview = &logview::DefaultLogViewServices();
}

TEST(Exit, WhileDrillingAsksFirstAndWritesTheBottomDepthIntoTheFirstRecord)
{
    Well w(1000, 1200);
    app::LogState& s = w.window.State();
    s.well.file.drilling = true;
    s.well.writeBottomToFirstRecord = true;
    s.well.file.fileBottomDepth = 1234;
    const QByteArray before = w.Bytes();

    doubles().prompter.answers = {IDCANCEL};
    EXPECT_FALSE(w.window.CanClose());
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Are you sure you want to exit StratiM?\nClick OK to Exit");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Close Program");
    EXPECT_EQ(w.Bytes(), before);
    EXPECT_TRUE(w.drilling.calls.isEmpty());
    EXPECT_TRUE(s.view.windowReady);

    // The exit line goes to the activity log with the drilling figures (no driller is dereferenced),
    // and the company text as its Windows-1252 bytes.
    QByteArray named = w.Bytes();
    named.replace(138, 12, QByteArray("G\xE9o Logging", 12));
    testing_support::WriteBytes(w.path, named);
    s.env.logOpenLines = true;
    drilling::DrillingHost facts(s);
    drilling::Driller driller(facts, {});
    s.engines.driller = &driller;
    s.engines.drillerFigures = [] { return wellfile::DrillingFigures{42, 90.0, 0}; };
    s.well.repair.maxGasDepth = 1150;

    doubles().clipboard.text = "copied";
    doubles().prompter.answers = {IDOK};
    EXPECT_TRUE(w.window.CanClose());
    s.engines.driller = nullptr;
    const QByteArray log = testing_support::ReadBytes(TestDir() + "svdata-M.txt");
    EXPECT_TRUE(log.contains(" CM EXIT ")) << log.constData();
    EXPECT_TRUE(log.contains(QByteArray(" G\xE9O LOGGING"))) << log.constData();  // the log is upper case
    EXPECT_TRUE(log.endsWith(" 42 FPH  1.50 MGD=1150 1 Ft\n\r")) << log.constData();
    const QByteArray after = w.Bytes();
    std::int32_t bottom = 0;
    std::memcpy(&bottom, after.constData() + 280, 4);
    EXPECT_EQ(bottom, 1234);
    EXPECT_EQ(after.mid(284), named.mid(284));
    EXPECT_EQ(after.left(280), named.left(280));
    EXPECT_EQ(w.drilling.calls, QStringList({"CmDrilling"}));
    EXPECT_TRUE(doubles().clipboard.text.isEmpty());
    EXPECT_FALSE(s.view.windowReady);
}

TEST(Exit, InOfficeModeAsksNothingAndSavesPlacementAndViewSettings)
{
    Well w(1000, 1200);
    app::LogState& s = w.window.State();
    wellfile::WellConfig cfg{};
    bool field = false;
    ASSERT_EQ(wellfile::SaveConfig(cfg, app::PlaceOf(s), field), 1);
    s.well.file.viewTopDepth = 1100;
    w.window.setGeometry(100, 120, 800, 600);
    w.window.SetTimer(5, 10000);
    w.window.SetTimer(3, 10000);

    // Compressed copies: the one this process made goes, another one stays.
    for (const char* name : {"mine.sv8", "other.sv8"}) {
        QFile f(TestDir() + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    s.sessionFiles.compressedCopies = {TestDir() + "mine.sv8"};

    EXPECT_TRUE(w.window.CanClose());
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
    EXPECT_FALSE(w.window.TimerRunning(5));
    EXPECT_FALSE(w.window.TimerRunning(3));
    EXPECT_FALSE(QFile::exists(TestDir() + "mine.sv8"));
    EXPECT_TRUE(QFile::exists(TestDir() + "other.sv8"));

    shell::StartupPlacement p;
    ASSERT_TRUE(shell::ReadStartupIni(platform::DocumentsFolder(), p));
    EXPECT_EQ(p.x, 100);
    EXPECT_EQ(p.y, 120);
    EXPECT_EQ(p.width, 800);
    EXPECT_EQ(p.height, 600);

    ASSERT_EQ(wellfile::LoadConfig(cfg, app::PlaceOf(s), false), 1);
    EXPECT_EQ(cfg.viewTopDepth, 1100);
    EXPECT_EQ(cfg.windowLeft, 100);
    EXPECT_EQ(cfg.windowWidth, 800);
    EXPECT_EQ(cfg.drillingAtExit, 0);
}

TEST(Exit, ThePlacementCarriesTheGasTrackEndAndEvenAMinimisedWindowSavesTheLastFile)
{
    const QString ini = DocumentsFolder() + "startupM.ini";
    {
        Well w(1000, 1200);
        w.window.State().layout.format.gasRight = 812;
        w.window.setGeometry(100, 120, 800, 600);
        EXPECT_TRUE(w.window.CanClose());
        EXPECT_TRUE(testing_support::ReadBytes(ini).contains("\nEnd=812\n"));
    }
    QFile::remove(ini);
    QFile::remove(TestDir() + "StrativM.ini");

    Well w(1000, 1200);
    w.window.setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(w.window.CanClose());
    EXPECT_FALSE(QFile::exists(ini));
    EXPECT_EQ(testing_support::ReadBytes(TestDir() + "StrativM.ini"), QFile::encodeName(w.path) + '\0');
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

TEST(Exit, TheCloseBoxIsRefusedWhileADataEntryOwnsTheWindow)
{
    Well w(1000, 1200);
    w.window.show();
    w.window.State().interaction.dataEntryActive = 1;
    EXPECT_FALSE(w.window.close());
    EXPECT_EQ(doubles().sounder.beeps, 1);
    EXPECT_TRUE(w.window.State().view.windowReady);
    w.window.State().interaction.dataEntryActive = 0;
    EXPECT_TRUE(w.window.close());
    EXPECT_FALSE(w.window.State().view.windowReady);
}

TEST(Exit, OnceAgreedNoToolWindowIsMadeAgainAndNoneStaysShown)
{
    Well w(1000, 1200);
    w.window.show();
    w.window.State().well.file.drilling = true;
    w.window.EnsureQuickBar();
    ASSERT_TRUE(w.window.Tools().quickBar);
    QDialog gasWindow(&w.window, Qt::Tool);  // a live window of an engine
    gasWindow.show();
    QSignalSpy closed(&w.window, &shell::LogWindow::Closed);

    doubles().prompter.answers = {IDOK};
    EXPECT_TRUE(w.window.close());
    // The paint that switching drilling mode off left behind makes no new bar.
    w.window.PaintLog();
    EXPECT_FALSE(w.window.Tools().quickBar);
    EXPECT_FALSE(gasWindow.isVisible());
    EXPECT_EQ(closed.count(), 1);
}
