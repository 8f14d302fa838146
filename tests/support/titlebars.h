#pragma once
// The window manager's title bars read back from the screen. Windows of the captions and widths asked
// (xmessage) are shown one a row, all drawn inactive (a window of the check's own holds the focus); then
// all are widened, and each caption as now drawn is looked for, pixel for pixel, in its narrow title bar.
#include "support/xsession.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace testing_support {

// The captions whose title bars at the client width given do not show them whole: "Drilling Status at 166".
QStringList CaptionsCut(const XSession& x, QSize screen, const QList<std::pair<QString, int>>& captions);

}  // namespace testing_support
