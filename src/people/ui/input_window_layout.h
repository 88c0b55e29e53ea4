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
inline constexpr double kThirdLeft = 3135, kThirdWidth = 1300;
inline constexpr double kRowHeight = 300;
inline constexpr double kWindowWidth = 4650;

double RowTop(int row);
// A label and its box on a row.
void PlaceRow(int row, Control& label, Control& box);
// A link label in the third column.
void PlaceLink(int row, Control& link);
// An option pair in its frame, in the third column, centred on the row.
void PlacePair(int row, Frame& frame, OptionButton& first, OptionButton& second);
// Red text on light grey in a normal-weight font.
void StyleLink(Control& link);
// Bold sans-serif.
void StyleBold(Control& control);

}  // namespace input_layout
