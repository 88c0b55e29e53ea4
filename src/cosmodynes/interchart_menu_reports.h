#pragma once
// The interchart cosmodyne report where the program offers it: at the end of
// every chart run's first page, and on the Data, Transits (2nd Person) items.
struct ProgramState;

// The report appended to the page being built, with the hourglass pointer
// while it runs (the chart run calls it between its header and ShowOutput).
void AppendInterchartReport(ProgramState& ps);
// Data, Transits, Cosmodynes: a page with the natal header (both headers
// with a second person) and the report.
void TransitCosmodynes(ProgramState& ps);
// Data, Transits, Cosmodynes with indiv. aspects: the same, every aspect and
// parallel listed before the report.
void TransitCosmodynesWithAspects(ProgramState& ps);
