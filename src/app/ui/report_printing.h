#pragma once
// Printing report lines in a fixed-pitch font on the system printer, or,
// without one, into a PDF file in the reports folder (the user is told its
// name).
#include <string>
#include <vector>

#include "platform/ui/printer_output.h"

struct ProgramState;
class DrawingSurface;

// Where print jobs go; tests send them to a PDF file whatever the machine has.
PrinterOutput::Target& ReportPrintTarget();

// Prepares a page for printing: inches, origin at the top left of the
// printable area, no user scale.
void PrinterReset(DrawingSurface& page);

// Prints the lines in "Courier New" at the given size, option 30 lines a
// page; a page that cannot hold that many lines at this size goes on to
// the next page instead of losing its lower lines. False when the job could
// not be started or finished.
bool PrintReportLines(ProgramState& ps, const std::vector<std::string>& lines, double fontSize);
