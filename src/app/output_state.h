#pragma once
// The output buffer: every report line since the buffer was last emptied,
// and the lines of the current page; and the hooks through which the report
// window takes part in building and showing a page.
#include <functional>
#include <string>
#include <vector>

struct OutputState {
    // The line being built; AppendLine stores it.
    std::string CurrentLine;
    // Lines 0..OutputLineCount-1, one empty slot behind the last.
    std::vector<std::string> OutputBuffer;
    int OutputLineCount = 0;
    // Lines of the current page, 0..PageLineCount-1, one empty slot behind.
    std::vector<std::string> OutputPage;
    int PageLineCount = 0;

    // The file chosen by the last Save As; "" until then.
    std::string ReportSaveFile;
    // The help topic to list, with a leading backslash ("\TANDRELL.HLP").
    std::string HelpFileName;
    // 1 when the print file holds a line wider than option 117.
    int PrintWideLines = 0;

    // --- report window hooks (installed by the report window; unset when headless)
    // Start of a page: load the window if needed and set its unit to characters.
    std::function<void()> PrepareReportWindow;
    // Load the page file just written, show the window and set its caption.
    std::function<void(const std::string& pageFile)> ShowReportPage;
};
