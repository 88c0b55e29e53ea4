#pragma once
// The fields and the clipboard copy shared by the cosmodyne reports.
#include <string>
#include <string_view>

struct ProgramState;

namespace dynes {

// A number formatted "###0.00" and right-aligned to 7 characters; a value
// that rounds to -0.00 takes the blanks of any other value above -1.
std::string NumberField(double value);
// A share in percent formatted "#0.0", 4 characters below 100; a share of
// a zero sum reads " 0.0".
std::string ShareField(double value, double sum);
// n blanks.
inline std::string Spaces(int n) { return std::string(static_cast<size_t>(n), ' '); }

// Appends a line to the report page.
void Emit(ProgramState& ps, std::string line);
void EmitBlank(ProgramState& ps);

// Empties the clipboard copy and writes its chart line into slot 0; the
// count moves on to slot 2.
void StartDynesCopy(ProgramState& ps);
// Stores a line in the copy's next slot.
void CopyLine(ProgramState& ps, std::string_view line);
// Appends to the slot at the count without moving on.
void CopyAppend(ProgramState& ps, std::string_view text);
// The copy's lines 0..DynesLineCount-1, each ended by CR LF, on the
// clipboard.
void PutDynesOnClipboard(ProgramState& ps);

}  // namespace dynes
