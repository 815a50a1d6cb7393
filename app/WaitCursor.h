// The application-wide wait cursor, set and restored in pairs on the GUI thread.
#pragma once

void beginWaitCursor();
void endWaitCursor();

// The wait cursor for the rest of a scope, popped on every path out of it.
struct WaitCursorScope
{
    WaitCursorScope() { beginWaitCursor(); }
    ~WaitCursorScope() { endWaitCursor(); }
    WaitCursorScope(const WaitCursorScope &) = delete;
    WaitCursorScope &operator=(const WaitCursorScope &) = delete;
};
