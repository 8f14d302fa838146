// Notes on the real-time gas chart, through mouse and key events sent to the window, with the day file
// read back after each change; and the chart printed on the test printer and read back from its PDF.
#include "app/logstate.h"
#include "gasmon/chartfile.h"
#include "gasmon/chartnotes.h"
#include "gasmon/ui/chartdlg.h"
#include "support/doubles.h"
#include "support/pdfpages.h"
#include "support/printers.h"
#include "support/testmain.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace gasmon;
using testing_support::doubles;
using testing_support::TestDir;

namespace {

const QDate kToday(2026, 1, 15);
constexpr platform::COLORREF kHw = platform::RGB(255, 0, 0);

class ChartNotes : public ::testing::Test {
protected:
    ChartNotes()
    {
        log.well.file.dataFolder = TestDir();
        log.well.file.currentFolder = TestDir();
        log.well.file.wellName = "ALPHA";
        log.well.timeZoneAdjust = 0;
        log.well.file.drilling = true;
        log.layout.pens.table.entry[0].colour = kHw;
        log.layout.pens.table.entry[0].width = 1;
        // 23:13:20 is slot 41,800: the view starts at 41,000.
        doubles().clock.now = QDateTime(kToday, QTime(23, 13, 20));
        EXPECT_EQ(WriteChartRecords(ChartPlace{}, nullptr, 0, Path()), 1);
    }

    static QString Path() { return ChartFileName(TestDir() + "chart/", "ALPHA", kToday); }

    static CHARTRECORD Slot(int slot)
    {
        CHARTRECORD r;
        QFile f(Path());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        f.seek(qint64(slot) * kChartRecordSize);
        EXPECT_EQ(f.read(reinterpret_cast<char*>(&r), sizeof r), qint64(sizeof r));
        return r;
    }
    static void Put(const CHARTRECORD& r) { ASSERT_EQ(WriteChartRecords(ChartPlace{}, &r, 1, Path()), 1); }
    static QByteArray FileBytes()
    {
        QFile f(Path());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
    static CHARTRECORD Noted(int slot, const char* text, int level)
    {
        CHARTRECORD r = PresetChartRecord(kToday, slot);
        SetNoteText(r, text);
        r.noteLevel = std::uint16_t(level);
        return r;
    }

    std::unique_ptr<ChartDlg> Open()
    {
        auto chart = std::make_unique<ChartDlg>(nullptr, log);
        chart->resize(550, 1000);  // a plot 500 wide: scale 250 is 2.0 pixels a unit
        chart->Create();
        return chart;
    }

    static void Mouse(ChartDlg& chart, QEvent::Type type, Qt::MouseButton button, QPoint at)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent e(type, at, chart.mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&chart, &e);
    }
    static void Drag(ChartDlg& chart, QPoint from, QPoint to)
    {
        Mouse(chart, QEvent::MouseButtonPress, Qt::LeftButton, from);
        Mouse(chart, QEvent::MouseMove, Qt::LeftButton, to);
        Mouse(chart, QEvent::MouseButtonRelease, Qt::LeftButton, to);
    }
    static void RightClick(ChartDlg& chart, QPoint at) { Mouse(chart, QEvent::MouseButtonPress, Qt::RightButton, at); }
    static void DoubleClick(ChartDlg& chart, QPoint at) { QTest::mouseDClick(&chart, Qt::LeftButton, {}, at); }

    app::LogState log;
};

TEST_F(ChartNotes, ADoubleClickTypesANoteOntoTheSampleOfItsRow)
{
    auto chart = Open();
    ASSERT_EQ(chart->ViewStart(), 41000);
    ASSERT_EQ(chart->Geometry().PlotWidth(), 500);
    EXPECT_EQ(chart->SampleAt(0, 220), 41750);
    // The file differs from the chart's day in slots 41,705 and 41,715: only the first is rewritten.
    for (int slot : {41704, 41705, 41715}) {
        CHARTRECORD r = PresetChartRecord(kToday, slot);
        r.depth = 9;
        Put(r);
    }

    DoubleClick(*chart, {300, 320});
    ChartNoteEdit* edit = chart->NoteEdit();
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->geometry(), QRect(300, 300, 140, 20));
    QTest::keyClicks(edit, "ABCDEFGHIJKLMNOPQRSTUVWXY");
    EXPECT_EQ(edit->text(), "ABCDEFGHIJKLMNOPQRS");
    QTest::keyClick(edit, Qt::Key_Return);

    const CHARTRECORD placed = Slot(41710);
    EXPECT_STREQ(placed.note, "ABCDEFGHIJKLMNOPQRS");
    EXPECT_EQ(+placed.noteLevel, 150);
    EXPECT_EQ(+Slot(41705).depth, 0) << "rewritten from the day";
    EXPECT_EQ(+Slot(41704).depth, 9);
    EXPECT_EQ(+Slot(41715).depth, 9);
    EXPECT_FALSE(chart->NoteEdit());
    EXPECT_FALSE(chart->noteEditOpen);
    EXPECT_EQ(chart->WindowImage().pixel(300, 310), qRgb(0, 0, 0)) << "its box's left edge, on its row";

    // Escape drops what was typed.
    const QByteArray before = FileBytes();
    DoubleClick(*chart, {300, 400});
    ASSERT_TRUE(chart->NoteEdit());
    QTest::keyClicks(chart->NoteEdit(), "XYZ");
    QTest::keyClick(chart->NoteEdit(), Qt::Key_Escape);
    EXPECT_FALSE(chart->NoteEdit());
    EXPECT_EQ(FileBytes(), before);

    log.well.file.drilling = false;
    DoubleClick(*chart, {300, 320});
    EXPECT_FALSE(chart->NoteEdit()) << "notes are typed while drilling";
}

TEST_F(ChartNotes, DoubleClicksInTheScaleBandStepTheFullScaleOnTheLinearScaleOnly)
{
    auto chart = Open();
    ASSERT_EQ(chart->ScaleIndex(), 1);
    DoubleClick(*chart, {200, 90});
    EXPECT_EQ(chart->ScaleIndex(), 2);
    DoubleClick(*chart, {99, 80});
    DoubleClick(*chart, {50, 105});
    EXPECT_EQ(chart->ScaleIndex(), 0);
    DoubleClick(*chart, {50, 90});
    EXPECT_EQ(chart->ScaleIndex(), 6) << "back from 100 to 10000";
    DoubleClick(*chart, {100, 90});
    EXPECT_EQ(chart->ScaleIndex(), 0) << "forward from 10000 to 100";
    DoubleClick(*chart, {200, 79});
    DoubleClick(*chart, {200, 106});
    EXPECT_EQ(chart->ScaleIndex(), 0) << "outside the band";

    chart->SetCheck(kLogScaleCheck, 1);
    chart->ToggleLogScale();
    DoubleClick(*chart, {200, 90});
    EXPECT_EQ(chart->ScaleIndex(), 0);
}

TEST_F(ChartNotes, ANoteIsDraggedToAnotherRowAndEditedInPlace)
{
    Put(Noted(41710, "GAS PEAK", 150));
    auto chart = Open();
    ASSERT_EQ(chart->Notes().size(), 1u);
    const platform::RECT box = chart->Notes()[0].box;
    EXPECT_EQ(box.left, 300);
    EXPECT_EQ(box.top, 300);

    // One row down is the older sample; the outline follows the mouse without a trail.
    Mouse(*chart, QEvent::MouseButtonPress, Qt::LeftButton, {305, 305});
    Mouse(*chart, QEvent::MouseMove, Qt::LeftButton, {310, 400});
    Mouse(*chart, QEvent::MouseMove, Qt::LeftButton, {310, 302});
    EXPECT_NE(chart->WindowImage().pixel(310 + box.Width() / 2, 400), qRgb(0, 0, 0));
    Mouse(*chart, QEvent::MouseButtonRelease, Qt::LeftButton, {310, 302});
    EXPECT_STREQ(Slot(41709).note, "GAS PEAK");
    EXPECT_EQ(+Slot(41709).noteLevel, 155);
    EXPECT_EQ(Slot(41710).note[0], 0);
    ASSERT_EQ(chart->Notes().size(), 1u);

    // Released on its own row: only the level changes.
    Drag(*chart, {315, 310}, {330, 303});
    EXPECT_STREQ(Slot(41709).note, "GAS PEAK");
    EXPECT_EQ(+Slot(41709).noteLevel, 165);

    // A press on the box's edge starts no drag; a right click there edits the note.
    const platform::RECT moved = chart->Notes()[0].box;
    Mouse(*chart, QEvent::MouseButtonPress, Qt::LeftButton, {moved.left, moved.top});
    EXPECT_FALSE(chart->Dragging());
    RightClick(*chart, {moved.left, moved.top});
    ChartNoteEdit* edit = chart->NoteEdit();
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->text(), "GAS PEAK");
    EXPECT_EQ(edit->pos(), QPoint(moved.left, moved.top));
    edit->selectAll();
    QTest::keyClicks(edit, "SHOW");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_STREQ(Slot(41709).note, "SHOW");
    EXPECT_EQ(+Slot(41709).noteLevel, 165);

    RightClick(*chart, {20, 900});
    EXPECT_FALSE(chart->NoteEdit());
    EXPECT_FALSE(chart->noteEditOpen);
}

TEST_F(ChartNotes, EveryNoteDrawnCanBeFoundBeyondAHundred)
{
    // 120 notes, one every second sample from the top row, in ten columns 50 pixels apart.
    for (int k = 0; k < 120; ++k)
        Put(Noted(41800 - 2 * k, qPrintable(QStringLiteral("N%1").arg(k)), (k % 10) * 25));
    auto chart = Open();
    ASSERT_EQ(chart->Notes().size(), 120u);
    for (const ChartNoteBox& n : chart->Notes()) {
        RightClick(*chart, {n.box.left + 2, n.box.top + 2});
        ASSERT_TRUE(chart->NoteEdit());
        EXPECT_EQ(chart->NoteEdit()->text(), QStringLiteral("N%1").arg((41800 - n.sample) / 2));
    }
    const ChartNoteBox last = chart->Notes().back();
    ASSERT_EQ(last.sample, 41800 - 2 * 119);
    Drag(*chart, {last.box.left + 2, last.box.top + 2}, {400, last.box.top - 42});
    EXPECT_EQ(chart->Day()[std::size_t(last.sample)].note[0], 0);
    EXPECT_STREQ(Slot(last.sample + 21).note, "N119");
}

TEST_F(ChartNotes, OnlySamplesOfTheDayTakeNotes)
{
    doubles().clock.now = QDateTime(kToday, QTime(23, 59, 58));
    auto chart = Open();
    chart->CmZoom();
    chart->CmZoom();
    ASSERT_EQ(chart->PixelsPerSample(), 1);
    ASSERT_EQ(chart->ViewStart(), 42390);
    const QByteArray before = FileBytes();
    EXPECT_EQ(chart->SampleAt(10, 0), 43310);
    chart->PlaceNote("PAST THE DAY", 10, 0);
    EXPECT_EQ(FileBytes(), before);

    // The last sample of the day: the slots written stop at the day's end.
    chart->PlaceNote("LAST", 10, 111);
    EXPECT_STREQ(Slot(43199).note, "LAST");
    EXPECT_EQ(FileBytes().size(), kChartDayFileSize);
    EXPECT_EQ(NoteSlotsAround(2).first, 0);
    EXPECT_EQ(NoteSlotsAround(2).count, 7);

    // Dragged above the first row: nothing moves.
    chart->PlaceNote("TOP", 10, 120);
    ASSERT_EQ(chart->Notes().size(), 1u);
    const platform::RECT box = chart->Notes()[0].box;
    const QByteArray placed = FileBytes();
    Drag(*chart, {box.left + 2, box.top + 2}, {10, 0});
    EXPECT_EQ(FileBytes(), placed);
    EXPECT_STREQ(chart->Day()[43190].note, "TOP");
}

TEST_F(ChartNotes, ANoteWithoutItsNulIsReadWithinItsFieldAndAFailedWriteIsReported)
{
    CHARTRECORD full = Noted(41710, "", 150);
    std::memset(full.note, 'A', sizeof full.note);
    Put(full);
    auto chart = Open();
    EXPECT_EQ(NoteText(chart->Day()[41710]), QByteArray(20, 'A'));
    ASSERT_EQ(chart->Notes().size(), 1u);
    RightClick(*chart, {305, 305});
    ASSERT_TRUE(chart->NoteEdit());
    EXPECT_EQ(chart->NoteEdit()->text(), QString(19, 'A'));
    QTest::keyClick(chart->NoteEdit(), Qt::Key_Return);
    EXPECT_EQ(NoteText(Slot(41710)), QByteArray(19, 'A')) << "written with its NUL";

    // The day file cannot be written: the user is told and the note stays on the chart.
    ASSERT_TRUE(QFile::remove(Path()));
    ASSERT_TRUE(QDir().mkpath(Path()));
    chart->PlaceNote("KEPT", 300, 400);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Chart File Write Error");
    EXPECT_EQ(doubles().prompter.messages[0].text, Path());
    EXPECT_EQ(chart->Notes().size(), 2u);
}

TEST_F(ChartNotes, PrintsOnePageOnTheDefaultPrinterWithoutThePrintDialog)
{
    log.well.loggerId = 2;
    // Samples 43,185-43,190 and 39,990-39,995 at 100 (x 800), the ones just outside the page at 60.
    std::vector<CHARTRECORD> day;
    for (int i = 39980; i < kChartSlotsPerDay; ++i) {
        CHARTRECORD r = PresetChartRecord(kToday, i);
        if ((i >= 43185 && i <= 43190) || (i >= 39990 && i <= 39995))
            r.hotWire = 100;
        else if (i > 43190 || i < 39990)
            r.hotWire = 60;
        if (i >= 41990 && i <= 42010)
            r.depth = std::uint16_t(i <= 42000 ? 1500 : 1501);
        if (i >= 42490 && i <= 42510)
            r.lagDepth = std::uint16_t(i <= 42500 ? 1400 : 1401);
        if (i == 42600) {
            SetNoteText(r, "GASPEAK");
            r.noteLevel = 150;
        }
        day.push_back(r);
    }
    ASSERT_EQ(WriteChartRecords(ChartPlace{}, day.data(), int(day.size()), Path()), 1);
    doubles().printers.defaultPrinter = testing_support::TestPrinter("Chart", "FILE:", 300, QSizeF(8.5, 11));
    auto chart = Open();
    ASSERT_EQ(chart->ViewStart(), 41000);
    ASSERT_TRUE(chart->Control(kPrintButton)->isVisibleTo(chart.get()));
    qobject_cast<QAbstractButton*>(chart->Control(kPrintButton))->click();
    EXPECT_EQ(doubles().printers.printDialogs, 0);

    const QString pdf = TestDir() + "printed.pdf";
    ASSERT_EQ(testing_support::PdfPageCount(pdf), 1);
    const QImage page = testing_support::RasterisePdf(pdf, 300);
    ASSERT_FALSE(page.isNull());
    using testing_support::At;
    const platform::COLORREF dark = kChartDarkColour;
    auto darkNear = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (page.rect().contains(x + dx, y + dy) && At(page, x + dx, y + dy) == dark)
                    return true;
        return false;
    };
    const int row = 1605;  // no minute line
    for (int x : {0, 200, 500, 800, 1100, 1400, 1700})
        EXPECT_TRUE(darkNear(x, row)) << "dark line at " << x;
    int grey = 0, white = 0;  // along a dotted grid line
    for (int y = 1000; y < 1100; ++y)
        (At(page, 230, y) == kChartGridColour ? grey : white) += 1;
    EXPECT_GT(grey, 10);
    EXPECT_GT(white, 10);

    // The newest sample at the top, 43,190 on the first row and 39,991 on the last.
    EXPECT_EQ(At(page, 800, 0), kHw);
    EXPECT_EQ(At(page, 800, 3199), kHw);
    for (int y : {0, 1, 3199, 3200, 3201})
        for (int x = 555; x < 566; ++x)
            ASSERT_NE(At(page, x, y), kHw) << x << "," << y;
    // A depth change: the tick from 0 to 40 on the row of sample 42,000.
    EXPECT_TRUE(darkNear(20, 43190 - 42000));

    const std::vector<testing_support::PdfWord> words = testing_support::PdfWords(pdf);
    auto word = [&](const QString& text) -> const testing_support::PdfWord* {
        for (const auto& w : words)
            if (w.text == text)
                return &w;
        return nullptr;
    };
    constexpr double kPt = 72.0 / 300;
    // Time labels every ten minutes right of the plot, the newest highest, none beyond the page.
    const testing_support::PdfWord* newest = word("23:50");
    const testing_support::PdfWord* oldest = word("22:20");
    ASSERT_TRUE(newest && oldest);
    EXPECT_NEAR(newest->xMin, 1710 * kPt, 1.5);
    EXPECT_NEAR(newest->yMin, (43190 - 42900 - 25) * kPt, 3);
    EXPECT_NEAR(oldest->yMin, (43190 - 40200 - 25) * kPt, 3);
    EXPECT_FALSE(word("22:10"));
    EXPECT_FALSE(word("23:45")) << "every ten minutes";
    EXPECT_TRUE(word("1501") && word("1401")) << "the newer depth and lag depth";
    const testing_support::PdfWord* note = word("GASPEAK");
    ASSERT_TRUE(note);
    EXPECT_NEAR(note->xMin, (150 * 6 + 2) * kPt, 1.5);
    EXPECT_NEAR(note->yMin, (43190 - 42600 + 2) * kPt, 3);
}

}  // namespace
