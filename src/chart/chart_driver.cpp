#include "chart/chart_driver.h"

#include <cmath>

#include "chart/angle_helpers.h"
#include "chart/chart_positions.h"
#include "chart/house_cusps.h"
#include "chart/house_placement.h"
#include "chart/time_scale.h"
#include "platform/numbers.h"
#include "program_state.h"

namespace {

// Ruler of each sign 1..12 in relationship order (5 Mars, 4 Venus,
// 3 Mercury, 2 Moon, 1 Sun, 6 Jupiter, 7 Saturn).
constexpr std::array<int, 13> kSignRuler = {0, 5, 4, 3, 2, 1, 3, 4, 5, 6, 7, 7, 6};

// The house number in a body's ten-character field of HouseString.
int HouseOfField(const std::string& houseString, int slot) {
    const size_t at = static_cast<size_t>(slot - 1) * 10;
    if (at + 2 > houseString.size()) return 0;
    return static_cast<int>(Val(houseString.substr(at, 2)));
}

// Zodiac shift of option 198: mode 1 adds the SVP value, mode 2 subtracts
// the ayanamsa; the result is brought back to 0..360.
double Shifted(double value, int mode, double svp, double ayanamsa) {
    if (mode == 1) return Normalize360(value + svp);
    if (mode == 2) return Normalize360(value - ayanamsa);
    return value;
}

// Option 198: exactly 1 shifts by the SVP value, exactly 2 by the ayanamsa;
// any other value, fractional ones included, leaves the tropical zodiac (as
// the caption prefix does).
int ZodiacMode(const ProgramState& ps) {
    const float v = ps.settings.OptionValues[198];
    return v == 1.0f ? 1 : (v == 2.0f ? 2 : 0);
}

// Option 218: exactly 0 or 1 picks one formula of the Part of Fortune; any
// other value picks by day or night.
int FortuneRule(const ProgramState& ps) {
    const float v = ps.settings.OptionValues[218];
    return v == 0.0f ? 0 : (v == 1.0f ? 1 : 2);
}

void ComputeRulers(const std::array<double, 14>& cusps, std::array<double, 13>& rulers, int& ruler1, int& ruler7) {
    for (int h = 1; h <= 12; ++h) {
        // Cusps are stored tenth house first.
        const int c = h < 10 ? h + 3 : h - 9;
        int sign = static_cast<int>(Int(cusps[c] / 30.0)) + 1;
        if (sign < 1 || sign > 12) sign = ((sign - 1) % 12 + 12) % 12 + 1;
        rulers[h] = kSignRuler[sign];
        if (h == 1) ruler1 = static_cast<int>(rulers[1]);
        if (h == 7) ruler7 = static_cast<int>(rulers[7]);
    }
}

void RelationshipOrder(const std::array<double, 16>& longitudes, std::array<double, 11>& rel) {
    rel[0] = longitudes[14];
    rel[1] = longitudes[1];
    rel[2] = longitudes[10];
    for (int k = 3; k <= 10; ++k) rel[k] = longitudes[k - 1];
}

// Places one chart's relationship-order bodies among the other chart's
// cusps. The Ascendant (relationship slot 0) goes into the working Ascendant
// slot as well, so its field places this chart's own Ascendant.
void HouseOverlay(ChartState& cs, const std::array<double, 14>& otherCusps, const std::array<double, 11>& rel,
                  std::array<int, 11>& relHouse) {
    for (int i = 1; i <= 12; ++i) cs.WorkCusps[i] = otherCusps[i];
    for (int k = 0; k <= 10; ++k) cs.WorkLongitudes[k] = rel[k];
    cs.WorkLongitudes[14] = rel[0];
    AssignHouses(cs);
    for (int k = 1; k <= 10; ++k) relHouse[k] = HouseOfField(cs.HouseString, k);
    relHouse[0] = HouseOfField(cs.HouseString, 14);
}

void ChartTimeAndCusps(ProgramState& ps, int chartKind) {
    ChartState& cs = ps.chart;
    cs.ChartKind = chartKind;
    ComputeChartTime(cs);
    ComputeHouseCusps(cs);
}

}  // namespace

std::string HouseCodeFromChecks(const std::array<bool, 8>& checked) {
    static const char* const kCodes[8] = {"R", "K", "C", "O", "EA", "EM", "M", "I"};
    for (size_t i = 0; i < checked.size(); ++i)
        if (checked[i]) return kCodes[i];
    return "P";
}

double DriverJulianDate(double time, double zone, const std::string& amPm, int day, int month, int year) {
    double t = time;
    if (Int(t) == 12) t -= 12.0;
    double f = (HMToDecimal(t) + zone) / 24.0;
    if (amPm == "P.M.") f += 0.5;
    const double m = (static_cast<double>(year) + 4800.0) * 12.0 + month - 3.0;
    const double r = m - 12.0 * Int(m / 12.0);
    const double n = Int((2.0 * r + 7.0 + 365.0 * m) / 12.0) + day + Int(m / 48.0) - 32083.0 + Int(m / 4800.0) -
                     Int(m / 1200.0) + 38.0;
    return n + f - 0.5;
}

void ComputeJulianDates(ProgramState& ps) {
    ChartState& cs = ps.chart;
    cs.NatalJulianDate = DriverJulianDate(cs.NatalTime, cs.NatalZone, cs.NatalAmPm, cs.NatalDay, cs.NatalMonth,
                                          cs.NatalYear);
    cs.SecondJulianDate = DriverJulianDate(cs.DiurnalTime, cs.DiurnalZone, cs.SecondAmPm, cs.DiurnalDay,
                                           cs.DiurnalMonth, cs.DiurnalYear);
    cs.SecondT1900 = (cs.SecondJulianDate - 2415020.0) / 36525.0;
}

void ComputeChartA(ProgramState& ps) {
    ChartState& cs = ps.chart;
    const int mode = ZodiacMode(ps);
    cs.TrueNorthNode = -100.0;  // the next position run records chart A's true node
    ChartTimeAndCusps(ps, 0);
    cs.Vertex = cs.WorkVertex;
    cs.EquatorialAsc = cs.WorkEquatorialAsc;
    cs.CoAscendant = cs.WorkCoAscendant;
    cs.PolarAsc = cs.WorkPolarAsc;
    cs.NatalSiderealText = cs.SiderealTimeText;
    for (int i = 1; i <= 13; ++i) cs.NatalCusps[i] = cs.WorkCusps[i];

    CalcChartPositions(ps);
    AssignHouses(cs);
    cs.HouseStringA = cs.HouseString;
    cs.WheelHouseString = cs.HouseString;

    // Part of Fortune into slot 13; by day or by night after option 218.
    const double sun = cs.WorkLongitudes[1], moon = cs.WorkLongitudes[10];
    const int rule = FortuneRule(ps);
    const bool night = HouseOfField(cs.HouseStringA, 1) < 7;
    double fortune;
    if (rule == 0)
        fortune = moon + cs.Ascendant - sun;
    else if (rule == 1)
        fortune = sun + cs.Ascendant - moon;
    else
        fortune = night ? sun + cs.Ascendant - moon : moon + cs.Ascendant - sun;
    cs.WorkLongitudes[13] = Normalize360(fortune);

    CalcChironFromTable(cs, cs.ChartJulianDay, cs.UseChiron, cs.QuietMode != 0);
    AssignHouses(cs);
    cs.HouseStringA = cs.HouseString;
    cs.WheelHouseString = cs.HouseString;
    ComputeDeclinations(cs);

    // Declination of the true node from its longitude on the ecliptic.
    const double eps = -cs.ObliquityRad;
    const double lambda = DegToRad(cs.TrueNorthNode);
    cs.LoopJ = std::cos(lambda);
    cs.LoopI = std::cos(eps) * std::sin(lambda);
    cs.LoopK = std::sin(eps) * std::sin(lambda);
    ArcTan2Deg(cs);
    cs.TrueNodeDeclination = cs.SphereLatitude;

    cs.NatalSvp = Normalize360(cs.SvpValue);
    cs.NatalAyanamsa = Normalize360(cs.Ayanamsa);
    for (int i = 1; i <= 15; ++i) {
        cs.NatalLongitudes[i] = cs.WorkLongitudes[i];
        cs.NatalDeclinations[i] = cs.WorkDeclinations[i];
        cs.NatalLatitudes[i] = cs.WorkLatitudes[i];
    }
    cs.NatalRetroFlags = cs.RetrogradeFlags;

    if (mode == 1 || mode == 2) {
        auto shift = [&](double v) { return Shifted(v, mode, cs.NatalSvp, cs.NatalAyanamsa); };
        for (int i = 1; i <= 13; ++i) cs.NatalCusps[i] = shift(cs.NatalCusps[i]);
        for (int i = 1; i <= 15; ++i) cs.NatalLongitudes[i] = shift(cs.NatalLongitudes[i]);
        cs.TrueNorthNode = shift(cs.TrueNorthNode);
        cs.Vertex = shift(cs.Vertex);
        cs.EquatorialAsc = shift(cs.EquatorialAsc);
        cs.CoAscendant = shift(cs.CoAscendant);
        cs.PolarAsc = shift(cs.PolarAsc);
    }
}

void ComputeChartB(ProgramState& ps) {
    ChartState& cs = ps.chart;
    const int mode = ZodiacMode(ps);
    ChartTimeAndCusps(ps, 3);
    cs.VertexB = cs.WorkVertex;
    cs.EquatorialAscB = cs.WorkEquatorialAsc;
    cs.CoAscendantB = cs.WorkCoAscendant;
    cs.PolarAscB = cs.WorkPolarAsc;
    cs.SecondSiderealText = cs.SiderealTimeText;
    for (int i = 1; i <= 13; ++i) cs.SecondCusps[i] = cs.WorkCusps[i];

    CalcChartPositions(ps);
    CalcChironFromTable(cs, cs.ChartJulianDay, cs.UseChiron, cs.QuietMode != 0);
    AssignHouses(cs);
    cs.HouseStringB = cs.HouseString;
    ComputeDeclinations(cs);

    cs.SecondSvp = Normalize360(cs.SvpValue);
    cs.SecondAyanamsa = Normalize360(cs.Ayanamsa);
    for (int i = 1; i <= 15; ++i) {
        cs.SecondLongitudes[i] = cs.WorkLongitudes[i];
        cs.SecondDeclinations[i] = cs.WorkDeclinations[i];
    }
    cs.SecondRetroFlags = cs.RetrogradeFlags;

    if (mode == 1 || mode == 2) {
        auto shift = [&](double v) { return Shifted(v, mode, cs.SecondSvp, cs.SecondAyanamsa); };
        for (int i = 1; i <= 13; ++i) cs.SecondCusps[i] = shift(cs.SecondCusps[i]);
        for (int i = 1; i <= 15; ++i) cs.SecondLongitudes[i] = shift(cs.SecondLongitudes[i]);
        cs.VertexB = shift(cs.VertexB);
        cs.EquatorialAscB = shift(cs.EquatorialAscB);
        cs.CoAscendantB = shift(cs.CoAscendantB);
        cs.PolarAscB = shift(cs.PolarAscB);
    }
    for (int i = 1; i <= 15; ++i) ps.wheels.WheelSecondLongitudes[i] = cs.SecondLongitudes[i];
    ps.wheels.WheelSecondFlags = cs.SecondRetroFlags;
}

void ComputeRelationshipData(ProgramState& ps) {
    ChartState& cs = ps.chart;
    RelationshipOrder(cs.NatalLongitudes, cs.RelLongitudesA);
    RelationshipOrder(cs.SecondLongitudes, cs.RelLongitudesB);
    ComputeRulers(cs.NatalCusps, cs.HouseRulerA, cs.Ruler1A, cs.Ruler7A);
    ComputeRulers(cs.SecondCusps, cs.HouseRulerB, cs.Ruler1B, cs.Ruler7B);
    HouseOverlay(cs, cs.SecondCusps, cs.RelLongitudesA, cs.RelHouseA);
    HouseOverlay(cs, cs.NatalCusps, cs.RelLongitudesB, cs.RelHouseB);
}

void ComputeChartsCore(ProgramState& ps) {
    ChartState& cs = ps.chart;
    ComputeJulianDates(ps);
    cs.NatalEastWest = cs.WorkEastWest;
    cs.NatalNorthSouth = cs.WorkNorthSouth;
    ComputeChartA(ps);
    ComputeChartB(ps);
    if (cs.AroundClockMode == 1) return;
    ComputeRelationshipData(ps);
}

void ComputeChartsForGraphCore(ProgramState& ps) {
    ChartState& cs = ps.chart;
    ChartTimeAndCusps(ps, 0);
    for (int i = 1; i <= 13; ++i) cs.NatalCusps[i] = cs.WorkCusps[i];
    CalcChartPositions(ps);
    AssignHouses(cs);
    cs.HouseStringA = cs.HouseString;
    ComputeDeclinations(cs);
    for (int i = 1; i <= 15; ++i) {
        cs.NatalLongitudes[i] = cs.WorkLongitudes[i];
        cs.NatalDeclinations[i] = cs.WorkDeclinations[i];
    }
    cs.NatalRetroFlags = cs.RetrogradeFlags;
}

void ComputeDiurnalForGraphCore(ProgramState& ps) {
    ChartState& cs = ps.chart;
    ChartTimeAndCusps(ps, 3);
    for (int i = 1; i <= 13; ++i) cs.SecondCusps[i] = cs.WorkCusps[i];
    CalcChartPositions(ps);
    AssignHouses(cs);
    cs.HouseStringB = cs.HouseString;
    ComputeDeclinations(cs);
    for (int i = 1; i <= 15; ++i) {
        cs.SecondLongitudes[i] = cs.WorkLongitudes[i];
        cs.SecondDeclinations[i] = cs.WorkDeclinations[i];
    }
    cs.SecondRetroFlags = cs.RetrogradeFlags;
}
