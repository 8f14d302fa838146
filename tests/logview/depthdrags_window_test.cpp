// Drags in depth on the painted log with real mouse events, on a well of records 1000 to 1300: slide
// intervals marked in the ".svm", a formation top moved in the ".top", the offset well's curve matched
// and its entry stored in the ".cfg", the drag-gas band handed to its keys, and the depth label over the
// log-image strip. Each file is compared byte for byte with its copy from before.
#include "app/opendatafile.h"
#include "app/welltops.h"
#include "drilling/driller.h"
#include "drilling/drillingstate.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/geometryof.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/doubles.h"
#include "support/drillerstate.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/datafile.h"
#include "wellfile/record.h"
#include "wellfile/sidefiles_tops.h"
#include "wellfile/wellconfig.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using testing_support::At;
using testing_support::DifferingBytes;
using testing_support::doubles;
using testing_support::ReadExistingBytes;
using wellfile::kRecordSize;

namespace {

class DepthDragsWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testing_support::ShowDemoWindow(window));
        const QString path = testing_support::MakeWell(testing_support::TestDir() + "drags/", "DRAGS.svm", 1000, 1300);
        ASSERT_FALSE(path.isEmpty());
        ASSERT_EQ(window.OpenDataFile(path), 1);
        QCoreApplication::processEvents();
        S().view.rateCurve.offsetPoints.clear();  // no offset well unless a test sets one
        PaintAt(1002);  // the paint keeps the view two units below the first depth
    }
    void TearDown() override { S().well.file.drilling = false; }

    app::LogState& S() { return window.State(); }
    logview::ViewGeometry G() { return logview::GeometryOf(S()); }
    void PaintAt(std::int32_t top)
    {
        S().well.file.viewTopDepth = top;
        window.PaintLog();
        QCoreApplication::processEvents();
        ASSERT_EQ(S().well.file.viewTopDepth, top);
    }
    int R() { return S().layout.format.pixelsPerStep; }
    // The y of the middle of the row of depth `d`, checked against the window's own reading.
    int RowY(std::int32_t d)
    {
        const int y = G().topMargin + (d - S().well.file.viewTopDepth) * R() + R() / 2;
        EXPECT_EQ(window.DepthAtRow(y), d);
        return y;
    }
    int ClientTop() { return window.menuWidget() && window.menuWidget()->isVisible() ? window.menuWidget()->height() : 0; }
    QPoint Client(int x, int y) { return QPoint(x, y + ClientTop()); }
    void Press(int x, int y, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        QTest::mousePress(&window, Qt::LeftButton, keys, Client(x, y));
    }
    void Move(int x, int y) { QTest::mouseMove(&window, Client(x, y)); }
    // A move with no button down, as the window system delivers it.
    void Hover(int x, int y) { QTest::mouseMove(window.windowHandle(), Client(x, y)); }
    void Release(int x, int y, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        QTest::mouseRelease(&window, Qt::LeftButton, keys, Client(x, y));
        QCoreApplication::processEvents();  // the paint the drag asked for
    }
    void Drag(int x, int y0, int y1, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        Press(x, y0, keys);
        Move(x, (y0 + y1) / 2);
        Move(x, y1);
        Release(x, y1, keys);
    }
    void LoseTheMouse()
    {
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(&window, &deactivate);
    }
    QByteArray DataFile() { return ReadExistingBytes(S().well.file.dataFileName); }
    std::uint16_t SlideAt(const QByteArray& file, std::int32_t d)
    {
        return At<std::uint16_t>(file, qsizetype(d - 1000) * kRecordSize + 256);
    }
    // The records whose bytes differ between two copies of the data file; every difference must lie in
    // the slide flag.
    std::vector<std::int32_t> ChangedSlides(const QByteArray& a, const QByteArray& b)
    {
        std::vector<std::int32_t> depths;
        for (const qsizetype at : DifferingBytes(a, b)) {
            EXPECT_TRUE(at % kRecordSize == 256 || at % kRecordSize == 257) << at;
            const std::int32_t d = std::int32_t(1000 + at / kRecordSize);
            if (depths.empty() || depths.back() != d)
                depths.push_back(d);
        }
        return depths;
    }
    int SlideX() { return G().rate.left + G().unitWidth / 2 - G().horizontalScroll; }

    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
};

std::vector<std::int32_t> Depths(std::int32_t first, std::int32_t last)
{
    std::vector<std::int32_t> d;
    for (std::int32_t i = first; i <= last; ++i)
        d.push_back(i);
    return d;
}

}  // namespace

TEST_F(DepthDragsWindow, ASlideIntervalMarksItsRecordsAndTheSameDragClearsThem)
{
    PaintAt(1096);
    const QByteArray before = DataFile();
    const int x = SlideX();
    Press(x, RowY(1100), Qt::ControlModifier);
    ASSERT_TRUE(S().interaction.mouse.slideInterval);
    Move(x, RowY(1130));
    // The blue line, 4 pixels wide, grows down from the press at the rate track's left edge + 1.
    const QImage& store = window.BackingStore();
    const int lineX = G().rate.left + 1 - G().horizontalScroll;
    for (int y = RowY(1100) + 2; y < RowY(1130) - 2; y += 7)
        EXPECT_EQ(store.pixel(lineX, y) & 0xFFFFFF, 0x0000FFu) << y;
    int blue = 0;
    for (int xx = lineX - 6; xx <= lineX + 6; ++xx)
        blue += (store.pixel(xx, RowY(1115)) & 0xFFFFFF) == 0x0000FF;
    EXPECT_EQ(blue, 4);
    Release(x, RowY(1130), Qt::ControlModifier);
    EXPECT_FALSE(S().interaction.mouse.slideInterval);

    const QByteArray marked = DataFile();
    EXPECT_EQ(ChangedSlides(before, marked), Depths(1102, 1131));
    for (std::int32_t d = 1102; d <= 1131; ++d)
        EXPECT_EQ(SlideAt(marked, d), 1) << d;

    // The first record is slide now: the same drag, upward this time, turns them back to rotate.
    Drag(x, RowY(1130), RowY(1100), Qt::ControlModifier);
    EXPECT_EQ(DataFile(), before);

    // Sixty units down: fifty records.
    Drag(x, RowY(1100), RowY(1160), Qt::ControlModifier);
    EXPECT_EQ(ChangedSlides(before, DataFile()), Depths(1102, 1151));

    // With a drilling object the toggle leaves both its working records rotating.
    drilling::DrillingHost facts(S());
    drilling::Driller driller(facts, {});
    testing_support::EditRecords(driller, [](drilling::DrillerRecords& v) { v.previous.slide = v.working.slide = 1; });
    drilling::AttachDriller(S(), &driller);
    Drag(x, RowY(1100), RowY(1110), Qt::ControlModifier);
    drilling::AttachDriller(S(), nullptr);
    EXPECT_EQ(driller.Records().previous.slide, 0);
    EXPECT_EQ(driller.Records().working.slide, 0);
}

TEST_F(DepthDragsWindow, ASlideIntervalWritesNothingWhereItHasNoRecordsToMark)
{
    PaintAt(1090);
    const QByteArray before = DataFile();
    const int x = SlideX();
    // Dropped above the log: the depth there would be the file's last.
    Press(x, RowY(1100), Qt::ControlModifier);
    Move(x, G().topMargin - 20);
    Release(x, G().topMargin - 20, Qt::ControlModifier);
    // Dropped where it started: no whole depth step.
    Drag(x, RowY(1100), RowY(1100), Qt::ControlModifier);
    // The window loses the mouse before the button comes up.
    Press(x, RowY(1100), Qt::ControlModifier);
    Move(x, RowY(1120));
    LoseTheMouse();
    EXPECT_FALSE(S().interaction.mouse.slideInterval);
    Release(x, RowY(1120), Qt::ControlModifier);
    EXPECT_EQ(DataFile(), before);

    // With the view at the file's end a press on the row of 1299 starts nothing.
    PaintAt(1250);
    ASSERT_LT(RowY(1299), S().view.logAreaBottom - 5 * R());
    Press(x, RowY(1299), Qt::ControlModifier);
    EXPECT_FALSE(S().interaction.mouse.slideInterval);
    Move(x, S().view.logAreaBottom - 2);
    Release(x, S().view.logAreaBottom - 2, Qt::ControlModifier);
    // Nor does a drop on a row past the file's last depth.
    const int pastTheFile = G().topMargin + (1310 - 1250) * R() + R() / 2;
    ASSERT_LT(pastTheFile, S().view.logAreaBottom);
    Press(x, RowY(1280), Qt::ControlModifier);
    EXPECT_TRUE(S().interaction.mouse.slideInterval);
    Move(x, pastTheFile);
    Release(x, pastTheFile, Qt::ControlModifier);
    EXPECT_EQ(DataFile(), before);
}

class TopDrags : public DepthDragsWindow {
protected:
    void SetUp() override
    {
        DepthDragsWindow::SetUp();
        app::LogState& s = S();
        std::vector<wellfile::TOPSEX> tops(2);
        tops[0].depth = 1100;
        tops[0].tvd = 1095.0f;
        tops[1].depth = 1150;
        tops[1].tvd = 1140.0f;
        std::strcpy(tops[1].text, "Top of the sand");
        topsPath = wellfile::TopsFilePath(app::PlaceOf(s), app::TopsPlaceOf(s));
        testing_support::WriteRecords(topsPath, tops);
        ASSERT_EQ(wellfile::LoadTops(app::PlaceOf(s), app::TopsPlaceOf(s), s.well.tops), 1);
        // Rows 12 pixels high.
        window.SetLogFormat(s.well.loggerId, 12);
        window.EvSize(window.width(), window.height() - ClientTop());
        PaintAt(1100);
        ASSERT_EQ(R(), 12);
        before = ReadExistingBytes(topsPath);
    }
    int TrackX() { return G().rate.left + 3 * G().unitWidth - G().horizontalScroll; }
    // The second top dragged down `pixels` from the row of 1150; the bytes of the ".top" that changed.
    std::vector<qsizetype> DragTopDown(int pixels)
    {
        testing_support::WriteBytes(topsPath, before);
        EXPECT_EQ(wellfile::LoadTops(app::PlaceOf(S()), app::TopsPlaceOf(S()), S().well.tops), 1);
        const int y = RowY(1150);
        Press(TrackX(), y);
        EXPECT_TRUE(S().interaction.mouse.topDrag);
        EXPECT_EQ(QWidget::mouseGrabber(), &window);
        Move(TrackX(), y + pixels / 2);
        Move(TrackX(), y + pixels);
        Release(TrackX(), y + pixels);
        EXPECT_FALSE(S().interaction.mouse.topDrag);
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
        return DifferingBytes(before, ReadExistingBytes(topsPath));
    }
    wellfile::TOPSEX FileTop(int i)
    {
        const std::vector<wellfile::TOPSEX> tops = testing_support::FileRecords<wellfile::TOPSEX>(topsPath);
        return i < int(tops.size()) ? tops[std::size_t(i)] : wellfile::TOPSEX{};
    }

    std::int32_t FileTopDepth(int i) { return FileTop(i).depth; }

    QString topsPath;
    QByteArray before;
};

TEST_F(TopDrags, ATopDraggedDownMovesByRowsAndTheRestOfARow)
{
    // 30 pixels: two rows and 6 pixels (more than a third of 12): 1153, its TVD 2 x 2 deeper.
    const std::vector<qsizetype> changed = DragTopDown(30);
    EXPECT_EQ(FileTopDepth(1), 1153);
    const float tvd = FileTop(1).tvd;
    EXPECT_EQ(tvd, 1144.0f);
    for (const qsizetype at : changed) {
        const qsizetype inRecord = at - wellfile::kTopSize;
        EXPECT_TRUE((inRecord >= 0 && inRecord < 4) || (inRecord >= 105 && inRecord < 109)) << at;
    }
    EXPECT_FALSE(changed.empty());
    const std::int32_t kept = S().well.tops[1].depth;
    EXPECT_EQ(kept, 1153);

    // 27 pixels: the rest 3 is not more than 4.
    DragTopDown(27);
    EXPECT_EQ(FileTopDepth(1), 1152);
    // Far below the log: the last depth of the file.
    DragTopDown(3000);
    EXPECT_EQ(FileTopDepth(1), 1300);
}

TEST_F(TopDrags, APressFindsATopFromTwoUnitsAboveToOneBelowItsRow)
{
    for (const std::int32_t d : {1149, 1152, 1148, 1153}) {
        const int y = RowY(d);
        Press(TrackX(), y);
        EXPECT_EQ(S().interaction.mouse.topDrag, d == 1149 || d == 1152) << d;
        Release(TrackX(), y);
    }
    // Pressed and let go on the same row: nothing to write.
    EXPECT_EQ(ReadExistingBytes(topsPath), before);

    // The window loses the mouse in the middle of the drag: the mouse is let go, nothing written.
    Press(TrackX(), RowY(1150));
    Move(TrackX(), RowY(1150) + 40);
    LoseTheMouse();
    EXPECT_FALSE(S().interaction.mouse.topDrag);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    Release(TrackX(), RowY(1150) + 40);
    EXPECT_EQ(ReadExistingBytes(topsPath), before);
    const std::int32_t kept = S().well.tops[1].depth;
    EXPECT_EQ(kept, 1150);
}

TEST_F(DepthDragsWindow, TheOffsetWellsCurveIsMatchedAndItsEntryStored)
{
    app::LogState& s = S();
    const QString offset = testing_support::MakeWell(testing_support::TestDir() + "offset/", "OFFSET.svm", 900, 1500);
    s.well.offset.file = offset;
    s.well.offset.shift = 0;
    s.well.offset.records.clear();
    wellfile::ReadDataFileDepthRange(offset, s.well.file.offsetTopDepth, s.well.file.offsetBottomDepth);
    s.options.offsetRop = true;
    PaintAt(1002);  // the paint keeps the view two units below the first depth
    const std::vector<platform::POINT> points = s.view.rateCurve.offsetPoints;
    ASSERT_GT(points.size(), 60u);
    const QString cfgPath = wellfile::OwnConfigPath(app::PlaceOf(s), s.well.fieldSettings);
    const QByteArray cfgBefore = ReadExistingBytes(cfgPath);

    // A point far down the curve, past the first thirty.
    std::size_t k = 50;
    while (k + 1 < points.size() && points[k - 1].y >= points[k].y)
        ++k;
    const int x = points[k].x - G().horizontalScroll, y = points[k].y;
    Press(x + 3, y);
    ASSERT_TRUE(s.interaction.mouse.offsetDrag);
    EXPECT_EQ(QWidget::mouseGrabber(), &window);
    Move(x, y - 10);
    Move(x, y - 20);  // four half rows up
    Release(x, y - 20);
    EXPECT_FALSE(s.interaction.mouse.offsetDrag);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(s.well.offset.shift, 4);

    const QByteArray cfgAfter = ReadExistingBytes(cfgPath);
    ASSERT_EQ(cfgAfter.size(), cfgBefore.size());
    const qsizetype entries = offsetof(wellfile::WellConfig, offsetWells);
    const std::vector<qsizetype> changed = DifferingBytes(cfgBefore, cfgAfter);
    EXPECT_FALSE(changed.empty());
    for (const qsizetype at : changed)
        EXPECT_TRUE(at >= entries && at < entries + qsizetype(sizeof(wellfile::WellConfig::offsetWells))) << at;
    wellfile::WellConfig cfg{};
    std::memcpy(&cfg, cfgAfter.constData(), sizeof cfg);
    const std::int32_t shift = cfg.offsetWells[0].depthShift, active = cfg.offsetWells[0].active;
    EXPECT_EQ(shift, 4);
    EXPECT_EQ(active, 1);

    // A start before the offset well's first record beeps and starts nothing; nor does a press 6 pixels
    // beside the curve.
    s.well.offset.shift = -500;
    const int beeps = doubles().sounder.beeps;
    Press(x, y);
    EXPECT_EQ(doubles().sounder.beeps, beeps + 1);
    EXPECT_FALSE(s.interaction.mouse.offsetDrag);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    Release(x, y);
    s.well.offset.shift = 0;
    Press(x + 6, y);
    EXPECT_FALSE(s.interaction.mouse.offsetDrag);
    Release(x + 6, y);
    EXPECT_EQ(ReadExistingBytes(cfgPath), cfgAfter);
}

TEST_F(DepthDragsWindow, AnOffsetDragShowsOnTheLogAndARefusedStepStoresTheShiftOnTheScreen)
{
    app::LogState& s = S();
    // The offset well starts 12 units above the view top: a shift of -12 would leave its records.
    const QString offset = testing_support::MakeWell(testing_support::TestDir() + "offset/", "NEAR.svm", 990, 1500);
    s.well.offset.file = offset;
    s.well.offset.shift = 0;
    s.well.offset.records.clear();
    wellfile::ReadDataFileDepthRange(offset, s.well.file.offsetTopDepth, s.well.file.offsetBottomDepth);
    s.options.offsetRop = true;
    PaintAt(1002);
    const std::vector<platform::POINT> points = s.view.rateCurve.offsetPoints;
    ASSERT_GT(points.size(), 20u);
    const int x = points[10].x - G().horizontalScroll, y = points[10].y;
    const QRect track(G().rate.left - G().horizontalScroll, G().topMargin, G().rate.Right() - G().rate.left,
                      G().logBottomY - G().topMargin);
    const QImage before = window.BackingStore().copy(track);

    // The curve drawn by the press, in the XOR mix, changes the track's pixels.
    Press(x, y);
    ASSERT_TRUE(s.interaction.mouse.offsetDrag);
    EXPECT_NE(window.BackingStore().copy(track), before);

    const int half = R() / 2;
    Move(x, y + 11 * half);  // 11 units down: shift -11, drawn
    EXPECT_EQ(s.well.offset.shift, -11);
    const QImage drawn = window.BackingStore().copy(track);
    const int beeps = doubles().sounder.beeps;
    Move(x, y + 13 * half);  // -13 would start before the offset well's first record
    EXPECT_EQ(doubles().sounder.beeps, beeps + 1);
    EXPECT_EQ(window.BackingStore().copy(track), drawn);
    Release(x, y + 13 * half);
    EXPECT_EQ(s.well.offset.shift, -11);
    wellfile::WellConfig cfg{};
    const QByteArray stored = ReadExistingBytes(wellfile::OwnConfigPath(app::PlaceOf(s), s.well.fieldSettings));
    ASSERT_EQ(stored.size(), qsizetype(sizeof cfg));
    std::memcpy(&cfg, stored.constData(), sizeof cfg);
    const std::int32_t shift = cfg.offsetWells[0].depthShift;
    EXPECT_EQ(shift, -11);
}

class GasBand : public DepthDragsWindow {
protected:
    void SetUp() override
    {
        DepthDragsWindow::SetUp();
        // Gas values that tell the records apart.
        QFile f(S().well.file.dataFileName);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        for (std::int32_t d = 1090; d <= 1120; ++d) {
            float gas[6];
            for (int g = 0; g < 6; ++g)
                gas[g] = float(d * 10 + g);
            ASSERT_TRUE(f.seek(qint64(d - 1000) * kRecordSize + 28));
            ASSERT_EQ(f.write(reinterpret_cast<const char*>(gas), sizeof gas), qint64(sizeof gas));
        }
        f.close();
        PaintAt(1090);
        before = DataFile();
    }
    int GasX() { return G().gas.left + G().unitWidth / 2 - G().horizontalScroll; }
    // The band pressed at `y0` and let go at `y1`, with drilling on for the press.
    void DragBand(int y0, int y1)
    {
        S().well.file.drilling = true;
        Press(GasX(), y0);
        S().well.file.drilling = false;
        EXPECT_TRUE(S().interaction.dragGasActive);
        Move(GasX() + 150, (y0 + y1) / 2);
        Move(GasX() + 150, y1);
        Release(GasX() + 150, y1);
    }
    float GasAt(const QByteArray& file, std::int32_t d, int g)
    {
        return At<float>(file, qsizetype(d - 1000) * kRecordSize + 28 + 4 * g);
    }

    QByteArray before;
};

TEST_F(GasBand, ABandOfThreeRowsGoesToTheKeysAndMovesTheGasDown)
{
    const int T = G().topMargin, Rh = R();
    ASSERT_GE(G().gasRight - G().gas.left, 10 * Rh);
    const int boundary = T + (1100 - S().well.file.viewTopDepth) * Rh;  // the top of the row of 1100
    // Six pixels above the boundary: more than half a row, so down to it; four below the third boundary
    // down: up to it.
    DragBand(boundary - 4, boundary + 3 * Rh + 4);
    const app::InteractionState& i = S().interaction;
    ASSERT_TRUE(i.dragGasActive);
    EXPECT_EQ(i.dragGasLength, 3);
    EXPECT_EQ(i.dragGasRect.top, boundary);
    EXPECT_EQ(i.dragGasRect.bottom, boundary + 3 * Rh);
    EXPECT_EQ(window.DepthAtRow(i.dragGasStartRow), 1100);
    ASSERT_NE(S().view.bitmaps, nullptr);
    EXPECT_FALSE(S().view.bitmaps->savedAreas[1].isNull());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(DataFile(), before);

    QTest::keyClick(&window, Qt::Key_Down);
    QTest::keyClick(&window, Qt::Key_Down);
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_FALSE(i.dragGasActive);
    const QByteArray after = DataFile();
    for (int g = 0; g < 6; ++g) {
        for (std::int32_t d = 1100; d <= 1102; ++d)
            EXPECT_EQ(GasAt(after, d + 2, g), GasAt(before, d, g)) << d << " " << g;
        EXPECT_EQ(GasAt(after, 1100, g), 0.0f);
        EXPECT_EQ(GasAt(after, 1101, g), 0.0f);
        EXPECT_EQ(GasAt(after, 1099, g), GasAt(before, 1099, g));
        EXPECT_EQ(GasAt(after, 1105, g), GasAt(before, 1105, g));
    }
}

TEST_F(GasBand, ABandTooSmallEndsTheFunctionWithNoShift)
{
    const int boundary = G().topMargin + (1100 - S().well.file.viewTopDepth) * R();
    // Less than a row high: both ends go to the same boundary.
    DragBand(boundary + 2, boundary + 4);
    EXPECT_FALSE(S().interaction.dragGasActive);
    EXPECT_EQ(S().interaction.dragGasOffset, 0);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    QTest::keyClick(&window, Qt::Key_Down);
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_EQ(DataFile(), before);

    // A gas track narrower than ten rows.
    layout::LogLayout& L = S().layout.format;
    const std::int32_t gasRight = L.gasRight;
    L.gasRight = L.gas.left + 10 * R() - 1;
    DragBand(boundary, boundary + 3 * R());
    L.gasRight = gasRight;
    EXPECT_FALSE(S().interaction.dragGasActive);
    EXPECT_EQ(DataFile(), before);
}

TEST_F(DepthDragsWindow, TheDepthUnderTheMouseIsWrittenOverTheLogImageStrip)
{
    app::LogState& s = S();
    s.view.logImageMode = true;
    PaintAt(1002);  // the paint keeps the view two units below the first depth
    const logview::LogImageStrip strip = s.view.imageStrip;
    ASSERT_GT(strip.bottom, 100);
    ASSERT_LT(strip.right, window.width() + 1);
    const QRect area(strip.left, strip.top, strip.right - strip.left, strip.bottom - strip.top);
    const QImage clean = window.BackingStore().copy(area);
    // The label reaches 30 pixels left of the pointer and 15 above it: past the strip near its top corner.
    const QRect around = area.adjusted(-40, -20, 0, 0);
    const QImage cleanAround = window.BackingStore().copy(around);

    // Right of the depth scroll bar, which the strip's left edge lies under.
    Hover(strip.left + 20, strip.bottom / 2);
    EXPECT_TRUE(s.interaction.mouse.stripLabel);
    EXPECT_NE(window.BackingStore().copy(area), clean);
    // Away from the strip the label goes.
    Hover(G().rate.left + 40, G().topMargin + 50);
    EXPECT_FALSE(s.interaction.mouse.stripLabel);
    EXPECT_EQ(window.BackingStore().copy(area), clean);

    // A label standing partly outside the strip goes whole: on moving along the strip and on leaving it.
    Hover(strip.right - 2, strip.top + 4);
    ASSERT_TRUE(s.interaction.mouse.stripLabel);
    const platform::RECT label = s.interaction.mouse.stripLabelRect;
    ASSERT_TRUE(label.top < strip.top || label.left < strip.left);
    Hover(strip.right - 2, strip.bottom / 2);
    const QImage moved = window.BackingStore().copy(around);
    for (int y = std::max<int>(label.top, around.top()); y < label.bottom; ++y)
        for (int x = std::max<int>(label.left, around.left()); x < label.right; ++x)
            if (y < strip.top || x < strip.left) {
                ASSERT_EQ(moved.pixel(x - around.left(), y - around.top()), cleanAround.pixel(x - around.left(), y - around.top()))
                    << x << "," << y;
            }
    Hover(G().rate.left + 40, G().topMargin + 50);
    EXPECT_EQ(window.BackingStore().copy(around), cleanAround);

    // Not while the horizontal view is open.
    const std::function<bool()> viewOpen = s.notes.horizontalViewOpen;
    s.notes.horizontalViewOpen = [] { return true; };
    Hover(strip.left + 20, strip.bottom / 2);
    s.notes.horizontalViewOpen = viewOpen;
    EXPECT_FALSE(s.interaction.mouse.stripLabel);
    EXPECT_EQ(window.BackingStore().copy(area), clean);
}
