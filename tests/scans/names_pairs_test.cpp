// The pieces of the runs over the names list: the pairing rule, first
// names, records loaded into a data set (the year-first rewrite made once),
// the birth-year gap, and the progress share.
#include <gtest/gtest.h>

#include "program_state.h"
#include "scans/names_pairs.h"
#include "scans/run_progress.h"

namespace {

void AddRecord(PeopleState& p, const std::string& name, const std::string& date, const std::string& time,
               const std::string& ampm, const std::string& zone, const std::string& lon, const std::string& lat,
               const std::string& email) {
    auto put = [](std::vector<std::string>& column, const std::string& v) {
        column.back() = v;
        column.push_back("");
    };
    put(p.NamesName, name), put(p.NamesDate, date), put(p.NamesTime, time), put(p.NamesAmPm, ampm);
    put(p.NamesZone, zone), put(p.NamesLongitude, lon), put(p.NamesLatitude, lat), put(p.NamesEmail, email);
}

TEST(NamesPairs, PairingRule) {
    const struct { const char* a; const char* b; bool oneToOne; bool pair; } cases[] = {
        {"m1 Tom", "m1 Bob", false, false}, {"m1 Tom", "w1 Ann", false, true}, {"m1 Tom", "m2 Bob", false, true},
        {"Tom", "Tony", false, true},       {"M1 Tom", "M1 Bob", false, true}, {"w1 Ann", "w1 Sue", false, false},
        {"Sun:01 Ann", "Ven:01 Bob", true, true}, {"Sun:01 Ann", "Ven:02 Bob", true, false},
        {"Tom", "Bob", true, true},  // both too short: characters 5 and 6 are empty in both
    };
    for (const auto& c : cases) EXPECT_EQ(NamesMayPair(c.a, c.b, c.oneToOne), c.pair) << c.a << " / " << c.b;
}

TEST(NamesPairs, FirstNames) {
    EXPECT_EQ(FirstNameOf("Alex Sample"), "Alex");
    EXPECT_EQ(FirstNameOf("A Bo Sample"), "A Bo");  // the search starts at the third character
    EXPECT_EQ(FirstNameOf("Cher"), "Cher");
    EXPECT_EQ(FirstNameOf(""), "");
}

TEST(NamesPairs, RecordsLoadAsAClickLoadsThem) {
    ProgramState ps;
    AddRecord(ps.people, "Alex Sample", "5 Mar 1950", "0.15", "A", "5", "074.00", "40.43", "");
    AddRecord(ps.people, "Sam Sample", "30 Sep 1969", "6.45", "P", "-10", "-151.13", "-33.52", "sam@example.com");
    AddRecord(ps.people, "Bad Date", "31 Feb 1969", "6.45", "P", "-10", "-151.13", "-33.52", "");
    ps.settings.DateOrder = 2;
    NamesRunFields f;
    ASSERT_TRUE(LoadRecordAsNatal(ps, f, 0));
    EXPECT_EQ(ps.people.NamesDate[0], "1950 Mar 05");  // rewritten in the table, once
    ASSERT_TRUE(LoadRecordAsNatal(ps, f, 0));
    EXPECT_EQ(ps.people.NamesDate[0], "1950 Mar 05");
    EXPECT_EQ(f.NatalName, "Alex Sample");
    EXPECT_EQ(ps.people.LastClickedName, 0);
    EXPECT_EQ(f.Natal.Year + "/" + f.Natal.Month + "/" + f.Natal.Day, "1950/3/5");
    EXPECT_EQ(f.Natal.Hour + ":" + f.Natal.Minute, "12:15");  // the hour box's rule: 0 becomes 12
    EXPECT_TRUE(f.Natal.AM);
    EXPECT_TRUE(f.Natal.West);
    EXPECT_EQ(f.Natal.LongDeg + " " + f.Natal.LatDeg + "." + f.Natal.LatMin, "74 40.43");

    ASSERT_TRUE(LoadRecordAsDiurnal(ps, f, 1));
    EXPECT_EQ(ps.people.SecondPersonChecked, 1);
    EXPECT_EQ(ps.people.SecondPersonCaption, "Sam Sample");
    EXPECT_EQ(ps.people.RunPersonName, "Sam Sample");
    EXPECT_FALSE(f.Diurnal.AM);
    EXPECT_TRUE(f.Diurnal.East);
    EXPECT_TRUE(f.Diurnal.South);
    EXPECT_EQ(f.Diurnal.Zone + " " + f.Diurnal.LongDeg + "." + f.Diurnal.LongMin, "-10 151.13");
    EXPECT_EQ(f.Diurnal.Email, "sam@example.com");
    EXPECT_FALSE(LoadRecordAsDiurnal(ps, f, 2));

    ps.scans.NamesText2 = "19";
    EXPECT_TRUE(YearsWithinGap(ps, 0, 1));
    ps.scans.NamesText2 = "18";
    EXPECT_FALSE(YearsWithinGap(ps, 0, 1));
    ps.scans.NamesText2 = "0";
    EXPECT_TRUE(YearsWithinGap(ps, 1, 1));

    EXPECT_EQ(SelectedRecord(ps, "Sam Sample"), 1);
    EXPECT_EQ(SelectedRecord(ps, ""), -1);
    EXPECT_EQ(SelectedRecord(ps, "Nobody"), -1);
    EXPECT_EQ(NamesRecordCount(ps), 3);
}

TEST(RunProgress, ShareHeldWithin0To100) {
    EXPECT_EQ(ProgressPercent(-1, 90), 0);
    EXPECT_EQ(ProgressPercent(45, 90), 50);
    EXPECT_EQ(ProgressPercent(91, 90), 100);
    EXPECT_EQ(ProgressPercent(3, 0), 0);
    int shown = -2, total = 0;
    RunProgress().Show = [&](int d, int t) { shown = d, total = t; };
    ShowRunProgress(-1, 90);
    EXPECT_EQ(shown, 0);
    ShowRunProgress(95, 90);
    EXPECT_EQ(shown, 90);
    ShowRunProgress(1, 0);  // no total: nothing shown
    EXPECT_EQ(total, 90);
    RunProgress() = {};
}

}  // namespace

#include "dialog_responder.h"
#include "scans/names_runs.h"

namespace {

TEST(NamesPairs, AllVsAllThatCannotFitTheBufferSaysSo) {
    ProgramState ps;
    for (int k = 0; k < 256; ++k) AddRecord(ps.people, "P" + std::to_string(k), "1 Jan 1970", "1.00", "A", "0", "0", "0", "");
    EXPECT_TRUE(CoupleAllVsAllFits(ps));  // 32,640 pair lines and 7 more
    ps.settings.OptionValues[36] = 1;     // both orders: 65,280
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK);
    EXPECT_FALSE(CoupleAllVsAllFits(ps));
    ASSERT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_NE(dialogs.Prompts()[0].text.find("65280"), std::string::npos);
}

}  // namespace
