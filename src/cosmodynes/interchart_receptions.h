#pragma once
// Mutual receptions between chart A's and chart B's planets (Sun to Moon,
// bodies 1..10): each planet stands in one of the other's signs.
struct ProgramState;

// The sign 1..12 of a longitude in degrees (an exact multiple of 30 begins
// the next sign).
int SignOf(double longitude);
// Whether chart A's planet i in sign a and chart B's planet j in sign b are
// in reception (i != j).
bool IsReception(int i, int a, int j, int b);

// Remakes ReceptionMatrix, ReceptionLines and ReceptionLastIndex from the
// current chart positions. Every reception found keeps its line.
void FindMutualReceptions(ProgramState& ps);
// When "incl MR" is ticked: finds the receptions and adds 5 points of
// harmony to both planets and the pair's cell for each one.
void AddReceptionHarmony(ProgramState& ps);
// The report's reception lines under its heading (kept for the clipboard
// too), then one empty entry of the store.
void PrintReceptionLines(ProgramState& ps);
