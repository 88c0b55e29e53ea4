// House cusps, MC, Ascendant, ARMC and vertex against independent reference
// values: every row of houses.csv, from its date, universal time and place
// through the chart time step, within the tolerance that row gives.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "chart/angle_helpers.h"
#include "chart/chart_state.h"
#include "chart/house_cusps.h"
#include "chart/time_scale.h"
#include "house_test_angles.h"

namespace {

std::string ReferenceDir() {
    if (const char* env = std::getenv("TANDRELL_REFERENCE_DIR"); env && *env) return env;
    return std::string(TANDRELL_TEST_DATA_DIR) + "/reference";
}

std::vector<std::string> SplitCsv(const std::string& line) {
    std::vector<std::string> out;
    std::stringstream ss(line);
    std::string field;
    while (std::getline(ss, field, ',')) out.push_back(field);
    return out;
}

// Loads the natal input fields as a user would type them for a moment in
// universal time ("yyyy-mm-dd", "hh:mm", zone 0) at an east longitude and a
// latitude in decimal degrees, then runs the chart time step.
void ComputeMoment(ChartState& cs, const std::string& date, const std::string& time, double eastLongitude,
                   double latitude) {
    cs.NatalYear = std::stoi(date.substr(0, 4));
    cs.NatalMonth = std::stoi(date.substr(5, 2));
    cs.NatalDay = std::stoi(date.substr(8, 2));
    const int hour = std::stoi(time.substr(0, 2)), minute = std::stoi(time.substr(3, 2));
    // 12-hour clock: 00:mm is 12.mm A.M., 12:mm is 12.mm P.M.
    const int clock = hour % 12 == 0 ? 12 : hour % 12;
    cs.NatalTime = static_cast<float>(clock + minute / 100.0);
    cs.NatalAmPm = hour < 12 ? "A.M." : "P.M.";
    cs.NatalZone = 0;
    const double west = -eastLongitude;
    cs.NatalLongitude = static_cast<float>((west < 0 ? -1 : 1) * DecimalToHM(std::fabs(west)));
    cs.NatalLatitude = static_cast<float>((latitude < 0 ? -1 : 1) * DecimalToHM(std::fabs(latitude)));
    cs.NatalNorthSouth = latitude < 0 ? "SOUTH" : "NORTH";
    cs.ChartKind = 0;
    ComputeChartTime(cs);
}

// The reference tool's system letters and ours.
const std::map<std::string, std::string> kSystems = {
    {"P", "P"}, {"R", "R"}, {"K", "K"}, {"C", "C"}, {"O", "O"},
    {"E", "EA"}, {"D", "EM"}, {"X", "M"}, {"M", "I"}};

}  // namespace

TEST(HouseReference, CuspsAndAnglesAgreeWithReferenceRows) {
    const std::string path = ReferenceDir() + "/houses.csv";
    std::ifstream in(path);
    ASSERT_TRUE(in.good()) << "reference file missing: " << path;

    std::string line;
    std::getline(in, line);
    const auto header = SplitCsv(line);
    ASSERT_GE(header.size(), 22u);
    ASSERT_EQ(header[5], "ascendant");
    ASSERT_EQ(header[9], "cusp1");

    int rows = 0;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const auto f = SplitCsv(line);
        ASSERT_GE(f.size(), 22u) << line;
        const double lat = std::stod(f[3]);
        const double asc = std::stod(f[5]), mc = std::stod(f[6]), armc = std::stod(f[7]);
        const double vertex = std::stod(f[8]);
        const double tolDeg = std::stod(f[21]) / 60.0;
        const auto sys = kSystems.find(f[4]);
        ASSERT_NE(sys, kSystems.end()) << "unknown system " << f[4];

        ChartState cs;
        ComputeMoment(cs, f[0], f[1], std::stod(f[2]), lat);
        cs.HouseSystemCode = sys->second;
        ComputeHouseCusps(cs);

        const std::string where = f[0] + " " + f[1] + " lat " + f[3] + " " + f[4];
        EXPECT_LE(housetest::AngleDiff(RadToDeg(cs.Ramc), armc), tolDeg) << where << " armc";
        EXPECT_LE(housetest::AngleDiff(cs.Midheaven, mc), tolDeg) << where << " mc";
        EXPECT_LE(housetest::AngleDiff(cs.Ascendant, asc), tolDeg) << where << " ascendant";
        // Nearer the equator the reference turns the vertex by another rule.
        if (std::fabs(lat) >= 20.0) {
            EXPECT_LE(housetest::AngleDiff(cs.WorkVertex, vertex), tolDeg) << where << " vertex";
        }
        for (int c = 1; c <= 12; ++c) {
            // Our cusps run tenth house first.
            const double ours = cs.WorkCusps[(c + 2) % 12 + 1];
            EXPECT_LE(housetest::AngleDiff(ours, std::stod(f[8 + c])), tolDeg)
                << where << " cusp " << c << " ours " << ours;
        }
        // The headers print the sidereal time of a southern chart twelve
        // hours on.
        double st = RadToDeg(cs.Ramc);
        if (lat < 0) st = std::fmod(st + 180.0, 360.0);
        EXPECT_EQ(std::stoi(cs.SiderealTimeText.substr(0, 2)), static_cast<int>(st / 15.0)) << where;
        ++rows;
    }
    EXPECT_GT(rows, 0) << "no rows in " << path;
}
