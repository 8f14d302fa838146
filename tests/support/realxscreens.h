#pragma once
// A test of the real program under openbox (or the window manager a derived fixture sets in its
// constructor), once for each screen size it is given: the X session started
// and the program found before each test (skipped where no X server is installed), the program's home in
// the test's folder and its data folder in that home.
#include "support/modbuspeer.h"
#include "support/xsession.h"

#include <QSize>
#include <QString>

#include <gtest/gtest.h>

namespace testing_support {

class RealXScreens : public ::testing::TestWithParam<QSize> {
protected:
    void SetUp() override;

    WindowManager wm = WindowManager::Openbox;
    XSession x;
    Child app;
    QString program, home, folder;
};

}  // namespace testing_support
