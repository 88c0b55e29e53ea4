#pragma once
// The couple's Magi Society aspect report: every conjunction, square, trine,
// quincunx and opposition between the eleven bodies of chart A and those of
// chart B, then their parallels and contra-parallels, each line with its
// romance, sex and compatibility scores from the Magi score tables, its orb
// and the linkage and clash names of the pair; then the three totals and
// the five sums of crucial scores.
struct ProgramState;
struct ScoringState;

// The whole report page, as the hidden Data menu item shows it. Reads both
// charts; the chart arrays are left as they are.
void DataMagiCouple(ProgramState& ps);

// Copies Chiron's score entries (body 13) into body 11 of the three tables,
// for every aspect code the report uses: first the rows, then the columns.
void CopyChironScores(ScoringState& sc);
