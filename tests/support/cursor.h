#pragma once
// The cursor double: installed with the other doubles before every test; tests that look at the wait
// cursor include this header.
#include "platform/waitcursor.h"

namespace testing_support {

// How deep the wait cursor is shown now, and how often it was shown since the test began.
class FakeCursor final : public platform::Cursor {
public:
    int waiting = 0;
    int shown = 0;
    void ShowWait(bool wait) override
    {
        waiting += wait ? 1 : -1;
        shown += wait ? 1 : 0;
    }
};

// The running test's cursor.
FakeCursor& cursor();

}  // namespace testing_support
