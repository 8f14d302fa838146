#include "support/realxscreens.h"

#include "support/testmain.h"

namespace testing_support {

void RealXScreens::SetUp()
{
    if (const QString missing = XSession::MissingServer(); !missing.isEmpty())
        GTEST_SKIP() << missing.toStdString() << " is not installed";
    program = x.StartForProgram(GetParam(), wm);
    ASSERT_FALSE(program.isEmpty());
    home = TestDir() + "home";
    folder = home + "/StrativM/";
}

}  // namespace testing_support
