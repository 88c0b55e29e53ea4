// Planet positions against an independent modern ephemeris, driven the way
// the chart-position step drives the theories: the Earth first in each loop.
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
#include "chart/planet_theory.h"

namespace {

struct ReferenceRow {
    std::string Date, Time, Body;
    double JulianDay = 0, Longitude = 0, Latitude = 0, ToleranceArcmin = 0;
};

std::string ReferencePath() {
    const char* dir = std::getenv("TANDRELL_REFERENCE_DIR");
    if (dir != nullptr && *dir != '\0') return std::string(dir) + "/positions.csv";
    return std::string(TANDRELL_TEST_DATA_DIR) + "/reference/positions.csv";
}

std::vector<ReferenceRow> ReadReference(const std::string& path) {
    std::vector<ReferenceRow> rows;
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        std::vector<std::string> f;
        std::stringstream ss(line);
        std::string cell;
        while (std::getline(ss, cell, ',')) f.push_back(cell);
        if (f.size() < 8) continue;
        ReferenceRow r;
        r.Date = f[0];
        r.Time = f[1];
        r.JulianDay = std::stod(f[2]);
        r.Body = f[3];
        r.Longitude = std::stod(f[4]);
        r.Latitude = std::stod(f[5]);
        r.ToleranceArcmin = std::stod(f[7]);
        rows.push_back(r);
    }
    return rows;
}

struct Position {
    double Longitude = 0, Latitude = 0;
};

// Mercury (2) .. Pluto (9) geocentric positions for one Julian day.
std::map<int, Position> PlanetsAt(double jd) {
    ChartState cs;
    InitOrbitalElements(cs);
    std::map<int, Position> out;
    cs.TimeCenturies2000 = (jd - 2451545.0) / 36525.0;
    cs.TimeCenturies = cs.TimeCenturies2000;
    for (cs.CurrentBody = 1; cs.CurrentBody <= 4; ++cs.CurrentBody) {
        InnerPlanetElements(cs);
        if (cs.CurrentBody >= 2) out[cs.CurrentBody] = {Normalize360(cs.GeoLongitude), cs.GeoLatitude};
    }
    const double julianDayNumber = std::floor(jd + 0.5);
    cs.TimeCenturies = (jd - 2415020.0) / 36525.0;
    for (int body : {1, 5, 6, 7, 8, 9}) {
        cs.CurrentBody = body;
        CalcOuterPlanet(cs);
        if (body == 1) continue;
        double lon = Normalize360(cs.GeoLongitude);
        if (body == 7 || body == 8) lon += cs.PertExtraLongitude;
        if (body == 9) lon += (julianDayNumber - 2433283.0) * 1.33 / 36525.0;
        out[body] = {Normalize360(lon), cs.GeoLatitude};
    }
    return out;
}

double ArcminDiff(double a, double b) {
    double d = std::fabs(a - b);
    if (d > 180.0) d = 360.0 - d;
    return d * 60.0;
}

}  // namespace

TEST(PlanetReference, MercuryToPlutoWithinTolerance) {
    const std::map<std::string, int> bodies = {{"Mercury", 2}, {"Venus", 3}, {"Mars", 4},   {"Jupiter", 5},
                                               {"Saturn", 6},  {"Uranus", 7}, {"Neptune", 8}, {"Pluto", 9}};
    const std::vector<ReferenceRow> rows = ReadReference(ReferencePath());
    ASSERT_FALSE(rows.empty()) << "missing or empty reference file " << ReferencePath();
    int checked = 0;
    std::map<std::string, double> worst;
    for (const ReferenceRow& r : rows) {
        auto it = bodies.find(r.Body);
        if (it == bodies.end()) continue;
        const Position p = PlanetsAt(r.JulianDay).at(it->second);
        const double dLon = ArcminDiff(p.Longitude, r.Longitude);
        const double dLat = std::fabs(p.Latitude - r.Latitude) * 60.0;
        worst[r.Body] = std::max(worst[r.Body], dLon);
        EXPECT_LE(dLon, r.ToleranceArcmin) << r.Body << " " << r.Date << " " << r.Time << " longitude "
                                           << p.Longitude << " vs " << r.Longitude;
        EXPECT_LE(dLat, 1.5) << r.Body << " " << r.Date << " " << r.Time << " latitude " << p.Latitude << " vs "
                             << r.Latitude;
        ++checked;
    }
    EXPECT_GT(checked, 0);
    for (const auto& [body, arcmin] : worst) std::printf("  %-8s worst longitude %.2f'\n", body.c_str(), arcmin);
}
