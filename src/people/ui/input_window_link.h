#pragma once
// What the names and cities lists, the time-zone picker and the file
// choices do with the two input windows. The input windows reach those
// windows only through their hooks (people_window_hooks.h fills them), so
// they include none of them.
#include <string>

#include "people/ui/input_boxes.h"

struct ProgramState;

// The boxes of the natal window and of the second data set window.
InputBoxes NatalInputBoxes();
InputBoxes DiurnalInputBoxes();

// "2nd Person" ticked on the second data set window.
bool SecondPersonIsSet();
// Person B's name as the caption of "2nd Person".
void SetSecondPersonName(const std::string& name);

// After the natal set changed from a list: the second set copies the natal
// time and place when "Use natal data" is ticked, else becomes now.
void FollowNatalData(ProgramState& ps);

// The double click's chart run: focus on the natal window, the output
// emptied, both charts computed.
void ComputeChartsFromList(ProgramState& ps);
