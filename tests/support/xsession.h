#pragma once
// A real X server for the tests that need what only a window manager does (which window gets the
// keyboard, which windows stay on the screen): Xvfb on a display it chooses itself, a window manager on
// it (openbox, or matchbox as a kiosk-style station runs it: every window full screen, one at a time), keys and clicks sent through XTEST as a keyboard and a mouse send them (xdotool), and
// the screen read back (ImageMagick's import).
#include "support/modbuspeer.h"

#include <QImage>
#include <QList>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

namespace testing_support {

enum class WindowManager { Openbox, Matchbox };

class XSession {
public:
    // Empty when the session can run here; else what is missing. Only a missing X server is a reason
    // to skip: scripts/install-deps.sh installs the tools with it.
    static QString MissingServer();
    static QString MissingTools(WindowManager wm = WindowManager::Openbox);

    // Starts the server with a screen of `screen` pixels and the window manager; false (with the test
    // failed) when either does not come.
    bool Start(QSize screen = QSize(1280, 1024), WindowManager wm = WindowManager::Openbox);
    // Starts the session for the strativm program built beside the test program: its path, or empty
    // (with the test failed) when a tool, the program or the display is missing. The caller skips first
    // when MissingServer() names a reason.
    QString StartForProgram(QSize screen = QSize(1280, 1024), WindowManager wm = WindowManager::Openbox);
    // The environment of a program shown on this display: the test's own, with the display set.
    QProcessEnvironment Environment() const;
    // The environment of the program run as the user "tester" whose home is `home` (its run folder
    // made), on the xcb platform of this display.
    QProcessEnvironment ProgramEnvironment(const QString& home) const;

    // Runs an X client on the display to its end (at most `ms`); its standard output.
    QByteArray Run(const QString& program, const QStringList& args, int ms = 10000) const;
    // The id of the first visible window whose name matches `pattern` (a regular expression), waiting
    // up to `ms` for one; empty when none came.
    QString WaitForWindow(const QString& pattern, int ms = kLoadedMs) const;
    QRect Geometry(const QString& window) const;
    // A window's client area on the screen, as xwininfo gives it (xdotool counts a frame's caption twice);
    // the same with the window manager's frame round it; the places on the screen of the windows inside
    // it, at every depth (a Qt program run with QT_USE_NATIVE_WINDOWS=1 gives each widget one).
    QRect Client(const QString& window) const;
    QRect Framed(const QString& window) const;
    QList<QRect> Inner(const QString& window) const;
    // The name of the window holding the keyboard focus.
    QString FocusedName() const;
    // Key presses (xdotool's key names) to whichever window has the focus, and a left click at a place.
    void Key(const QString& keys) const;
    void Click(int x, int y) const;

    QImage Shot() const;
    // The screen once it has stopped changing (two shots alike, at most `ms`).
    QImage Settled(int ms = 15000) const;
    // The screen once it differs from `before` in more than `pixels` pixels and has stopped changing;
    // the last shot when it did not change so within `ms`.
    QImage ChangedFrom(const QImage& before, int pixels, int ms = 30000) const;

private:
    Child server_, windowManager_;
    QString display_;
};

// Pixels that differ between two shots of the same size (all of them when the sizes differ).
int DifferentPixels(const QImage& a, const QImage& b);

}  // namespace testing_support
