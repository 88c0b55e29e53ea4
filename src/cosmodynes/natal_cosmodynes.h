#pragma once
// The cosmodynes of chart A scored as a natal chart.
struct ProgramState;

// Runs the engine on chart A and ranks the bodies by total power. Unless
// QuietMode is set it then appends the natal cosmodyne report (tables,
// groupings, matrix) to the page and puts its compact copy on the
// clipboard, with the hourglass shown meanwhile.
// With QuietMode set (the scans and graph series) it builds no report
// line, leaves the clipboard and the pointer alone and allocates nothing
// after its first run; it leaves the planet table's totals in
// DynesSummaryLine, DynesTotalPower and DynesTotalHarDisc.
void NatalCosmodynes(ProgramState& ps);

// The engine steps of a natal run, in their order, and the power ranking
// of bodies 1..13 + AnglesSetting; no report.
void RunNatalCosmodyneEngine(ProgramState& ps);
