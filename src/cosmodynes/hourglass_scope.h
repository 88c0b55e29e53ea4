#pragma once
// The hourglass for the length of a scope, the default pointer after it on
// every way out.
#include "platform/screen_pointer.h"

class HourglassScope {
public:
    HourglassScope() { SetMousePointer(kHourglassPointer); }
    ~HourglassScope() { SetMousePointer(kDefaultPointer); }
    HourglassScope(const HourglassScope&) = delete;
    HourglassScope& operator=(const HourglassScope&) = delete;
};
