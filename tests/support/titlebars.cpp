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

QString TitleBars::Open(const QString& caption, int width, int x, int y)
{
    const QString name = QStringLiteral("titlecheck%1").arg(opened_++);
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
    // Waits for the window to be shown (at most the run's ten seconds).
    return QString::fromLatin1(x_.Run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                                                                   QStringLiteral("--classname"), QLatin1Char('^') + name + QLatin1Char('$')}))
        .section(QLatin1Char('\n'), 0, 0)
        .trimmed();
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
    QStringList cut;
    qsizetype next = 0;
    while (next < captions.size()) {
        // As many as fit on the screen in rows, each window as wide as its reference will be.
        QList<std::pair<qsizetype, QString>> batch;  // index and window id
        int x = 10, y = 10;
        for (; next < captions.size(); ++next) {
            const int room = captions[next].second + kWider + 10;
            if (x + room > screen_.width()) {
                x = 10;
                y += kRow;
            }
            if (y + kRow > screen_.height() - 50)
                break;
            batch.append({next, Open(captions[next].first, captions[next].second, x, y)});
            x += room;
        }
        for (auto& [index, window] : batch)
            window = IdOf(window);
        Unfocus();
        const QImage narrow = x_.Settled();
        QList<QRect> bars;
        for (const auto& [index, window] : batch) {
            bars << BarOf(window);
            x_.Run(QStringLiteral("xdotool"), {QStringLiteral("windowsize"), window,
                                                QString::number(captions[index].second + kWider), QStringLiteral("8")});
        }
        const QImage wide = x_.ChangedFrom(narrow, 100, 5000);
        for (qsizetype i = 0; i < batch.size(); ++i) {
            const auto& [caption, width] = captions[batch[i].first];
            const QImage ink = CaptionInk(wide, BarOf(batch[i].second));
            if (ink.isNull() || !BarShows(narrow, bars[i], ink))
                cut << QStringLiteral("%1 at %2").arg(caption).arg(width);
        }
        CloseAll();
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
