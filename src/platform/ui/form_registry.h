#pragma once
// The default instance of each window class, as the windows reach one
// another: FormOf<InputD>() loads the window on first use and gives it;
// after an Unload the next use makes and loads it anew.
#include "platform/ui/form.h"

template <class T>
FormSlot<T>& FormSlotOf() {
    static FormSlot<T> slot;
    return slot;
}

template <class T>
T& FormOf() {
    return FormSlotOf<T>()();
}

// Whether the window is loaded now, without loading it.
template <class T>
bool FormLoaded() {
    return FormSlotOf<T>().IsLoaded();
}

// Unloads the window when it is loaded; nothing otherwise.
template <class T>
void UnloadForm() {
    FormSlotOf<T>().Unload();
}
