#pragma once
// A copy of a control's value kept outside its window, for code that reads
// the value without the window (the computing code reads the program state,
// never a control). The copy takes the control's value when it is bound and
// again after every change. Bound as the window is made, so a window that
// is unloaded and made anew leaves in the copy what its controls show, not
// what the window before it showed.
#include <functional>
#include <string>

class CheckBox;
class TextBox;

// Stores the box's text now and after every change; a Change handler the
// box had runs after the store.
void MirrorText(TextBox& box, std::function<void(const std::string&)> store);
// Stores the box's Value now and after every change; a Click handler the
// box had runs after the store.
void MirrorValue(CheckBox& box, std::function<void(int)> store);
