#include "app/ui/wheel_window_hook.h"

WheelWindowHooks& WheelHooks() {
    static WheelWindowHooks hooks;
    return hooks;
}
