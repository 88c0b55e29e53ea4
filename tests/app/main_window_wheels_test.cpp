// The Wheels menu of the main window opens the wheel window with the chart
// each item sets up.
#include <QApplication>

#include <cmath>

#include "couple_fixtures.h"
#include "main_window_fixture.h"
#include "people/input_checks.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"
#include "test_support.h"
#include "wheels/ui/aspect_list_window.h"
#include "wheels/ui/astro_line_window.h"
#include "wheels/ui/wheels_window.h"

namespace {

TEST_F(MainWindowTest, WheelItemsOpenTheWheelWindow) {
    SetOption(40, "0");
    TANDRELL& w = Start();
    fixtures::ComputeCouple(*ps, fixtures::NorthCouple());
    for (const char* orbs : {"COMPOSIT.ORB", "SYNASTRY.ORB"})
        testsupport::WriteBytes(JoinPath(ps->settings.AppPath, orbs),
                                testsupport::ReadBytes(JoinPath(testsupport::ShippedDataDir(), orbs)));
    for (MenuItem* item : {&w.mnuWheelsSingleNatal, &w.mnuWheelsSingleNatalMagi, &w.mnuWheelsSingleTransits,
                           &w.mnuWheelsSingleVenusZodiac, &w.mnuWheelsDualNatTran, &w.mnuWheelsDualNatTranMagi,
                           &w.mnuWheelsDualNatTran_Venus})
        EXPECT_TRUE(item->Enabled()) << item->Caption();
    EXPECT_TRUE(w.mnuWheelsAstroLine.Enabled());
    EXPECT_EQ(w.mnuWheelsAstroLine.Shortcut(), "Ctrl+A");

    w.mnuWheelsSingleNatal.Click();
    ASSERT_TRUE(FormLoaded<Wheels>());
    EXPECT_TRUE(FormOf<Wheels>().isVisible());
    EXPECT_EQ(ps->wheels.ChartCount, 1);
    EXPECT_EQ(ps->wheels.WheelLongitudes[1], ps->chart.NatalLongitudes[1]);

    w.mnuWheelsDualNatTran.Click();
    QApplication::processEvents();
    ASSERT_TRUE(FormLoaded<Wheels>());
    EXPECT_EQ(ps->wheels.ChartCount, 2);
    EXPECT_FALSE(FormOf<Wheels>().mnuChartType.Visible());

    // The composite asks its latitude; Cancel leaves the wheel as it was.
    responder->AnswerText(std::nullopt);
    w.mnuWheelsSingleComposite.Click();
    EXPECT_EQ(ps->wheels.ChartCount, 2);
    responder->AnswerText("51.30");
    w.mnuWheelsSingleComposite.Click();
    QApplication::processEvents();
    EXPECT_EQ(ps->wheels.ChartCount, 1);
    EXPECT_EQ(ps->wheels.WheelHeader1[4], "Latitude = 51.30 North");

    // AstroLine opens the aspect-line window anew, on its first page.
    w.mnuWheelsAstroLine.Click();
    ASSERT_TRUE(FormLoaded<AstrLine>());
    EXPECT_TRUE(FormOf<AstrLine>().isVisible());
    FormOf<AstrLine>().PageNumber = 2;
    w.mnuWheelsAstroLine.Click();
    QApplication::processEvents();
    EXPECT_EQ(FormOf<AstrLine>().PageNumber, 0);
    // The Input item closes the wheel, the aspect lines and the aspect list.
    FormOf<Wheels>().mnuAspects.Click();
    ASSERT_TRUE(FormLoaded<CWAspect>());
    w.mnuInputData.Click();
    QApplication::processEvents();
    EXPECT_FALSE(FormLoaded<Wheels>());
    EXPECT_FALSE(FormLoaded<AstrLine>());
    EXPECT_FALSE(FormLoaded<CWAspect>());
}

TEST_F(MainWindowTest, CompositeLatitudeBeyondTheHouseFormulasAsksAgain) {
    SetOption(40, "0");
    TANDRELL& w = Start();
    fixtures::ComputeCouple(*ps, fixtures::NorthCouple());
    testsupport::WriteBytes(JoinPath(ps->settings.AppPath, "COMPOSIT.ORB"),
                            testsupport::ReadBytes(JoinPath(testsupport::ShippedDataDir(), "COMPOSIT.ORB")));
    ASSERT_EQ(ps->chart.HouseSystemCode, "P");
    const auto& prompts = responder->Prompts();

    // 80 North is beyond the Placidus formulas: the input windows' message,
    // then the box again with its default; 50 is taken.
    std::size_t first = prompts.size();
    responder->AnswerText("80").Answer(MsgResult::OK).AnswerText("50");
    w.mnuWheelsSingleComposite.Click();
    QApplication::processEvents();
    ASSERT_EQ(prompts.size(), first + 3);
    EXPECT_EQ(prompts[first].title, "Current latitude");
    EXPECT_EQ(prompts[first + 1].text, kLatitudeMessage);
    EXPECT_EQ(prompts[first + 1].title, "Warning!");
    EXPECT_EQ(prompts[first + 2].kind, RecordedPrompt::Kind::Input);
    EXPECT_EQ(prompts[first + 2].defaultText, prompts[first].defaultText);
    ASSERT_TRUE(FormLoaded<Wheels>());
    EXPECT_EQ(ps->wheels.WheelHeader1[4], "Latitude = 50 North");
    // The wheel's cusps run round in order from the Ascendant.
    double previous = ps->wheels.WheelCusps[4];
    for (int step = 1; step <= 12; ++step) {
        const double cusp = ps->wheels.WheelCusps[static_cast<std::size_t>((3 + step) % 12 + 1)];
        const double width = std::fmod(cusp - previous + 360.0, 360.0);
        EXPECT_LT(width, 90.0) << step;
        previous = cusp;
    }

    // 99 still gives the midpoint houses.
    responder->AnswerText("99");
    w.mnuWheelsSingleComposite.Click();
    QApplication::processEvents();
    EXPECT_EQ(ps->wheels.WheelHeader1[4], "Midpoint composite houses");

    // After a refused answer, Cancel leaves the wheel as it was.
    const auto cusps = ps->wheels.WheelCusps;
    const auto header = ps->wheels.WheelHeader1;
    first = prompts.size();
    responder->AnswerText("-70").Answer(MsgResult::OK).AnswerText(std::nullopt);
    w.mnuWheelsSingleComposite.Click();
    QApplication::processEvents();
    ASSERT_EQ(prompts.size(), first + 3);
    EXPECT_EQ(prompts[first + 1].text, kLatitudeMessage);
    ASSERT_TRUE(FormLoaded<Wheels>());
    EXPECT_EQ(ps->wheels.WheelCusps, cusps);
    EXPECT_EQ(ps->wheels.WheelHeader1, header);

    // The Meridian system, which the input windows let past the limit, takes 80.
    ps->chart.HouseSystemCode = "M";
    responder->AnswerText("80");
    w.mnuWheelsSingleComposite.Click();
    QApplication::processEvents();
    EXPECT_EQ(ps->wheels.WheelHeader1[4], "Latitude = 80 North");
    EXPECT_EQ(responder->UnusedAnswers(), 0u);
}

}  // namespace
