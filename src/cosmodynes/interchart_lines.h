#pragma once
// Line helpers shared by the stages of the interchart cosmodyne run: the
// report-line store behind the clipboard copy, the pair and factor lines,
// and the names the headings print.
#include <string>
#include <string_view>

struct ProgramState;

// Keeps a copy of a report line in the store (CosmodyneState::DynesLines at
// DynesLineCount) and moves the count on; the store grows when it is full.
void KeepDynesLine(ProgramState& ps, std::string_view text);
// Leaves the next entry of the store empty.
void KeepDynesBlank(ProgramState& ps);
// CurrentLine = text, AppendLine, and a copy in the store.
void AppendKeptLine(ProgramState& ps, const std::string& text);
// CurrentLine = text and AppendLine.
void AppendText(ProgramState& ps, const std::string& text);

// n blanks ("" for n <= 0).
std::string Blanks(int n);
// A value under "#0.00", right-aligned to 7 characters.
std::string PaddedValue(double value);
// The 10-character name of body k (1..15).
std::string_view BodyName(const ProgramState& ps, int body);

// Pair line: two blanks, chart A's body, the first 10 characters of the
// aspect's name, two blanks, chart B's body, then both values padded and
// four blanks between them.
std::string PairLine(const ProgramState& ps, int i, int code, int j, double first, double second);
// Factor line: two blanks, both body names, the pair's power and net harmony.
std::string FactorLine(const ProgramState& ps, int i, int j);

// Chart B's date as "dd mmm yyyy".
std::string SecondDate(const ProgramState& ps);
// The second person's name (the caption of the "2nd Person" box).
const std::string& SecondName(const ProgramState& ps);
bool SecondPersonTicked(const ProgramState& ps);
bool ChironInUse(const ProgramState& ps);
bool ReceptionsInHarmony(const ProgramState& ps);
