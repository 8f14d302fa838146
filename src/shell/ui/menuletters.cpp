#include "shell/ui/menuletters.h"

#include "shell/menus.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace shell {

namespace {

// The title whose menu is shown, -1 when none (the bar's active action is cleared while one is).
int OpenTitle(const QMenuBar& bar)
{
    const QList<QAction*> titles = bar.actions();
    for (int i = 0; i < int(titles.size()); ++i)
        if (titles[i]->menu() && titles[i]->menu()->isVisible())
            return i;
    return -1;
}

}  // namespace

MenuLetters::MenuLetters(QWidget* window, std::function<QMenuBar*()> bar)
    : QObject(window), window_(window), bar_(std::move(bar))
{
    // The keys go to whichever widget has the focus, or to an open pop-up: only the application sees
    // them all before the menu bar's shortcuts do.
    qApp->installEventFilter(this);
}

bool MenuLetters::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    // Only the keys of this window and of its menus (whose parents lead back to it).
    bool ours = false;
    for (auto* w = qobject_cast<QWidget*>(watched); w && !ours; w = w->parentWidget())
        ours = w == window_;
    QMenuBar* bar = ours ? bar_() : nullptr;
    if (!bar)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // Alt itself closes an open menu before its letter comes: which one was open is kept until Alt is
    // let go, so that the letter goes on to the next title.
    if (key->key() == Qt::Key_Alt) {
        if (type == QEvent::KeyPress)
            openAtAlt_ = OpenTitle(*bar);
        else if (type == QEvent::KeyRelease)
            openAtAlt_ = -1;
        return false;
    }
    const bool letter = (key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z) ||
                        (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9);
    if (type == QEvent::KeyRelease || key->modifiers() != Qt::AltModifier || !letter)
        return false;
    const QList<QAction*> titles = bar->actions();
    QStringList texts;
    for (const QAction* a : titles)
        texts << a->text();
    const int open = OpenTitle(*bar);
    const int title = shell::TitleForSharedLetter(texts, QChar(key->key()), open >= 0 ? open : openAtAlt_);
    if (title < 0)
        return false;
    if (type == QEvent::ShortcutOverride) {
        key->accept();  // the key comes as a key press, not as the menu bar's shortcut
        return true;
    }
    bar->setActiveAction(titles[title]);
    openAtAlt_ = title;
    return true;
}

}  // namespace shell
