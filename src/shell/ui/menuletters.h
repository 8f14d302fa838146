#pragma once
// Alt with a letter that two menu-bar titles share (the office menu's "&Setup" and "&Schemes"): a press
// with no menu of that letter open opens the first of them, a press while one is open the next. Qt's
// menu bar cycles through such titles from wherever its last press stopped, so a fresh Alt+S could open
// either. Alt closes an open menu, so the title open when Alt went down is what "open" means here.
// Within a pop-up Qt already only selects an item whose letter is shared, and Enter runs it.
#include <QObject>

#include <functional>

class QMenuBar;
class QWidget;

namespace shell {

class MenuLetters : public QObject {
public:
    // Watches the keys that reach `window` and its menus; `bar` gives the window's current menu bar.
    MenuLetters(QWidget* window, std::function<QMenuBar*()> bar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::function<QMenuBar*()> bar_;
    int openAtAlt_ = -1;  // the title whose menu was open when Alt went down
};

}  // namespace shell
