#include "support/commandwell.h"

#include "platform/inputbox.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <gtest/gtest.h>

namespace testing_support {

CommandWell::CommandWell(const QString& folder, const QString& fileName, int first, int last)
{
    path = MakeWell(TestDir() + folder, fileName, first, last);
    wellfile::OpenWell& w = s.well.file;
    w.dataFileName = path;
    w.fileTopDepth = first;
    w.fileBottomDepth = last;
    w.viewTopDepth = 1200;
    s.view.viewScale = 3;
}

int CommandWell::AskInput(const QString& title, const QString& prompt, QString& buffer, int size)
{
    EXPECT_EQ(size, 6);
    return platform::AskInputWith(input, title, prompt, buffer, size);
}

}  // namespace testing_support
