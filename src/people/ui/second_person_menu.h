#pragma once
// The main window's menu items that follow "2nd Person": with a second
// person the transit items name the second person's reports and wheels, and
// the composite items are enabled.
#include "people/ui/input_window_hooks.h"

void SetSecondPersonMenus(const SecondPersonMenu& menu, bool secondPerson);
