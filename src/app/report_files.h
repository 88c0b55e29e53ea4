#pragma once
// Saving the output buffer to a report file (".DOC", with form-feed lines
// between pages) and writing the print file "PRNTFILE.XXX" that the print
// editor loads. The report window's commands call these.
#include <string>
#include <vector>

struct OutputState;
struct ProgramState;
struct Settings;

// The report lines as a saved file holds them: buffer lines 0 to
// OutputLineCount (the last is the empty slot), with a form-feed line after
// line i whenever i is not 0 and a multiple of option 45 - 1, and one at the
// end. Option 45 below 2 counts as 2, so pages never stop.
std::vector<std::string> SavedReportLines(const OutputState& out, float linesPerPage);

// Save: writes the buffer to ReportSaveFile; runs Save As when none is set
// yet. "No data to write to file." when the buffer is empty.
bool SaveReportFile(ProgramState& ps, const std::string& chartName);
// Save As: asks for a file (proposing a name made from the chart's name) and
// writes the buffer there; cancelling writes nothing.
bool SaveReportFileAs(ProgramState& ps, const std::string& chartName);
// The name Save As proposes: the chart name up to its first blank when that
// stands within the first 8 characters, otherwise its first 8 characters,
// followed by ".DOC".
std::string ProposedReportFileName(const std::string& chartName);

std::string PrintFilePath(const Settings& s);
// Print page: writes page lines 0 to PageLineCount; false (and nothing
// written) when the page is empty.
bool WritePagePrintFile(ProgramState& ps);
// Print data: writes buffer lines 0 to OutputLineCount; "No data to print."
// when the buffer is empty.
bool WriteBufferPrintFile(ProgramState& ps);

// The print editor's text: every line of the print file followed by CR LF.
// Sets PrintWideLines to 1 when a line is longer than lineWidth (option 117).
bool LoadPrintFile(ProgramState& ps, std::string& text);
// Writes the editor's text back to the print file, followed by CR LF.
bool SavePrintEditorText(const Settings& s, const std::string& text);
// The printed pages of the print file's lines, linesPerPage (option 30) each;
// a value below 1 counts as 1. No empty page is made after the last line.
std::vector<std::vector<std::string>> SplitPrintPages(const std::vector<std::string>& lines, float linesPerPage);
