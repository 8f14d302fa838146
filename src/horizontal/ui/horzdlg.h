#pragma once
// HorzDlg: the modeless horizontal-well view (dialog 48). It owns the view's working settings, depth
// range, zoom, scroll and markers; every change of the set-up is written to the well's ".hor" first and
// then drawn again through LoadAndDraw.
#include "horizontal/draw/horznotes.h"
#include "horizontal/draw/horzplot.h"
#include "horizontal/horznotes.h"
#include "horizontal/horzsetup.h"
#include "horizontal/horzview.h"
#include "platform/ui/dialog.h"

#include <QImage>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QScrollBar;

namespace app {
struct LogState;
}
namespace wellfile {
struct PRINTCFG;
}

namespace horizontal {

class HorzMouse;
class HorzNoteEdit;

enum HorzControl : int {
    kViewHeaderButton = 101, kCloseButton = 102, kSetupButton = 1012, kZoomInButton = 1013, kZoomOutButton = 1014,
};

class HorzDlg final : public platform::Dialog {
    Q_OBJECT
public:
    // `closed` runs once the view has closed by itself (its close box): the owner forgets it.
    // `runSetup` runs the set-up dialog on this view and answers 1 when it ended with CLOSE.
    HorzDlg(QWidget* owner, app::LogState& log, std::function<void()> closed = {},
            std::function<int(HorzDlg&)> runSetup = {});
    ~HorzDlg() override;

    // Reads the records and the set-up, fixes the range and draws the plot (`first` 1 on the first load,
    // which may move the draw-from depth): 1 when drawn, 0 when the well has no horizontal part, -1
    // when no image could be made (said; the old plot then stays).
    int LoadAndDraw(int first);
    // Puts the image on the window; false when there is none.
    bool BlitView(int x = 0);
    // The plot without notes copied back and the note texts drawn again, then shown (an open note editor
    // hidden).
    void RestorePlotImage();
    void RedrawNotes();
    // The drawing's steps (tests count them).
    HorzPainters& Painters() { return painters_; }
    const HorzPlot& Plot() const { return plot_; }
    // Reads the record into the working settings (view defaults written when there is none).
    int ApplySetup();
    void CmZoomIn(bool ctrl = false);
    void CmZoomOut(bool ctrl = false);
    void CmViewHeader();
    bool ToggleSurveyDisplay();  // the new survey flag
    void CmSetup();
    void EvSize();
    void EvHScroll(ScrollCode code, int thumb);
    // Stores markers, sections, scroll position, draw-from depth and section count; once.
    void CloseView();
    // The view's own close: refused with a beep while a set-up or note dialog is open.
    void Destroy();

    // The open note text dialog (none: null), set by the notes while one runs.
    void SetNoteDialog(QWidget* dialog) { noteDialog_ = dialog; }
    void SetSetupDialog(QWidget* dialog) { setupDialog_ = dialog; }
    QWidget* ChildDialog() const { return setupDialog_ ? setupDialog_.data() : noteDialog_.data(); }

    // The depth notes (horzdlgnotes.cpp). The table is read from the well's ".hxt" when the set-up is
    // applied and after every store; Load/Save say what failed and answer false.
    bool LoadNotes();
    bool SaveNotes();
    // Draws the notes into the plot image (`lastIndex` 0: all), and shows it when `blit`.
    bool DrawNotes(int lastIndex, bool blit);
    // The in-place editor on `rect` (window pixels) with `text`; an open one is deleted first.
    // `keepUnchanged`: `text` is the note's own, stored as it is when left unchanged.
    void OpenNoteEditor(const platform::RECT& rect, const QByteArray& text = {}, bool keepUnchanged = false);
    // The editor's text stored at window position (x, y) for the note under edit, or as a new note.
    void StoreNote(const QByteArray& text, int x, int y);
    // Escape in the editor: the text a resize took back into its note, the editor gone.
    void CancelNoteEdit();
    // The mouse code's double click at window (x, y): the note there opens in the editor, else an empty
    // editor opens for a new note. False when neither.
    bool EditNoteAt(int x, int y);
    // The mouse code's resize of note `index` to `rect`: its text is kept aside and opened, without its
    // soft line breaks (a hard one becomes a blank), in an editor on `rect`, where Ctrl+Enter re-wraps it
    // and Escape puts it back.
    void ResizeNote(int index, const platform::RECT& rect);
    // Printing and pictures (horzdlgprint.cpp). One page of the view image onto the printer: the pages
    // left including this one, 0 after the last or on failure.
    int StretchImageTo(platform::Dc& printer, wellfile::PRINTCFG& cfg, float rowHeight, int page);
    // Picture k of those in range opened with the desktop's program for it, else (said) in the program's
    // own picture viewer; false (and said) when it is missing or no picture.
    bool LaunchPaintProgram(int k);
    // A click at window (x, y), or at image (x, y) as the mouse code's `openPicture` gives it: the picture
    // whose box is there opens (or its failure is said). False when no box is there.
    bool OpenPictureAt(int x, int y);
    bool OpenPictureInImage(int x, int y);
    const HorzPictureLists& Pictures() const { return plot_.pictureList; }
    NoteTable& Notes() { return notes_; }
    const NoteDrawing& NoteHandles() const { return noteDrawing_; }
    HorzNoteEdit* NoteEditor() const;

    // The drawn range, as the loader leaves it (least and greatest TVD, sections, high-angle records).
    void SetDepthRange(std::int32_t leastTvd, std::int32_t greatestTvd);
    void SetSections(const std::array<wellfile::HorzSection, kMaxSections>& sections, int count, int highAngleCount);

    // What the view holds, for its owner and the tests.
    const HorzViewSettings& Settings() const { return settings_; }
    std::vector<wellfile::HorzMarker>& Markers() { return settings_.markers; }
    std::int32_t DrawFrom() const { return drawFrom_; }
    std::int32_t PlotLeft() const { return headerShown_ ? 500 : 50; }
    int ScrollPosition() const { return scroll_; }
    bool HeaderShown() const { return headerShown_; }
    bool SurveyDisplay() const { return surveyDisplay_; }
    // The window of the plot the view holds: plot columns from ImageLeft() on.
    const QImage& Image() const { return plot_.image.image; }
    int ImageLeft() const { return plot_.imageLeft; }
    // The wheel, keys and mouse of the view (ui/horzmouseui.cpp).
    HorzMouse& Mouse() { return *mouse_; }
    QScrollBar* ScrollBar() const { return scrollBar_; }
    int Redraws() const { return redraws_; }
    int LastDrawArgument() const { return lastDraw_; }

protected:
    void SetupWindow() override;
    bool CanClose() override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    friend class HorzMouse;
    void SaveRecord(const wellfile::HorzSetupRecord& r);
    // The well's ".hor", or the view's defaults when it cannot be read: never a zeroed record.
    std::unique_ptr<wellfile::HorzSetupRecord> ReadRecordOrDefaults() const;
    void Publish();
    void FillPlotInputs(HorzPlot& plot, const LoadPlan& plan, const wellfile::HorzSetupRecord& r);
    void FillCurveInputs(HorzPlot& plot) const;
    void AfterDrawing(const wellfile::HorzSetupRecord& read);
    void LoadFiles(HorzPlot& plot, std::int32_t leastTvd);
    // Draws the window again when the columns shown have left it.
    void EnsureWindow();
    bool SaveImageFile();
    void PaintCustomTracks(platform::Dc& dc, HorzPlot& plot);
    NoteFile NoteFileOf() const;
    NoteStyles NoteStylesOf();
    NoteView NoteViewNow() const;
    void CloseNoteEditor();
    QString PicturesFolder() const;

    app::LogState& log_;
    std::function<void()> closed_;
    std::function<int(HorzDlg&)> runSetup_;
    HorzViewSettings settings_;
    std::array<wellfile::HorzSection, kMaxSections> sections_{};
    int sectionCount_ = 0;
    bool sectionsComputed_ = true;  // the drawing made one section of its own: the record's stay
    int highAngleCount_ = 0;
    std::int32_t drawFrom_ = 0, leastTvd_ = 0, greatestTvd_ = 0;
    bool headerShown_ = false;
    bool surveyDisplay_ = false;
    bool drawn_ = false;
    bool closedView_ = false;
    bool windowFailed_ = false;  // a window could not be drawn again (said once)
    int scroll_ = 0;
    int redraws_ = 0;
    int lastDraw_ = -1;
    std::vector<wellfile::RECORD> records_;  // the last load's records (read + padded)
    HorzPlot plot_;
    HorzPainters painters_ = DefaultPainters();
    QScrollBar* scrollBar_ = nullptr;
    QPointer<QWidget> setupDialog_;
    QPointer<QWidget> noteDialog_;
    NoteTable notes_;
    NoteDrawing noteDrawing_;
    QPointer<QWidget> noteEdit_;
    int editNote_ = -1;                        // the note under edit
    std::optional<QByteArray> savedNoteText_;  // its text before a resize
    platform::RECT editRect_;
    bool newNote_ = false;                     // the editor was opened on an empty spot
    std::unique_ptr<HorzMouse> mouse_;
    HorzPrintPosition printAt_;                // the print run's place in the image
};

}  // namespace horizontal
