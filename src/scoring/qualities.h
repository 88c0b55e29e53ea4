#pragma once
// The 22 relationship qualities between person A and data set B, counted by
// the quality rules on every chart run, and their listing.

struct ProgramState;

// Sets every quality counter to 0 and applies every rule once.
void ComputeQualities(ProgramState& ps);
// Two blank lines, the heading naming both persons and the 22 quality lines
// (25 lines); starts no page and shows nothing.
void ListQualities(ProgramState& ps);
