#pragma once
// Printing the wheel: a full page drawn straight into the print job (the
// wheel, its legends, the personal lines and the aspect grid), or a half
// page: the window's picture at the size of a maximised wheel window, on a
// white background, printed as an image. The job goes to the system
// printer, or to a PDF file in "REPORTS" and the user is told its name.
#include <QImage>
#include <string>
#include <vector>

struct ProgramState;

// What the page needs from files, read before the job starts: the wheel's
// orb file for the aspect grid (option 178; a missing file is told once and
// the earlier orbs stay) and the lines of "PERSONAL.NAM" (option 174).
std::vector<std::string> ReadWheelPageFiles(ProgramState& ps);

// The full page. Clears WheelSwitched. False when no page was sent.
bool PrintWheelFullPage(ProgramState& ps);

// The window's picture for the half page, of the given inside size in
// pixels; the window's StartScale is left as it was.
QImage HalfPageImage(ProgramState& ps, int widthPx, int heightPx);
bool PrintWheelHalfPage(ProgramState& ps, int widthPx, int heightPx);
