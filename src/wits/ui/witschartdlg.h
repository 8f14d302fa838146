#pragma once
// The WITS history chart: a modeless window charting one day of WITS samples (the daily file of the
// open well) as a vertical strip chart, time running down, with the latest values as read-outs, the
// on-bottom box, day stepping, a jump to a depth, the samples as a text table and a printout. Its window
// timer 6 keeps it on today's file while drilling.
#include "platform/services.h"
#include "platform/ui/dialog.h"
#include "wellfile/witsrecord.h"
#include "wits/chartdays.h"
#include "wits/chartsettings.h"
#include "wits/ui/witscfgdlg.h"

#include <QImage>
#include <QPointer>

#include <functional>
#include <optional>
#include <memory>
#include <vector>

class QScrollBar;

namespace app {
struct LogState;
}
namespace platform {
class Printer;
}

namespace wits {

// Control ids of dialog 52.
enum WitsChartControl : int {
    kLastUpdateEdit = 101, kPitVolEdit = 102, kTorqueEdit = 103, kHoleDepthEdit = 104, kBitDepthEdit = 105,
    kWobEdit = 106, kRpmEdit = 107, kPpEdit = 108, kSpmEdit = 109, kSpm2Edit = 110, kFlowEdit = 111,
    kTotGasEdit = 112, kRopEdit = 113, kSpm3Edit = 114, kDataList = 115, kNextDayButton = 116,
    kPrevDayButton = 117, kCurrentViewButton = 118, kGoToButton = 119, kPrintButton = 120, kBrowseButton = 121,
    kLagMinEdit = 122, kViewDataButton = 126, kDataHeader = 127,
};

constexpr int kChartTimer = 6;
constexpr int kChartTimerMs = 20000;

class WitsChartDlg final : public platform::Dialog {
    Q_OBJECT
public:
    // `closed` runs once the window has closed itself (close box, CloseWindow): the owner forgets it
    // and unchecks its menu item.
    WitsChartDlg(QWidget* owner, app::LogState& log, std::function<void()> closed = {});
    ~WitsChartDlg() override;

    // The screen rectangle the window opens at: the settings file's (moved up to end at the screen's
    // bottom when its top lies below it), else client left + 20, client bottom - 450, 850 x 400.
    static QRect Placement(app::LogState& log, const QRect& ownerClient, int screenHeight);

    void FirstLoad();
    // Ends a running settings dialog, stores the window's place in the settings file, stops the timer
    // and lets go of the image and the scroll bar. Runs once; the destructor runs it when nobody did.
    void CloseChart();
    // CloseChart, then the window goes and its owner is told.
    void CloseWindow();
    // Stores the window's place in the settings file when that file reads; always agrees to close.
    bool SaveWindowState();

    void CmCurrentDay();
    void CmNextDay();
    void CmPrevDay();
    void CmBrowse();
    void CmGoTo();
    void CmViewData();
    void CmPrint();
    // Looks for `depth` day by day before (`backwards`) or after the shown one; true when it was found.
    bool SearchDepth(int depth, bool backwards);

    // Fills the read-outs, the on-bottom box and the caption from one sample of `samples`.
    void UpdateLive(const std::vector<wellfile::WITSRECORD>& samples, int index, bool useNow);
    void Redraw();
    // What a repaint of the window does.
    void Refresh();
    void EvTimer(int id);
    void EvVScroll(int code, int thumbPosition, bool ctrl = false);
    void EvSize();
    void EvRButtonDown(int x);

    // What the window shows and holds, for its owner and the tests.
    const QImage& WindowImage() const { return window_; }
    const QImage& ChartImage() const { return image_; }
    const std::vector<wellfile::WITSRECORD>& Samples() const { return samples_; }
    const ChartBlocks& Blocks() const { return blocks_; }
    int ViewIndex() const { return viewIndex_; }
    int ViewHeight() const { return viewHeight_; }
    int ImageWidth() const { return imageWidth_; }
    ChartDay ShownDay() const { return shownDay_; }
    const QString& FilePath() const { return filePath_; }
    const QString& StatusText() const { return statusText_; }
    bool TableHidden() const { return tableHidden_; }
    QScrollBar* ScrollBar() const { return scrollBar_; }
    platform::WindowTimers* Timers() const { return timers_.get(); }
    WitsCfgDlg* SettingsDialog() const { return cfgDlg_; }

protected:
    void SetupWindow() override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    bool Viewing() const;
    // What "LAG MIN" shows.
    float LagMinutes() const;
    QTime Now() const;
    int RowHeight() const;
    QString DayFile(const ChartDay& d) const;
    ChartDay Today() const;
    void EnableNextDay();
    void StepShownDay(int step);
    // Loads the file path; a file that gives no sample shows `emptyText`, or by default "File Read
    // Failed NO DATA" (not on a viewing station of the second or third kind).
    bool ReadDayFile(const QString& emptyText = {});
    void ShowImageAt(bool repaint);
    void DrawBottomBox(const wellfile::WITSRECORD& s, BottomState state, const QString& time);
    void TimeZoneInfo();
    void StoreWindowRect(WITSCHARTCFG& record) const;
    void MakeImage();
    QString SettingsPath() const;
    platform::RECT OwnerClient() const;

    app::LogState& log_;
    std::function<void()> closed_;
    std::vector<wellfile::WITSRECORD> samples_;
    QPointer<WitsCfgDlg> cfgDlg_;
    WITSCHARTCFG record_{};
    std::unique_ptr<platform::Printer> printer_;
    QString filePath_;
    QScrollBar* scrollBar_ = nullptr;
    QWidget* tableArea_ = nullptr;
    QImage window_;  // the client area as drawn: band, scale header, on-bottom box and view
    QImage image_;   // the day, W x 14,400
    ChartBlocks blocks_{};
    std::unique_ptr<platform::WindowTimers> timers_;
    QString statusText_;
    bool tableHidden_ = true;
    bool imageDirty_ = true;
    bool painting_ = false;
    bool refreshOwed_ = true;
    bool closedChart_ = false;
    int imageWidth_ = 0;
    int viewHeight_ = 300;
    int viewIndex_ = 0;
    int tickCounter_ = 0;
    int timeZoneOffset_ = 0;
    ChartDay shownDay_;
    int lastTickDay_ = 0;
    std::optional<ChartDay> timeZoneInfoShown_;  // the shown day the "Time Zone Info" box came up for
};

}  // namespace wits
