#pragma once
// What the input windows' "ACS Atlas" label and the natal window's
// "Save to disk" button run.
#include "people/name_save.h"
#include "people/ui/input_boxes.h"

struct ProgramState;

// Runs the atlas program, asks the user to accept its place, and writes the
// accepted zone, longitude and latitude into the window's boxes.
void AtlasLinkClick(ProgramState& ps, const InputBoxes& boxes);

// Saves the person of the natal window into a names file the user picks;
// unless the user cancelled, the names window is then reopened.
SaveOutcome SaveNatalToDisk(ProgramState& ps, const NameSaveFields& fields);
