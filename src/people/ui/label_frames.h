#pragma once
// The sunken frame the input windows draw round their labels. Stands in for
// the shared control frame of the main window's subsystem until that one is
// part of the program; then this calls it.
class Control;
class Form;

void DrawFrameRound(Form& form, const Control& control);
