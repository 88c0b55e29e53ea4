#pragma once
// The hourglass pointer for the length of a scope. The pointer is the
// program's one setting (not a stack): the scope's end sets the default.
#include "platform/screen_pointer.h"

class WaitCursor {
public:
    WaitCursor() { SetMousePointer(kHourglassPointer); }
    ~WaitCursor() { SetMousePointer(kDefaultPointer); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
