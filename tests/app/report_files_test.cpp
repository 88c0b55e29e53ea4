#include <gtest/gtest.h>

#include <QDir>

#include "app/help_text.h"
#include "app/output_buffer.h"
#include "app/report_files.h"
#include "dialog_responder.h"
#include "platform/ui/qt_dialog_handler.h"
#include "platform/text_file.h"
#include "program_state.h"
#include "test_support.h"

namespace {

ProgramState StateWithLines(int count) {
    ProgramState ps;
    ps.settings.AppPath = testsupport::MakeTempDir();
    for (int i = 0; i < count; ++i) {
        ps.output.CurrentLine = "line " + std::to_string(i);
        AppendLine(ps);
    }
    return ps;
}

// Indices (in buffer lines) after which a form-feed line stands.
std::vector<int> FormFeedsAfter(const std::vector<std::string>& lines) {
    std::vector<int> after;
    int bufferLine = -1;
    for (const std::string& l : lines) {
        if (l == "\f") after.push_back(bufferLine);
        else ++bufferLine;
    }
    return after;
}

}  // namespace

TEST(SavedReport, FormFeedsFollowOption45) {
    ProgramState ps = StateWithLines(200);
    const auto lines = SavedReportLines(ps.output, 60);
    // Buffer lines 0..200 (the last is the empty slot), a form feed after
    // lines 59, 118 and 177, and one at the end.
    EXPECT_EQ(FormFeedsAfter(lines), (std::vector<int>{59, 118, 177, 200}));
    EXPECT_EQ(lines.size(), 201u + 4u);
    EXPECT_EQ(lines[lines.size() - 2], "");

    // Page sizes below 2 neither divide by zero nor stop the pages.
    ProgramState small = StateWithLines(3);
    for (float option : {1.0f, 0.0f, -5.0f}) {
        EXPECT_EQ(FormFeedsAfter(SavedReportLines(small.output, option)), (std::vector<int>{1, 2, 3, 3}));
    }
}

TEST(SavedReport, SaveAsProposesANameAndSaveReusesTheFile) {
    DialogResponder dialogs;
    ProgramState ps = StateWithLines(3);
    ps.settings.OptionValues[45] = 60;
    const std::string target = ps.settings.AppPath + "/Mary";
    dialogs.AnswerText(target);
    ASSERT_TRUE(SaveReportFile(ps, "Mary Smith"));
    ASSERT_EQ(dialogs.Prompts().size(), 1u);
    ASSERT_EQ(dialogs.Prompts()[0].kind, RecordedPrompt::Kind::ChooseFile);
    const FileChooserRequest& request = dialogs.Prompts()[0].fileRequest;
    EXPECT_EQ(request.fileName, "Mary.DOC");
    EXPECT_EQ(request.folder, ps.settings.AppPath);
    EXPECT_TRUE(request.save);
    EXPECT_EQ(ChooserFilter(request).toStdString(), "Data Files (*.DOC)");
    EXPECT_EQ(ps.output.ReportSaveFile, target + ".doc");
    EXPECT_EQ(testsupport::ReadBytes(target + ".doc"), "line 0\r\nline 1\r\nline 2\r\n\r\n\f\r\n");

    ps.output.CurrentLine = "line 3";
    AppendLine(ps);
    ASSERT_TRUE(SaveReportFile(ps, "Mary Smith"));
    EXPECT_EQ(dialogs.Prompts().size(), 1u);  // no second question
    EXPECT_EQ(testsupport::ReadBytes(target + ".doc"), "line 0\r\nline 1\r\nline 2\r\nline 3\r\n\r\n\f\r\n");
}

TEST(SavedReport, EmptyBufferAndCancelWriteNothing) {
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK, 2);
    ProgramState ps = StateWithLines(0);
    EXPECT_FALSE(SaveReportFile(ps, "Now"));
    EXPECT_FALSE(SaveReportFileAs(ps, "Now"));
    ASSERT_EQ(dialogs.Prompts().size(), 2u);
    EXPECT_EQ(dialogs.Prompts()[0].text, "No data to write to file.");
    EXPECT_EQ(dialogs.Prompts()[0].title, "Information");

    ps = StateWithLines(1);
    dialogs.AnswerText(std::nullopt);
    EXPECT_FALSE(SaveReportFileAs(ps, "Now"));
    EXPECT_EQ(ps.output.ReportSaveFile, "");
}

TEST(SavedReport, AccentedChartNameIsProposedAsTheSameLetters) {
    DialogResponder dialogs;
    dialogs.AnswerText(std::nullopt);
    ProgramState ps = StateWithLines(1);
    EXPECT_FALSE(SaveReportFileAs(ps, "Jos\xE9 Ruiz"));
    ASSERT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_EQ(dialogs.Prompts()[0].fileRequest.fileName, "Jos\xC3\xA9.DOC");
}

TEST(SavedReport, ProposedNames) {
    EXPECT_EQ(ProposedReportFileName("Mary Smith"), "Mary.DOC");
    EXPECT_EQ(ProposedReportFileName("Christopher Smith"), "Christop.DOC");
    EXPECT_EQ(ProposedReportFileName("Now"), "Now.DOC");
    EXPECT_EQ(ProposedReportFileName(" Lead"), ".DOC");
}

TEST(PrintFile, PageAndBufferAndWideLines) {
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK);
    ProgramState ps = StateWithLines(2);
    StartReport(ps);
    EXPECT_FALSE(WritePagePrintFile(ps));  // empty page: nothing happens
    EXPECT_TRUE(dialogs.Prompts().empty());
    ps.output.CurrentLine = std::string(81, 'x');
    AppendLine(ps);
    ASSERT_TRUE(WritePagePrintFile(ps));
    EXPECT_EQ(testsupport::ReadBytes(PrintFilePath(ps.settings)), std::string(81, 'x') + "\r\n\r\n");

    ps.settings.OptionValues[117] = 80;
    std::string text;
    ASSERT_TRUE(LoadPrintFile(ps, text));
    EXPECT_EQ(ps.output.PrintWideLines, 1);
    ps.settings.OptionValues[117] = 81;
    ASSERT_TRUE(LoadPrintFile(ps, text));
    EXPECT_EQ(ps.output.PrintWideLines, 0);

    ASSERT_TRUE(WriteBufferPrintFile(ps));
    auto lines = ReadTextLines(PrintFilePath(ps.settings));
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->size(), 4u);

    ClearOutputBuffer(ps.output);
    EXPECT_FALSE(WriteBufferPrintFile(ps));
    ASSERT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_EQ(dialogs.Prompts()[0].text, "No data to print.");
}

TEST(PrintFile, PagesOfOption30) {
    const std::vector<std::string> lines(120, "x");
    const auto pages = SplitPrintPages(lines, 50);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].size(), 50u);
    EXPECT_EQ(pages[2].size(), 20u);
    EXPECT_EQ(SplitPrintPages(std::vector<std::string>(100, "x"), 50).size(), 2u);
    EXPECT_EQ(SplitPrintPages(lines, 0).size(), 120u);
}

TEST(HelpText, ListsTheTopicOnANewPage) {
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK);
    ProgramState ps = StateWithLines(2);
    QDir(QString::fromStdString(ps.settings.AppPath)).mkdir("REPORTS");
    testsupport::WriteBytes(ps.settings.AppPath + "/WHEELS.HLP", "First\r\n\r\nLast");
    std::string shown;
    ps.output.ShowReportPage = [&](const std::string& p) { shown = p; };
    ps.output.HelpFileName = "\\WHEELS.HLP";
    EXPECT_TRUE(ShowHelpText(ps));
    EXPECT_EQ(shown, PageFilePath(ps));
    // Three lines, the blank of ShowHelpText and the one of ShowOutput.
    ASSERT_EQ(ps.output.PageLineCount, 5);
    EXPECT_EQ(ps.output.OutputPage[0], "First");
    EXPECT_EQ(ps.output.OutputPage[1], "");
    EXPECT_EQ(ps.output.OutputPage[2], "Last");
    EXPECT_EQ(ps.output.OutputLineCount, 7);

    ps.output.HelpFileName = "\\NOTHERE.HLP";
    EXPECT_FALSE(ShowHelpText(ps));
    ASSERT_FALSE(dialogs.Prompts().empty());
    EXPECT_EQ(dialogs.Prompts().back().title, "File Not Found");
    EXPECT_EQ(ps.output.PageLineCount, 5);  // no new page
}
