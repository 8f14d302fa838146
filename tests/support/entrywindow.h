#pragma once
// The manual entry tests' common parts: an entry buffer of consecutive records, a main window on a well
// of depths 980 to 1500 shown from 990, a value box typed into, and the pixels two log images differ in.
#include "shell/ui/logwindow.h"
#include "wellfile/record.h"

#include <QImage>
#include <QString>

#include <cstddef>
#include <vector>

namespace platform {
class Dialog;
}

namespace testing_support {

// An entry buffer as the entry commands read it: record 0 of depth `top`, `count` records of
// consecutive depths (lithology "100SH"), then zeroed records up to `size`.
std::vector<wellfile::RECORD> EntryBuffer(int top, int count, std::size_t size);

// A main window with the well `fileName` (depths `first` to `last`, by default 980 to 1500) open,
// 1300 x 1000, its view top at first + 10 on scale 1, painted once.
struct EntryWindow {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString path;
    int first = 980;
    explicit EntryWindow(const QString& fileName, int firstDepth = 980, int lastDepth = 1500);
    app::LogState& S() { return window.State(); }
    // The data file's record of `depth`, as it is on disk now.
    wellfile::RECORD At(int depth) const;
};

// Sends a key press to the dialog's control `box`.
void PressKey(platform::Dialog& d, int box, int key, Qt::KeyboardModifiers mods = Qt::NoModifier);
// Types `text` into the dialog's value box `box` and presses Enter.
void EnterValue(platform::Dialog& d, int box, const QString& text);

// The pixels of rows [top, bottom) and columns [0, width) in which the two images differ.
int DifferingPixels(const QImage& a, const QImage& b, int top, int bottom, int width);

}  // namespace testing_support
