#pragma once
// Helpers of the scoring tests.
#include <string>
#include <vector>

#include "app/output_state.h"

namespace scoringtest {

// The lines of the current report page.
inline std::vector<std::string> PageLines(const OutputState& out) {
    return std::vector<std::string>(out.OutputPage.begin(), out.OutputPage.begin() + out.PageLineCount);
}

}  // namespace scoringtest
