#include "people/ui/input_window_layout.h"

#include <QWidget>

#include "platform/ui/choice_controls.h"
#include "platform/ui/control_base.h"
#include "platform/ui/simple_controls.h"

namespace input_layout {

double RowTop(int row) { return kTopMargin + (row - 1) * kRowPitch; }

double DividerTop(int row) { return RowTop(row) - (kRowPitch - kRowHeight) / 2; }

void PlaceRow(int row, Control& label, Control& box) {
    label.Move(kLabelLeft, RowTop(row), kLabelWidth, kRowHeight);
    box.Move(kBoxLeft, RowTop(row), kBoxWidth, kRowHeight);
    StyleBold(label);
    StyleBold(box);
}

void PlaceLink(int row, Control& link) {
    link.Move(kThirdLeft, RowTop(row), kThirdWidth, kRowHeight);
    StyleLink(link);
}

void PlacePair(int row, Frame& frame, OptionButton& first, OptionButton& second) {
    frame.Move(kThirdLeft, RowTop(row) + 20, kThirdWidth, 560);
    first.Move(90, 230, 800, 270);
    second.Move(kThirdWidth / 2 + 90, 230, 800, 270);
}

void StyleLink(Control& link) {
    link.SetFont("MS Sans Serif", 8.25, false);
    link.Widget()->setStyleSheet("color: #FF0000; background-color: #C0C0C0;");
}

void StyleBold(Control& control) { control.SetFont("MS Sans Serif", 8.25, true); }

}  // namespace input_layout
