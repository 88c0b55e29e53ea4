// Without a printer the pages go to a PDF file in the reports folder and the
// user is told its name; with a default printer they go there on its own
// paper, and a job it refuses is told.
#include <QDir>
#include <gtest/gtest.h>

#include "dialog_responder.h"
#include "platform/drawing_surface.h"
#include "platform/ui/printer_output.h"
#include "printer_stand_in.h"
#include "test_support.h"

namespace {

// The size of the first page of a PDF file written by Qt, in points.
std::string MediaBox(const std::string& pdf) {
    const std::size_t at = pdf.find("/MediaBox [0 0 ");
    if (at == std::string::npos) return "";
    const std::size_t from = at + 15;
    return pdf.substr(from, pdf.find(']', from) - from);
}

}  // namespace

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

// One look-up of the default printer per job; its own paper for the pages; a
// PDF file (A4) with a message saying why when none is chosen; a refused job
// told and reported as not printed.
TEST(UiPrinter, JobsFollowTheDefaultPrinter) {
    const std::string folder = testsupport::MakeTempDir();
    const std::string reports = folder + "/REPORTS";
    const std::string refused = "Destination \"PDF\" is not accepting jobs.";
    struct Case {
        const char* what;
        bool installed, chosen;
        QPageSize::PageSizeId paper;
        std::optional<std::string> refusal;
        bool printed;        // EndDoc's answer
        const char* told;    // the start of the message; "" for none
        const char* media;   // the page in points
    };
    const Case cases[] = {
        {"letter printer", true, true, QPageSize::Letter, std::nullopt, true, "", "612.000000 792.000000"},
        {"A5 printer", true, true, QPageSize::A5, std::nullopt, true, "", "420.000000 595.000000"},
        {"refusing printer", true, true, QPageSize::Letter, refused, false,
         "The printer \"PDF\" did not take the print job. Nothing was printed.\r\n\r\nDestination \"PDF\" is not",
         "612.000000 792.000000"},
        {"no default", true, false, QPageSize::Letter, std::nullopt, true,
         "No default printer is chosen. The pages were saved in the file ", "595.000000 842.000000"},
        {"no printer", false, false, QPageSize::Letter, std::nullopt, true,
         "No printer is set up. The pages were saved in the file ", "595.000000 842.000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PrinterStandIn printer;
        printer.printer = {c.installed, c.chosen, "PDF", QPageSize(c.paper)};
        printer.outputPath = folder + "/printed.pdf";
        printer.refusal = c.refusal;
        ScopedPrintServer install(&printer);
        DialogResponder responder;
        if (*c.told) responder.Answer(MsgResult::OK);
        std::string written;
        {
            PrinterOutput job(reports, PrinterOutput::Target::Automatic, "Chartwheel");
            ASSERT_TRUE(job.IsOpen());
            EXPECT_EQ(job.ToPdf(), !c.chosen);
            job.Page().Print("A line");
            EXPECT_EQ(job.EndDoc(), c.printed);
            written = c.chosen ? printer.outputPath : job.PdfPath();
        }
        EXPECT_EQ(printer.lookUps, 1);
        if (*c.told) {
            ASSERT_EQ(responder.Prompts().size(), 1u);
            EXPECT_EQ(responder.Prompts()[0].text.rfind(c.told, 0), 0u) << responder.Prompts()[0].text;
        }
        EXPECT_EQ(MediaBox(testsupport::ReadBytes(written)), c.media);
        QFile::remove(QString::fromStdString(written));
    }
}
