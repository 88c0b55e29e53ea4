#include "chart/chart_positions.h"

#include <cmath>

#include "chart/angle_helpers.h"
#include "chart/chart_state.h"
#include "chart/moon_theory.h"
#include "chart/planet_theory.h"
#include "chart/sun_theory.h"
#include "chart/time_scale.h"
#include "program_state.h"

namespace {

constexpr double kOneDay = 1.0 / 36525.0;

enum Slot { kSun = 1, kMoon = 10, kNorthNode = 11, kSouthNode = 12, kChiron = 13, kAscendant = 14, kMidheaven = 15 };

// Ecliptic longitude and latitude of a slot turned into declination and
// right ascension, through the spherical conversion on the registers.
void ConvertSlot(ChartState& cs, int slot, bool storeRightAscension) {
    const double lon = cs.WorkLongitudes[slot], lat = cs.WorkLatitudes[slot];
    const double cosE = std::cos(-cs.ObliquityRad), sinE = std::sin(-cs.ObliquityRad);
    const double cb = CosDeg(lat), sb = SinDeg(lat), cl = CosDeg(lon), sl = SinDeg(lon);
    cs.LoopJ = cb * cl;
    cs.LoopI = cb * sl * cosE - sb * sinE;
    cs.LoopK = cb * sl * sinE + sb * cosE;
    ArcTan2Deg(cs);
    cs.WorkDeclinations[slot] = cs.SphereLatitude;
    if (storeRightAscension) cs.WorkRightAscensions[slot] = cs.SphereLongitude;
}

// Geocentric longitude of the outer body just computed, with the direct
// corrections of Uranus, Neptune and Pluto, reduced to 0..360.
double CorrectedOuterLongitude(const ChartState& cs) {
    double lon = Normalize360(cs.GeoLongitude);
    if (cs.CurrentBody == 7 || cs.CurrentBody == 8) lon += cs.PertExtraLongitude;
    if (cs.CurrentBody == 9) lon += (cs.JulianDayNumber - 2433283.0) * 1.33 / 36525.0;
    return Normalize360(lon);
}

constexpr int kOuterBodies[] = {1, 5, 6, 7, 8, 9};

// One pass over Jupiter to Pluto (the Earth first) at TimeCenturies; with
// nextDay the longitudes go to NextDayLongitudes only.
void OuterPlanetPass(ChartState& cs, bool nextDay, bool storeRightAscension) {
    for (int body : kOuterBodies) {
        cs.CurrentBody = body;
        CalcOuterPlanet(cs);
        if (body == 1) continue;  // the Earth only prepares the later bodies
        if (nextDay) {
            cs.NextDayLongitudes[body] = CorrectedOuterLongitude(cs);
        } else {
            cs.WorkLatitudes[body] = cs.GeoLatitude;
            cs.WorkLongitudes[body] = CorrectedOuterLongitude(cs);
            ConvertSlot(cs, body, storeRightAscension);
        }
    }
}

// Mercury, Venus and Mars (the Earth first) at TimeCenturies; body 1 converts
// the Sun already in slot 1.
void InnerPlanetPass(ChartState& cs, bool nextDay, bool storeRightAscension) {
    for (int body = 1; body <= 4; ++body) {
        cs.CurrentBody = body;
        InnerPlanetElements(cs);
        if (nextDay) {
            if (body > 1) cs.NextDayLongitudes[body] = Normalize360(cs.GeoLongitude);
            continue;
        }
        if (body > 1) {
            cs.WorkLongitudes[body] = Normalize360(cs.GeoLongitude);
            cs.WorkLatitudes[body] = cs.GeoLatitude;
        }
        ConvertSlot(cs, body, storeRightAscension);
    }
}

void PointDeclination(ChartState& cs, int slot) {
    const double lon = cs.WorkLongitudes[slot];
    const double cosE = std::cos(-cs.ObliquityRad), sinE = std::sin(-cs.ObliquityRad);
    cs.LoopJ = CosDeg(lon);
    cs.LoopI = SinDeg(lon) * cosE;
    cs.LoopK = SinDeg(lon) * sinE;
    ArcTan2Deg(cs);
    cs.WorkDeclinations[slot] = cs.SphereLatitude;
}

}  // namespace

// A body is retrograde when its longitude falls over the next day; a step
// across 0 Aries is unwrapped first.
void MarkRetrogrades(ChartState& cs) {
    for (int i = 2; i <= 9; ++i) {
        double a = cs.WorkLongitudes[i], b = cs.NextDayLongitudes[i];
        if (std::fabs(a - b) >= 180.0) {
            if (a > b)
                b += 360.0;
            else
                a += 360.0;
        }
        if (a > b) cs.RetrogradeFlags[i - 1] = 'R';
    }
}

void CalcChartPositions(ChartState& cs, const std::array<float, 287>& OptionValues) {
    CalcSiderealCorrections(cs, OptionValues);
    cs.RetrogradeFlags.assign(15, ' ');
    cs.TimeCenturies2000 = (cs.JulianDayNumber - 2451545.0 + cs.DayFraction - 0.5) / 36525.0;
    const double nextT1900 = cs.TimeCenturies + kOneDay;
    const double nextT2000 = cs.TimeCenturies2000 + kOneDay;

    CalcSun(cs);
    cs.WorkLongitudes[kSun] = Normalize360(cs.LoopJ);
    cs.WorkLatitudes[kSun] = 0.0;

    CalcMoon(cs);
    cs.WorkLongitudes[kMoon] = Normalize360(cs.LoopJ);
    const double node = Normalize360(cs.LoopI);
    cs.MoonTrueNode = Normalize360(cs.MoonTrueNode);
    if (cs.TrueNorthNode == -100.0) cs.TrueNorthNode = cs.MoonTrueNode;
    cs.WorkLatitudes[kMoon] = cs.MoonLatitude;
    ConvertSlot(cs, kMoon, true);

    cs.WorkLongitudes[kNorthNode] = node;
    cs.WorkLongitudes[kSouthNode] = Normalize360(node + 180.0);
    // The Part of Fortune holds Chiron's slot until the table fills it.
    cs.WorkLongitudes[kChiron] = Normalize360(cs.WorkLongitudes[kMoon] + cs.Ascendant - cs.WorkLongitudes[kSun]);
    cs.WorkLongitudes[kAscendant] = cs.Ascendant;
    cs.WorkLongitudes[kMidheaven] = cs.Midheaven;

    cs.TimeCenturies = cs.TimeCenturies2000;
    InnerPlanetPass(cs, false, true);
    cs.TimeCenturies = nextT2000;
    InnerPlanetPass(cs, true, true);

    cs.TimeCenturies = (cs.JulianDayNumber - 2415020.0 + cs.DayFraction - 0.5) / 36525.0;
    OuterPlanetPass(cs, false, true);
    cs.TimeCenturies = nextT1900;
    OuterPlanetPass(cs, true, true);
    MarkRetrogrades(cs);
}

void CalcChartPositions(ProgramState& ps) { CalcChartPositions(ps.chart, ps.settings.OptionValues); }

void CalcPositionsAtTime(ChartState& cs) {
    cs.TimeCenturies = cs.GraphT1900;

    CalcSun(cs);
    cs.WorkLongitudes[kSun] = Normalize360(cs.LoopJ);

    CalcMoon(cs);
    cs.WorkLongitudes[kMoon] = Normalize360(cs.LoopJ);
    cs.WorkLatitudes[kMoon] = cs.MoonLatitude;
    cs.WorkLongitudes[kNorthNode] = Normalize360(cs.LoopI);
    cs.WorkLongitudes[kSouthNode] = Normalize360(cs.WorkLongitudes[kNorthNode] + 180.0);
    ConvertSlot(cs, kMoon, false);

    cs.TimeCenturies = cs.TimeCenturies2000;
    InnerPlanetPass(cs, false, false);
    cs.TimeCenturies = cs.GraphT1900;
    OuterPlanetPass(cs, false, false);
}

void CalcChironFromTable(ChartState& cs, const double& jd, bool useChiron, bool quietMode) {
    if (!useChiron && quietMode) return;
    const double d = std::trunc(jd);
    if (d < 2415000.0 || d >= 2474999.0) {
        cs.WorkLongitudes[kChiron] = 0.0;
        cs.WorkDeclinations[kChiron] = 0.0;
        return;
    }
    const double f = jd - d;
    const auto i = static_cast<std::size_t>(d - 2415000.0);
    const double l0 = cs.ChironLongitudeTable[i];
    double l1 = cs.ChironLongitudeTable[i + 1];
    if (l0 > 340.0 && l1 < 20.0) l1 += 360.0;
    if (l0 < 20.0 && l1 > 340.0) l1 -= 360.0;
    cs.WorkLongitudes[kChiron] = Normalize360(l0 + (l1 - l0) * f);
    const double d0 = cs.ChironDeclinationTable[i], d1 = cs.ChironDeclinationTable[i + 1];
    cs.WorkDeclinations[kChiron] = d0 + (d1 - d0) * f;
    // The mark reads the raw table step: a small fall, or a jump back over
    // 0 Aries.
    const double step = static_cast<double>(cs.ChironLongitudeTable[i + 1]) - cs.ChironLongitudeTable[i];
    if ((step > -10.0 && step < 0.0) || step > 350.0) cs.RetrogradeFlags[kChiron - 1] = 'R';
}

void ComputeDeclinations(ChartState& cs) {
    for (int slot : {kNorthNode, kSouthNode, kAscendant, kMidheaven}) PointDeclination(cs, slot);
}
