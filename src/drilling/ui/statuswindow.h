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

class DrillingStatusWindow final : public StatusCanvas, public DrillingStatusBox, public StatusNotes {
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
    void FileLineChanged() override;

    // ---- The status box ----
    void MakeStatusBox() override;
    void DestroyStatusBox() override;
    bool StatusBoxExists() const override;
    void ShowStatus(bool offBottom, bool circulating, int polarity) override;
    void GiveFocusBack() override;

    // ---- The reminder and the status line ----
    void ShowBackupReminder(std::int32_t depth, const QString& text = {}) override;
    void HideBackupReminder() override;
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
