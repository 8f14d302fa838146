#pragma once
// QBTNDLG, the quick view bar: a small modeless row of push buttons on the main window's menu-bar line
// that switches display modes of the log with one click (survey values, the image view, custom tracks,
// pictures). The main window keeps one (ToolWindows::quickBar).
#include "platform/ui/dialog.h"
#include "shell/quickbar.h"
#include "shell/ui/barlinks.h"

namespace shell {

class QBTNDLG : public platform::Dialog {
    Q_OBJECT
public:
    // Button ids of the bar's resource.
    enum : int { ID_5INCH = 101, ID_1INCH = 103, ID_HORZ = 104, ID_SURVEY = 105, ID_ZOOM = 106, ID_CUSTOM = 107, ID_PICTURES = 108 };

    // `mode`: 0 for the plain log, otherwise the vertical scale index.
    QBTNDLG(shell::BarLinks links, int mode);

    // Moves the bar to its place on the owner's menu-bar line (hidden while it moves, not activated).
    void Place();
    // The horizontal-view and survey buttons as the views stand; `mode` 0 takes the owner's vertical
    // scale index. The horizontal-view button is shown in every mode but 0.
    void UpdateViewButtons(int mode);
    int Mode() const { return mode_; }
    // Writes the bar's left and top into the well's settings record.
    void SavePosition();

    // Where the bar goes for the owner as it stands now.
    shell::QuickBarInputs PlaceInputs(bool atCreation) const;

protected:
    void SetupWindow() override;

private:
    void Apply(const shell::QuickBarPlace& place);
    void CmSurvey();
    void CmZoom();
    void CmCustomTracks();
    void CmPictures();
    void CmHorizontalView();

    QMainWindow& Owner() const { return *links_.window; }

    shell::BarLinks links_;
    int mode_;
    int rowHeight_;  // the owner's row height when the bar was made
};

}  // namespace shell
