#include "support/xsession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

namespace testing_support {

namespace {

// Screens that differ by no more than this many pixels are taken as alike.
constexpr int kAlike = 100;

QString Missing(const QStringList& programs)
{
    QStringList missing;
    for (const QString& p : programs)
        if (QStandardPaths::findExecutable(p).isEmpty())
            missing << p;
    return missing.join(QLatin1Char(' '));
}

}  // namespace

QString XSession::MissingServer() { return Missing({QStringLiteral("Xvfb")}); }

QString XSession::MissingTools(WindowManager wm)
{
    return Missing({wm == WindowManager::Matchbox ? QStringLiteral("matchbox-window-manager") : QStringLiteral("openbox"),
                    QStringLiteral("xdotool"), QStringLiteral("xprop"), QStringLiteral("import")});
}

QString XSession::StartForProgram(QSize screen, WindowManager wm)
{
    EXPECT_EQ(MissingTools(wm).toStdString(), "") << "scripts/install-deps.sh installs them";
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../src/strativm");
    EXPECT_TRUE(QFile::exists(program)) << "build the strativm program";
    return MissingTools(wm).isEmpty() && QFile::exists(program) && Start(screen, wm) ? program : QString();
}

bool XSession::Start(QSize screen, WindowManager wm)
{
    const QString size = QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height());
    // The server picks a free display and says which on its standard output. It must not reset when its
    // last client goes: a client connecting then (the window manager) would be refused.
    bool started = server_.Start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-noreset"),
                                                          QStringLiteral("-screen"), QStringLiteral("0"),
                                                          size, QStringLiteral("-nolisten"),
                                                          QStringLiteral("tcp")});
    static const QRegularExpression number(QStringLiteral("^(\\d+)\\s*$"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = number.match(started ? server_.WaitForOutput(number, kLoadedMs) : QString());
    if (!m.hasMatch()) {
        ADD_FAILURE() << "Xvfb did not start, so the test has no display"
                      << (started ? "" : " (the server could not be run; scripts/install-deps.sh installs xvfb)");
        return false;
    }
    display_ = QStringLiteral(":") + m.captured(1);
    started = wm == WindowManager::Matchbox
                  ? windowManager_.Start(QStringLiteral("matchbox-window-manager"),
                                         {QStringLiteral("-use_titlebar"), QStringLiteral("yes")}, Environment())
                  : windowManager_.Start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")}, Environment());
    const bool managed = started && Spin([this] {
        return Run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
            .contains("window id");
    }, kLoadedMs);
    if (!managed)
        ADD_FAILURE() << "the window manager did not start on " << display_.toStdString();
    return managed;
}

QProcessEnvironment XSession::Environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    return env;
}

QProcessEnvironment XSession::ProgramEnvironment(const QString& home) const
{
    QDir().mkpath(home + QStringLiteral("/run"));
    QFile::setPermissions(home + QStringLiteral("/run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = Environment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/run"));
    env.insert(QStringLiteral("USER"), QStringLiteral("tester"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    return env;
}

QByteArray XSession::Run(const QString& program, const QStringList& args, int ms) const
{
    QProcess p;
    p.setProcessEnvironment(Environment());
    p.start(program, args);
    if (!p.waitForFinished(ms)) {
        p.kill();
        p.waitForFinished(1000);
        return {};
    }
    return p.readAllStandardOutput();
}

QString XSession::WaitForWindow(const QString& pattern, int ms) const
{
    QString id;
    Spin([&] {
        id = QString::fromLatin1(Run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                                  QStringLiteral("--name"), pattern}))
                 .section(QLatin1Char('\n'), 0, 0)
                 .trimmed();
        if (id.isEmpty())
            QThread::msleep(50);
        return !id.isEmpty();
    }, ms);
    return id;
}

QRect XSession::Geometry(const QString& window) const
{
    const QString out = QString::fromLatin1(
        Run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window}));
    auto value = [&out](const char* key) {
        static const QRegularExpression line(QStringLiteral("^(\\w+)=(-?\\d+)$"), QRegularExpression::MultilineOption);
        for (auto it = line.globalMatch(out); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            if (m.captured(1) == QLatin1String(key))
                return m.captured(2).toInt();
        }
        return 0;
    };
    return {value("X"), value("Y"), value("WIDTH"), value("HEIGHT")};
}

QRect XSession::Client(const QString& window) const
{
    const QString info = QString::fromLatin1(Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window}));
    const auto value = [&info](const char* key) {
        const QRegularExpressionMatch m = QRegularExpression(QString::fromLatin1(key) + QStringLiteral(":\\s+(-?\\d+)")).match(info);
        return m.hasMatch() ? m.captured(1).toInt() : 0;
    };
    return {value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height")};
}

QRect XSession::Framed(const QString& window) const
{
    const QString e = QString::fromLatin1(Run(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("_NET_FRAME_EXTENTS")}));
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)")).match(e);
    if (!m.hasMatch()) {
        // matchbox says no extents: its frame is the window it put the client in, a child of the root.
        static const QRegularExpression ids(QStringLiteral("Root window id: (0x[0-9a-f]+).*\\n\\s*Parent window id: (0x[0-9a-f]+)"));
        QString frame = window;
        for (int depth = 0; depth < 8; ++depth) {
            const QRegularExpressionMatch up = ids.match(QString::fromLatin1(
                Run(QStringLiteral("xwininfo"), {QStringLiteral("-children"), QStringLiteral("-id"), frame})));
            if (!up.hasMatch() || up.captured(2) == up.captured(1))
                break;
            frame = up.captured(2);
        }
        EXPECT_NE(frame, window) << "no frame round " << window.toStdString();
        return Client(frame);
    }
    const auto at = [&m](int i) { return m.captured(i).toInt(); };
    return Client(window).adjusted(-at(1), -at(3), at(2), at(4));
}

QList<QRect> XSession::Inner(const QString& window) const
{
    // A line of the tree ends in the window's size, its place in its parent and its place on the screen.
    static const QRegularExpression line(QStringLiteral("\\s(\\d+)x(\\d+)[+-]-?\\d+[+-]-?\\d+\\s+\\+(-?\\d+)\\+(-?\\d+)\\s*$"),
                                         QRegularExpression::MultilineOption);
    const QString tree = QString::fromLatin1(Run(QStringLiteral("xwininfo"), {QStringLiteral("-tree"), QStringLiteral("-id"), window}));
    QList<QRect> places;
    for (auto it = line.globalMatch(tree); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        places << QRect(m.captured(3).toInt(), m.captured(4).toInt(), m.captured(1).toInt(), m.captured(2).toInt());
    }
    return places;
}

QString XSession::FocusedName() const
{
    return QString::fromLocal8Bit(
               Run(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus"), QStringLiteral("getwindowname")}))
        .trimmed();
}

void XSession::Key(const QString& keys) const { Run(QStringLiteral("xdotool"), {QStringLiteral("key"), keys}); }

void XSession::Click(int x, int y) const
{
    Run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(x), QString::number(y),
                                    QStringLiteral("click"), QStringLiteral("1")});
}

QImage XSession::Shot() const
{
    const QByteArray png = Run(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")});
    return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
}

QImage XSession::Settled(int ms) const
{
    QImage last = Shot();
    Spin([&] {
        QThread::msleep(100);
        QImage now = Shot();
        const bool alike = DifferentPixels(last, now) <= kAlike;
        last = std::move(now);
        return alike;
    }, ms);
    return last;
}

QImage XSession::ChangedFrom(const QImage& before, int pixels, int ms) const
{
    QImage now;
    Spin([&] {
        now = Shot();
        return DifferentPixels(before, now) > pixels;
    }, ms);
    return DifferentPixels(before, now) > pixels ? Settled(ms) : now;
}

int DifferentPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return std::max(a.width() * a.height(), b.width() * b.height());
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            n += (p[col] & 0xFFFFFF) != (q[col] & 0xFFFFFF) ? 1 : 0;
    }
    return n;
}

}  // namespace testing_support
