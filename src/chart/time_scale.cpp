#include "chart/time_scale.h"

#include <cmath>
#include <string>

#include "chart/angle_helpers.h"
#include "chart/chart_state.h"
#include "program_state.h"

namespace {

double Int(double x) { return std::floor(x); }

// Day number of a date by the month count from March of year -4800, in the
// Julian calendar, switched to the Gregorian one above 2299171.
double DayNumber(double months, double day) {
    const double j = (2.0 * (months - 12.0 * Int(months / 12.0)) + 7.0 + 365.0 * months) / 12.0;
    double n = Int(j) + day + Int(months / 48.0) - 32083.0;
    if (n > 2299171.0) n += Int(months / 4800.0) - Int(months / 1200.0) + 38.0;
    return n;
}

// Angle of one of the auxiliary angles from its numerator and denominator:
// arc tangent folded into [0, pi), then a half turn more when asked.
double AuxAngle(const ChartState& cs, double n, double d, bool addHalfTurn) {
    double v = std::atan(n / d);
    if (v < 0) v += cs.Pi;
    if (addHalfTurn) v += cs.Pi;
    return RadToDeg(v);
}

}  // namespace

void ComputeChartTime(ChartState& cs) {
    // 1. Inputs by chart kind.
    const bool natalTime = cs.ChartKind == 0 || cs.ChartKind == 1;
    const bool natalPlace = cs.ChartKind == 0;
    double t = natalTime ? cs.NatalTime : cs.DiurnalTime;
    const double zone = natalTime ? cs.NatalZone : cs.DiurnalZone;
    const std::string& ampm = natalTime ? cs.NatalAmPm : cs.SecondAmPm;
    const double longitude = natalPlace ? cs.NatalLongitude : cs.DiurnalLongitude;
    const double latitude = natalPlace ? cs.NatalLatitude : cs.DiurnalLatitude;
    const std::string& northSouth = natalPlace ? cs.NatalNorthSouth : cs.SecondNorthSouth;
    const int year = natalTime ? cs.NatalYear : cs.DiurnalYear;
    const int month = natalTime ? cs.NatalMonth : cs.DiurnalMonth;
    const int day = natalTime ? cs.NatalDay : cs.DiurnalDay;
    const int offset = cs.ChartKind == 1 ? cs.DiurnalDayOffset : 0;

    // 2. Time of day: 12.xx is the first hour of its half-day.
    if (Int(t) == 12) t -= 12;
    cs.DayFraction = (HMToDecimal(t) + zone) / 24.0;
    if (ampm == "P.M.") cs.DayFraction += 0.5;

    // 3. Place.
    cs.CalcLongAbs = std::fabs(longitude);
    cs.CalcLongitude = longitude;
    cs.CalcLatAbs = std::fabs(latitude);
    cs.LatitudeWhole = Int(cs.CalcLatAbs);
    cs.WorkNorthSouth = northSouth;
    cs.CalcLatitude = DegToRad(Sgn(latitude) * HMToDecimal(std::fabs(latitude)));

    // 4.-6. Julian day and centuries.
    cs.MonthsFrom4800 = (year + 4800.0) * 12.0 + month - 3.0;
    cs.JulianDayNumber = DayNumber(cs.MonthsFrom4800, day + offset);
    cs.JulianDay = cs.JulianDayNumber + cs.DayFraction - 0.5;
    cs.ChartJulianDay = cs.JulianDay;
    const double T = (cs.JulianDayNumber - 2415020.0 + cs.DayFraction - 0.5) / 36525.0;
    cs.TimeCenturies = T;
    if (cs.ChartKind == 3) cs.ChartT2000 = (cs.JulianDayNumber - 2451545.0 + cs.DayFraction - 0.5) / 36525.0;

    // 7. Greenwich sidereal time.
    cs.SiderealHours = (8640184.54 * T + 23925.836 + 0.0929 * T * T) / 3600.0;
    cs.SiderealHours = (cs.DayFraction * 24.0 + cs.SiderealHours) / 24.0;
    const double theta = (cs.SiderealHours - Int(cs.SiderealHours)) * 24.0 * 15.0;

    // 8. RAMC, West longitudes positive.
    cs.Ramc = Mod360(theta - Sgn(longitude) * HMToDecimal(std::fabs(longitude)));
    if (cs.ChartKind == 0) cs.WorkRightAscensions[15] = cs.Ramc;
    cs.Ramc = DegToRad(cs.Ramc);

    // 9. Obliquity.
    const double e = 23.4522944 - 0.0130125 * T - 0.000001639 * T * T + 0.000000503 * T * T * T;
    cs.ObliquityRad = DegToRad(e);
    cs.ObliquityDeg = RadToDeg(cs.ObliquityRad);

    // 10. MC: the RAMC projected onto the ecliptic.
    cs.PolarAngle = cs.Ramc;
    cs.VectorLength = 1.0;
    PolarToRect(cs);
    cs.RectX *= std::cos(cs.ObliquityRad);
    RectToPolar(cs);
    cs.Midheaven = RadToDeg(cs.PolarAngle);

    // 11. From here on the obliquity is held negated.
    cs.ObliquityRad = -cs.ObliquityRad;

    // 12. Ascendant: the zenith turned into the ecliptic frame gives the
    // nonagesimal, 90 degrees before the Ascendant.
    cs.PolarAngle = cs.CalcLatitude;
    cs.VectorLength = 1.0;
    PolarToRect(cs);
    const double cosPhi = cs.RectX, sinPhi = cs.LoopI;
    cs.PolarAngle = cs.Ramc;
    cs.VectorLength = cosPhi;
    PolarToRect(cs);
    const double x1 = cs.RectX, y1 = cs.LoopI;
    cs.RectX = y1;
    cs.LoopI = sinPhi;
    RectToPolar(cs);
    cs.PolarAngle += cs.ObliquityRad;
    PolarToRect(cs);
    const double x2 = cs.RectX;
    cs.RectX = x1;
    cs.LoopI = x2;
    RectToPolar(cs);
    double b = cs.PolarAngle;
    if (b < 0) b += 2.0 * cs.Pi;
    cs.Ascendant = Mod360(RadToDeg(b) + 90.0);

    // 13. Vertex, equatorial ascendant, co-ascendant and polar ascendant.
    cs.LoopJ = cs.LatitudeWhole + (cs.CalcLatAbs - cs.LatitudeWhole) * 100.0 / 60.0;
    if (cs.WorkNorthSouth == "SOUTH") cs.LoopJ = -cs.LoopJ;
    cs.NegLatitudeRad = -DegToRad(cs.LoopJ);
    if (cs.NegLatitudeRad == 0.0) cs.NegLatitudeRad = 0.00001;
    {
        const double R = cs.Ramc, E = cs.ObliquityRad, P = cs.NegLatitudeRad;
        const double cosE = std::cos(E), sinE = std::sin(E), tanP = std::tan(P);
        const double nOpp = std::cos(R + cs.Pi), sOpp = std::sin(R + cs.Pi);
        cs.WorkVertex = AuxAngle(cs, nOpp, -sOpp * cosE - sinE / tanP, nOpp < 0);
        cs.WorkEquatorialAsc = AuxAngle(cs, std::cos(R), -std::sin(R) * cosE, std::cos(R) < 0);
        cs.WorkCoAscendant = AuxAngle(cs, nOpp, -sOpp * cosE + sinE / tanP, nOpp > 0);
        cs.WorkPolarAsc = AuxAngle(cs, nOpp, -sOpp * cosE - tanP * sinE, nOpp < 0);
    }

    // 14. Sidereal time as truncated hours, minutes and seconds; southern
    // charts show it twelve hours on.
    double s = RadToDeg(cs.Ramc);
    if (cs.CalcLatitude < 0) s = Mod360(s + 180.0);
    const double h = s / 15.0;
    cs.LoopI = Int(h);
    cs.LoopK = (h - cs.LoopI) * 60.0;
    cs.RectX = Int((cs.LoopK - Int(cs.LoopK)) * 60.0);
    cs.LoopK = Int(cs.LoopK);
}

void CalcSiderealCorrections(ChartState& cs, const std::array<float, 287>& OptionValues) {
    const double T = cs.TimeCenturies;
    cs.ChartJulianDate = cs.JulianDayNumber + cs.DayFraction - 0.5;
    const double L = 279.696678 + 36000.768925 * T + 0.0003025 * T * T;
    const double Om = 259.183275 - 1934.142008 * T + 0.002078 * T * T + 0.0000022 * T * T * T;
    cs.NutationInLongitude = (-(17.2327 + 0.01737 * T) * SinDeg(Om) - 1.273 * SinDeg(2.0 * L)) / 3600.0;
    cs.SvpValue = Normalize360((17.2327 * SinDeg(Om) + 1.273 * SinDeg(2.0 * L) - (5025.64 + 1.11 * T) * T - 84038.27) / 3600.0);
    double a0 = 22.46045833333;
    if (OptionValues[219] == 1.0f)
        a0 = static_cast<double>(OptionValues[220]) + OptionValues[221] / 60.0 + OptionValues[222] / 3600.0;
    cs.Ayanamsa = a0 + (cs.ChartJulianDate - 2415020.0) / 365.25 / 71.61 + cs.NutationInLongitude;
}

void CalcSiderealCorrections(ProgramState& ps) { CalcSiderealCorrections(ps.chart, ps.settings.OptionValues); }

void DateToJulianDay(ChartState& cs) {
    cs.JdnWork = (cs.JdnYear + 4800.0) * 12.0 + cs.JdnMonth - 3.0;
    cs.JdnResult = DayNumber(cs.JdnWork, cs.JdnDay);
}

void JulianDayToDateText(ChartState& cs, int DateOrder) {
    double L = Int(cs.JulianDay + 0.5) + 68569.0;
    const double N = Int(4.0 * L / 146097.0);
    L = L - Int((146097.0 * N + 3.0) / 4.0);
    const double I = Int(4000.0 * (L + 1.0) / 1461001.0);
    L = L - Int(1461.0 * I / 4.0) + 31.0;
    const double J = Int(80.0 * L / 2447.0);
    const long day = static_cast<long>(L - Int(2447.0 * J / 80.0));
    L = Int(J / 11.0);
    const long month = static_cast<long>(J + 2.0 - 12.0 * L);
    const long year = static_cast<long>(100.0 * (N - 49.0) + I + L);

    auto twoDigits = [](long v) { return (v < 10 ? std::string("0") : std::string()) + std::to_string(v); };
    // The year's text carries a leading blank when not negative; its last
    // four characters are kept.
    std::string y = (year >= 0 ? " " : "") + std::to_string(year);
    if (y.size() > 4) y = y.substr(y.size() - 4);
    const std::string d = twoDigits(day), m = twoDigits(month);
    std::string text;
    if (DateOrder == 2)
        text = y + "/" + m + "/" + d;
    else if (DateOrder == 1)
        text = d + "/" + m + "/" + y;
    else
        text = m + "/" + d + "/" + y;
    const auto first = text.find_first_not_of(' ');
    cs.DateText = first == std::string::npos ? std::string() : text.substr(first);
}

void SetCaptionPrefix(ProgramState& ps) {
    const float mode = ps.settings.OptionValues[198];
    std::string prefix = "Tandrell ";
    if (mode == 0.0f)
        prefix += "(Tropical zodiac) - ";
    else if (mode == 1.0f)
        prefix += "(Sidereal zodiac - SVP) - ";
    else if (mode == 2.0f)
        prefix += "(Sidereal zodiac - Ayanamsa) - ";
    ps.chart.CaptionPrefix = prefix;
}
