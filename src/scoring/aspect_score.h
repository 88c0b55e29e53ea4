#pragma once
// The aspect points score of a couple: the points of every aspect that the
// A x B cube holds, summed; its listing and the batch runs' running total.
#include <string>

struct ProgramState;

// A single-precision number in its ordinary text form: up to 7 significant
// digits, a zero before the point, no leading blank, the regional decimal
// separator ("2", "-1.5", "0.25").
std::string SingleText(float value);

// AspectScore: the sum of PointsCube over the aspects AspectCube holds.
float SumAspectPoints(ProgramState& ps);
// Sets AspectScore and adds it to BatchTotal; prints nothing.
void AddTotalScore(ProgramState& ps);
// Lists the aspects with their points and the total score (sets AspectScore).
void PrintAspectScore(ProgramState& ps);
