// Printing the wheel: the full page and the half page to PDF files in the
// test's program folder, the print box's answers, Switch.
#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <cmath>

#include "app/options_file.h"
#include "aspect_tools_fixture.h"
#include "platform/recording_surface.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"
#include "test_support.h"
#include "wheels/ui/wheel_print.h"
#include "wheels/ui/wheels_window.h"
#include "wheels/wheel_paint.h"
#include "wheels/wheel_setup.h"

namespace {

const char* const kPrintPrompt = "Click 'YES' for full page chartwheel. Click 'NO' for half page chartwheel.";

class WheelPrintTest : public AspectToolsTest {};

TEST_F(WheelPrintTest, FullPageGoesToOnePdfPage) {
    ComputeCouple(fixtures::NorthCouple());
    ps.settings.OptionValues[198] = 1;
    ps.settings.OptionValues[174] = 1;
    FillDualWheelLegend(ps, DualFiller::Plain);
    Wheels& w = OpenWheels();
    ps.wheels.WheelSwitched = 1;
    responder->Answer(MsgResult::Yes).Answer(MsgResult::OK);
    w.mnuPrintChartwheel.Click();
    const auto& prompts = responder->Prompts();
    ASSERT_EQ(prompts.size(), 2u);
    EXPECT_EQ(prompts[0].text, kPrintPrompt);
    EXPECT_EQ(prompts[0].title, "Full page or half page chartwheel");
    EXPECT_EQ(prompts[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(prompts[0].icon, MsgIcon::Question);
    EXPECT_EQ(prompts[0].defaultButton, 3);
    const auto files = PdfFiles();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_NE(prompts[1].text.find(PathToText(files[0])), std::string::npos);
    EXPECT_EQ(PdfPageCount(testsupport::ReadBytes(files[0])), 1);
    EXPECT_EQ(ps.wheels.WheelSwitched, 0);
    EXPECT_EQ(ps.wheels.PrintToPrinter, 0);
    EXPECT_EQ(w.WindowState(), 0);
    // The page's text: both legends, "Sidereal", the personal lines and
    // the grid's name line (where the PDF tools are installed).
    if (const auto text = PdfText(files[0])) {
        for (const char* part : {"Alice Sample - natal", "Bruno Example", "Inner - natal", "Sidereal",
                                 "Chart prepared by: (your name)", "Alice Sample - natal:"})
            EXPECT_NE(text->find(part), std::string::npos) << part << "\n" << *text;
    }
    const QString ppm = QStandardPaths::findExecutable("pdftoppm");
    if (const char* dir = std::getenv("TANDRELL_WHEEL_SHOTS"); dir && !ppm.isEmpty())
        QProcess::execute(ppm, {"-png", "-r", "120", "-singlefile", QString::fromStdString(files[0]),
                                QString(dir) + "/printed_biwheel_page"});
}

TEST_F(WheelPrintTest, PageHoldsWheelLegendsPersonalLinesAndGrid) {
    ComputeCouple(fixtures::NorthCouple());
    ps.settings.OptionValues[198] = 1;
    ps.settings.OptionValues[174] = 1;
    FillDualWheelLegend(ps, DualFiller::Plain);
    LoadWheelCharts(ps);
    ps.settings.OrbValues.fill(0);
    const std::vector<std::string> lines = ReadWheelPageFiles(ps);
    // The orbs of the wheel's orb file were read before the page.
    EXPECT_EQ(ps.settings.OrbValues[1], 7);
    ASSERT_EQ(lines.size(), 2u);
    RecordingSurface page(8.0 * 300, 10.5 * 300, 300);
    PaintWheelPage(ps, page, lines);
    std::vector<std::string> texts;
    for (const RecordedCall& c : page.CallsOf("PrintText")) texts.push_back(c.text);
    ASSERT_GE(texts.size(), 7u + 1 + 7 + 2 + 1);
    EXPECT_EQ(texts[0], "Alice Sample - natal");
    EXPECT_EQ(texts[7], "Sidereal");
    EXPECT_EQ(texts[8], "Bruno Example");
    EXPECT_EQ(texts.back(), "Alice Sample - natal: ");
    page.SetFontSize(ps.settings.OptionValues[175]);
    const auto calls = page.CallsOf("PrintText");
    for (std::size_t i = 15; i < 17; ++i) {
        EXPECT_EQ(calls[i].text, lines[i - 15]);
        EXPECT_NEAR(calls[i].numbers[0] + page.PlainTextWidth(calls[i].text),
                    page.ScaleWidth() / 2 - ps.settings.OptionValues[177], 1e-9);
    }
    // The grid's cells: aspect glyphs printed after the legends.
    int cells = 0;
    bool afterName = false;
    for (const RecordedCall& c : page.Calls()) {
        if (c.op == "PrintText" && c.text == "Alice Sample - natal: ") afterName = true;
        const int code = c.text.empty() ? 0 : static_cast<unsigned char>(c.text[0]);
        if (afterName && c.op == "Print" && code >= 161 && code <= 176) ++cells;
    }
    EXPECT_GT(cells, 10);

    // Without option 178 no grid, and the orb file is not read.
    ps.settings.OptionValues[178] = 0;
    ps.settings.OrbValues.fill(0);
    ReadWheelPageFiles(ps);
    EXPECT_EQ(ps.settings.OrbValues[1], 0);
}

TEST_F(WheelPrintTest, MissingOrbFileIsToldOnceAndTheEarlierOrbsPrint) {
    ComputeCouple(fixtures::NorthCouple());
    SetUpNatalWheel(ps, false);
    Wheels& w = OpenWheels();
    ps.settings.CurrentOrbFile = JoinPath(ps.settings.AppPath, "GONE.ORB");
    ps.settings.OrbValues[1] = 4.5f;
    responder->Answer(MsgResult::Yes).Answer(MsgResult::OK).Answer(MsgResult::OK);
    w.mnuPrintChartwheel.Click();
    const auto& prompts = responder->Prompts();
    ASSERT_EQ(prompts.size(), 3u);
    EXPECT_EQ(prompts[1].title, "File Not Found");
    EXPECT_EQ(prompts[2].title, "Information");
    EXPECT_EQ(ps.settings.OrbValues[1], 4.5f);
    EXPECT_EQ(PdfFiles().size(), 1u);
}

TEST_F(WheelPrintTest, CancelPrintsNothingAndEveryAnswerRestoresTheWindow) {
    ComputeCouple(fixtures::NorthCouple());
    SetUpNatalWheel(ps, false);
    Wheels& w = OpenWheels();
    w.SetWindowState(2);
    QApplication::processEvents();
    responder->Answer(MsgResult::Cancel);
    w.mnuPrintChartwheel.Click();
    EXPECT_TRUE(PdfFiles().empty());
    EXPECT_EQ(w.WindowState(), 0);

    // A maximised window prints its page all the same.
    w.SetWindowState(2);
    QApplication::processEvents();
    responder->Answer(MsgResult::Yes).Answer(MsgResult::OK);
    w.mnuPrintChartwheel.Click();
    const auto files = PdfFiles();
    ASSERT_EQ(files.size(), 1u);
    const std::string pdf = testsupport::ReadBytes(files[0]);
    EXPECT_EQ(PdfPageCount(pdf), 1);
    EXPECT_GT(pdf.size(), 20000u);  // the wheel and its glyph font, not an empty page
    if (const auto text = PdfText(files[0])) {
        EXPECT_NE(text->find("Alice Sample - natal"), std::string::npos);
    }
    EXPECT_EQ(w.WindowState(), 0);
}

TEST_F(WheelPrintTest, HalfPageIsTheWindowPictureOnWhite) {
    ComputeCouple(fixtures::NorthCouple());
    ps.settings.OptionValues[100] = 1;  // a navy window background
    SetUpNatalWheel(ps, false);
    Wheels& w = OpenWheels();
    const int windowScale = ps.settings.StartScale;
    const QImage image = HalfPageImage(ps, 900, 700);
    EXPECT_EQ(image.pixel(3, image.height() - 3), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(image.width() - 3, image.height() / 2), qRgb(255, 255, 255));
    int ink = 0;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) ++ink;
    EXPECT_GT(ink, 500);
    EXPECT_EQ(ps.settings.StartScale, windowScale);
    EXPECT_EQ(ps.wheels.HalfPagePrint, 0);
    Shot(image, "half_page_picture");

    responder->Answer(MsgResult::No).Answer(MsgResult::OK);
    w.mnuPrintChartwheel.Click();
    const auto files = PdfFiles();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(PdfPageCount(testsupport::ReadBytes(files[0])), 1);
    const QSize max = w.MaximisedInsideSize();
    EXPECT_GT(max.width(), 0);
    EXPECT_GT(max.height(), 0);
    EXPECT_EQ(w.WindowState(), 0);
}

TEST_F(WheelPrintTest, SwitchRunsTheFillerThatOpenedTheBiWheel) {
    ComputeCouple(fixtures::NorthCouple());
    struct Case {
        DualFiller filler;
        const char* orbs;
        const char* line1;
    } cases[] = {{DualFiller::Plain, "SYNASTRY.ORB", "Bruno Example - natal"},
                 {DualFiller::Magi, "MAGI.ORB", "Bruno Example - natal"},
                 {DualFiller::Venus, "VENUS_Z.ORB", "Bruno Example - natal (Venus Zodiac)"}};
    for (const Case& c : cases) {
        ps.wheels.WheelSwitched = 0;
        ps.wheels.VenusZodiacFlag = c.filler == DualFiller::Venus ? 1 : 0;
        FillDualWheelLegend(ps, c.filler);
        Wheels& w = OpenWheels();
        ASSERT_TRUE(w.mnuSwitch.Visible());
        w.mnuSwitch.Click();
        Settle();
        ASSERT_TRUE(FormLoaded<Wheels>());
        EXPECT_EQ(ps.wheels.WheelSwitched, 1);
        EXPECT_EQ(ps.settings.CurrentOrbFile, JoinPath(ps.settings.AppPath, c.orbs));
        EXPECT_EQ(ps.wheels.WheelHeader1[1], c.line1);
        EXPECT_EQ(ps.wheels.WheelHeader2[1], "Alice Sample");
        EXPECT_EQ(ps.wheels.WheelSecondLongitudes[1], ps.chart.NatalLongitudes[1]);
        // The new window took the second person's chart outside.
        if (c.filler != DualFiller::Venus) {
            EXPECT_EQ(ps.wheels.WheelLongitudes[1], ps.chart.SecondLongitudes[1]);
        }
        FormOf<Wheels>().mnuSwitch.Click();
        Settle();
        EXPECT_EQ(ps.wheels.WheelSwitched, 0);
        EXPECT_EQ(ps.wheels.WheelHeader1[1].rfind("Alice Sample - natal", 0), 0u);
        EXPECT_EQ(ps.settings.CurrentOrbFile, JoinPath(ps.settings.AppPath, c.orbs));
    }
}

}  // namespace
