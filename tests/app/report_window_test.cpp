// The report window: a page written by ShowOutput, font steps, saving,
// clearing and printing through the print editor.
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QTest>
#include <QDir>
#include <QFontMetrics>
#include <QScrollBar>

#include "app/settings_file.h"

#include "app/report_files.h"
#include "printer_stand_in.h"
#include "window_fixture.h"

namespace {

using ReportWindow = WindowTest;

std::vector<std::string> Lines(int count, const std::string& stem = "line ") {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) lines.push_back(stem + std::to_string(i));
    return lines;
}

std::vector<std::string> PdfFiles(const std::string& folder) {
    std::vector<std::string> files;
    for (const QString& f : QDir(QString::fromStdString(folder)).entryList({"*.pdf"}, QDir::Files))
        files.push_back(JoinPath(folder, f.toStdString()));
    return files;
}

int PdfPageCount(const std::string& bytes) {
    int pages = 0;
    for (size_t at = bytes.find("/Type /Page"); at != std::string::npos; at = bytes.find("/Type /Page", at + 1))
        if (bytes.compare(at, 12, "/Type /Pages") != 0) ++pages;
    return pages;
}

}  // namespace

TEST_F(ReportWindow, ShowsThePageThatShowOutputWrote) {
    ShowPage({"NATAL CHART OF Mary Smith", "SUN       12 ARI 30", "Caf\xE9 au lait"});
    ASSERT_TRUE(FormLoaded<OutputD1>());
    OutputD1& window = FormOf<OutputD1>();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.Caption(), "Tropical - Data");

    const std::string page = testsupport::ReadBytes(PageFilePath(ps));
    ASSERT_FALSE(page.empty());
    EXPECT_EQ(window.RichText1.Text(), page);
    EXPECT_TRUE(window.RichText1.PlainTextEdit()->isReadOnly());

    // Fixed pitch, "COURIER NEW" shown as its metric twin.
    const QFontInfo font(window.RichText1.Widget()->font());
    EXPECT_EQ(font.family().toStdString(), "Liberation Mono");
    EXPECT_TRUE(font.fixedPitch());
    EXPECT_DOUBLE_EQ(window.DisplayedFontSize(), 10);

    // A later page replaces the text, and a minimised window comes back
    // to show it.
    window.SetWindowState(1);
    ShowPage({"second page"});
    EXPECT_EQ(window.WindowState(), 0);
    EXPECT_EQ(window.RichText1.Text(), testsupport::ReadBytes(PageFilePath(ps)));
    EXPECT_EQ(window.RichText1.Text(), "second page\r\n\r\n\r\n");

    // Esc and a right click hand the focus to the main window; Esc types nothing.
    QTest::keyClick(window.RichText1.PlainTextEdit(), Qt::Key_Escape);
    EXPECT_EQ(mainWindowFocused, 1);
    window.RichText1_MouseUp(2);
    EXPECT_EQ(mainWindowFocused, 2);
}

TEST_F(ReportWindow, WindowPlaceComesFromTheSettingsAndIsKept) {
    ps.settings.OutputWindowWidth = 7200;
    ps.settings.OutputWindowHeight = 4800;
    ShowPage({"x"});
    OutputD1& window = FormOf<OutputD1>();
    EXPECT_NEAR(window.Width(), 7200, 15);
    EXPECT_NEAR(window.Height(), 4800, 15);
    // The text fills the window.
    EXPECT_NEAR(window.RichText1.Width(), window.InsideWidth(), 15);
    window.Move(window.Left(), window.Top(), 6000, 4500);
    QCoreApplication::processEvents();
    EXPECT_NEAR(ps.settings.OutputWindowWidth, 6000, 15);
    EXPECT_NEAR(ps.settings.OutputWindowHeight, 4500, 15);
}

TEST_F(ReportWindow, FontStepsStayWithinTheSizesShown) {
    ps.settings.ScreenFactor = 1.2;
    ShowPage({"a", "b"});
    OutputD1& window = FormOf<OutputD1>();
    const int pageBefore = ps.output.PageLineCount;
    for (int i = 0; i < 10; ++i) window.mnuFontsIncrease.PerformClick();
    // 10.6, 11.2, 11.8, 12.4: then the item is off and the size stays.
    EXPECT_NEAR(ps.settings.OutputFontSize, 12.4, 1e-9);
    EXPECT_NEAR(window.DisplayedFontSize(), ps.settings.OutputFontSize, 1e-9);
    EXPECT_FALSE(window.mnuFontsIncrease.Enabled());
    EXPECT_TRUE(window.mnuFontsDecrease.Enabled());
    // Each step shown re-shows the page, one blank line more each time.
    EXPECT_EQ(ps.output.PageLineCount, pageBefore + 4);

    window.mnuFontsIncrease_Click();  // as a shortcut would, past the menu
    EXPECT_NEAR(ps.settings.OutputFontSize, 12.4, 1e-9);

    for (int i = 0; i < 20; ++i) window.mnuFontsDecrease_Click();
    EXPECT_GT(ps.settings.OutputFontSize, MinReportFontSize(ps) - 1e-9);
    EXPECT_LE(ps.settings.OutputFontSize, 8);
    EXPECT_NEAR(window.DisplayedFontSize(), ps.settings.OutputFontSize, 1e-9);
    EXPECT_FALSE(window.mnuFontsDecrease.Enabled());

    // Bold and italic are kept as -1 / 0 and shown.
    window.mnuFontsBold.PerformClick();
    EXPECT_EQ(ps.settings.OutputFontBold, -1);
    EXPECT_TRUE(window.mnuFontsBold.Checked());
    EXPECT_TRUE(window.RichText1.Widget()->font().bold());
    window.mnuFontsBold.PerformClick();
    EXPECT_EQ(ps.settings.OutputFontBold, 0);
    window.mnuFontsItalic.PerformClick();
    EXPECT_TRUE(window.RichText1.Widget()->font().italic());
}

TEST_F(ReportWindow, FontSizeDoesNotDriftWithoutAPageOrFromTheSettingsFile) {
    ps.settings.ScreenFactor = 1.5;
    // A size far beyond the steps, as an older settings file may hold.
    ps.settings.OutputFontSize = 30;
    OutputD1& window = FormOf<OutputD1>();
    EXPECT_NEAR(ps.settings.OutputFontSize, MaxReportFontSize(ps), 1e-9);
    EXPECT_NEAR(window.DisplayedFontSize(), ps.settings.OutputFontSize, 1e-9);
    // No page held: the steps still stop where the shown size stops.
    for (int i = 0; i < 10; ++i) window.mnuFontsIncrease_Click();
    EXPECT_NEAR(ps.settings.OutputFontSize, 12.75, 1e-9);
    EXPECT_EQ(ps.output.PageLineCount, 0);
}

TEST_F(ReportWindow, SaveAsWritesFormFeedsBetweenPagesAndSaveReusesTheFile) {
    ps.settings.OptionValues[45] = 4;
    ps.chart.ChartName = "Christopher Smith";
    ShowPage(Lines(6));  // six lines and the blank line ShowOutput adds
    OutputD1& window = FormOf<OutputD1>();

    const std::string target = AppFile("MARY.DOC");
    responder.AnswerText(target);
    window.mnuFileSaveAs.PerformClick();
    ASSERT_EQ(responder.Prompts().size(), 1u);
    EXPECT_EQ(responder.Prompts()[0].fileRequest.fileName, "Christop.DOC");
    EXPECT_EQ(responder.Prompts()[0].fileRequest.folder, ps.settings.AppPath);
    // Buffer lines 0..7 (the last the empty slot): a form feed after lines 3
    // and 6 (multiples of 45 - 1), and one at the end.
    EXPECT_EQ(testsupport::ReadBytes(target),
              "line 0\r\nline 1\r\nline 2\r\nline 3\r\n\f\r\nline 4\r\nline 5\r\n\r\n\f\r\n\r\n\f\r\n");

    // Save writes the same file again without asking.
    ShowPage({"more"});
    window.mnuFileSave.PerformClick();
    EXPECT_EQ(responder.Prompts().size(), 1u);
    EXPECT_NE(testsupport::ReadBytes(target).find("more\r\n"), std::string::npos);

    // Clear empties the buffer, not the page shown; then nothing is saved.
    const std::string shown = window.RichText1.Text();
    responder.Answer(MsgResult::OK).Answer(MsgResult::OK);
    window.mnuClearBuffer.PerformClick();
    EXPECT_EQ(ps.output.OutputLineCount, 0);
    EXPECT_EQ(window.RichText1.Text(), shown);
    window.mnuFileSave.PerformClick();
    ASSERT_EQ(responder.Prompts().size(), 3u);
    EXPECT_EQ(responder.Prompts()[1].text, "All data cleared from buffer.");
    EXPECT_EQ(responder.Prompts()[1].title, "Information!");
    EXPECT_EQ(responder.Prompts()[2].text, "No data to write to file.");
    EXPECT_EQ(responder.Prompts()[2].title, "Information");
}

TEST_F(ReportWindow, CancelledSaveAsWritesNothing) {
    ps.chart.ChartName = "Now";
    ShowPage({"a"});
    responder.AnswerText(std::nullopt);
    FormOf<OutputD1>().mnuFileSaveAs.PerformClick();
    EXPECT_EQ(responder.Prompts()[0].fileRequest.fileName, "Now.DOC");
    EXPECT_EQ(ps.output.ReportSaveFile, "");
}

TEST_F(ReportWindow, PrintPageGoesThroughTheEditorToAPdfFile) {
    ps.settings.OptionValues[30] = 5;
    ps.settings.OptionValues[117] = 80;
    ShowPage(Lines(10));  // 11 page lines
    OutputD1& window = FormOf<OutputD1>();
    window.mnuPrint.PerformClick();

    ASSERT_TRUE(FormLoaded<PrntFile>());
    PrntFile& editor = FormOf<PrntFile>();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.Caption(), "Data To Be Printed");
    // Page lines 0..11, the last the empty slot.
    std::string expected;
    for (const std::string& l : Lines(10)) expected += l + "\r\n";
    expected += "\r\n\r\n";
    EXPECT_EQ(testsupport::ReadBytes(PrintFilePath(ps.settings)), expected);
    EXPECT_EQ(editor.RichtxtContent.Text(), expected);
    EXPECT_EQ(ps.output.PrintWideLines, 0);

    // The user's edit is printed: it is written back to the print file first.
    QPlainTextEdit* text = editor.RichtxtContent.PlainTextEdit();
    text->moveCursor(QTextCursor::Start);
    QTest::keyClicks(text, "EDITED ");
    responder.Answer(MsgResult::OK);  // told where the PDF file is
    editor.btnPrint.PerformClick();
    ASSERT_EQ(responder.Prompts().size(), 1u);
    const auto pdfs = PdfFiles(AppFile("REPORTS"));
    ASSERT_EQ(pdfs.size(), 1u);
    EXPECT_NE(responder.Prompts()[0].text.find(pdfs[0]), std::string::npos);
    // 13 lines in the print file (the editor's text and a CR LF): 5, 5 and 3.
    EXPECT_EQ(PdfPageCount(testsupport::ReadBytes(pdfs[0])), 3);
    EXPECT_EQ(testsupport::ReadBytes(PrintFilePath(ps.settings)).substr(0, 14), "EDITED line 0\r");
    EXPECT_FALSE(FormLoaded<PrntFile>());
}

// A printer that refuses the job: the user is told, and the editor stays
// open with the text; once the printer takes it, the editor closes.
TEST_F(ReportWindow, PrintEditorStaysOpenWhenThePrinterRefusesTheJob) {
    ShowPage(Lines(3));
    FormOf<OutputD1>().mnuPrint.PerformClick();
    ASSERT_TRUE(FormLoaded<PrntFile>());
    PrinterStandIn printer;
    printer.printer = {true, true, "PDF", QPageSize(QPageSize::Letter)};
    printer.outputPath = AppFile("printed.pdf");
    printer.refusal = "Destination \"PDF\" is not accepting jobs.";
    ScopedPrintServer install(&printer);
    struct ToThePrinter {  // the fixture's PDF target comes back after the test
        ToThePrinter() { ReportPrintTarget() = PrinterOutput::Target::Automatic; }
        ~ToThePrinter() { ReportPrintTarget() = PrinterOutput::Target::PdfFile; }
    } toThePrinter;

    responder.Answer(MsgResult::OK);
    FormOf<PrntFile>().btnPrint.PerformClick();
    ASSERT_EQ(responder.Prompts().size(), 1u);
    EXPECT_NE(responder.Prompts()[0].text.find("did not take the print job"), std::string::npos);
    ASSERT_TRUE(FormLoaded<PrntFile>());
    EXPECT_NE(FormOf<PrntFile>().RichtxtContent.Text().find("line 2"), std::string::npos);

    printer.refusal.reset();
    FormOf<PrntFile>().btnPrint.PerformClick();
    EXPECT_EQ(responder.Prompts().size(), 1u);
    EXPECT_FALSE(FormLoaded<PrntFile>());
    EXPECT_EQ(PdfPageCount(testsupport::ReadBytes(printer.outputPath)), 1);
}

TEST_F(ReportWindow, PrintDataNeedsDataAndMarksWideLines) {
    OutputD1& window = FormOf<OutputD1>();
    responder.Answer(MsgResult::OK);
    window.mnuPrintData.PerformClick();
    ASSERT_EQ(responder.Prompts().size(), 1u);
    EXPECT_EQ(responder.Prompts()[0].text, "No data to print.");
    EXPECT_FALSE(FormLoaded<PrntFile>());
    // Print page with no page does nothing at all.
    window.mnuPrint.PerformClick();
    EXPECT_FALSE(FormLoaded<PrntFile>());

    ps.settings.OptionValues[117] = 10;
    ShowPage({"0123456789", "short"});
    window.mnuPrintData.PerformClick();
    EXPECT_EQ(ps.output.PrintWideLines, 0);
    ShowPage({"0123456789A"});
    window.mnuPrintData.PerformClick();
    EXPECT_EQ(ps.output.PrintWideLines, 1);
    // The editor shows the whole buffer of the latest command.
    EXPECT_NE(FormOf<PrntFile>().RichtxtContent.Text().find("0123456789A"), std::string::npos);
    FormOf<PrntFile>().btnCancel.PerformClick();
    EXPECT_FALSE(FormLoaded<PrntFile>());
}

TEST_F(ReportWindow, HelpListsItsTopicAsAPage) {
    FormOf<OutputD1>().mnuHelp.PerformClick();
    EXPECT_EQ(ps.output.HelpFileName, "\\OUTPUTD1.HLP");
    EXPECT_GT(ps.output.PageLineCount, 1);
    EXPECT_EQ(FormOf<OutputD1>().RichText1.Text(), testsupport::ReadBytes(PageFilePath(ps)));
}

TEST_F(ReportWindow, PrintedPagesHoldOption30LinesAndNeverRunOffThePaper) {
    const std::vector<std::string> lines = Lines(120);
    ps.settings.OptionValues[30] = 50;
    responder.Answer(MsgResult::OK).Answer(MsgResult::OK);
    ASSERT_TRUE(PrintReportLines(ps, lines, 12));
    auto pdfs = PdfFiles(AppFile("REPORTS"));
    ASSERT_EQ(pdfs.size(), 1u);
    EXPECT_EQ(PdfPageCount(testsupport::ReadBytes(pdfs[0])), 3);  // 50, 50 and 20
    QFile::remove(QString::fromStdString(pdfs[0]));

    // More lines a page than the paper holds: the rest go on the next page.
    ps.settings.OptionValues[30] = 200;
    ASSERT_TRUE(PrintReportLines(ps, lines, 12));
    pdfs = PdfFiles(AppFile("REPORTS"));
    ASSERT_EQ(pdfs.size(), 1u);
    EXPECT_GE(PdfPageCount(testsupport::ReadBytes(pdfs[0])), 2);
}

TEST_F(ReportWindow, OpensWideEnoughForAPageOf82ColumnsAtTheDefaultFont) {
    LoadSettings(ps.settings);  // no settings file yet: the defaults
    ShowPage({std::string(82, 'M'), "the widest pages, such as the natal aspect grid, are 82 columns"});
    OutputD1& window = FormOf<OutputD1>();
    QPlainTextEdit* text = window.RichText1.PlainTextEdit();
    // The whole line shows: there is nothing to scroll to the side.
    EXPECT_EQ(text->horizontalScrollBar()->maximum(), 0);
    const int columns = QFontMetrics(text->font()).horizontalAdvance(QString(82, 'M'));
    EXPECT_GE(text->viewport()->width(), columns);
    // The window still fits on a screen 1280 pixels wide.
    EXPECT_LE(window.Width() / TwipsPerPixelX(), 1280);
}
