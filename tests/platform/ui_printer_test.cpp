// Without a printer the pages go to a PDF file in the reports folder and the
// user is told its name.
#include <QDir>
#include <gtest/gtest.h>

#include "dialog_responder.h"
#include "platform/drawing_surface.h"
#include "platform/ui/printer_output.h"
#include "test_support.h"

TEST(UiPrinter, PagesGoToPdfFileInReportsFolder) {
    const std::string reports = testsupport::MakeTempDir() + "/REPORTS";
    DialogResponder responder;
    responder.Answer(MsgResult::OK);
    std::string path;
    {
        PrinterOutput job(reports, PrinterOutput::Target::PdfFile);
        ASSERT_TRUE(job.IsOpen());
        ASSERT_TRUE(job.ToPdf());
        path = job.PdfPath();
        DrawingSurface& page = job.Page();
        page.SetScaleMode(ScaleUnit::Inches);
        page.SetFontName("Courier New");
        page.SetFontSize(12);
        page.Print("First line of the report");
        page.Print("Second line");
        EXPECT_GT(page.CurrentY(), 0.3);
        job.NewPage();
        EXPECT_DOUBLE_EQ(job.Page().CurrentY(), 0);
        job.Page().Print("Page two");
        job.Page().Line(0, 2000, 5000, 2000);
        EXPECT_TRUE(job.EndDoc());
        EXPECT_FALSE(job.IsOpen());
    }
    ASSERT_EQ(responder.Prompts().size(), 1u);
    EXPECT_NE(responder.Prompts()[0].text.find(path), std::string::npos);

    const std::string name = path.substr(path.rfind('/') + 1);
    EXPECT_EQ(name.substr(0, 6), "PRINT_");
    EXPECT_EQ(name.size(), std::string("PRINT_yyyyMMdd_hhmmss.pdf").size());
    const std::string bytes = testsupport::ReadBytes(path);
    ASSERT_GT(bytes.size(), 500u);
    EXPECT_EQ(bytes.substr(0, 4), "%PDF");
    // Two pages.
    std::size_t pages = 0;
    for (std::size_t at = bytes.find("/Type /Page"); at != std::string::npos; at = bytes.find("/Type /Page", at + 1))
        if (bytes.compare(at, 12, "/Type /Pages") != 0) ++pages;
    EXPECT_EQ(pages, 2u);

    // A second job in the same second gets a name of its own.
    EXPECT_NE(NewPrintFileName(reports), name);
}
