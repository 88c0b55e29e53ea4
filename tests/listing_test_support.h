#pragma once
// Small helpers of the listing tests: a state with the name tables filled
// and every option 0, and the lines of the current page.
#include <string>
#include <vector>

#include "app/constant_tables.h"
#include "platform/numbers.h"
#include "program_state.h"

inline void PrepareTables(ProgramState& ps) {
    SetDecimalSeparator('.');
    FillNameTables(ps.settings);
}

inline std::vector<std::string> PageLines(const ProgramState& ps) {
    return {ps.output.OutputPage.begin(), ps.output.OutputPage.begin() + ps.output.PageLineCount};
}

// The first page line that starts with the text, or "" when none does.
inline std::string LineStarting(const ProgramState& ps, const std::string& start) {
    for (const auto& line : PageLines(ps))
        if (line.rfind(start, 0) == 0) return line;
    return "";
}
