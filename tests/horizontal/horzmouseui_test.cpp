// The horizontal view's wheel, keys and mouse through events sent to the real view on a deviated well:
// paging, the margin click, measuring from the last station, markers from the header's palette, the
// point box and the refusals while custom tracks are drawn.
#include "app/commandids.h"
#include "app/notes.h"
#include "app/opendatafile.h"
#include "app/ui/vertnoteedit.h"
#include "horizontal/ui/horzdlg.h"
#include "horizontal/ui/horzmouseui.h"
#include "horizontal/ui/horznoteedit.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/deviatedwell.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/customdata.h"
#include "wellfile/wellheader.h"

#include <QCoreApplication>
#include <QLabel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace horizontal;
using testing_support::doubles;

namespace {

struct MouseOnView {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString hor;
    HorzDlg* view = nullptr;
    explicit MouseOnView(const std::function<void(wellfile::HorzSetupRecord&)>& stored = {},
                         const std::vector<wellfile::HTEXTEX>& notes = {},
                         std::function<QString(const QString&)> makeWell = {})
    {
        if (!makeWell)
            makeWell = [](const QString& data) { return testing_support::MakeDeviatedWell(data, "H.svm", 1000, 1400); };
        testing_support::OpenNewWell(window, makeWell);
        app::LogState& s = window.State();
        s.env.screenWidth = 1920;
        hor = s.well.file.currentFolder + "H.hor";
        auto r = std::make_unique<wellfile::HorzSetupRecord>();
        ViewDefaults(*r, 0);
        r->drawLithOnWellTrack = 0;
        if (stored)
            stored(*r);
        testing_support::WriteBytes(hor, r.get(), sizeof *r);
        if (!notes.empty())
            testing_support::WriteBytes(app::HTextPath(s), notes.data(), qsizetype(notes.size() * sizeof notes[0]));
        window.EvCommand(app::cmd::HorizontalView);
        view = qobject_cast<HorzDlg*>(window.Tools().horzView.data());
        EXPECT_NE(view, nullptr);
        view->resize(1200, 900);
        view->LoadAndDraw(0);
        doubles().sounder.beeps = 0;
    }
    const HorzPlot& P() const { return view->Plot(); }
    // Window x of depth d (the middle of its unit).
    int X(std::int32_t d) const { return P().plotLeft + (d - P().plotFirstDepth) * 8 - (view->ScrollPosition() - P().plotLeft) + 4; }
    void Mouse(QEvent::Type type, int x, int y, Qt::KeyboardModifiers mods = {}, Qt::MouseButton b = Qt::LeftButton)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : b;
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(b);
        QMouseEvent e(type, QPointF(x, y), view->mapToGlobal(QPointF(x, y)), button, held, mods);
        QCoreApplication::sendEvent(view, &e);
    }
    void Click(int x, int y, Qt::KeyboardModifiers mods = {})
    {
        Mouse(QEvent::MouseButtonPress, x, y, mods);
        Mouse(QEvent::MouseButtonRelease, x, y, mods);
    }
    void DoubleClick(int x, int y)
    {
        Click(x, y);
        Mouse(QEvent::MouseButtonDblClick, x, y);
        Mouse(QEvent::MouseButtonRelease, x, y);
    }
    wellfile::HorzMarker Stored(int i) const
    {
        wellfile::HorzMarker m;
        std::memcpy(&m, testing_support::ReadBytes(hor).constData() + 139934 + 20 * i, sizeof m);
        return m;
    }
};

}  // namespace

TEST(HorzMouse, TheWheelAndThePagingKeysPageTheView)
{
    MouseOnView f;
    f.view->EvHScroll(ScrollCode::Thumb, 1500);
    ASSERT_EQ(f.view->ScrollPosition(), 1500);
    auto wheel = [&](int delta) {
        QWheelEvent e(QPointF(600, 300), f.view->mapToGlobal(QPointF(600, 300)), {}, {0, delta}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(f.view, &e);
    };
    wheel(120);
    EXPECT_EQ(f.view->ScrollPosition(), 1000);
    wheel(-120);
    EXPECT_EQ(f.view->ScrollPosition(), 1500);
    wheel(0);
    EXPECT_EQ(f.view->ScrollPosition(), 1500);
    // Five notches at once page right five times (not left, as a 16-bit reading of -600 would).
    wheel(-600);
    EXPECT_EQ(f.view->ScrollPosition(), std::min(4000, f.view->ScrollBar()->maximum()));
    // The keys as the wheel: a page, a line, either end; Escape leaves the view open where it was.
    const int last = f.view->ScrollBar()->maximum();
    const int left = f.P().plotLeft;
    const std::pair<int, int> keys[] = {{Qt::Key_Home, left},     {Qt::Key_PageDown, left + 500},
                                        {Qt::Key_Right, left + 700}, {Qt::Key_Up, left + 500},
                                        {Qt::Key_End, last},       {Qt::Key_PageUp, last - 500},
                                        {Qt::Key_Escape, last - 500}};
    for (const auto& [key, at] : keys) {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(f.view, &e);
        EXPECT_EQ(f.view->ScrollPosition(), at) << key;
    }
    EXPECT_FALSE(f.window.Tools().horzView.isNull());
    EXPECT_TRUE(f.view->isVisible());
}

TEST(HorzMouse, ACtrlClickInTheMarginSetsTheDrawFromDepth)
{
    MouseOnView f([](wellfile::HorzSetupRecord& r) { r.keepDrawFrom = 1; });
    const std::int32_t before = f.view->DrawFrom();
    const int pathTop = f.P().bands.pathTop;
    f.Click(20, pathTop / 2);  // without Ctrl: nothing
    EXPECT_EQ(f.view->DrawFrom(), before);
    ASSERT_GT(before, 100);
    f.Click(20, pathTop / 2, Qt::ControlModifier);
    EXPECT_EQ(f.view->DrawFrom(), before - 100);  // above the path: 100 shallower
    EXPECT_EQ(testing_support::At<std::int32_t>(testing_support::ReadBytes(f.hor), 788), before - 100);
    const wellfile::HorzSection s = f.P().sections.sections[0];
    f.Click(20, pathTop + 40, Qt::ControlModifier);
    const std::int32_t tvd = std::int32_t(40 / s.pxPerTvd + s.startTvd);
    EXPECT_EQ(f.view->DrawFrom(), tvd);
    EXPECT_EQ(testing_support::At<std::int32_t>(testing_support::ReadBytes(f.hor), 788), tvd);
}

TEST(HorzMouse, MeasuringFromTheLastStationDrawsOverThePlotOnly)
{
    MouseOnView f;
    const platform::RECT spot = f.P().bitMarker;
    ASSERT_GT(spot.right, spot.left);
    f.view->EvHScroll(ScrollCode::Thumb, spot.left - 1100 + f.P().plotLeft);
    const int ax = spot.left + 5 - (f.view->ScrollPosition() - f.P().plotLeft), ay = spot.top + 5;
    ASSERT_GT(ax, 1000);
    ASSERT_LT(ax, 1150);
    const QImage plot = f.view->Image().copy();
    f.Mouse(QEvent::MouseButtonPress, ax, ay);
    ASSERT_TRUE(f.view->Mouse().Measuring());
    // Straight down: 90 degrees, at the anchor's MD.
    f.Mouse(QEvent::MouseMove, ax, ay + 60);
    const QString readout = f.view->Mouse().Readout();
    EXPECT_TRUE(readout.startsWith("   TVD= ")) << readout.toStdString();
    EXPECT_TRUE(readout.endsWith(QString::asprintf("  MD= %d.00 INCL= 90.00000  ",
                                                   int(DepthAtColumn(ax, f.view->ScrollPosition(), f.P().plotLeft, 8, f.P().plotFirstDepth)))))
        << readout.toStdString();
    const QImage shown = f.view->grab().toImage();
    int red = 0;
    for (int y = ay + 1; y < ay + 60; ++y)
        red += shown.pixel(ax, y) == qRgb(255, 0, 0);
    EXPECT_GT(red, 25);  // dashed
    // Dragged left of an anchor near the window's right edge, the read-out stays inside the window.
    f.Mouse(QEvent::MouseMove, ax - 100, ay + 60);
    EXPECT_TRUE(f.view->rect().contains(f.view->Mouse().ReadoutBox()));
    // Past the right margin the measurement ends there; the plot image never changed.
    f.Mouse(QEvent::MouseMove, 1190, ay + 60);
    EXPECT_FALSE(f.view->Mouse().Measuring());
    f.Mouse(QEvent::MouseButtonRelease, 1190, ay + 60);
    EXPECT_EQ(f.view->Image(), plot);
    EXPECT_NE(f.view->grab().toImage().pixel(ax, ay + 30), qRgb(255, 0, 0));
}

TEST(HorzMouse, MarkersArePickedFromThePalettePlacedAndRemovedByDoubleClick)
{
    MouseOnView f;
    ASSERT_EQ(wellfile::SaveHeader(wellfile::WellHeader{}, app::PlaceOf(f.window.State())), 1);  // the palette needs a header
    f.view->Click(kViewHeaderButton);
    ASSERT_EQ(f.P().plotLeft, 500);
    const platform::RECT lime = f.P().symbolPalette[3];
    ASSERT_LT(lime.bottom, 880);
    const int y = f.P().bands.lithBandTop + 14;
    // Ctrl keeps the symbol picked and the file as it was.
    const QByteArray untouched = testing_support::ReadBytes(f.hor);
    f.Click(lime.left + 5, lime.top + 3);
    EXPECT_EQ(f.view->Mouse().PickedSymbol(), 3);
    EXPECT_EQ(f.view->cursor().shape(), Qt::CrossCursor);
    f.Click(700, y, Qt::ControlModifier);
    EXPECT_EQ(f.view->Mouse().PickedSymbol(), 3);
    EXPECT_EQ(testing_support::ReadBytes(f.hor), untouched);
    f.Click(900, y);
    EXPECT_EQ(f.view->Mouse().PickedSymbol(), 0);
    EXPECT_EQ(f.view->cursor().shape(), Qt::ArrowCursor);
    const std::int32_t md = DepthAtColumn(900, f.view->ScrollPosition(), 500, 8, f.P().plotFirstDepth);
    const wellfile::HorzMarker placed = f.Stored(1);
    EXPECT_EQ(int(placed.symbolNumber), 3);
    EXPECT_EQ(int(placed.markerMd), md);
    EXPECT_EQ(std::int32_t(placed.offsetY), 14);
    EXPECT_EQ(int(placed.placedScaled), 0);
    EXPECT_EQ(int(f.Stored(0).symbolNumber), 3);

    // A double click 6 units after the marker misses it, 5 after removes it (file too).
    f.DoubleClick(f.X(md + 6), y);
    EXPECT_EQ(f.view->Markers().size(), 2u);
    f.DoubleClick(f.X(md + 5), y);
    ASSERT_EQ(f.view->Markers().size(), 1u);
    EXPECT_EQ(int(f.Stored(0).markerMd), int(f.view->Markers()[0].markerMd));
    EXPECT_EQ(int(f.Stored(1).symbolNumber), 0);

    // A full table: the click beeps and places nothing.
    f.view->Markers().resize(kMaxMarkers, f.view->Markers()[0]);
    f.Click(lime.left + 5, lime.top + 3);
    f.Click(900, y);
    EXPECT_EQ(doubles().sounder.beeps, 1);
    EXPECT_EQ(f.view->Markers().size(), std::size_t(kMaxMarkers));
}

TEST(HorzMouse, PointBoxShowsTheSurveyValuesUnderTheClickUntilTheNextRightClick)
{
    MouseOnView f;
    f.window.State().well.kbElevation = 30;
    const HorzPlot& p = f.P();
    int k = 0;
    while (k < p.wellPathRows && (p.wellPathTable[std::size_t(k)].tvd == 0 || f.X(p.wellPathTable[std::size_t(k)].depth) < 100))
        ++k;
    ASSERT_LT(k, p.wellPathRows);
    const WellPathRow row = p.wellPathTable[std::size_t(k)];
    const int x = f.X(row.depth);
    f.Mouse(QEvent::MouseButtonPress, x, 300, {}, Qt::RightButton);
    QLabel* box = f.view->Mouse().PointBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->size(), QSize(180, 140));
    EXPECT_TRUE(box->text().startsWith(QString::asprintf(" MD=%d (%d)\n", row.depth, 30 - row.depth))) << box->text().toStdString();
    EXPECT_TRUE(box->text().contains(QString::asprintf(" TVD=%.2f (%.2f)\n", double(row.tvd), 30 - double(row.tvd))));
    f.Mouse(QEvent::MouseButtonPress, x + 100, 300, {}, Qt::RightButton);
    EXPECT_EQ(f.view->Mouse().PointBox(), nullptr);
    // Below the plot image (the scroll bar's rows): nothing.
    f.Mouse(QEvent::MouseButtonPress, x, f.view->height() - 10, {}, Qt::RightButton);
    EXPECT_EQ(f.view->Mouse().PointBox(), nullptr);
}

TEST(HorzMouse, ThePointBoxBetweenStationsReadsTheSurveyValuesOnTheLineBetweenThem)
{
    // A build of 15 degrees every 50 units from 1100, surveyed at 1150, 1200, 1250 and 1300 only.
    const float md[] = {1150, 1200, 1250, 1300}, tvd[] = {1149.43f, 1195.49f, 1235.05f, 1265.4f};
    const float vs[] = {6.51f, 25.59f, 55.94f, 95.49f};
    MouseOnView f({}, {}, [&](const QString& data) {
        std::vector<wellfile::RECORD> rows = testing_support::DeviatedRecords(1000, 1400);
        for (wellfile::RECORD& r : rows)
            r.tvd = r.inclination = r.azimuth = r.verticalSection = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            wellfile::RECORD& r = rows[std::size_t(md[k]) - 1000];
            r.tvd = tvd[k];
            r.verticalSection = vs[k];
            r.inclination = 15.0f * float(k + 1);
            r.azimuth = 45;
        }
        testing_support::WriteRecords(data + "H.svm", rows);
        return data + "H.svm";
    });
    const auto boxAt = [&f](std::int32_t depth) {
        f.view->EvHScroll(ScrollCode::Thumb, f.P().plotLeft + std::max(0, (depth - f.P().plotFirstDepth) * 8 - 400));
        f.Mouse(QEvent::MouseButtonPress, f.X(depth), 300, {}, Qt::RightButton);
        const QString text = f.view->Mouse().PointBox() ? f.view->Mouse().PointBox()->text() : QString();
        f.Mouse(QEvent::MouseButtonPress, f.X(depth), 300, {}, Qt::RightButton);  // hides it
        return text;
    };
    // By hand, the VS a share of the way between the stations: at 1163 13/50 from 1150 (was 19.51), at
    // 1225 halfway from 1200 (was 50.59), at 1287 37/50 from 1250 (was 92.94).
    const QString at1163 = boxAt(1163), at1225 = boxAt(1225), at1287 = boxAt(1287);
    EXPECT_TRUE(at1163.contains(QString::asprintf("VS=%4.2f\n", 6.51 + 13.0 / 50 * (25.59 - 6.51)))) << at1163.toStdString();
    EXPECT_TRUE(at1163.contains(" INCL=18.90\n AZM=45.00\n")) << at1163.toStdString();  // 15 + 13/50 x 15
    EXPECT_NEAR(at1225.section("VS=", 1).section('\n', 0, 0).toDouble(), 25.59 + 0.5 * (55.94 - 25.59), 0.006);
    EXPECT_TRUE(at1225.contains(" INCL=37.50\n")) << at1225.toStdString();
    EXPECT_TRUE(at1287.contains(QString::asprintf("VS=%4.2f\n", 55.94 + 37.0 / 50 * (95.49 - 55.94)))) << at1287.toStdString();
}

TEST(HorzMouse, EditsAreRefusedWhileCustomTracksAreDrawn)
{
    MouseOnView f([](wellfile::HorzSetupRecord& r) { r.drawCustomTracks = 1; });
    app::LogState& s = f.window.State();
    s.customTracks.data = std::make_unique<layout::CUSTOMDATA>(&s.customTracks.host, false);
    f.view->Painters().customTracks = [](platform::Dc&, HorzPlot&) {};  // the well has no custom records
    f.view->ApplySetup();
    f.view->LoadAndDraw(0);
    ASSERT_TRUE(f.view->Settings().drawCustomTracks);
    doubles().prompter.messages.clear();
    f.DoubleClick(700, f.P().bands.pathTop + 50);
    f.Click(700, f.P().bands.pathTop + 50, Qt::ControlModifier);
    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_EQ(doubles().prompter.messages[0].text, "All edits must be done with custom tracks off");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "INFO");
    EXPECT_EQ(doubles().prompter.messages[1].text, "You must turn off custom tracks to move notes");
    s.customTracks.data.reset();
}

namespace {

wellfile::HTEXTEX Note(std::int32_t depth, int top, const char* text)
{
    wellfile::HTEXTEX n;
    n.depth = depth;
    n.box[1] = top;
    n.box[3] = top + 30;
    std::strcpy(n.text, text);
    return n;
}

// The notes of the view, found by their first letters.
const wellfile::HTEXTEX* Find(HorzDlg* view, const char* start)
{
    const NoteTable& t = view->Notes();
    for (int i = 0; i < t.count; ++i)
        if (std::strncmp(t.notes[std::size_t(i)].text, start, std::strlen(start)) == 0)
            return &t.notes[std::size_t(i)];
    return nullptr;
}

class NoteDialogCalls final : public entry::EntryServices {
public:
    QList<int> indexes;
    void CmEnterRates(app::LogState&) override {}
    void CmEnterLithology(app::LogState&) override {}
    void CmEnterGas(app::LogState&) override {}
    void CmEnterShows(app::LogState&) override {}
    void CmFlareData(app::LogState&) override {}
    int RunNoteDialog(app::LogState&, std::vector<wellfile::HTEXTEX>& notes, int index, int&) override
    {
        indexes << index;
        std::strcpy(notes[std::size_t(index)].text, "CHANGED UNSAVED");
        return 1;
    }
};

struct NotesOnView : MouseOnView {
    NotesOnView()
        : MouseOnView([](wellfile::HorzSetupRecord& r) { r.drawMemos = 1; },
                      {Note(1300, 250, "FIRST"), Note(1310, 300, "SECOND\r\nLINE")})
    {
        const wellfile::HTEXTEX* first = Find(view, "FIRST");
        EXPECT_NE(first, nullptr);
        if (first)
            view->EvHScroll(ScrollCode::Thumb, first->box[0] - 300 + P().plotLeft);
    }
    int Shift() const { return view->ScrollPosition() - P().plotLeft; }
};

}  // namespace

TEST(HorzMouseNotes, ACtrlDragMovesANoteToTheDepthUnderItsLeft)
{
    NotesOnView f;
    const wellfile::HTEXTEX* first = Find(f.view, "FIRST");
    ASSERT_NE(first, nullptr);
    const int x = first->box[0] - f.Shift() + 5, y = first->box[1] + 3;
    f.Mouse(QEvent::MouseButtonPress, x, y, Qt::ControlModifier);
    ASSERT_TRUE(f.view->Mouse().Dragging());
    f.Mouse(QEvent::MouseMove, x + 409, y + 13, Qt::ControlModifier);
    f.Mouse(QEvent::MouseButtonRelease, x + 409, y + 13, Qt::ControlModifier);
    EXPECT_FALSE(f.view->Mouse().Dragging());
    // Rounded up to even, less the grab offset of 5; saved and read back.
    const int xr = (x + 410) & ~1, yr = (y + 14) & ~1;
    first = Find(f.view, "FIRST");
    ASSERT_NE(first, nullptr);
    const std::int32_t depth = first->depth;
    EXPECT_EQ(depth, DepthAtColumn(xr - 5, f.view->ScrollPosition(), f.P().plotLeft, 8, f.P().plotFirstDepth));
    EXPECT_EQ(int(first->box[1]), yr);
    EXPECT_TRUE(testing_support::ReadBytes(app::HTextPath(f.window.State())).contains(
        QByteArray(reinterpret_cast<const char*>(&depth), 4)));
}

TEST(HorzMouseNotes, AHandleDragResizesInTheEditorWhereEscapeOrCtrlEnterEndIt)
{
    NotesOnView f;
    const NoteTable& t = f.view->Notes();
    const NoteDrawing& d = f.view->NoteHandles();
    int k = 0;
    while (k < int(d.handles.size()) && std::strncmp(t.notes[std::size_t(d.firstDrawn + k)].text, "SECOND", 6) != 0)
        ++k;
    ASSERT_LT(k, int(d.handles.size()));
    const platform::RECT handle = d.handles[std::size_t(k)];
    const int x = handle.left - f.Shift() + 1, y = handle.top + 1;
    auto resize = [&] {
        f.Mouse(QEvent::MouseButtonPress, x, y, Qt::ControlModifier);
        EXPECT_TRUE(f.view->Mouse().Resizing());
        f.Mouse(QEvent::MouseMove, x + 100, y + 20, Qt::ControlModifier);
        ASSERT_NE(f.view->NoteEditor(), nullptr);
        EXPECT_FALSE(f.view->NoteEditor()->isVisible());  // hidden on the first move
        f.Mouse(QEvent::MouseMove, x + 300, y + 40, Qt::ControlModifier);
        EXPECT_TRUE(f.view->NoteEditor()->isVisible());
        f.Mouse(QEvent::MouseButtonRelease, x + 300, y + 40, Qt::ControlModifier);
        EXPECT_FALSE(f.view->Mouse().Resizing());
    };
    resize();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(f.view->NoteEditor(), &escape);
    EXPECT_STREQ(Find(f.view, "SECOND")->text, "SECOND\r\nLINE");
    // Ctrl+Enter stores the text wrapped to the wider box: on one line.
    resize();
    QKeyEvent store(QEvent::KeyPress, Qt::Key_Return, Qt::ControlModifier);
    QCoreApplication::sendEvent(f.view->NoteEditor(), &store);
    ASSERT_NE(Find(f.view, "SECOND"), nullptr);
    EXPECT_STREQ(Find(f.view, "SECOND")->text, "SECOND LINE");  // the hard break a blank
}

TEST(HorzMouseNotes, ANoteLeftAsItWasStaysByteForByteAndAnEditedOneKeepsItsAnchorAndAllItsText)
{
    wellfile::HTEXTEX anchored = Note(1330, 0, "desc note");
    anchored.anchoredRight = 1;  // at the bottom, ending at its depth
    MouseOnView f([](wellfile::HorzSetupRecord& r) { r.drawMemos = 1; }, {Note(1300, 250, "FIRST"), anchored});
    const QString hxt = app::HTextPath(f.window.State());
    const wellfile::HTEXTEX* note = Find(f.view, "desc");
    ASSERT_NE(note, nullptr);
    f.view->EvHScroll(ScrollCode::Thumb, note->box[0] - 300 + f.P().plotLeft);
    note = Find(f.view, "desc");
    const int x = note->box[0] - (f.view->ScrollPosition() - f.P().plotLeft) + 3, y = note->box[1] + 3;
    const QByteArray before = testing_support::ReadBytes(hxt);
    f.DoubleClick(x, y);
    ASSERT_NE(f.view->NoteEditor(), nullptr);
    EXPECT_NE(app::WrappedEditText(*f.view->NoteEditor(), 500), "desc note");  // narrower than the note's box
    QTest::keyClick(f.view->NoteEditor(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(testing_support::ReadBytes(hxt), before);

    f.DoubleClick(x, y);
    ASSERT_NE(f.view->NoteEditor(), nullptr);
    f.view->NoteEditor()->moveCursor(QTextCursor::End);
    QTest::keyClick(f.view->NoteEditor(), '!');
    QTest::keyClick(f.view->NoteEditor(), Qt::Key_Return, Qt::ControlModifier);
    note = Find(f.view, "desc");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(int(note->depth), 1330);
    EXPECT_EQ(int(note->anchoredRight), 1);
    EXPECT_TRUE(QByteArray(note->text).replace("\r\r\n", "") == "desc note!") << note->text;

    // The editor refuses what the record cannot keep; what it holds is stored whole.
    f.DoubleClick(700, f.P().bands.pathTop + 30);
    ASSERT_NE(f.view->NoteEditor(), nullptr);
    f.view->NoteEditor()->setPlainText(QString(kNoteEditRead, 'x'));
    f.view->NoteEditor()->moveCursor(QTextCursor::End);
    doubles().sounder.beeps = 0;
    QTest::keyClick(f.view->NoteEditor(), 'y');
    EXPECT_EQ(f.view->NoteEditor()->toPlainText(), QString(kNoteEditRead, 'x'));
    EXPECT_EQ(doubles().sounder.beeps, 1);
    QTest::keyClick(f.view->NoteEditor(), Qt::Key_Return, Qt::ControlModifier);
    note = Find(f.view, "xxx");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(strnlen(note->text, sizeof note->text), std::size_t(kNoteEditRead));
}

TEST(HorzMouseNotes, DoubleClickEditsANoteOrStartsOneAndRightClickRunsTheNoteDialog)
{
    NotesOnView f;
    NoteDialogCalls calls;
    f.window.Neighbours().entry = &calls;
    const wellfile::HTEXTEX* second = Find(f.view, "SECOND");
    ASSERT_NE(second, nullptr);
    const int x = second->box[0] - f.Shift() + 3, y = second->box[1] + 3;
    f.DoubleClick(x, y);
    ASSERT_NE(f.view->NoteEditor(), nullptr);
    EXPECT_TRUE(f.view->NoteEditor()->toPlainText().startsWith("SECOND"));
    f.DoubleClick(x + 100, f.P().bands.pathTop + 30);  // an empty spot
    ASSERT_NE(f.view->NoteEditor(), nullptr);
    EXPECT_EQ(f.view->NoteEditor()->size(), QSize(200, 125));
    EXPECT_TRUE(f.view->NoteEditor()->toPlainText().isEmpty());
    // The dialog's change was saved by it (result 1): the table is read again from the file.
    f.Mouse(QEvent::MouseButtonPress, x, y, {}, Qt::RightButton);
    ASSERT_EQ(calls.indexes.size(), 1);
    EXPECT_EQ(Find(f.view, "CHANGED"), nullptr);
    EXPECT_NE(Find(f.view, "SECOND"), nullptr);
    f.window.Neighbours().entry = &entry::DefaultEntryServices();
}
