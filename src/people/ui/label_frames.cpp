#include "people/ui/label_frames.h"

#include "platform/drawing_surface.h"
#include "platform/ui/control_base.h"
#include "platform/ui/form.h"

void DrawFrameRound(Form& form, const Control& control) {
    // Dark grey above and to the left, white below and to the right, 15
    // twips outside the control's rectangle.
    DrawingSurface& s = form.Surface();
    const double l = control.Left() - 15, t = control.Top() - 15;
    const double r = control.Left() + control.Width() + 15 - 1, b = control.Top() + control.Height() + 15 - 1;
    const Colour grey = 0x808080, white = 0xFFFFFF;
    s.Line(l, t, r, t, grey);
    s.Line(l, t, l, b, grey);
    s.Line(l, b, r, b, white);
    s.Line(r, t, r, b + 15, white);
}
