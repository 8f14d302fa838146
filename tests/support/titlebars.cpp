#include "support/titlebars.h"

#include <QRegularExpression>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>

namespace testing_support {

namespace {

// A window's client area is 8 pixels high; with its frame a row of windows takes this many.
constexpr int kRow = 44;
// A reference window is this much wider than the window checked.
constexpr int kWider = 300;
// The icon at the title bar's left and the three buttons at its right are no part of the caption.
constexpr int kIcon = 24, kButtons = 64;
// The name (of its class) of every window of a batch checked at once.
const QString kBatch = QStringLiteral("titlebatch");

int Value(const QString& text, const QString& key)
{
    const QRegularExpression line(QRegularExpression::escape(key) + QStringLiteral(":\\s*(-?\\d+)"));
    return line.match(text).captured(1).toInt();
}

bool Alike(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

}  // namespace

TitleBars::TitleBars(const XSession& x, QSize screen) : x_(x), screen_(screen) {}

QString TitleBars::Open(const QString& caption, int width, int x, int y, const QString& given)
{
    const QString name = given.isEmpty() ? QStringLiteral("titlecheck%1").arg(opened_++) : given;
    windows_.emplace_back();
    windows_.back().Start(QStringLiteral("xmessage"),
                          {QStringLiteral("-name"), name, QStringLiteral("-title"), caption, QStringLiteral("-geometry"),
                           QStringLiteral("%1x8+%2+%3").arg(width).arg(x).arg(y), QStringLiteral("-buttons"),
                           QString(), QStringLiteral(" ")},
                          x_.Environment());
    return name;
}

QString TitleBars::IdOf(const QString& name) const
{
    QString id;
    Spin([&] {
        id = QString::fromLatin1(x_.Run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--classname"),
                                                                     QLatin1Char('^') + name + QLatin1Char('$')}))
                 .section(QLatin1Char('\n'), 0, 0)
                 .trimmed();
        if (id.isEmpty())
            QThread::msleep(20);
        return !id.isEmpty();
    }, 10000);
    return id;
}

QRect TitleBars::BarOf(const QString& window) const
{
    const QString info = QString::fromLatin1(x_.Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window}));
    const QString extents =
        QString::fromLatin1(x_.Run(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("_NET_FRAME_EXTENTS")}))
            .section(QLatin1Char('='), 1);
    const QStringList e = extents.split(QLatin1Char(','));
    if (e.size() != 4)
        return {};
    const int left = e[0].toInt(), right = e[1].toInt(), top = e[2].toInt();
    return {Value(info, QStringLiteral("Absolute upper-left X")) - left, Value(info, QStringLiteral("Absolute upper-left Y")) - top,
            Value(info, QStringLiteral("Width")) + left + right, top};
}

void TitleBars::Unfocus()
{
    if (holder_.isEmpty()) {
        const QString name = Open(QStringLiteral("focus"), 40, screen_.width() - 60, screen_.height() - 40);
        holder_ = IdOf(name);
    }
    x_.Run(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"), holder_}, 5000);
    Spin([&] {
        const QString focused =
            QString::fromLatin1(x_.Run(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")})).trimmed();
        return focused == holder_;
    }, 5000);
}

QStringList TitleBars::Cut(const QImage& shot, const QStringList& windows)
{
    QList<std::pair<QString, QRect>> checked;  // caption and title bar
    for (const QString& w : windows)
        checked.append({QString::fromLocal8Bit(x_.Run(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), w})).trimmed(), BarOf(w)});
    // The references, one above the other from the screen's top, as wide as the screen allows.
    QStringList names;
    for (qsizetype i = 0; i < checked.size(); ++i)
        names << Open(checked[i].first, screen_.width() - 40, 10, 10 + int(i) * kRow);
    QStringList cut;
    for (qsizetype i = 0; i < checked.size(); ++i) {
        const QString id = IdOf(names[i]);
        names[i] = id;
    }
    Unfocus();
    const QImage wide = x_.Settled();
    for (qsizetype i = 0; i < checked.size(); ++i) {
        const QImage ink = CaptionInk(wide, BarOf(names[i]));
        if (ink.isNull() || !BarShows(shot, checked[i].second, ink))
            cut << checked[i].first;
    }
    CloseAll();
    return cut;
}

QStringList TitleBars::CutAtWidths(const QList<std::pair<QString, int>>& captions)
{
    // One window a row, at the screen's left; then all are widened to the reference width at once. A
    // window wider than the screen allows is checked narrower, which asks more of its title bar.
    const int wide = screen_.width() - 20, widest = wide - kWider;
    QStringList cut;
    for (qsizetype first = 0; first < captions.size();) {
        const qsizetype rows = std::min<qsizetype>((screen_.height() - 60) / kRow, captions.size() - first);
        for (qsizetype i = 0; i < rows; ++i)
            Open(captions[first + i].first, std::min(captions[first + i].second, widest), 10, 10 + int(i) * kRow, kBatch);
        const bool shown = Spin([&] {
            const QByteArray ids = x_.Run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                                       QStringLiteral("--classname"), QStringLiteral("^") + kBatch + QStringLiteral("$")});
            if (ids.count('\n') < rows)
                QThread::msleep(20);
            return ids.count('\n') >= rows;
        }, 20000);
        EXPECT_TRUE(shown) << "the check's windows did not come";
        Unfocus();
        const QImage narrow = x_.Settled();
        x_.Run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--classname"),
                                            QStringLiteral("^") + kBatch + QStringLiteral("$"), QStringLiteral("windowsize"),
                                            QStringLiteral("%@"), QString::number(wide), QStringLiteral("8")});
        const QImage widened = x_.ChangedFrom(narrow, 100, 5000);
        const QRect frame = BarOf(holder_);  // every window's frame alike: its left and top extents
        const int left = 10, height = frame.height(), border = frame.width() - 40;
        for (qsizetype i = 0; i < rows; ++i) {
            const auto& [caption, width] = captions[first + i];
            const int top = 10 + int(i) * kRow;
            const QImage ink = CaptionInk(widened, QRect(left, top, wide + border, height));
            if (ink.isNull() || !BarShows(narrow, QRect(left, top, std::min(width, widest) + border, height), ink))
                cut << QStringLiteral("%1 at %2").arg(caption).arg(width);
        }
        CloseAll();
        first += rows;
    }
    return cut;
}

void TitleBars::CloseAll()
{
    windows_.clear();
    holder_.clear();
}

QImage CaptionInk(const QImage& shot, const QRect& bar)
{
    // Title bars are shaded from top to bottom: each row's background is its colour beside the icon.
    const int left = bar.left() + kIcon, right = bar.right() - kButtons;
    QRect ink;
    for (int y = bar.top() + 1; y <= bar.bottom(); ++y) {
        if (y < 0 || y >= shot.height())
            continue;
        const QRgb background = shot.pixel(std::max(left, 0), y);
        for (int x = std::max(left, 0); x <= std::min(right, shot.width() - 1); ++x)
            if (!Alike(shot.pixel(x, y), background, 16))
                ink |= QRect(x, y, 1, 1);
    }
    return ink.isEmpty() ? QImage() : shot.copy(ink);
}

bool BarShows(const QImage& shot, const QRect& bar, const QImage& ink)
{
    const QRect area = bar.intersected(shot.rect());
    for (int top = area.top(); top + ink.height() <= area.bottom() + 1; ++top)
        for (int left = area.left(); left + ink.width() <= area.right() + 1; ++left) {
            int differ = 0;
            for (int y = 0; y < ink.height() && differ <= 2; ++y)
                for (int x = 0; x < ink.width() && differ <= 2; ++x)
                    differ += Alike(shot.pixel(left + x, top + y), ink.pixel(x, y), 8) ? 0 : 1;
            if (differ <= 2)
                return true;
        }
    return false;
}

}  // namespace testing_support
