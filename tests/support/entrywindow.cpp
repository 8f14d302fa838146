#include "support/entrywindow.h"

#include "platform/ui/dialog.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <QApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace testing_support {

std::vector<wellfile::RECORD> EntryBuffer(int top, int count, std::size_t size)
{
    std::vector<wellfile::RECORD> b(size);
    for (int k = 0; k < count && std::size_t(k) < size; ++k)
        b[std::size_t(k)] = ValidRecord(top + k, 2.0f, "100SH");
    return b;
}

EntryWindow::EntryWindow(const QString& fileName, int firstDepth, int lastDepth) : first(firstDepth)
{
    path = OpenNewWell(window,
                       [&](const QString&) { return MakeWell(TestDir() + "wells/", fileName, firstDepth, lastDepth); });
    app::LogState& s = window.State();
    s.view.firstPaint = false;
    s.view.holdRepaint = false;
    s.well.file.viewTopDepth = firstDepth + 10;
    s.view.viewScale = 1;
    window.resize(1300, 1000);
    window.EvSize(1300, 1000);
    window.PaintLog();
}

wellfile::RECORD EntryWindow::At(int depth) const
{
    return FileRecords<wellfile::RECORD>(path).at(std::size_t(depth - first));
}

void PressKey(platform::Dialog& d, int box, int key, Qt::KeyboardModifiers mods)
{
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(d.Control(box), &press);
}

void EnterValue(platform::Dialog& d, int box, const QString& text)
{
    d.SetText(box, text);
    PressKey(d, box, Qt::Key_Return);
}

int DifferingPixels(const QImage& a, const QImage& b, int top, int bottom, int width)
{
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < width; ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

}  // namespace testing_support
