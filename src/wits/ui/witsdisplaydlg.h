#pragma once
// WitsDisplayDlg: the WITS data window (dialog 44), a small modeless window of the latest drilling
// values of a WITS link as text, the bytes received and sent, and the link-quality box. It knows nothing
// of WITS: a link hands it its 20 display texts after each read or send. The standard link and the
// custom link each make one when they connect and delete it when they disconnect; the user cannot
// close it.
#include "wits/custwitscfg.h"
#include "wits/witsdisplay.h"
#include "platform/ui/dialog.h"

#include <QColor>
#include <QPointer>

#include <functional>
#include <memory>

namespace wits {

class PercentBox;

class WitsDisplayDlg : public platform::Dialog {
    Q_OBJECT
public:
    static constexpr int kPercent = 113;     // the PERCENT field, covered by the percent box
    static constexpr int kMwdCaption = 115;  // carries the captions of the two MWD fields
    static constexpr int kMwdA = 117, kMwdB = 118;

    // `linkKind` 0 for the custom link, 1 (TCP) or 2 (serial) for the standard one; `settings` chooses
    // the caption (TCP, and the custom link's "Wits Out" mode); `mwdShown` tells at each update whether
    // the MWD fields are shown.
    WitsDisplayDlg(QWidget* parent, int linkKind, const CUSTWITSCFG& settings, std::function<bool()> mwdShown);

    // Texts 0 to 16 into their fields; with `paintPercent` the percent box is painted again from text 7.
    void UpdateValues(const DisplayLines& lines, bool paintPercent);

    PercentBox* Box() const { return box_; }

    void reject() override {}  // Escape does not close it: closing is left to the link

protected:
    void SetupWindow() override;
    // The window manager's close hides it; the link goes on, and shows it again when it connects anew.
    void closeEvent(QCloseEvent* e) override;

private:
    int linkKind_;
    bool onTcp_;
    bool witsOut_;  // the custom link in "Wits Out"
    std::function<bool()> mwdShown_;
    int lastPercent_ = 0;
    PercentBox* box_ = nullptr;
};

// The colour of the percent box for `percent` after `lastPercent`: green above 70; yellow above 50 or
// when it rose; red otherwise.
QColor PercentColour(int percent, int lastPercent);
// A percent text as a whole number: the leading number, truncated; 0 when there is none.
int PercentOf(const std::string& text);

// The window as a link sees it: made with `parent`, deleted with the returned object.
std::unique_ptr<WitsDisplay> MakeWitsDisplay(QWidget* parent, int linkKind, const CUSTWITSCFG& settings,
                                             std::function<bool()> mwdShown);

}  // namespace wits
