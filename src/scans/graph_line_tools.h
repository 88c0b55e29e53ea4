#pragma once
// Help lines over the graph: horizontal and vertical lines through the first
// point, the segment joining the two points, the line through them extended
// across the frame, and lines parallel to it through the pointer.
#include "platform/drawing_surface.h"
#include "scans/graph_window_model.h"

void DrawHorizontalLine(GraphWindowModel& m, DrawingSurface& s);
void DrawVerticalLine(GraphWindowModel& m, DrawingSurface& s);
void DrawConnectingLine(GraphWindowModel& m, DrawingSurface& s);
// Arms the parallel tool; nothing is drawn yet.
void ArmParallelLines(GraphWindowModel& m);
void DrawExtendedLine(GraphWindowModel& m, DrawingSurface& s);
void DrawParallelChannelLine(GraphWindowModel& m, DrawingSurface& s);
