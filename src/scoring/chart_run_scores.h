#pragma once
// The chart run with the couple's scores: every caller that computes both
// charts (the input windows, the names-list runs, the report fixtures) goes
// through here, so the scores always belong to the charts last computed.

struct ProgramState;

// The scores of the charts in the program state, in this order: sign
// numbers, A's own cube, B's own cube, the A x B cube, both persons' needs
// and the relationship qualities. Prints nothing.
void ComputeRelationshipScores(ProgramState& ps);

// ComputeChartsCore, then, unless AroundClockMode is 1, the scores. Quiet
// runs score too.
void ComputeChartsWithScores(ProgramState& ps);
