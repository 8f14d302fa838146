#pragma once
// Drilling mode on the main window: the status band, the new depth line of each step, the "Drilling
// Status" box and the backup reminder button. Everything is drawn into the window's backing store and
// then shown with an update of the rectangle drawn; inside a paint the band goes on the paint's Dc.
// Nothing is drawn while the window holds its painting back or an image of the log is being made.
#include "drilling/draw/statusband.h"
#include "drilling/drillinghost.h"

#include <QPointer>

#include <functional>

class QPushButton;
class QWidget;

namespace app {
struct LogState;
}
namespace logview {
struct ViewGeometry;
}
namespace platform {
class Dc;
}

namespace drilling {

class TOOLBAR;

// Where the "Drilling Status" box goes on the main window's client area: the left edge of the second
// log column, 10 pixels below the top margin.
struct BoxPlace {
    int x = 0, y = 0;
};
BoxPlace StatusBoxPlace(const DrillingWindow& w);

class DrillingStatusWindow final : public StatusCanvas, public DrillingLinks {
public:
    // `window` is the main window and `log` its state, both outliving this object; `clientTop` gives
    // the client area's top in the window, `command` sends a command (the reminder's 111) to it.
    DrillingStatusWindow(QWidget& window, app::LogState& log, std::function<int()> clientTop,
                         std::function<void(int id)> command);
    ~DrillingStatusWindow() override;
    DrillingStatusWindow(const DrillingStatusWindow&) = delete;
    DrillingStatusWindow& operator=(const DrillingStatusWindow&) = delete;

    // ---- StatusCanvas ----
    void Text(int x, int y, const QString& text, TextAlign align, FontRole font, platform::COLORREF colour,
              std::optional<platform::COLORREF> background = std::nullopt) override;
    void Fill(int left, int top, int right, int bottom, std::optional<platform::COLORREF> colour) override;

    // ---- Drilling's own window work ----
    // The new row of the log changed: the rate track, the depth column and the custom tracks of the last
    // two rows are drawn again.
    void DrawNewLine(const wellfile::RECORD& previous, const wellfile::RECORD& added, int y, bool survey) override;
    void ShowBackupReminder(std::int32_t depth, const QString& text = {}) override;
    void HideBackupReminder() override;
    void MakeStatusBox() override;
    void DestroyStatusBox() override;
    void ShowStatus(bool offBottom, bool circulating, int polarity) override;
    void GiveFocusBack() override;
    // The WITS link's half-step gas and, on a new whole depth, its booking.
    void WitsLagDepth(float lagDepth, int digit, bool newWholeDepth, bool companionDepth) override;
    // The custom link's booking of the step's gas, while the link runs.
    void CustomLinkLagDepth(float lagDepth, int digit, std::int32_t bottomDepth) override;
    void ClearWitsNewData() override;
    // A memo of its own (the date at a day change): a memo being edited keeps its place and its text.
    void AddMemo(const QString& text, int x, std::int32_t depth) override;
    // The well's file of that extension copied out (the window's copy-out).
    void CopyWellFileOut(const QString& extension) override;
    // Hands the automatic custom LAS export to `exportCustomLas`.
    void ExportCustomLas(std::int32_t first, std::int32_t last) override
    {
        if (exportCustomLas)
            exportCustomLas(first, last);
    }
    std::function<void(std::int32_t first, std::int32_t last)> exportCustomLas;
    // Hands the update package to `buildUpdatePackage`.
    void BuildUpdatePackage() override
    {
        if (buildUpdatePackage)
            buildUpdatePackage();
    }
    std::function<void()> buildUpdatePackage;
    // Hands the dated backup copy of a drilling step to `backupData`; false without one.
    bool BackupData() override { return backupData && backupData(); }
    std::function<bool()> backupData;
    // Hands the status line's text to `statusText`.
    void SetStatusText(const QString& text) override
    {
        if (statusText)
            statusText(text);
    }
    std::function<void(const QString&)> statusText;

    // ---- The band ----
    // The whole band on `dc` (the log's title painter, while drilling).
    void DrawBand(platform::Dc& dc, const logview::ViewGeometry& g);
    // The link line and the remote update line again, into the backing store; the highlight blinks them.
    int DrawLinkStatus(bool highlight);
    int DrawRemoteUpdate(bool highlight);

    // ---- The status box, for the WITS link that takes it away and brings it back ----
    bool StatusBoxExists() const override;
    TOOLBAR* StatusBox() const;
    QPushButton* BackupReminderButton() const;

    // What the band shows, from the window's state.
    StatusBand BandOf(const logview::ViewGeometry& g) const;

private:
    // Runs `draw` on the paint's Dc, or on a Dc over the backing store; false when nothing may be drawn.
    bool Draw(const std::function<void(platform::Dc&)>& draw);
    void Show(int left, int top, int right, int bottom);

    QWidget& window_;
    app::LogState& log_;
    std::function<int()> clientTop_;
    std::function<void(int)> command_;
    platform::Dc* paintDc_ = nullptr;  // the paint's Dc while the band is drawn in a paint
    QPointer<TOOLBAR> box_;
    QPointer<QPushButton> reminder_;
};

}  // namespace drilling
