// The Wheels menu of the main window opens the wheel window with the chart
// each item sets up.
#include <QApplication>

#include "couple_fixtures.h"
#include "main_window_fixture.h"
#include "platform/ui/form_registry.h"
#include "wheels/ui/wheels_window.h"

namespace {

TEST_F(MainWindowTest, WheelItemsOpenTheWheelWindow) {
    SetOption(40, "0");
    TANDRELL& w = Start();
    fixtures::ComputeCouple(*ps, fixtures::NorthCouple());
    for (MenuItem* item : {&w.mnuWheelsSingleNatal, &w.mnuWheelsSingleNatalMagi, &w.mnuWheelsSingleTransits,
                           &w.mnuWheelsSingleVenusZodiac, &w.mnuWheelsDualNatTran, &w.mnuWheelsDualNatTranMagi,
                           &w.mnuWheelsDualNatTran_Venus})
        EXPECT_TRUE(item->Enabled()) << item->Caption();
    EXPECT_FALSE(w.mnuWheelsAstroLine.Enabled());

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
    UnloadForm<Wheels>();
    QApplication::processEvents();
}

}  // namespace
