#pragma once
// The engines the scans call: the cosmodynes of chart A alone and those of
// chart A against chart B.
struct ProgramState;

void NatalCosmodynes(ProgramState& ps);
void InterchartCosmodynes(ProgramState& ps);
