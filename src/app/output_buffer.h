#pragma once
// The report road: a report procedure builds each line in CurrentLine, hands
// it to AppendLine, and ends with ShowOutput, which writes the page to
// "REPORTS/LASTPAGE.TXT" and lets the report window show it.
#include <functional>
#include <string>

struct OutputState;
struct ProgramState;

// The most lines either store can hold.
inline constexpr int kMaxOutputLines = 32767;

// Appends CurrentLine to the buffer and to the page. At the limit the user is
// warned and the line is stored in neither; both counts keep their values.
void AppendLine(OutputState& out);
void AppendLine(ProgramState& ps);
// Sets CurrentLine to "" and appends it.
void AppendBlankLine(OutputState& out);
void AppendBlankLine(ProgramState& ps);
// Begins a new page; the buffer keeps its lines.
void StartReport(OutputState& out);
void StartReport(ProgramState& ps);

// Writes the page file and shows the page. Does nothing while the report
// window is minimised or when the buffer is empty.
void ShowOutput(ProgramState& ps);
// The page file's path in the program folder.
std::string PageFilePath(const ProgramState& ps);

// Empties the buffer only (the report window's clear command): the page stays.
void ClearOutputBuffer(OutputState& out);
// Empties both the buffer and the page, as every fresh chart run does.
void EmptyOutput(OutputState& out);

// The chart headers come from the chart listings, which install them here at
// start; a header that is not installed prints nothing.
struct ChartHeaderPrinters {
    std::function<void(ProgramState&)> PrintNatalHeader;
    std::function<void(ProgramState&)> PrintNatalHeader2;
    std::function<void(ProgramState&)> PrintDiurnalHeader;
    // The caption of the diurnal window's "2nd Person" check box.
    std::function<std::string(const ProgramState&)> SecondPersonCaption;
};
void SetChartHeaderPrinters(ChartHeaderPrinters printers);

// StartReport followed by the natal header.
void StartReportWithHeader(ProgramState& ps);
// StartReport followed by the second natal header.
void StartReportWithHeader2(ProgramState& ps);
// StartReport, the natal header, a blank line, two blanks and the second
// data set's label, then the diurnal header.
void StartReportWithBothHeaders(ProgramState& ps);
