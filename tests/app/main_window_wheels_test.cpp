// The Wheels menu of the main window opens the wheel window with the chart
// each item sets up.
#include <QApplication>

#include "couple_fixtures.h"
#include "main_window_fixture.h"
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

}  // namespace
