// Whole chart moments against an independent modern ephemeris: the reference
// universal time is typed as the program's input (zone 0, 12-hour clock) and
// run through the time step and the chart-position step.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "chart/angle_helpers.h"
#include "chart/chart_positions.h"
#include "chart/chart_state.h"
#include "chart/planet_theory.h"
#include "chart/time_scale.h"
#include "program_state.h"

namespace {

using Row = std::map<std::string, std::string>;

std::string ReferenceFile(const std::string& name) {
    const char* dir = std::getenv("TANDRELL_REFERENCE_DIR");
    if (dir != nullptr && *dir != '\0') return std::string(dir) + "/" + name;
    return std::string(TANDRELL_TEST_DATA_DIR) + "/reference/" + name;
}

// Rows of a CSV file with a header line, keyed by column name.
std::vector<Row> ReadCsv(const std::string& path) {
    std::vector<Row> rows;
    std::ifstream in(path);
    std::string line;
    std::vector<std::string> header;
    auto split = [](const std::string& s) {
        std::vector<std::string> f;
        std::stringstream ss(s);
        std::string cell;
        while (std::getline(ss, cell, ',')) f.push_back(cell);
        return f;
    };
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (header.empty()) {
            header = split(line);
            continue;
        }
        const std::vector<std::string> f = split(line);
        Row r;
        for (std::size_t i = 0; i < header.size() && i < f.size(); ++i) r[header[i]] = f[i];
        rows.push_back(r);
    }
    return rows;
}

double Num(const Row& r, const char* key) { return std::stod(r.at(key)); }

// Types a universal date and "HH:MM" time as the natal input: zone 0, the
// 12-hour clock with 12 for the first hour of each half-day.
void TypeMoment(ChartState& cs, const std::string& date, const std::string& time) {
    cs.NatalYear = std::stoi(date.substr(0, 4));
    cs.NatalMonth = std::stoi(date.substr(5, 2));
    cs.NatalDay = std::stoi(date.substr(8, 2));
    const int hour = std::stoi(time.substr(0, 2));
    const int minute = std::stoi(time.substr(3, 2));
    int clock = hour % 12;
    if (clock == 0) clock = 12;
    cs.NatalTime = static_cast<float>(clock + minute / 100.0);
    cs.NatalAmPm = hour < 12 ? "A.M." : "P.M.";
    cs.NatalZone = 0;
    cs.ChartKind = 0;
}

// Decimal degrees (East positive for longitudes) to the input's signed
// deg.mm, West or North positive.
float ToDegMin(double decimal) { return static_cast<float>(Sgn(decimal) * DecimalToHM(std::fabs(decimal))); }

double ArcminDiff(double a, double b) {
    double d = std::fabs(Normalize360(a) - Normalize360(b));
    if (d > 180.0) d = 360.0 - d;
    return d * 60.0;
}

}  // namespace

TEST(ChartReference, BodiesOfEveryMomentWithinTolerance) {
    const std::string path = ReferenceFile("positions.csv");
    const std::vector<Row> rows = ReadCsv(path);
    ASSERT_FALSE(rows.empty()) << "missing or empty reference file " << path;
    const std::map<std::string, int> slots = {{"Sun", 1},     {"Mercury", 2}, {"Venus", 3},   {"Mars", 4},
                                              {"Jupiter", 5}, {"Saturn", 6},  {"Uranus", 7},  {"Neptune", 8},
                                              {"Pluto", 9},   {"Moon", 10},   {"MeanNode", 11}};
    auto ps = std::make_unique<ProgramState>();
    ChartState& cs = ps->chart;
    InitOrbitalElements(cs);
    std::map<std::string, double> worst;
    int checked = 0;
    for (const Row& r : rows) {
        const std::string& body = r.at("body");
        ASSERT_TRUE(slots.count(body)) << "unknown body " << body;
        const int slot = slots.at(body);
        TypeMoment(cs, r.at("date_ut"), r.at("time_ut"));
        cs.NatalLongitude = 0;
        cs.NatalLatitude = 40;
        cs.NatalNorthSouth = "NORTH";
        ComputeChartTime(cs);
        ASSERT_NEAR(cs.JulianDay, Num(r, "julian_day_ut"), 1e-5) << r.at("date_ut") << " " << r.at("time_ut");
        CalcChartPositions(*ps);
        ComputeDeclinations(cs);
        const double tol = Num(r, "tolerance_arcmin");
        const double dLon = ArcminDiff(cs.WorkLongitudes[slot], Num(r, "longitude"));
        const double lat = slot == 11 ? 0.0 : cs.WorkLatitudes[slot];  // the node lies on the ecliptic
        const double dLat = std::fabs(lat - Num(r, "latitude")) * 60.0;
        const double dDecl = std::fabs(cs.WorkDeclinations[slot] - Num(r, "declination")) * 60.0;
        const std::string where = body + " " + r.at("date_ut") + " " + r.at("time_ut");
        EXPECT_LE(dLon, tol) << where << " longitude " << cs.WorkLongitudes[slot];
        EXPECT_LE(dLat, 1.5) << where << " latitude " << lat;
        // The declination follows from both, so it may not stray further.
        EXPECT_LE(dDecl, tol + 1.5) << where << " declination " << cs.WorkDeclinations[slot];
        worst[body] = std::max(worst[body], dLon);
        ++checked;
    }
    EXPECT_EQ(checked, static_cast<int>(rows.size()));
    for (const auto& [body, arcmin] : worst) std::printf("  %-8s worst longitude %.2f'\n", body.c_str(), arcmin);
}

TEST(ChartReference, AnglesOfEveryChartWithinTolerance) {
    const std::string path = ReferenceFile("houses.csv");
    const std::vector<Row> rows = ReadCsv(path);
    ASSERT_FALSE(rows.empty()) << "missing or empty reference file " << path;
    ChartState cs;
    for (const Row& r : rows) {
        TypeMoment(cs, r.at("date_ut"), r.at("time_ut"));
        cs.NatalLongitude = ToDegMin(-Num(r, "longitude_east"));
        const double latitude = Num(r, "latitude");
        cs.NatalLatitude = ToDegMin(latitude);
        cs.NatalNorthSouth = latitude < 0 ? "SOUTH" : "NORTH";
        ComputeChartTime(cs);
        const double tol = Num(r, "tolerance_arcmin");
        const std::string where = r.at("date_ut") + " " + r.at("time_ut") + " " + r.at("latitude");
        EXPECT_LE(ArcminDiff(cs.WorkRightAscensions[15], Num(r, "armc")), tol) << where << " RAMC";
        EXPECT_LE(ArcminDiff(cs.Midheaven, Num(r, "mc")), tol) << where << " MC";
        EXPECT_LE(ArcminDiff(cs.Ascendant, Num(r, "ascendant")), tol) << where << " Ascendant";
        if (std::fabs(latitude) >= 20.0) {
            EXPECT_LE(ArcminDiff(cs.WorkVertex, Num(r, "vertex")), tol) << where << " vertex " << cs.WorkVertex;
        }
    }
}
