#pragma once
// The natal Magi Society aspect report: the aspects among the eleven bodies
// of chart A alone, in longitude and then in declination, each pair once
// with the lower body first, with its orb, the Saturn clash and the linkage
// names. No scores.
struct ProgramState;

// The whole report page, as the hidden Data menu item shows it. Reads chart
// A; the chart arrays are left as they are.
void DataMagiNatal(ProgramState& ps);
