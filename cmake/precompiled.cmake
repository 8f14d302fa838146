# Precompiled headers: the standard and Qt headers nearly every file includes, parsed once per layer
# instead of once per file. Each layer's set only adds to the one below it, and the core set holds no
# QtGui header, so the poison headers still stop a core file that reaches for the GUI.
# Only third-party headers belong here: a header of our own in a set would rebuild everything on each change.
set(STRATIVM_PCH_CORE
  <algorithm> <array> <cmath> <cstddef> <cstdint> <cstdio> <cstdlib> <cstring> <functional> <limits>
  <map> <memory> <optional> <span> <string> <string_view> <type_traits> <utility> <vector>
  <QByteArray> <QDate> <QDateTime> <QDir> <QFile> <QFileInfo> <QObject> <QString> <QStringList>)
set(STRATIVM_PCH_DRAW ${STRATIVM_PCH_CORE} <QColor> <QFont> <QImage> <QPainter> <QRect>)
set(STRATIVM_PCH_UI ${STRATIVM_PCH_DRAW} <QApplication> <QDialog> <QLabel> <QLineEdit> <QMainWindow> <QPointer>
  <QWidget>)
set(STRATIVM_PCH_TESTS ${STRATIVM_PCH_UI} <gtest/gtest.h>)

# A target that shares another's precompiled header (target_precompile_headers REUSE_FROM) must compile
# with the same definitions, or clang refuses the header: tools and benchmarks take strativm_ui's, the tests
# the test support's and the fuzz programs the fuzz host's (fuzz/CMakeLists.txt says why not the tests').
