#include "people/ui/people_window_hooks.h"

#include "app/ui/ui_state.h"
#include "people/ui/cities_window.h"
#include "people/ui/data_file_choice.h"
#include "people/ui/input_window_hooks.h"
#include "people/ui/names_window.h"
#include "people/ui/time_zone_window.h"
#include "platform/ui/form_registry.h"

void InstallPeopleWindowHooks() {
    InputWindowHooks& h = InputHooks();
    h.ShowNames = [] { FormOf<Names>().Show(); };
    h.HideNames = [] {
        if (FormLoaded<Names>()) FormOf<Names>().Hide();
    };
    h.HideCities = [] {
        if (FormLoaded<Geograph>()) FormOf<Geograph>().Hide();
    };
    h.LoadTimeZonePicker = []() -> Form* { return &FormOf<TimeZone>(); };
    h.UnloadTimeZonePicker = [] { UnloadForm<TimeZone>(); };
    h.ReopenNames = [] { ReopenNamesWindow(); };
    h.ChooseNamesFile = [] { return SelectNamesFile(UiState(), "*.FIL"); };
}

void RemovePeopleWindowHooks() {
    InputWindowHooks& h = InputHooks();
    h.ShowNames = nullptr;
    h.HideNames = nullptr;
    h.HideCities = nullptr;
    h.LoadTimeZonePicker = nullptr;
    h.UnloadTimeZonePicker = nullptr;
    h.ReopenNames = nullptr;
    h.ChooseNamesFile = nullptr;
}
