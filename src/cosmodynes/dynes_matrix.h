#pragma once
// The closing block of the cosmodyne reports: aspect power of every pair of
// bodies above the diagonal, harmony less discord below it.
struct ProgramState;

void PrintDynesMatrix(ProgramState& ps);
