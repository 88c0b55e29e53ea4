#pragma once
// Aspect listings within one chart and between two charts.
struct ProgramState;

// Result of ClassifyAspect: the aspect code (1 = none) and the separation,
// which for a match is the orb rounded to a tenth, negative below the exact
// angle, and otherwise the separation unchanged.
struct AspectClass {
    int code = 1;
    double separation = 0.0;
};

// Classifies a separation of 0 to 180 degrees with fixed one-degree windows
// (inclusive): 60, 90, 120, 180 (179 or more), 30, 45, 135, 150 and 0
// (1 or less); a later window replaces an earlier one.
AspectClass ClassifyAspect(double separation);

// One aspect line for bodies i and j, when the pair is in aspect; the
// separation is folded to 0..180 first, and the orb's sign follows the
// signed longitude difference.
void PrintAspectLine(ProgramState& ps, int i, int j, double separation, double longitudeDifference);

// The aspect grid of the working chart (WorkLongitudes, WorkDeclinations)
// with the listing orbs of options 1 to 16, its legend and its list.
void PrintNatalAspects(ProgramState& ps);
// Chart B's bodies against chart A's.
void PrintTransitToNatalAspects(ProgramState& ps);
// Chart B's bodies against each other.
void PrintTransitToTransitAspects(ProgramState& ps);
