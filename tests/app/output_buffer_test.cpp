#include <gtest/gtest.h>

#include <QDir>

#include "app/output_buffer.h"
#include "dialog_responder.h"
#include "program_state.h"
#include "test_support.h"

namespace {

void Append(ProgramState& ps, const std::string& line) {
    ps.output.CurrentLine = line;
    AppendLine(ps);
}

ProgramState StateWithReportsFolder() {
    ProgramState ps;
    ps.settings.AppPath = testsupport::MakeTempDir();
    QDir(QString::fromStdString(ps.settings.AppPath)).mkdir("REPORTS");
    return ps;
}

}  // namespace

TEST(OutputBuffer, AppendAndStartReport) {
    ProgramState ps;
    Append(ps, "one");
    Append(ps, "");
    EXPECT_EQ(ps.output.OutputLineCount, 2);
    EXPECT_EQ(ps.output.PageLineCount, 2);
    EXPECT_EQ(ps.output.OutputBuffer[1], "");
    // One empty slot stands behind the last line of each store.
    EXPECT_EQ(ps.output.OutputBuffer.size(), 3u);
    EXPECT_EQ(ps.output.OutputPage.size(), 3u);
    EXPECT_EQ(ps.output.CurrentLine, "");

    int prepared = 0;
    ps.output.PrepareReportWindow = [&] { ++prepared; };
    StartReport(ps);
    EXPECT_EQ(prepared, 1);
    EXPECT_EQ(ps.output.PageLineCount, 0);
    EXPECT_EQ(ps.output.OutputLineCount, 2);
    Append(ps, "two");
    EXPECT_EQ(ps.output.OutputPage[0], "two");
    EXPECT_EQ(ps.output.OutputBuffer[2], "two");

    ClearOutputBuffer(ps.output);
    EXPECT_EQ(ps.output.OutputLineCount, 0);
    EXPECT_EQ(ps.output.PageLineCount, 1);
    EmptyOutput(ps.output);
    EXPECT_EQ(ps.output.PageLineCount, 0);
}

TEST(OutputBuffer, FullBufferWarnsAndKeepsEverything) {
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK, 2);
    ProgramState ps;
    for (int i = 0; i < kMaxOutputLines; ++i) {
        ps.output.CurrentLine = std::to_string(i);
        AppendLine(ps.output);
        if (i % 1000 == 999) StartReport(ps);
    }
    ASSERT_TRUE(dialogs.Prompts().empty());
    const int page = ps.output.PageLineCount;
    Append(ps, "too many");
    Append(ps, "still too many");
    ASSERT_EQ(dialogs.Prompts().size(), 2u);
    EXPECT_EQ(dialogs.Prompts()[0].title, "Warning!");
    EXPECT_EQ(dialogs.Prompts()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(dialogs.Prompts()[0].text.rfind("Buffer cannot hold any more data.", 0), 0u);
    EXPECT_EQ(ps.output.OutputLineCount, kMaxOutputLines);
    EXPECT_EQ(ps.output.PageLineCount, page);
    EXPECT_EQ(ps.output.OutputBuffer[kMaxOutputLines - 1], std::to_string(kMaxOutputLines - 1));
    EXPECT_EQ(ps.output.OutputBuffer[kMaxOutputLines], "");
}

TEST(OutputBuffer, FullPageAfterClearingTheBufferAlsoWarns) {
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK);
    ProgramState ps;
    for (int i = 0; i < kMaxOutputLines; ++i) AppendLine(ps.output);
    ClearOutputBuffer(ps.output);  // the page keeps its lines
    Append(ps, "x");
    EXPECT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_EQ(ps.output.OutputLineCount, 0);
    EXPECT_EQ(ps.output.PageLineCount, kMaxOutputLines);
}

TEST(OutputBuffer, ShowOutputWritesThePageWithTwoTrailingEmptyLines) {
    ProgramState ps = StateWithReportsFolder();
    std::string shown;
    ps.output.ShowReportPage = [&](const std::string& path) { shown = path; };
    Append(ps, "earlier report");
    StartReport(ps);
    Append(ps, "a");
    Append(ps, "b");
    Append(ps, "c");
    ShowOutput(ps);
    EXPECT_EQ(shown, ps.settings.AppPath + "/REPORTS/LASTPAGE.TXT");
    EXPECT_EQ(testsupport::ReadBytes(shown), "a\r\nb\r\nc\r\n\r\n\r\n");
    EXPECT_EQ(ps.output.PageLineCount, 4);
    EXPECT_EQ(ps.output.OutputLineCount, 5);
}

TEST(OutputBuffer, ShowOutputDoesNothingWhenEmptyOrMinimised) {
    ProgramState ps = StateWithReportsFolder();
    int shown = 0;
    ps.output.ShowReportPage = [&](const std::string&) { ++shown; };
    StartReport(ps);
    AppendLine(ps);
    ClearOutputBuffer(ps.output);  // the page holds a line, the buffer none
    ShowOutput(ps);
    EXPECT_EQ(shown, 0);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(PageFilePath(ps))));
    EXPECT_EQ(ps.output.PageLineCount, 1);

    // A report that adds nothing still shows when earlier lines are buffered.
    Append(ps, "x");
    StartReport(ps);
    ShowOutput(ps);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(testsupport::ReadBytes(PageFilePath(ps)), "\r\n\r\n");
}

TEST(OutputBuffer, UnwritablePageFileIsReportedAndBufferKept) {
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK);
    ProgramState ps;
    ps.settings.AppPath = testsupport::MakeTempDir();  // no REPORTS folder
    int shown = 0;
    ps.output.ShowReportPage = [&](const std::string&) { ++shown; };
    Append(ps, "kept");
    ShowOutput(ps);
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_EQ(ps.output.OutputBuffer[0], "kept");
}

TEST(OutputBuffer, BothHeadersFrameTheSecondPersonsLabel) {
    ProgramState ps;
    ChartHeaderPrinters printers;
    printers.PrintNatalHeader = [](ProgramState& p) { p.output.CurrentLine = "NATAL"; AppendLine(p); };
    printers.PrintDiurnalHeader = [](ProgramState& p) { p.output.CurrentLine = "DIURNAL"; AppendLine(p); };
    printers.SecondPersonCaption = [](const ProgramState&) { return std::string("Robin Sample"); };
    SetChartHeaderPrinters(printers);
    StartReportWithBothHeaders(ps);
    ASSERT_EQ(ps.output.PageLineCount, 4);
    EXPECT_EQ(ps.output.OutputPage[0], "NATAL");
    EXPECT_EQ(ps.output.OutputPage[1], "");
    EXPECT_EQ(ps.output.OutputPage[2], "  Robin Sample");
    EXPECT_EQ(ps.output.OutputPage[3], "DIURNAL");
    StartReportWithHeader(ps);
    EXPECT_EQ(ps.output.PageLineCount, 1);
    StartReportWithHeader2(ps);  // not installed: an empty page
    EXPECT_EQ(ps.output.PageLineCount, 0);
    SetChartHeaderPrinters({});
}
