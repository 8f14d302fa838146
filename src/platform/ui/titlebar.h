#pragma once
// The room a window manager's title bar needs: the caption in its bold title font beside the window's
// icon, its three buttons (iconify, maximize, close) and the frame's paddings. A top-level window
// narrower than that shows its caption cut ("Dril... tus") or not at all.
#include <QString>

class QFont;
class QDialog;
class QWidget;

namespace platform {

// The least width of a window whose caption `caption` is set in the bold face of `font`.
int TitleBarWidth(const QFont& font, const QString& caption);
// Widens `window` (sized and about to be shown) to its caption's TitleBarWidth when it is narrower, a
// window of fixed width too.
void WidenToCaption(QWidget& window);
// Message and input boxes size themselves afresh whenever they are shown: the layout of `box` (its
// caption set) is made to keep the caption's width instead.
void KeepCaptionWidth(QDialog& box);

}  // namespace platform
