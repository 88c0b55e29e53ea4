#pragma once
// The constant tables filled at start: the fixed-width name tables, the
// aspect angles, the house power tables, the wheel ring tables, and the
// screen-size row.
#include <string>

struct ProgramState;
struct Settings;

// Fills the name tables, PlanetNames, AspectAngles, HouseBase, HouseStep and
// the ring tables, and sets CurrentOrbFile and ReportSaveFile to their
// start values.
void FillConstantTables(ProgramState& ps);
void FillNameTables(Settings& s);

// Entry `field` (from 1) of a fixed-width table: characters
// (field - 1) * width + 1 to field * width; blanks beyond the table's end.
std::string TableField(const std::string& table, int width, int field);

// Picks the screen-size row from the screen's width in twips and the twips
// per pixel in x, and notes ScreenPixelWidth.
void ChooseScreenSize(Settings& s, double screenWidthTwips, double twipsPerPixelX);
