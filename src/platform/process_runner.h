#pragma once
// Runs another program and waits for it to end. The program is started by
// its path with an argument list, never through a shell, so blanks and
// special characters in the path or the arguments need no quoting.
#include <string>
#include <vector>

struct ProcessResult {
    bool Started = false;   // false when the program could not be started
    bool Crashed = false;   // ended by a signal
    int ExitCode = -1;      // the program's exit status when it ended normally
    std::string Error;      // why it could not be started or ended abnormally
};

// Waits without a time limit. The working folder is the program's own
// folder when workingFolder is empty.
ProcessResult RunProgramAndWait(const std::string& program, const std::vector<std::string>& arguments = {},
                                const std::string& workingFolder = "");
