#pragma once
// The output buffer: every report line since the buffer was last emptied,
// and the lines of the current page.
#include <string>
#include <vector>

struct OutputState {
    std::string CurrentLine;
    std::vector<std::string> OutputBuffer;
    int OutputLineCount = 0;
    std::vector<std::string> OutputPage;
    int PageLineCount = 0;
};
