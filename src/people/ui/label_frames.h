#pragma once
// The sunken frame the input windows draw round their labels.
class Control;
class Form;

void DrawFrameRound(Form& form, const Control& control);
