#include "platform/ui/realservices.h"

#include "platform/gameport.h"
#include "platform/services.h"
#include "platform/ui/boxes.h"
#include "platform/ui/cupsprinter.h"
#include "platform/waitcursor.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <utility>

namespace platform {

namespace {

// "Data Files (*.svm)|*.svm|All Files (*.*)|*.*" -> "Data Files (*.svm);;All Files (*)"
QString QtFilter(const QString& windowsFilter)
{
    const QStringList parts = windowsFilter.split(u'|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        patterns.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        out << parts[i].section(u'(', 0, 0).trimmed() + QStringLiteral(" (") + patterns + u')';
    }
    return out.join(QStringLiteral(";;"));
}

QWidget* ActiveWindow() { return QApplication::activeWindow(); }

// The answer of `ask`, asked on the GUI thread: widgets may be built there only. `unanswered` when the
// GUI thread cannot be asked (it is waiting for the workers to end).
template <class Ask, class Answer = decltype(std::declval<Ask>()())>
Answer OnGui(Ask&& ask, Answer unanswered = Answer{})
{
    Answer answer = unanswered;
    CallOnGuiThread([&] { answer = ask(); });
    return answer;
}

// The answer of a modal box or dialog, counted as standing while it is asked.
template <class Ask>
auto Modal(Ask&& ask)
{
    const ModalBoxOpen open;
    return ask();
}

// Each call of the desktop prompter goes to the GUI thread and runs there, a modal box standing the while.
class DesktopPrompter final : public Prompter {
public:
    int MessageBox(const QString& text, const QString& caption, unsigned flags) override
    {
        return OnGui([&] { return Modal([&] { return Box(text, caption, flags); }); }, int(IDCANCEL));
    }
    std::optional<QString> OpenFileName(const FileDialogRequest& r) override
    {
        return OnGui([&] { return Modal([&] { return OpenName(r); }); });
    }
    std::optional<QString> SaveFileName(const FileDialogRequest& r) override
    {
        return OnGui([&] { return Modal([&] { return SaveName(r); }); });
    }
    std::optional<QString> InputBox(const QString& prompt, const QString& caption, const QString& initial,
                                    int size) override
    {
        return OnGui([&] { return Modal([&] { return Input(prompt, caption, initial, size); }); });
    }
    std::optional<COLORREF> ChooseColor(COLORREF initial, CustomColours* custom) override
    {
        return OnGui([&] { return Modal([&] { return Colour(initial, custom); }); });
    }

private:
    static int Box(const QString& text, const QString& caption, unsigned flags)
    {
        // A box asked during long work (its wait cursor shown) takes clicks: it shows the arrow.
        const bool waiting = QGuiApplication::overrideCursor() != nullptr;
        if (waiting)
            QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
        const int answer = Ask(text, caption, flags);
        if (waiting)
            QGuiApplication::restoreOverrideCursor();
        return answer;
    }
    static int Ask(const QString& text, const QString& caption, unsigned flags)
    {
        QList<std::pair<QMessageBox::StandardButton, int>> buttons;
        const std::unique_ptr<QMessageBox> box = MakeMessageBox(ActiveWindow(), text, caption, flags, buttons);
        const auto pressed = QMessageBox::StandardButton(box->exec());
        for (const auto& [button, id] : buttons)
            if (button == pressed)
                return id;
        // Closed with the window's close box: Windows answers IDCANCEL, or IDOK for a lone OK button.
        return buttons.size() == 1 ? IDOK : IDCANCEL;
    }

    static std::optional<QString> OpenName(const FileDialogRequest& r)
    {
        const QString start = r.fileName.isEmpty() ? r.folder : r.folder + u'/' + r.fileName;
        const QString f = QFileDialog::getOpenFileName(ActiveWindow(), r.title, start, QtFilter(r.filter));
        return f.isEmpty() ? std::nullopt : std::optional<QString>(f);
    }

    static std::optional<QString> SaveName(const FileDialogRequest& r)
    {
        QFileDialog dlg(ActiveWindow(), r.title, r.folder, QtFilter(r.filter));
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        if (!r.defaultExt.isEmpty())
            dlg.setDefaultSuffix(r.defaultExt);
        if (!r.fileName.isEmpty())
            dlg.selectFile(r.fileName);
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
            return std::nullopt;
        return dlg.selectedFiles().first();
    }

    // Centred on the active window; with a buffer size the field stops taking characters at size - 1.
    static std::optional<QString> Input(const QString& prompt, const QString& caption, const QString& initial, int size)
    {
        const std::unique_ptr<QInputDialog> made = MakeInputBox(ActiveWindow(), prompt, caption, initial, size);
        QInputDialog& box = *made;
        const int limit = size > 0 ? size - 1 : 0;
        if (box.exec() != QDialog::Accepted)
            return std::nullopt;
        const QString t = box.textValue();
        return size > 0 ? t.left(std::max(limit, 0)) : t;
    }

    static std::optional<COLORREF> Colour(COLORREF initial, CustomColours* custom)
    {
        // The chooser's custom colours are the application's: each caller's own table is put in for
        // the time the chooser is open and taken back afterwards.
        if (custom)
            for (int i = 0; i < int(custom->size()); ++i) {
                const COLORREF k = (*custom)[std::size_t(i)];
                QColorDialog::setCustomColor(i, QColor(GetRValue(k), GetGValue(k), GetBValue(k)));
            }
        const QColor c = QColorDialog::getColor(QColor(GetRValue(initial), GetGValue(initial), GetBValue(initial)), ActiveWindow());
        if (custom)
            for (int i = 0; i < int(custom->size()); ++i) {
                const QColor k = QColorDialog::customColor(i);
                (*custom)[std::size_t(i)] = RGB(k.red(), k.green(), k.blue());
            }
        if (!c.isValid())
            return std::nullopt;
        return RGB(c.red(), c.green(), c.blue());
    }
};

class DesktopSounder final : public Sounder {
public:
    // Posted to the GUI thread: nobody waits for a beep.
    void MessageBeep(unsigned) override
    {
        QMetaObject::invokeMethod(qApp, [] { QApplication::beep(); }, Qt::AutoConnection);
    }
    bool PlaySound(const QString& wavFile) override
    {
        // ALSA's player is the plainest way to play a .wav without a media framework.
        const QString player = QStandardPaths::findExecutable(QStringLiteral("aplay"));
        return !player.isEmpty() && QProcess::startDetached(player, {QStringLiteral("-q"), wavFile});
    }
};

// QClipboard may be used on the GUI thread only.
class DesktopClipboard final : public Clipboard {
public:
    void SetText(const QString& text) override
    {
        CallOnGuiThread([&] { QGuiApplication::clipboard()->setText(text); });
    }
    QString Text() const override
    {
        return OnGui([] { return QGuiApplication::clipboard()->text(); });
    }
    void Clear() override
    {
        CallOnGuiThread([] { QGuiApplication::clipboard()->clear(); });
    }
};

class DesktopCursor final : public Cursor {
public:
    void ShowWait(bool wait) override
    {
        // Work a worker thread runs shows no cursor: the cursor is the GUI thread's.
        if (QThread::currentThread() != QCoreApplication::instance()->thread())
            return;
        if (wait)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    }
};

}  // namespace

void InstallRealServices()
{
    static DesktopPrompter prompter;
    static DesktopSounder sounder;
    static DesktopClipboard clipboard;
    static DesktopCursor cursor;
    Services s;
    s.prompter = &prompter;
    s.sounder = &sounder;
    s.clipboard = &clipboard;
    s.clock = &RealClock();
    s.timers = &RealTimerFactory();
    s.queue = &RealMessageQueue();
    s.shell = &RealShell();
    s.printers = &RealPrinters();
    s.gamePort = &RealGamePort();
    InstallServices(s);
    InstallCursor(&cursor);
}

}  // namespace platform
