#include "support/titlebars.h"

#include "support/modbuspeer.h"

#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

namespace testing_support {

namespace {

// A client 8 pixels high in its frame: one window a row. Openbox's frame: a 20-pixel title bar, borders of 1.
constexpr int kRow = 44, kTitle = 20, kBorders = 2;
// The widened windows are as wide as the screen less this; a window checked is at most 300 narrower.
constexpr int kMargin = 20, kWider = 300;
// The window's icon at the title bar's left and its three buttons at the right are no part of the caption.
constexpr int kIcon = 24, kButtons = 64;

bool Alike(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// The caption's ink in the title bar at (left, top) of a widened window: its bounding box. Each row's
// background is its colour beside the icon (title bars are shaded from top to bottom).
QImage CaptionInk(const QImage& shot, int left, int top, int width)
{
    QRect ink;
    for (int y = top + 1; y < top + kTitle; ++y)
        for (int x = left + kIcon; x < left + width - kButtons; ++x)
            if (!Alike(shot.pixel(x, y), shot.pixel(left + kIcon, y), 16))
                ink |= QRect(x, y, 1, 1);
    return ink.isEmpty() ? QImage() : shot.copy(ink);
}

// Whether `ink` stands in the title bar at (left, top), `width` wide, pixel for pixel (two may differ).
bool Shows(const QImage& shot, int left, int top, int width, const QImage& ink)
{
    for (int y0 = top; y0 + ink.height() <= top + kTitle; ++y0)
        for (int x0 = left; x0 + ink.width() <= left + width; ++x0) {
            int differ = 0;
            for (int y = 0; y < ink.height() && differ <= 2; ++y)
                for (int x = 0; x < ink.width() && differ <= 2; ++x)
                    differ += Alike(shot.pixel(x0 + x, y0 + y), ink.pixel(x, y), 8) ? 0 : 1;
            if (differ <= 2)
                return true;
        }
    return false;
}

QByteArray Search(const XSession& x, const QString& name)
{
    return x.Run("xdotool", {"search", "--onlyvisible", "--classname", "^" + name + "$"});
}

}  // namespace

QStringList CaptionsCut(const XSession& x, QSize screen, const QList<std::pair<QString, int>>& captions)
{
    const int wide = screen.width() - kMargin, widest = wide - kWider, rows = (screen.height() - 60) / kRow;
    QStringList cut;
    for (qsizetype first = 0; first < captions.size(); first += rows) {
        const qsizetype n = std::min<qsizetype>(rows, captions.size() - first);
        std::deque<Child> windows(n + 1);
        const auto open = [&](Child& w, const QString& name, const QString& caption, int width, int left, int top) {
            w.Start("xmessage", {"-name", name, "-title", caption, "-geometry", QString("%1x8+%2+%3").arg(width).arg(left).arg(top),
                                 "-buttons", "", " "}, x.Environment());
        };
        for (qsizetype i = 0; i < n; ++i)
            open(windows[i], "titlebatch", captions[first + i].first, std::min(captions[first + i].second, widest), 10, 10 + int(i) * kRow);
        open(windows[n], "titlefocus", "focus", 40, screen.width() - 60, screen.height() - 40);
        EXPECT_TRUE(Spin([&] { return Search(x, "titlebatch").count('\n') >= n && Search(x, "titlefocus").count('\n') == 1; }, 20000))
            << "the check's windows did not come";
        const QString focus = QString::fromLatin1(Search(x, "titlefocus")).trimmed();
        x.Run("xdotool", {"windowactivate", "--sync", focus}, 5000);
        Spin([&] { return QString::fromLatin1(x.Run("xdotool", {"getwindowfocus"})).trimmed() == focus; }, 5000);
        const QImage narrow = x.Settled();
        x.Run("xdotool", {"search", "--onlyvisible", "--classname", "^titlebatch$", "windowsize", "%@", QString::number(wide), "8"});
        const QImage widened = x.ChangedFrom(narrow, 100, 5000);
        for (qsizetype i = 0; i < n; ++i) {
            const auto& [caption, width] = captions[first + i];
            const int top = 10 + int(i) * kRow;
            const QImage ink = CaptionInk(widened, 10, top, wide + kBorders);
            if (ink.isNull() || !Shows(narrow, 10, top, std::min(width, widest) + kBorders, ink))
                cut << QString("%1 at %2").arg(caption).arg(width);
        }
    }
    return cut;
}

}  // namespace testing_support
