#pragma once
// The graph window's pointer: the read-out of the value under the pointer
// (with the row's date and number), the two points of the line tools, the
// difference between them and the crosshair; and notes typed on the graph.
#include <string>

#include "platform/drawing_surface.h"
#include "scans/graph_window_model.h"

// What a pointer event asks of the window's crosshair.
struct Crosshair {
    enum class Change { None, Hide, Show } change = Change::None;
    double X = 0, Y = 0;  // the hairs' moving ends, in graph units
};

// The read-out text for the pointer at MouseX, MouseY.
std::string ReadoutText(const GraphWindowModel& m);

// A move or press with the buttons held (1 left, 2 right, 4 middle): the
// labels in m.LabelCaption[1..3], the points, a parallel line when the tool
// is armed, and what becomes of the crosshair.
Crosshair GraphMouseMove(GraphWindowModel& m, DrawingSurface& s, int button, double x, double y);

// A typed character printed in black at the pointer, the next one after it;
// control characters print nothing.
void TypeNoteCharacter(GraphWindowModel& m, DrawingSurface& s, int keyAscii);
