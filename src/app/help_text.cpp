#include "app/help_text.h"

#include "app/options_file.h"
#include "app/output_buffer.h"
#include "platform/text_file.h"
#include "program_state.h"

std::string HelpFilePath(const ProgramState& ps) {
    std::string name = ps.output.HelpFileName;
    while (!name.empty() && (name.front() == '\\' || name.front() == '/')) name.erase(0, 1);
    return JoinPath(ps.settings.AppPath, name);
}

bool ShowHelpText(ProgramState& ps) {
    const std::string path = HelpFilePath(ps);
    const auto lines = ps.output.HelpFileName.empty() ? std::nullopt : ReadTextLines(path);
    if (!lines) {
        ReportFileNotFound(path);
        return false;
    }
    StartReport(ps);
    for (const std::string& line : *lines) {
        // A topic longer than the buffer ends at the buffer's one message
        // rather than repeating it for every line left.
        const int before = ps.output.OutputLineCount;
        ps.output.CurrentLine = line;
        AppendLine(ps);
        if (ps.output.OutputLineCount == before) break;
    }
    AppendBlankLine(ps);
    ShowOutput(ps);
    return true;
}
