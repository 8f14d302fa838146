#include "manual/lasfilessteps.h"

#include "logview/geometryof.h"
#include "platform/text.h"
#include "shell/ui/logwindow.h"
#include "support/wells.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace elogsteps {

namespace {

QString AsRead(QString text)
{
    text.remove(u'&');
    text = text.simplified().toLower();
    while (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

QAction* Find(LogWindow& w, const QStringList& path)
{
    QList<QAction*> items = w.menuBar()->actions();
    QAction* found = nullptr;
    for (const QString& step : path) {
        found = nullptr;
        for (QAction* a : items)
            if (!a->isSeparator() && a->isVisible() && AsRead(a->text()) == AsRead(step))
                found = a;
        if (!found)
            return nullptr;
        items = found->menu() ? found->menu()->actions() : QList<QAction*>();
    }
    return found;
}

}  // namespace

bool Choose(LogWindow& w, const QStringList& path)
{
    QAction* a = Find(w, path);
    if (!a || !a->isEnabled()) {
        ADD_FAILURE() << "no item " << path.join(" > ").toStdString();
        return false;
    }
    a->trigger();
    QCoreApplication::processEvents();
    return true;
}

bool Shown(LogWindow& w, const QStringList& path) { return Find(w, path) != nullptr; }

QPoint At(LogWindow& w, int x, int y)
{
    const int menu = w.menuWidget() && w.menuWidget()->isVisible() ? w.menuWidget()->height() : 0;
    return {x - logview::GeometryOf(w.State()).horizontalScroll, y + menu};
}

int RowY(LogWindow& w, int depth)
{
    const logview::ViewGeometry g = logview::GeometryOf(w.State());
    const int y = g.topMargin + (depth - w.State().well.file.viewTopDepth) * g.rowHeight + g.rowHeight / 2;
    EXPECT_EQ(w.DepthAtRow(y), depth);
    return y;
}

QImage Screen(LogWindow& w)
{
    w.PaintLog();
    QCoreApplication::processEvents();
    return w.BackingStore().copy();
}

float KnownRate(int depth) { return 2.0f + float(depth % 7); }
float KnownC1(int depth) { return 10.0f + float(depth % 50); }

std::vector<wellfile::RECORD> KnownRecords(int first, int last)
{
    std::vector<wellfile::RECORD> rows;
    for (int d = first; d <= last; ++d) {
        wellfile::RECORD r = testing_support::ValidRecord(d, KnownRate(d), "100SH");
        r.gas[1] = KnownC1(d);
        rows.push_back(r);
    }
    if (!rows.empty())
        platform::SetFieldText(rows.front().interpretedLith, "PRF12");
    return rows;
}

}  // namespace elogsteps
