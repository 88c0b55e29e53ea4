#include "chart/house_cusps.h"

#include <cmath>
#include <string>

#include "chart/angle_helpers.h"
#include "chart/chart_state.h"

namespace {

// The angle of the point (x, y) in degrees, 0..360, by the arc tangent of
// y / x and two half-turn corrections. On an axis, where the arc tangent
// gives no quadrant, the quadrant is taken from the signs directly.
double Quadrant(double y, double x) {
    if (x == 0.0) return y > 0 ? 90.0 : (y < 0 ? 270.0 : 0.0);
    if (y == 0.0) return x < 0 ? 180.0 : 0.0;
    double a = RadToDeg(std::atan(y / x));
    if (a < 0) a += 180.0;
    if (y < 0) a += 180.0;
    return a;
}

// One part of the sidereal time as two digits: " 7" becomes "07".
std::string TwoDigits(double value) {
    const long long n = static_cast<long long>(value);
    std::string t = n >= 0 ? " " + std::to_string(n) : std::to_string(n);
    if (value < 10) t = "0" + t.substr(t.size() - 1);
    return t.substr(t.size() - 2);
}

void BuildSiderealTimeText(ChartState& cs) {
    cs.SiderealTimeText =
        TwoDigits(cs.LoopI) + "H  " + TwoDigits(cs.LoopK) + "M  " + TwoDigits(cs.RectX) + "S ";
}

// The signed geographic latitude in radians, rebuilt from the absolute
// degrees.minutes value and the north/south text.
double SignedLatitude(const ChartState& cs) {
    double phi = cs.LatitudeWhole + (cs.CalcLatAbs - std::floor(cs.CalcLatAbs)) * 100.0 / 60.0;
    if (cs.WorkNorthSouth == "SOUTH") phi = -phi;
    return DegToRad(phi);
}

void PlacidusCusps(ChartState& cs) {
    cs.Cusp[4] = Normalize360(cs.Midheaven + 180.0);
    cs.Cusp[1] = Normalize360(cs.Ascendant);
    struct Step { double startDeg, divisor; int below, cusp; double add; };
    const Step steps[] = {
        {30, 3, 0, 5, 180}, {60, 1.5, 0, 6, 180}, {120, 1.5, 1, 2, 0}, {150, 3, 1, 3, 0}};
    for (const Step& s : steps) {
        cs.PlacidusRa = cs.Ramc + DegToRad(s.startDeg);
        cs.PlacidusDivisor = s.divisor;
        cs.PlacidusBelow = s.below;
        PlacidusCusp(cs);
        cs.Cusp[s.cusp] = cs.PlacidusResult + s.add;
    }
    for (int i = 1; i <= 12; ++i) {
        cs.Cusp[i] = Normalize360(cs.Cusp[i]);
        if (i > 6) cs.Cusp[i] = Normalize360(cs.Cusp[i - 6] + 180.0);
    }
}

void KochCusps(ChartState& cs, double phi, double eps) {
    const double ad = RadToDeg(ArcSin(std::sin(cs.Ramc) * std::tan(phi) * std::tan(eps)));
    const double ramc = RadToDeg(cs.Ramc);
    for (int i = 1; i <= 12; ++i) {
        const int h = (30 * i + 60) % 360;
        const double s = h < 180 ? 1.0 : -1.0;
        const double k = h < 180 ? h / 90.0 - 1.0 : h / 90.0 - 3.0;
        const double r = DegToRad(Mod360(ramc + h + k * ad));
        cs.Cusp[i] = Normalize360(Quadrant(
            std::sin(r), std::cos(r) * std::cos(eps) - s * std::tan(phi) * std::sin(eps)));
    }
}

void CampanusCusps(ChartState& cs, double phi, double eps) {
    for (int i = 1; i <= 12; ++i) {
        // The millionth of a degree keeps tan P away from its poles.
        const double p = DegToRad(30.0 * i + 60.000001);
        double q = RadToDeg(std::atan(std::tan(p) * std::cos(phi)));
        if (q < 0) q += 180.0;
        if (std::sin(p) < 0) q += 180.0;
        const double qr = DegToRad(q);
        const double r = cs.Ramc + qr;
        cs.Cusp[i] = Normalize360(Quadrant(
            std::sin(r), std::cos(r) * std::cos(eps) - std::tan(phi) * std::sin(qr) * std::sin(eps)));
    }
}

void RegiomontanusCusps(ChartState& cs, double phi, double eps) {
    for (int i = 1; i <= 12; ++i) {
        const double h = DegToRad(30.0 * i + 60.0);
        const double r = cs.Ramc + h;
        cs.Cusp[i] = Normalize360(Quadrant(
            std::sin(r), std::cos(r) * std::cos(eps) - std::tan(phi) * std::sin(h) * std::sin(eps)));
    }
}

// Meridian (morinus = false) projects equal steps of right ascension onto
// the ecliptic along hour circles; Morinus projects them the other way.
void EquatorialCusps(ChartState& cs, double eps, bool morinus) {
    for (int i = 1; i <= 12; ++i) {
        const double r = cs.Ramc + DegToRad(30.0 * i + 60.0);
        cs.Cusp[i] = morinus ? Quadrant(std::sin(r) * std::cos(eps), std::cos(r))
                             : Quadrant(std::sin(r), std::cos(eps) * std::cos(r));
    }
}

void PorphyryCusps(ChartState& cs) {
    const double asc = cs.Ascendant, mc = cs.Midheaven;
    const double ic = Normalize360(mc + 180.0);
    double d = asc - mc;
    if (d < 0) d += 360.0;
    cs.Cusp[5] = Normalize360(ic + d / 3.0);
    cs.Cusp[6] = Normalize360(ic + 2.0 * d / 3.0);
    double e = ic - asc;
    if (e < 0) e += 360.0;
    cs.Cusp[1] = Normalize360(asc);
    for (int j = 1; j <= 3; ++j) cs.Cusp[1 + j] = Normalize360(asc + j * e / 3.0);
    for (int i = 1; i <= 6; ++i) cs.Cusp[i + 6] = Normalize360(cs.Cusp[i] + 180.0);
}

// Twelve cusps 30 degrees apart, written straight into WorkCusps from the
// element given.
void EqualCusps(ChartState& cs, int first, double start) {
    double value = start;
    for (int n = 0; n < 12; ++n) {
        cs.WorkCusps[(first - 1 + n) % 12 + 1] = value;
        value += 30.0;
    }
}

}  // namespace

void PlacidusCusp(ChartState& cs) {
    const double phi = -cs.NegLatitudeRad;
    const double tanEps = std::tan(-cs.ObliquityRad);
    const bool below = cs.PlacidusBelow == 1;
    const double s = below ? 1.0 : -1.0;
    double r = cs.PlacidusRa;
    for (int n = 0; n < 10; ++n) {
        const double x = s * std::sin(r) * tanEps * std::tan(phi);
        // The semi-arc, 0..pi. Beyond the polar circle the argument leaves
        // [-1, 1]; the point then never rises or never sets and its
        // semi-arc is taken as the limit, so no cusp becomes NaN.
        double semiArc;
        if (x >= 1.0) {
            semiArc = 0.0;
        } else if (x <= -1.0) {
            semiArc = cs.Pi;
        } else {
            semiArc = ArcCos(x);
            if (semiArc < 0) semiArc += cs.Pi;
        }
        r = below ? cs.Ramc + cs.Pi - semiArc / cs.PlacidusDivisor
                  : cs.Ramc + semiArc / cs.PlacidusDivisor;
    }
    cs.PlacidusRa = r;
    cs.PlacidusResult = Quadrant(std::sin(r), std::cos(r) * std::cos(-cs.ObliquityRad));
}

void ComputeHouseCusps(ChartState& cs) {
    BuildSiderealTimeText(cs);

    const std::string& code = cs.HouseSystemCode;
    const double eps = -cs.ObliquityRad;
    bool equal = false;
    if (code == "P") {
        PlacidusCusps(cs);
    } else if (code == "K") {
        KochCusps(cs, SignedLatitude(cs), eps);
    } else if (code == "C") {
        CampanusCusps(cs, SignedLatitude(cs), eps);
    } else if (code == "O") {
        PorphyryCusps(cs);
    } else if (code == "EA") {
        EqualCusps(cs, 4, cs.Ascendant);
        equal = true;
    } else if (code == "EM") {
        EqualCusps(cs, 1, cs.Midheaven);
        equal = true;
    } else if (code == "M") {
        EquatorialCusps(cs, eps, false);
    } else if (code == "I") {
        EquatorialCusps(cs, eps, true);
    } else {
        RegiomontanusCusps(cs, SignedLatitude(cs), eps);
    }

    if (!equal) {
        for (int i = 1; i <= 9; ++i) cs.WorkCusps[i + 3] = cs.Cusp[i];
        for (int i = 10; i <= 12; ++i) cs.WorkCusps[i - 9] = cs.Cusp[i];
    }
    for (int i = 1; i <= 12; ++i) cs.WorkCusps[i] = Normalize360(cs.WorkCusps[i]);
}
