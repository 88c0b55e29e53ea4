#include "couple_fixtures.h"

#include "scoring/chart_run_scores.h"
#include "chart_run_setup.h"
#include "test_support.h"

namespace fixtures {

Couple NorthCouple() {
    return {{"Alice Sample", "3/14/1962", 14, 3, 1962, 9.30f, "P.M.", 5, 75.10f, 40.43f},
            {"Bruno Example", "11/2/1965", 2, 11, 1965, 6.05f, "A.M.", -1, -2.20f, 48.52f},
            "P",
            true,
            0,
            0};
}

Couple SouthCouple() {
    return {{"Carla Meridional", "7/21/1978", 21, 7, 1978, 3.15f, "P.M.", -10, -151.12f, -33.52f},
            {"Diego Austral", "1/5/1975", 5, 1, 1975, 11.40f, "A.M.", 3, 58.23f, -34.36f},
            "K",
            true,
            0,
            0};
}

Couple SiderealCouple() {
    return {{"Elena Nakshatra", "9/9/1990", 9, 9, 1990, 7.45f, "A.M.", -5.5f, -77.13f, 28.37f},
            {"Farid Second", "4/30/1988", 30, 4, 1988, 10.20f, "P.M.", -3, -37.37f, 55.45f},
            "EA",
            true,
            2,
            1};
}

Couple NorthTransits() {
    Couple c = NorthCouple();
    c.b = {"Now", "6/1/2024", 1, 6, 2024, 12.00f, "P.M.", 5, 75.10f, 40.43f};
    c.secondPerson = false;
    return c;
}

void ComputeCouple(ProgramState& ps, const Couple& couple) {
    testsupport::PrepareChartRun(ps, testsupport::MakeTempDir());
    Settings& s = ps.settings;
    s.DateOrder = 0;
    s.OptionValues[198] = couple.zodiacMode;
    s.OptionValues[16] = couple.quintiles;

    ChartState& cs = ps.chart;
    const Person& a = couple.a;
    const Person& b = couple.b;
    cs.NatalDay = a.day, cs.NatalMonth = a.month, cs.NatalYear = a.year;
    cs.NatalTime = a.time, cs.NatalAmPm = a.amPm, cs.NatalZone = a.zone;
    cs.NatalLongitude = a.longitude, cs.NatalLatitude = a.latitude;
    cs.WorkEastWest = a.longitude < 0 ? "EAST" : "WEST";
    cs.WorkNorthSouth = a.latitude < 0 ? "SOUTH" : "NORTH";
    cs.NatalNorthSouth = cs.WorkNorthSouth;
    cs.NatalDateText = a.dateText;
    cs.DiurnalDay = b.day, cs.DiurnalMonth = b.month, cs.DiurnalYear = b.year;
    cs.DiurnalTime = b.time, cs.SecondAmPm = b.amPm, cs.DiurnalZone = b.zone;
    cs.DiurnalLongitude = b.longitude, cs.DiurnalLatitude = b.latitude;
    cs.SecondEastWest = b.longitude < 0 ? "EAST" : "WEST";
    cs.SecondNorthSouth = b.latitude < 0 ? "SOUTH" : "NORTH";
    cs.SecondDateText = b.dateText;
    cs.HouseSystemCode = couple.houseSystemCode;
    cs.ChartName = a.name;
    ps.people.NatalNameText = a.name;
    ps.people.SecondPersonChecked = couple.secondPerson ? 1 : 0;
    ps.people.SecondPersonCaption = couple.secondPerson ? b.name : "2nd Person";
    ComputeChartsWithScores(ps);
}

}  // namespace fixtures
