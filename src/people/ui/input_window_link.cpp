#include "people/ui/input_window_link.h"

namespace {
InputWindowLink g_link;
}

void SetInputWindowLink(InputWindowLink link) { g_link = std::move(link); }

const InputWindowLink& InputLink() { return g_link; }

bool SecondPersonIsSet() { return g_link.SecondPersonSet && g_link.SecondPersonSet(); }

InputBoxes NatalInputBoxes() { return g_link.NatalBoxes ? g_link.NatalBoxes() : InputBoxes{}; }

InputBoxes DiurnalInputBoxes() { return g_link.DiurnalBoxes ? g_link.DiurnalBoxes() : InputBoxes{}; }
