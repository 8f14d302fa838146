#pragma once
// The window manager's title bars read back from the screen: does each show its window's caption whole?
// The window manager draws each caption once more in a wide window of its own (xmessage), and that
// drawing is looked for, pixel for pixel, in the title bar checked. All title bars are compared drawn
// inactive: a small window of the check's own holds the keyboard focus meanwhile.
#include "support/modbuspeer.h"
#include "support/xsession.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <deque>
#include <utility>

namespace testing_support {

class TitleBars {
public:
    explicit TitleBars(const XSession& x, QSize screen);

    // Gives the keyboard focus to the check's own window, so every other title bar is drawn inactive.
    void Unfocus();
    // The names of `windows` (ids) whose title bars on `shot` (taken after Unfocus) do not show them whole.
    QStringList Cut(const QImage& shot, const QStringList& windows);
    // Opens windows of each caption at its width (of the client area) and gives the captions whose title
    // bars do not show them whole, with the width: "Drilling Status at 166".
    QStringList CutAtWidths(const QList<std::pair<QString, int>>& captions);

private:
    // Opens a window of caption `caption` and client width `width` with its frame at (x, y); its name
    // (`name`, or one of its own when empty) for IdOf.
    QString Open(const QString& caption, int width, int x, int y, const QString& name = {});
    // The id of the window opened as `name`, once it is shown.
    QString IdOf(const QString& name) const;
    // The title bar of a window on the screen, frame included.
    QRect BarOf(const QString& window) const;
    void CloseAll();

    const XSession& x_;
    QSize screen_;
    std::deque<Child> windows_;
    QString holder_;
    int opened_ = 0;
};

// The caption as drawn in `bar` of `shot`: its ink's bounding box, from the bar's middle part (not its
// icon or buttons). Null when the bar shows no ink there.
QImage CaptionInk(const QImage& shot, const QRect& bar);
// Whether `ink` is found in `bar` of `shot` pixel for pixel.
bool BarShows(const QImage& shot, const QRect& bar, const QImage& ink);

}  // namespace testing_support
