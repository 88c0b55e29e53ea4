#include <gtest/gtest.h>

#include <cmath>

#include "chart/composite_chart.h"
#include "couple_fixtures.h"
#include "dialog_responder.h"
#include "platform/text_file.h"
#include "program_state.h"
#include "wheel_test_support.h"
#include "wheels/wheel_setup.h"

namespace {

TEST(WheelSetup, LegendLines) {
    ProgramState ps;
    wheeltest::ComputeWheelCouple(ps, fixtures::NorthCouple());
    ps.chart.NatalLongitude = -71.04f;
    ps.chart.NatalEastWest = "EAST";
    ps.chart.NatalZone = -5;
    SetUpNatalWheel(ps, false);
    const auto& h = ps.wheels.WheelHeader1;
    EXPECT_EQ(h[1], "Alice Sample - natal");
    EXPECT_EQ(h[2], "14 Mar 1962");
    EXPECT_EQ(h[3], "9.30 P.M. (-5)");
    EXPECT_EQ(h[4], "71.04 EAST");
    EXPECT_EQ(h[5], "40.43 NORTH");
    EXPECT_EQ(h[7], "Placidus");
    EXPECT_EQ(ps.settings.CurrentOrbFile, JoinPath(ps.settings.AppPath, "NATAL.ORB"));
    ps.chart.NatalZone = 5;
    SetUpNatalWheel(ps, true);
    EXPECT_EQ(ps.wheels.WheelHeader1[3], "9.30 P.M. ( 5)");
    EXPECT_EQ(ps.settings.CurrentOrbFile, JoinPath(ps.settings.AppPath, "MAGI_NAT.ORB"));
    EXPECT_EQ(ps.wheels.ChartCount, 1);
    EXPECT_EQ(ps.wheels.WheelLayout, 0);
}

TEST(WheelSetup, TransitWheelOfASecondPerson) {
    ProgramState ps;
    wheeltest::ComputeWheelCouple(ps, fixtures::NorthCouple());
    SetUpTransitWheel(ps);
    EXPECT_EQ(ps.wheels.WheelHeader1[1], "Bruno Example");
    EXPECT_EQ(ps.wheels.WheelHeader1[6], ps.chart.SecondSiderealText);
    EXPECT_EQ(ps.settings.CurrentOrbFile, JoinPath(ps.settings.AppPath, "NATAL.ORB"));
    EXPECT_EQ(ps.chart.ChartKind, 3);
    ProgramState pt;
    wheeltest::ComputeWheelCouple(pt, fixtures::NorthTransits());
    SetUpTransitWheel(pt);
    EXPECT_EQ(pt.wheels.WheelHeader1[1], "Transit chart");
    EXPECT_EQ(pt.settings.CurrentOrbFile, JoinPath(pt.settings.AppPath, "TRANSIT.ORB"));
}

TEST(WheelSetup, DualLegendsAndOrbFiles) {
    ProgramState pt;
    wheeltest::ComputeWheelCouple(pt, fixtures::NorthTransits());
    pt.settings.OptionValues[216] = 1;
    FillDualWheelLegend(pt, DualFiller::Plain);
    EXPECT_EQ(pt.wheels.WheelHeader2[1], "Diurnal data");
    EXPECT_EQ(pt.wheels.WheelHeader2[6], "Outer = transits");
    EXPECT_EQ(pt.settings.CurrentOrbFile, JoinPath(pt.settings.AppPath, "NAT2TRAN.ORB"));
    pt.settings.OptionValues[216] = 0;
    FillDualWheelLegend(pt, DualFiller::Plain);
    EXPECT_EQ(pt.wheels.WheelHeader2[6], "Inner = transits");
    EXPECT_EQ(pt.wheels.ChartCount, 2);
    EXPECT_EQ(pt.wheels.WheelLayout, 1);

    ProgramState ps;
    wheeltest::ComputeWheelCouple(ps, fixtures::NorthCouple());
    struct Case {
        DualFiller filler;
        const char* orbs;
        const char* line1;
    } cases[] = {{DualFiller::Plain, "SYNASTRY.ORB", "Alice Sample - natal"},
                 {DualFiller::Magi, "MAGI.ORB", "Alice Sample - natal"},
                 {DualFiller::Venus, "VENUS_Z.ORB", "Alice Sample - natal (Venus Zodiac)"}};
    for (const Case& c : cases) {
        FillDualWheelLegend(ps, c.filler);
        EXPECT_EQ(ps.settings.CurrentOrbFile, JoinPath(ps.settings.AppPath, c.orbs));
        EXPECT_EQ(ps.wheels.WheelHeader1[1], c.line1);
        EXPECT_EQ(ps.wheels.WheelHeader2[1], "Bruno Example");
        EXPECT_EQ(ps.wheels.WheelHeader2[6], ps.chart.SecondSiderealText);
        EXPECT_EQ(ps.wheels.WheelHeader2[7], "Inner - natal");
        EXPECT_EQ(ps.wheels.WheelSecondDeclinations[1], ps.chart.SecondDeclinations[1]);
    }
    // The Venus bi-wheel turns the outer chart to its own Venus only.
    EXPECT_NEAR(ps.chart.WorkLongitudes[3], 0, 1e-9);
    EXPECT_EQ(ps.wheels.WheelSecondLongitudes[3], ps.chart.SecondLongitudes[3]);

    ps.wheels.WheelSwitched = 1;
    FillDualWheelLegend(ps, DualFiller::Plain);
    EXPECT_EQ(ps.wheels.WheelHeader1[1], "Bruno Example - natal");
    EXPECT_EQ(ps.wheels.WheelHeader2[1], "Alice Sample");
    EXPECT_EQ(ps.wheels.WheelHeader2[6], ps.chart.NatalSiderealText);
    EXPECT_EQ(ps.chart.WorkLongitudes[1], ps.chart.SecondLongitudes[1]);
    EXPECT_EQ(ps.wheels.WheelSecondLongitudes[1], ps.chart.NatalLongitudes[1]);
    EXPECT_EQ(ps.wheels.WheelSecondDeclinations[1], ps.chart.NatalDeclinations[1]);
}

TEST(WheelSetup, VenusZodiacWheelPutsVenusAtZeroAries) {
    ProgramState ps;
    wheeltest::ComputeWheelCouple(ps, fixtures::NorthCouple());
    SetUpVenusZodiacWheel(ps);
    EXPECT_NEAR(ps.chart.WorkLongitudes[3], 0, 1e-9);
    EXPECT_EQ(ps.wheels.WheelHeader1[1], "Alice Sample - Venus synodic");
    EXPECT_EQ(ps.wheels.WheelHeader1[7], "");
    // Bodies and cusps turn alike: every house stays.
    for (int b = 1; b <= 15; ++b)
        EXPECT_EQ(ps.chart.WheelHouseString.substr(10 * b - 10, 2), ps.chart.HouseStringA.substr(10 * b - 10, 2)) << b;
}

TEST(WheelSetup, CompositeLatitudeAnswers) {
    struct Case {
        const char* answer;
        LatitudeAnswer expected;
    } cases[] = {{"-33.52", LatitudeAnswer::Accept}, {"51.30", LatitudeAnswer::Accept}, {"99", LatitudeAnswer::Accept},
                 {"95", LatitudeAnswer::AskAgain},    {"abc", LatitudeAnswer::AskAgain}, {"51.60", LatitudeAnswer::AskAgain},
                 {"", LatitudeAnswer::Cancel},        {" -90 ", LatitudeAnswer::Accept}, {"12x", LatitudeAnswer::AskAgain}};
    for (const Case& c : cases) EXPECT_EQ(ClassifyLatitudeAnswer(c.answer), c.expected) << c.answer;
    // The house formulas' limit, 66 degrees 00 minutes either side, except
    // for the Meridian and Morinus systems; 99 is the midpoint houses.
    struct LimitCase {
        const char* answer;
        const char* houses;
        bool tooHigh;
    } limits[] = {{"66", "P", false},  {"66.00", "K", false}, {"66.01", "P", true}, {"-66,30", "R", true},
                  {"80", "EA", true},  {"-65.59", "C", false}, {"99", "P", false},  {"80", "M", false},
                  {"-90", "I", false}, {"66.005", "O", true}};
    for (const LimitCase& c : limits)
        EXPECT_EQ(CompositeLatitudeTooHigh(c.answer, c.houses), c.tooHigh) << c.answer << " " << c.houses;

    ProgramState ps;
    wheeltest::ComputeWheelCouple(ps, fixtures::SouthCouple());
    {
        DialogResponder r;
        r.AnswerText("95").AnswerText("abc").AnswerText("-33.52");
        EXPECT_EQ(AskCompositeLatitude(ps), "-33.52");
        ASSERT_EQ(r.Prompts().size(), 3u);
        EXPECT_EQ(r.Prompts()[0].title, "Current latitude");
        EXPECT_EQ(r.Prompts()[0].defaultText, " 51.29");
    }
    {
        DialogResponder r;
        r.AnswerText(std::nullopt);
        EXPECT_EQ(AskCompositeLatitude(ps), std::nullopt);
    }
}

TEST(WheelSetup, CompositeWheelHonoursItsLatitude) {
    ProgramState ps;
    wheeltest::ComputeWheelCouple(ps, fixtures::SouthCouple());
    SetUpCompositeWheel(ps, "99");
    const auto midpointCusps = ps.chart.WorkCusps;
    const std::string midpointHouses = ps.chart.CompositeHouseString;
    EXPECT_NEAR(ps.chart.WorkLongitudes[14], midpointCusps[4], 1e-6);
    EXPECT_EQ(ps.wheels.WheelHeader1[4], "Midpoint composite houses");
    EXPECT_EQ(ps.wheels.WheelHeader1[5], "Koch");
    EXPECT_EQ(ps.wheels.WheelHeader1[3], "Composite chart");
    EXPECT_EQ(ps.wheels.WheelHeader1[1], "Carla Meridional");
    EXPECT_EQ(ps.wheels.WheelHeader1[2], "Diego Austral");

    SetUpCompositeWheel(ps, "-33.52");
    EXPECT_EQ(ps.wheels.WheelHeader1[4], "Latitude = 33.52 South");
    EXPECT_EQ(ps.chart.CompositeLatText, "-33.52");
    // Cusps of the house system at that latitude: the MC is the composite MC.
    EXPECT_NEAR(ps.chart.WorkCusps[1], ps.chart.WorkLongitudes[15], 1e-6);
    EXPECT_GT(std::fabs(ps.chart.WorkCusps[4] - midpointCusps[4]), 0.01);
    // The Ascendant glyph stands on the Ascendant of that latitude, with its
    // declination; at 99 it is the midpoint of the two Ascendants.
    EXPECT_EQ(ps.chart.WorkLongitudes[14], ps.chart.WorkCusps[4]);
    EXPECT_NEAR(std::sin(ps.chart.WorkDeclinations[14] * M_PI / 180),
                std::sin(23.4522944 * M_PI / 180) * std::sin(ps.chart.WorkCusps[4] * M_PI / 180), 1e-9);
    EXPECT_EQ(HouseOfBody(ps.chart.WheelHouseString, 14), 1);
    // The reports keep the midpoint houses.
    EXPECT_EQ(ps.chart.CompositeHouseString, midpointHouses);
    for (int k = 1; k <= 12; ++k) {
        EXPECT_GE(ps.chart.WorkCusps[k], 0);
        EXPECT_LT(ps.chart.WorkCusps[k], 360);
    }
    SetUpCompositeWheel(ps, "51.30");
    EXPECT_EQ(ps.wheels.WheelHeader1[4], "Latitude = 51.30 North");
    EXPECT_EQ(ps.chart.ChartKind, 6);
}

}  // namespace
