// The input checks: which groups report, how often, and what they let
// through to the readers.
#include <gtest/gtest.h>

#include "dialog_responder.h"
#include "people/input_checks.h"
#include "program_state.h"

namespace {

// A complete, valid data set: 15 June 1950, 9.05 A.M., zone 5, 71 W 04,
// 42 N 21.
DataSetFields Valid() {
    DataSetFields f;
    f.Month = "6", f.Day = "15", f.Year = "1950";
    f.Hour = "9", f.Minute = "5", f.Zone = "5";
    f.LongDeg = "71", f.LongMin = "4", f.LatDeg = "42", f.LatMin = "21";
    return f;
}

struct Outcome {
    int natal = 0, diurnal = 0, latitude = 0;
    bool ok = false;
};

// Runs the four checks and counts the messages of each kind; the callers
// check the counts.
Outcome RunChecks(const DataSetFields& natal, const DataSetFields& diurnal, bool meridian = false) {
    DialogRecorder responder;
    ProgramState ps;
    ps.chart.InputError = 1;  // cleared by the run
    Outcome o;
    o.ok = RunInputChecks(ps, natal, diurnal, meridian);
    EXPECT_EQ(ps.chart.InputError, o.ok ? 0 : 1);
    for (const RecordedPrompt& p : responder.Prompts()) {
        EXPECT_EQ(p.title, "Warning!");
        EXPECT_EQ(p.icon, MsgIcon::Information);
        EXPECT_EQ(p.buttons, MsgButtons::OK);
        if (p.text == kNatalInputMessage) ++o.natal;
        else if (p.text == kDiurnalInputMessage) ++o.diurnal;
        else if (p.text == kLatitudeMessage) ++o.latitude;
        else ADD_FAILURE() << p.text;
    }
    return o;
}

int NatalMessages(DataSetFields natal, bool meridian = false) { return RunChecks(natal, Valid(), meridian).natal; }
int DiurnalMessages(DataSetFields diurnal) { return RunChecks(Valid(), diurnal).diurnal; }

}  // namespace

TEST(InputChecks, ValidDataPassesSilently) {
    const Outcome o = RunChecks(Valid(), Valid());
    EXPECT_TRUE(o.ok);
    EXPECT_EQ(o.natal + o.diurnal + o.latitude, 0);
}

TEST(InputChecks, EmptyGroupsReportOncePerGroup) {
    DataSetFields natal = Valid();
    natal.Month = "";
    EXPECT_EQ(NatalMessages(natal), 2);  // value 0, and empty

    DataSetFields empty;
    empty.Month = empty.Day = empty.Year = empty.Hour = empty.Minute = "";
    const Outcome o = RunChecks(Valid(), empty);
    EXPECT_EQ(o.diurnal, 5);  // an empty zone counts as 0, not below -2
    EXPECT_EQ(o.natal, 0);
    EXPECT_FALSE(o.ok);
}

TEST(InputChecks, YearBounds) {
    auto natalYear = [](const char* y) {
        DataSetFields f = Valid();
        f.Year = y;
        return NatalMessages(f);
    };
    auto diurnalYear = [](const char* y) {
        DataSetFields f = Valid();
        f.Year = y;
        return DiurnalMessages(f);
    };
    EXPECT_EQ(natalYear("99"), 1);
    EXPECT_EQ(diurnalYear("99"), 0);
    EXPECT_EQ(natalYear("2100"), 1);
    EXPECT_EQ(diurnalYear("2100"), 1);
    EXPECT_EQ(natalYear("100"), 0);
    EXPECT_EQ(natalYear("2099"), 0);
}

TEST(InputChecks, ZoneBoundsAndWestRule) {
    auto zone = [](const char* z, bool east) {
        DataSetFields f = Valid();
        f.Zone = z;
        f.East = east, f.West = !east;
        return NatalMessages(f);
    };
    EXPECT_EQ(zone("12", true), 0);
    EXPECT_EQ(zone("-13", true), 0);
    EXPECT_EQ(zone("12.5", true), 1);
    EXPECT_EQ(zone("-13.5", true), 1);
    EXPECT_EQ(zone("-2", false), 0);
    EXPECT_EQ(zone("-2.5", false), 1);
    EXPECT_EQ(zone("5", true), 0);
}

TEST(InputChecks, LatitudeLimitAndHouseSystems) {
    auto lat = [](const char* deg, const char* min) {
        DataSetFields f = Valid();
        f.LatDeg = deg, f.LatMin = min;
        return f;
    };
    EXPECT_EQ(RunChecks(lat("66", "0"), Valid()).latitude, 0);
    EXPECT_EQ(RunChecks(lat("66", "1"), Valid()).latitude, 1);
    EXPECT_EQ(RunChecks(Valid(), lat("67", "0")).latitude, 1);
    EXPECT_TRUE(RunChecks(lat("80", "30"), Valid(), true).ok);
    // Both too high: one message.
    EXPECT_EQ(RunChecks(lat("70", "0"), lat("75", "0")).latitude, 1);
    // Beyond the pole no house system can place anything.
    const Outcome pole = RunChecks(lat("91", "0"), Valid(), true);
    EXPECT_FALSE(pole.ok);
    EXPECT_EQ(pole.natal, 1);
    EXPECT_EQ(RunChecks(lat("90", "0"), Valid(), true).natal, 0);
    EXPECT_EQ(RunChecks(lat("89", "59"), Valid(), true).natal, 0);
}

TEST(InputChecks, OtherRangeEdges) {
    DataSetFields f = Valid();
    f.Hour = "0";  // the hour box turns it into 12 while typed
    EXPECT_EQ(NatalMessages(f), 0);
    f = Valid();
    f.LongDeg = "180", f.LongMin = "59";
    EXPECT_EQ(NatalMessages(f), 0);
    f.LongDeg = "181";
    EXPECT_EQ(NatalMessages(f), 1);
    f = Valid();
    f.Minute = "60";
    EXPECT_EQ(DiurnalMessages(f), 1);
    f = Valid();
    f.Month = "13", f.Hour = "13", f.LatMin = "60";
    EXPECT_EQ(NatalMessages(f), 3);
}

TEST(InputChecks, TextsThatAreNoNumberAndImpossibleDatesAreRefused) {
    // Each passes the listed groups (its leading number is in range) but
    // cannot be read or computed.
    const std::pair<std::string DataSetFields::*, const char*> cases[] = {
        {&DataSetFields::Zone, "-"},      {&DataSetFields::Zone, "."},       {&DataSetFields::Minute, "."},
        {&DataSetFields::Minute, "5.5.5"}, {&DataSetFields::Zone, "5-"},     {&DataSetFields::Day, "1x"},
        {&DataSetFields::LongDeg, "-5"},  {&DataSetFields::Hour, "-3"},      {&DataSetFields::Month, "-3"},
        {&DataSetFields::Zone, "1e1"},    {&DataSetFields::LatDeg, " 40"},
    };
    for (const auto& [field, text] : cases) {
        DataSetFields f = Valid();
        f.*field = text;
        EXPECT_EQ(NatalMessages(f), 1) << text;
        EXPECT_EQ(DiurnalMessages(f), 1) << text;
    }
    DataSetFields feb = Valid();
    feb.Month = "2", feb.Day = "31";
    EXPECT_EQ(NatalMessages(feb), 1);
    EXPECT_EQ(DiurnalMessages(feb), 1);
    feb.Day = "29", feb.Year = "2001";
    EXPECT_EQ(NatalMessages(feb), 1);
    feb.Year = "2000";
    EXPECT_EQ(NatalMessages(feb), 0);
    feb.Year = "1500";  // a leap year of the old calendar
    EXPECT_EQ(NatalMessages(feb), 0);
    DataSetFields april = Valid();
    april.Month = "4", april.Day = "31";
    EXPECT_EQ(NatalMessages(april), 1);
    // A day 0.4 reads as day 0.
    april.Day = "0.4";
    EXPECT_EQ(NatalMessages(april), 1);

    // What a listed group reports already brings no second message.
    DataSetFields reported = Valid();
    reported.Month = "13x";
    EXPECT_EQ(NatalMessages(reported), 1);
    reported.Hour = "-3";
    EXPECT_EQ(NatalMessages(reported), 1);
    reported = Valid();
    reported.Zone = "";
    reported.Minute = "5.5.5";
    EXPECT_EQ(DiurnalMessages(reported), 1);
}
