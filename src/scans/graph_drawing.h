#pragma once
// Drawing the graph window on a drawing surface: the layout of the graph
// units (720 by 510, x from -20, y from -30 downwards), the frame, grid,
// axis texts, x labels and legend, the series, and the caption.
#include <string>

#include "platform/drawing_surface.h"
#include "scans/graph_window_model.h"

// Sets the graph units, places the five labels, clears the surface to white
// and draws the frame and every marked series.
void ResizeEvent(GraphWindowModel& m, DrawingSurface& s);
// Caption, grid, axes, x labels, the upright title and the legend; replots
// every marked column. Does not clear first.
void DrawX(GraphWindowModel& m, DrawingSurface& s);
// Copies column `column` of the table and plots it as series CurrentColumn.
void DrawHouse(GraphWindowModel& m, DrawingSurface& s, int column);
void GraphIt(GraphWindowModel& m, DrawingSurface& s);
// Sets m.Caption.
void DisplayCaption(GraphWindowModel& m);

// The legend text and Planets item caption of column k.
std::string LegendText(const GraphWindowModel& m, int k);
// A natal time of the around-the-clock table as "hh:mm".
std::string NatalTimeText(const GraphContext& c, int k);
