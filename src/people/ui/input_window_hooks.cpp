#include "people/ui/input_window_hooks.h"

#include "app/ui/tip_window.h"
#include "platform/ui/form_registry.h"

InputWindowHooks DefaultInputHooks() {
    // The main window links its menus, house items and focus itself when it
    // loads (LinkInputWindowsTo); the tip window is reached directly.
    InputWindowHooks h;
    h.UnloadTip = [] { UnloadForm<frmTip>(); };
    return h;
}

InputWindowHooks& InputHooks() {
    static InputWindowHooks hooks = DefaultInputHooks();
    return hooks;
}
