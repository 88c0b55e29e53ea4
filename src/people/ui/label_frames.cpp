#include "people/ui/label_frames.h"

#include "app/ui/control_frames.h"

void DrawFrameRound(Form& form, const Control& control) { DrawControlFrame(form, control); }
