#pragma once
// Help topics: plain-text ".HLP" files in the program folder, listed on a new
// report page.
#include <string>

struct ProgramState;

// The path of the topic named by HelpFileName ("\TANDRELL.HLP").
std::string HelpFilePath(const ProgramState& ps);

// Lists every line of the topic HelpFileName on a new report page, then a
// blank line, and shows the page. A missing topic gives "File Not Found" and
// no page; false then.
bool ShowHelpText(ProgramState& ps);
