#include "app/output_buffer.h"

#include <utility>

#include "platform/dialogs.h"
#include "platform/text_file.h"
#include "program_state.h"

namespace {

ChartHeaderPrinters g_headers;

void RunHeader(const std::function<void(ProgramState&)>& header, ProgramState& ps) {
    if (header) header(ps);
}

}  // namespace

void AppendLine(OutputState& out) {
    if (out.OutputLineCount >= kMaxOutputLines || out.PageLineCount >= kMaxOutputLines) {
        MsgBox("Buffer cannot hold any more data. Please print and/or clear data buffer before displaying any "
               "more data. This message may appear up to 35 times depending on how full the buffer is and how "
               "much the program wants to write to it.",
               MsgButtons::OK, "Warning!", MsgIcon::Critical);
        return;
    }
    out.OutputBuffer.resize(static_cast<size_t>(out.OutputLineCount) + 2);
    out.OutputBuffer[static_cast<size_t>(out.OutputLineCount)] = out.CurrentLine;
    ++out.OutputLineCount;
    out.OutputBuffer.resize(static_cast<size_t>(out.OutputLineCount) + 1);

    if (out.OutputPage.size() < static_cast<size_t>(out.PageLineCount) + 1)
        out.OutputPage.resize(static_cast<size_t>(out.PageLineCount) + 1);
    out.OutputPage[static_cast<size_t>(out.PageLineCount)] = out.CurrentLine;
    ++out.PageLineCount;
    out.OutputPage.resize(static_cast<size_t>(out.PageLineCount) + 1);
}

void AppendLine(ProgramState& ps) { AppendLine(ps.output); }

void AppendBlankLine(OutputState& out) {
    out.CurrentLine.clear();
    AppendLine(out);
}

void AppendBlankLine(ProgramState& ps) { AppendBlankLine(ps.output); }

void StartReport(OutputState& out) {
    if (out.PrepareReportWindow) out.PrepareReportWindow();
    out.PageLineCount = 0;
    out.OutputPage.assign(2, std::string());
}

void StartReport(ProgramState& ps) { StartReport(ps.output); }

std::string PageFilePath(const ProgramState& ps) {
    return JoinPath(JoinPath(ps.settings.AppPath, "REPORTS"), "LASTPAGE.TXT");
}

void ShowOutput(ProgramState& ps) {
    OutputState& out = ps.output;
    if (out.OutputLineCount == 0) return;
    AppendBlankLine(out);

    // The page and the empty slot behind it: the file ends with the blank
    // line just appended and one further empty line.
    std::vector<std::string> lines(out.OutputPage.begin(),
                                   out.OutputPage.begin() + std::min<size_t>(out.OutputPage.size(),
                                                                             out.PageLineCount + 1));
    lines.resize(static_cast<size_t>(out.PageLineCount) + 1);
    const std::string path = PageFilePath(ps);
    if (!WriteTextLines(path, lines)) {
        MsgBox("The report page could not be written to " + PathToText(path) +
                   ". The report is kept in the buffer and can still be saved or printed.",
               MsgButtons::OK, "Warning!", MsgIcon::Exclamation);
        return;
    }
    if (out.ShowReportPage) out.ShowReportPage(path);
}

void ClearOutputBuffer(OutputState& out) {
    out.OutputLineCount = 0;
    out.OutputBuffer.assign(2, std::string());
}

void EmptyOutput(OutputState& out) {
    ClearOutputBuffer(out);
    out.PageLineCount = 0;
    out.OutputPage.assign(2, std::string());
}

void SetChartHeaderPrinters(ChartHeaderPrinters printers) { g_headers = std::move(printers); }

void StartReportWithHeader(ProgramState& ps) {
    StartReport(ps);
    RunHeader(g_headers.PrintNatalHeader, ps);
}

void StartReportWithHeader2(ProgramState& ps) {
    StartReport(ps);
    RunHeader(g_headers.PrintNatalHeader2, ps);
}

void StartReportWithBothHeaders(ProgramState& ps) {
    StartReport(ps);
    RunHeader(g_headers.PrintNatalHeader, ps);
    AppendBlankLine(ps);
    ps.output.CurrentLine =
        "  " + (g_headers.SecondPersonCaption ? g_headers.SecondPersonCaption(ps) : std::string("2nd Person"));
    AppendLine(ps);
    RunHeader(g_headers.PrintDiurnalHeader, ps);
}
