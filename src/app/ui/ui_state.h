#pragma once
// The program state the windows work on. The program sets it once at start;
// a window test sets a fresh one for each case.
struct ProgramState;

ProgramState& UiState();
void SetUiState(ProgramState* ps);
