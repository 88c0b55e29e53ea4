#pragma once
// Places of the input windows' controls: a label column, a box column and
// a third column for the option pairs and the link labels, one row each.
class Control;
class Frame;
class OptionButton;

namespace input_layout {

inline constexpr double kRowPitch = 400;
inline constexpr double kTopMargin = 150;
inline constexpr double kLabelLeft = 120, kLabelWidth = 1575;
inline constexpr double kBoxLeft = 1815, kBoxWidth = 1200;
inline constexpr double kThirdLeft = 3135, kThirdWidth = 2100;
// A box from the box column to the end of the third column: the natal
// name (a relationship name of 40 characters shows whole), the e-mail
// boxes and the OK button.
inline constexpr double kWideBoxWidth = kBoxWidth + 120 + kThirdWidth;
inline constexpr double kRowHeight = 300;
inline constexpr double kWindowWidth = 5250;
// Below the main window, which stands at the top of the screen.
inline constexpr double kWindowTop = 1100;
// The natal window at the left edge, the second data set window beside
// it and the names window beside that, a small gap between them, so that
// on a screen 1280 pixels wide none hides another.
inline constexpr double kWindowGap = 60;
inline constexpr double kSecondWindowLeft = kWindowWidth + 240 + kWindowGap;
inline constexpr double kNamesWindowLeft = 2 * kSecondWindowLeft;

double RowTop(int row);
// The white dividing line drawn above a row, in the gap between the rows.
double DividerTop(int row);
// A label and its box on a row.
void PlaceRow(int row, Control& label, Control& box);
// A link label in the third column.
void PlaceLink(int row, Control& link);
// An option pair in its frame, in the third column: the frame's caption on
// the row, the buttons below it reaching into the next row, which holds
// nothing in the third column. The frame stays clear of the dividers and of
// a link label on the row above.
void PlacePair(int row, Frame& frame, OptionButton& first, OptionButton& second);
// Red text on light grey in a normal-weight font.
void StyleLink(Control& link);
// Bold sans-serif.
void StyleBold(Control& control);

}  // namespace input_layout
