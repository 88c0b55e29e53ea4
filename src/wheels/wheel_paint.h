#pragma once
// The wheel's paint driver: one routine for the window and the page, in a
// fixed order of stages: rings and spokes, house numbers (bi-wheel), cusp
// labels, intercepted signs, one placement pass per chart ring with its
// planet columns, the aspect lines of a single wheel, the legends and, on a
// page, the aspect grid. A paint writes the surface and the wheel state
// (ring exchange, glyph angles), never the chart state.
#include <string>
#include <vector>

struct ProgramState;
class DrawingSurface;

// The window: the scale from StartScale and the inside size (any one unit),
// widened where the cusp labels would otherwise pass the window's edges
// (StartScale itself stays). False, with nothing drawn, when the window has
// no inside area.
bool PaintWheelWindow(ProgramState& ps, DrawingSurface& s, double insideWidth, double insideHeight);

// The page: the wheel in a frame at the top of the printable area, its scale
// from the page's own StartScale (the window's stays as it is). The caller
// starts and ends the print job. personalLines: see ReadPersonalLines.
void PaintWheelPage(ProgramState& ps, DrawingSurface& page, const std::vector<std::string>& personalLines);

// The frame of the page: 1.25 / 0.9475 times as high as wide, so that the
// page's 600/480 scale and its vertical factor 0.9475 meet round circles.
inline constexpr double kPageFrameRatio = 1.25 / 0.9475;
// The page's StartScale: 272 for a European single wheel, 265 otherwise.
int PageStartScale(int chartStyle, int chartCount);

// The window's StartScale from its inside size; StartScale is unchanged when
// the window has no inside area. True when it was set.
bool ResizeWheelWindow(ProgramState& ps, double insideWidth, double insideHeight);

// The window's load: the first chart of the working chart into the wheel's
// own arrays, ring exchange and half-page print cleared, the switch cleared
// when the wheel is not a two-person bi-wheel.
void LoadWheelCharts(ProgramState& ps);
// Whether the first legend line ends with "90 degree wheel".
bool NinetyDegreeWheel(const ProgramState& ps);
