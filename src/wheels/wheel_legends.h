#pragma once
// The header legends of a wheel: chart 1's at the top left, chart 2's
// toward the bottom; on a page also "Sidereal" under a sidereal chart and
// the lines of "PERSONAL.NAM" at the top right. Legend texts print as
// letters, never as glyph codes.
#include <string>
#include <vector>

struct WheelPaintContext;

void DrawHeaderScreen(WheelPaintContext& c);
// personalLines: the lines of "PERSONAL.NAM" when option 174 asks for them
// (read by the caller before the page is drawn).
void DrawHeaderPrinter(WheelPaintContext& c, const std::vector<std::string>& personalLines);

// The lines of "PERSONAL.NAM" in the program folder when option 174 is not
// 0; none when it is 0 or the file cannot be read.
std::vector<std::string> ReadPersonalLines(const std::string& appPath, float option174);
