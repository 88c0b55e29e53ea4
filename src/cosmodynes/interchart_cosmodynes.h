#pragma once
// The interchart cosmodyne engine: chart A (the natal arrays) scored against
// chart B (the second arrays). The caller puts the charts in place, sets the
// mode flags (QuietMode, ListEachAspect, CollectWhoLoves, VenusAspectsMode,
// DualPass, BestDaysMode, DatedLines, DayIndex), calls it and reads what it
// leaves: chart A's AspectPower, Harmony and Discord, chart B's PowerB,
// HarmonyB and DiscordB, both pair matrices, LastDualTotalA and
// LastDualTotalB, the batch, dated and day stores, and in a printed run the
// report in the output buffer and its text on the clipboard. It never starts
// a page and never shows one.
struct ProgramState;

void InterchartCosmodynes(ProgramState& ps);

// The bodies of chart A's and chart B's loops for the run's settings: 13
// plus the angles in use, 13 for a chart born at exactly noon, chart A all 15
// while UseAllBodies is -1.
void InterchartBodyCounts(const ProgramState& ps, int& lastA, int& lastB);
