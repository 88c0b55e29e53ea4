#include "people/ui/input_window_hooks.h"

InputWindowHooks& InputHooks() {
    static InputWindowHooks hooks;
    return hooks;
}
