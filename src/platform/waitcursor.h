#pragma once
// The wait cursor over long work: one scoped helper, and the cursor behind it that the application
// installs (the desktop's) and the tests replace with a double that counts.
namespace platform {

// The mouse cursor over the program's windows: the wait cursor, or the cursor as it was. Calls nest:
// each ShowWait(true) is undone by one ShowWait(false).
class Cursor {
public:
    virtual ~Cursor() = default;
    virtual void ShowWait(bool wait) = 0;
};

// The cursor in force; none (the start) shows nothing.
void InstallCursor(Cursor* cursor);

// Shows the wait cursor while it lives and always puts the cursor back, whichever way the scope is
// left. GUI thread only.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    Cursor* cursor_;  // the one shown on: a cursor installed meanwhile does not get the undo
};

}  // namespace platform
