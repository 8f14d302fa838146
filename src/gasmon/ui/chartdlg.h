#pragma once
// The real-time gas chart: a modeless, resizable window showing one day of gas samples from a day chart
// file as a vertical strip chart (newest at the top, p pixels per 2-second sample), following the gas
// monitor's new samples while it shows today. Day steps, "Current View", "Browse", scrolling, zoom, the
// logarithmic scale and the samples as text; its window timer 10 moves it to the new day just after
// midnight and reloads today's file when another station rewrote it. Notes are typed onto samples with
// a double click, dragged with the left button and edited with the right one, each change written to the
// day file at once; "Print" puts the chart on one page of the default printer.
#include "gasmon/chartnotes.h"
#include "gasmon/chartrecord.h"
#include "gasmon/chartview.h"
#include "gasmon/draw/gaschart.h"
#include "gasmon/ui/chartnoteedit.h"
#include "platform/draw/dc.h"
#include "platform/services.h"
#include "platform/ui/dialog.h"

#include <QDate>
#include <QImage>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QScrollBar;
class QWidget;

namespace app {
struct LogState;
}
namespace platform {
class Printer;
}

namespace gasmon {

// Control ids of dialog 49.
enum ChartControl : int {
    kChartScrollBar = 4,
    kPreviousDayButton = 101, kNextDayButton = 102, kCurrentViewButton = 103, kTopTimeText = 104,
    kHwEdit = 105, kChromEdit = 106, kDepthIntervalEdit = 107, kGoToButton = 108, kTextViewList = 109,
    kTextViewHeading = 110, kViewDataButton = 111, kZoomButton = 112, kBrowseButton = 113, kPrintButton = 114,
    kRetentionTimesText = 115, kSampleNowButton = 116, kCloseBlockButton = 117, kLogScaleCheck = 118,
};

constexpr int kChartTimer = 10;
constexpr int kChartTimerMs = 5000;

class ChartDlg final : public platform::Dialog {
    Q_OBJECT
public:
    // `closed` runs once the window has gone by itself (the close box): the owner unchecks its menu
    // item and repaints.
    ChartDlg(QWidget* owner, app::LogState& log, std::function<void()> closed = {});
    ~ChartDlg() override;

    void CmPreviousDay();
    void CmNextDay();
    void CmCurrentView();
    void CmBrowse();
    void CmGoTo();
    void CmViewData();
    void ShowTextView(bool visible);
    void CmZoom();
    void ToggleLogScale();
    void EvTimer(int id);
    void EvSize();
    void EvVScroll(int code, int thumbPosition, bool ctrl = false);
    // New samples of the gas monitor (consecutive or not), each at its own record number.
    int AddSamples(const CHARTRECORD* records, int count);
    void ShowRetentionTimes(const std::array<std::int32_t, 8>& times);
    // The scale index stored with the chart's settings (0-6; anything else the default).
    void SetScaleIndex(int index);

    void Redraw();
    void PaintChart();
    void DrawScaleLabels();
    void UpdateDepthRange();
    // Saves the settings (place, scale, logarithmic flag), stops timer 10 (not while a WITS link runs)
    // and lets go of the scroll bar and the backing image. Runs once.
    void CloseChart();

    // Notes, at window points.
    void EvLButtonDown(int x, int y);
    void EvMouseMove(int x, int y);
    void EvLButtonUp(int x, int y);
    void EvRButtonDown(int x, int y);
    void EvLButtonDblClk(int x, int y);
    // Stores `text` (Windows-1252) as the note of the sample on the row at y, its level from x, and writes
    // the slots around it to the day file. No text at (0, 0) only ends the typing.
    void PlaceNote(const QByteArray& text, int x, int y);
    // The sample on the row at y (x is not used).
    int SampleAt(int x, int y) const;
    // Prints the chart on the default printer, without the print dialog.
    void CmPrint();
    // Draws the printed page.
    void PrintChart(platform::Dc& dc);

    // What the window shows and holds, for its owner and the tests.
    const QImage& WindowImage() const { return window_; }
    const std::vector<platform::DcText>& DrawnTexts() const { return texts_; }
    const std::vector<CHARTRECORD>& Day() const { return day_; }
    int ViewStart() const { return viewStart_; }
    int RecordsLoaded() const { return recordsLoaded_; }
    int PixelsPerSample() const { return pixelsPerSample_; }
    int ScaleIndex() const { return scaleIndex_; }
    bool LogScale() const { return logScale_; }
    QDate ShownDate() const { return shownDate_; }
    QDate CurrentDate() const { return currentDate_; }
    bool ShowingToday() const { return showingToday_; }
    const QString& Path() const { return path_; }
    const QString& ChartFolder() const { return chartFolder_; }
    ChartGeometry Geometry() const { return geometry_; }
    QScrollBar* ScrollBar() const { return scrollBar_; }
    platform::WindowTimers* Timers() const { return timers_.get(); }
    bool TextViewShown() const { return textViewShown_; }
    const std::vector<ChartNoteBox>& Notes() const { return notes_; }
    ChartNoteEdit* NoteEdit() const { return noteEdit_.data(); }
    bool Dragging() const { return dragging_; }

    // Set while a note is being typed on the chart: new samples then leave the drawing alone.
    bool noteEditOpen = false;

protected:
    void SetupWindow() override;
    bool CanClose() override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    QDate Today() const;
    QTime Now() const;
    QString DayPath(const QDate& date) const;
    void SetCaption();
    void LoadDay();
    void StepDay(int days);
    void MakeScrollBar();
    void SetScrollPosition();
    void FaceImage();
    // Draws the chart with the window's state and fills the top sample's read-outs.
    void DrawChartOn(platform::Dc& dc);
    ChartFrame Frame() const;
    double NotePixelsPerUnit() const;
    // Opens the note edit at (x, y) holding `text`; an edit already open goes first.
    void OpenNoteEdit(int x, int y, const QByteArray& text);
    void CloseNoteEdit();
    // Writes `count` slots of the day array from `first` into the shown day file.
    void WriteNoteSlots(int first, int count);
    void DrawOutline(const platform::RECT& box);

    app::LogState& log_;
    std::function<void()> closed_;
    std::vector<CHARTRECORD> day_;
    ChartPens pens_;
    QString path_;
    QString chartFolder_;
    QScrollBar* scrollBar_ = nullptr;
    QImage window_;  // the client area as drawn
    std::vector<platform::DcText> texts_;  // the texts of the last drawing
    std::unique_ptr<platform::WindowTimers> timers_;
    ChartGeometry geometry_;
    int pixelsPerSample_ = 2;
    int viewStart_ = 0;
    int recordsLoaded_ = 0;
    int scaleIndex_ = kDefaultChartScale;
    bool logScale_ = false;
    QDate shownDate_;
    QDate currentDate_;
    QDate lastDaySwitch_;  // the day the 00:05 switch last ran for
    bool showingToday_ = false;
    int timeOffset_ = 0;
    bool drawnOnce_ = false;
    bool textViewShown_ = false;
    bool closedChart_ = false;
    std::vector<ChartNoteBox> notes_;  // the notes of the last drawing
    QPointer<ChartNoteEdit> noteEdit_;
    bool dragging_ = false;
    int dragNote_ = 0;
    platform::RECT dragBox_;
    QImage dragBase_;  // the chart under the dragged box
    std::unique_ptr<platform::Printer> printer_;
    bool printing_ = false;
};

}  // namespace gasmon
