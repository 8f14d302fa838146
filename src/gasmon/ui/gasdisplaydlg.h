#pragma once
// GasDisplayDlg: the live gas window (dialog 41), a modeless text window of a heading over four read-only
// lines. The gas monitor engine and the WITS links each make their own; the creator places, shows and
// deletes it, and may set its caption and heading.
#include "gasmon/gashost.h"
#include "platform/ui/dialog.h"

#include <QPoint>
#include <QPointer>

#include <functional>

#include <memory>

namespace gasmon {

class GasDisplayDlg : public platform::Dialog {
    Q_OBJECT
public:
    static constexpr int kHeading = 141;
    static constexpr int kLine1 = 199, kLine2 = 200, kLine3 = 202, kLine4 = 201;

    explicit GasDisplayDlg(QWidget* parent, const QString& caption = QStringLiteral("STRATIV GAS MONITOR"));

    // Each line given replaces its line, a null one leaves it; lines 2 to 4 go before line 1.
    void SetLines(const QString* line1, const QString* line2, const QString* line3, const QString* line4);
    // The heading written when the window is set up (and at once when it already is).
    void SetHeading(const QString& heading);

protected:
    void SetupWindow() override;

private:
    QString heading_ = QStringLiteral("HW   C1  C2  C3  IC4  NC4  C5  Index  Lagdepth");
    bool setUp_ = false;
};

// The live window as the engine sees it: made with `parent` and `heading`, deleted with this object.
// `home`, when given, says where a window never placed before opens: the screen point of its frame's
// top-left corner (the main window gives the log's first row, below the band of read-outs).
std::unique_ptr<GasDisplay> MakeGasDisplay(QWidget* parent, const QString& heading,
                                           std::function<QPoint()> home = {});

}  // namespace gasmon
