#include "wheels/wheel_extra_stages.h"

#include "wheels/wheel_paint_context.h"

// Drawn from BodyGlyphAngles and WheelLongitudes once the aspect lines are
// part of the program.
void DrawAspectLines(WheelPaintContext&) {}

// Drawn from both rings' longitudes once the printed grid is part of the
// program.
void DrawAspectGridPrinter(WheelPaintContext&) {}
