#pragma once
// The screen's mouse pointer as one setting for the whole program, not a
// stack: setting the hourglass twice and the default once leaves the
// default, so a run that sets the hourglass at its start and the default at
// its end cannot leave the hourglass behind, however the runs nest.
// Without a GUI application (a headless tool) it only remembers the value.

// 0 default, 1 arrow, 2 cross, 3 I-beam, 11 hourglass, 13 arrow and
// hourglass; other values show the arrow.
inline constexpr int kDefaultPointer = 0;
inline constexpr int kHourglassPointer = 11;

void SetMousePointer(int pointer);
int MousePointer();
