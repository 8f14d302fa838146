#pragma once
// The texts of a window that do not read whole: a label, check box, radio button or push button whose
// text, measured in its own font, is wider than the room the widget gives it.
#include <QStringList>

class QWidget;

namespace testing_support {

// One line per cut text: "class 'text' needs N px, has M px". Hidden widgets are left out.
QStringList CutTexts(const QWidget& window);

}  // namespace testing_support
