#pragma once
// Rules the two input windows share: the key filters, selecting a box's
// text on entry, the hour box's 12-hour rule, the zone sign rule, the atlas
// fill and the sunken frames round the labels.
#include <initializer_list>
#include <string>

class Control;
class Form;
class OptionButton;
class TextBox;
struct ProgramState;

// Digits and Backspace; the minute boxes also ".", the zone boxes "-" and ".".
void DigitsOnly(int& keyAscii);
void MinuteKeys(int& keyAscii);
void ZoneKeys(int& keyAscii);

// The box's whole text is selected whenever it gets the focus.
void SelectOnEntry(TextBox& box);

// The hour rule, on every change of the hour box: empty shows emptyMessage;
// a text that is not a number shows "You are typing too fast. Please slow
// down." and selects it; 0 becomes 12; an hour above 12 sets P.M. and comes
// down by twelves to 12 or less, written in one step.
void HourBoxChanged(TextBox& hour, OptionButton& pm, const char* emptyMessage);

// East makes the zone the negative of its absolute value, West the absolute
// value. A zone box that holds no number is left as it is.
void ResignZone(TextBox& zone, bool east);

// "ACS Atlas": runs the look-up and, when the user accepts its place, writes
// the zone, then longitude and latitude with their sides.
void AtlasLabelClick(ProgramState& ps, TextBox& zone, TextBox& longDeg, TextBox& longMin, OptionButton& east,
                     OptionButton& west, TextBox& latDeg, TextBox& latMin, OptionButton& north,
                     OptionButton& south);

// A sunken frame round each control, in the order given.
void DrawLabelFrames(Form& form, std::initializer_list<const Control*> controls);
// The thin white dividing lines, at the given heights (twips).
void DrawDividers(Form& form, std::initializer_list<double> tops);
