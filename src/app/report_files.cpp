#include "app/report_files.h"

#include <algorithm>

#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/text_file.h"
#include "program_state.h"

namespace {

// Lines first..last inclusive of a store with one empty slot behind its lines.
std::vector<std::string> StoreLines(const std::vector<std::string>& store, int last) {
    std::vector<std::string> lines(static_cast<size_t>(last) + 1);
    for (size_t i = 0; i < lines.size() && i < store.size(); ++i) lines[i] = store[i];
    return lines;
}

bool WriteReport(ProgramState& ps, const std::string& path) {
    const auto lines = SavedReportLines(ps.output, ps.settings.OptionValues[45]);
    if (WriteTextLines(path, lines)) return true;
    MsgBox("The report could not be written to " + PathToText(path) + ". The data stays in the buffer.", MsgButtons::OK,
           "Warning!", MsgIcon::Exclamation);
    return false;
}

bool CheckDataToWrite(const OutputState& out) {
    if (out.OutputLineCount != 0) return true;
    MsgBox("No data to write to file.", MsgButtons::OK, "Information", MsgIcon::Exclamation);
    return false;
}

}  // namespace

std::vector<std::string> SavedReportLines(const OutputState& out, float linesPerPage) {
    const int step = std::max(1, CInt(static_cast<double>(linesPerPage) - 1));
    std::vector<std::string> lines;
    const std::vector<std::string> stored = StoreLines(out.OutputBuffer, out.OutputLineCount);
    lines.reserve(stored.size() + stored.size() / static_cast<size_t>(step) + 1);
    for (int i = 0; i <= out.OutputLineCount; ++i) {
        lines.push_back(stored[static_cast<size_t>(i)]);
        if (i != 0 && i % step == 0) lines.emplace_back("\f");
    }
    lines.emplace_back("\f");
    return lines;
}

std::string ProposedReportFileName(const std::string& chartName) {
    const size_t blank = chartName.find(' ');
    const std::string stem = (blank != std::string::npos && blank < 8) ? chartName.substr(0, blank)
                                                                       : chartName.substr(0, 8);
    return stem + ".DOC";
}

bool SaveReportFile(ProgramState& ps, const std::string& chartName) {
    if (!CheckDataToWrite(ps.output)) return false;
    if (ps.output.ReportSaveFile.empty()) return SaveReportFileAs(ps, chartName);
    return WriteReport(ps, ps.output.ReportSaveFile);
}

bool SaveReportFileAs(ProgramState& ps, const std::string& chartName) {
    if (!CheckDataToWrite(ps.output)) return false;
    FileChooserRequest request;
    request.save = true;
    request.title = "Save As";
    request.folder = ps.settings.AppPath;
    // The proposal is made from the chart's name, a program text; the chooser takes a path.
    request.fileName = TextToPath(ProposedReportFileName(chartName));
    request.patterns = {"*.DOC"};
    request.filterName = "Data Files";
    auto chosen = ChooseFile(request);
    if (!chosen || chosen->empty()) return false;
    std::string path = *chosen;
    // The default extension when the name has none.
    const size_t slash = path.find_last_of("/\\");
    if (path.find('.', slash == std::string::npos ? 0 : slash + 1) == std::string::npos) path += ".doc";
    ps.output.ReportSaveFile = path;
    return WriteReport(ps, path);
}

std::string PrintFilePath(const Settings& s) { return JoinPath(s.AppPath, "PRNTFILE.XXX"); }

namespace {

bool WritePrintLines(const Settings& s, const std::vector<std::string>& lines) {
    const std::string path = PrintFilePath(s);
    if (WriteTextLines(path, lines)) return true;
    MsgBox("The print file " + PathToText(path) + " could not be written. Nothing was printed.", MsgButtons::OK,
           "Warning!", MsgIcon::Exclamation);
    return false;
}

}  // namespace

bool WritePagePrintFile(ProgramState& ps) {
    if (ps.output.PageLineCount == 0) return false;
    return WritePrintLines(ps.settings, StoreLines(ps.output.OutputPage, ps.output.PageLineCount));
}

bool WriteBufferPrintFile(ProgramState& ps) {
    if (ps.output.OutputLineCount == 0) {
        MsgBox("No data to print.", MsgButtons::OK, "Information", MsgIcon::Exclamation);
        return false;
    }
    return WritePrintLines(ps.settings, StoreLines(ps.output.OutputBuffer, ps.output.OutputLineCount));
}

bool LoadPrintFile(ProgramState& ps, std::string& text) {
    ps.output.PrintWideLines = 0;
    text.clear();
    const auto lines = ReadTextLines(PrintFilePath(ps.settings));
    if (!lines) return false;
    const double width = ps.settings.OptionValues[117];
    for (const std::string& line : *lines) {
        if (static_cast<double>(line.size()) > width) ps.output.PrintWideLines = 1;
        text += line;
        text += "\r\n";
    }
    return true;
}

bool SavePrintEditorText(const Settings& s, const std::string& text) {
    return WriteFileBytes(PrintFilePath(s), text + "\r\n");
}

std::vector<std::vector<std::string>> SplitPrintPages(const std::vector<std::string>& lines, float linesPerPage) {
    const size_t per = static_cast<size_t>(std::max(1, CInt(linesPerPage)));
    std::vector<std::vector<std::string>> pages;
    for (size_t i = 0; i < lines.size(); i += per)
        pages.emplace_back(lines.begin() + static_cast<long>(i),
                           lines.begin() + static_cast<long>(std::min(lines.size(), i + per)));
    return pages;
}
