#pragma once
// Chart computation state: the two data sets' charts, the working arrays of
// the chart being computed, and the scratch registers the position theories
// hand their results back in.
#include <array>
#include <string>

struct ChartState {
    // The literal value of pi the chart formulas use throughout.
    double Pi = 3.1415926535;

    // --- scratch registers of the angle helpers
    // Plane coordinates: PolarAngle doubles as SemiMajorAxis in the planet
    // theories, LoopI as the y coordinate.
    double PolarAngle = 0.0;
    double VectorLength = 0.0;
    double RectX = 0.0;
    double LoopI = 0.0;
    double LoopJ = 0.0;
    double LoopK = 0.0;
    double PlaneLength = 0.0;
    double HalfAngleLongitude = 0.0;
    double SphereLongitude = 0.0;
    double SphereLatitude = 0.0;
    // Longitude splitting outputs.
    double WholeDegrees = 0.0;
    double SignOrCode = 0.0;
    double DegreesInSign = 0.0;
    double MinutesInSign = 0.0;
    double SecondsInSign = 0.0;

    // --- time scale and sidereal time
    // RAMC, radians once the chart time is computed.
    double Ramc = 0.0;
    // Minus the obliquity of the ecliptic, radians.
    double ObliquityRad = 0.0;
    double Ascendant = 0.0;
    double Midheaven = 0.0;
    // Minus the latitude in radians; 0.00001 at latitude 0.
    double NegLatitudeRad = 0.0;
    // Absolute latitude as degrees.minutes and its whole degrees.
    double CalcLatAbs = 0.0;
    double LatitudeWhole = 0.0;
    std::string WorkNorthSouth;

    // --- Sun and Moon

    // --- planet orbits and perturbations

    // --- chart positions
    std::array<double, 16> WorkLongitudes{};
    std::array<double, 16> WorkDeclinations{};
    std::string RetrogradeFlags = std::string(15, ' ');
    std::array<double, 16> NatalLongitudes{};
    std::array<double, 16> NatalDeclinations{};
    std::array<double, 16> SecondLongitudes{};
    std::array<double, 16> SecondDeclinations{};
    std::array<double, 14> NatalCusps{};
    std::array<double, 14> SecondCusps{};

    // --- houses and placement
    std::string HouseSystemCode = "P";
    // Cusps 1..12 in natural order (quadrant systems only).
    std::array<double, 14> Cusp{};
    // Cusps tenth house first: element 1 is the 10th cusp, 4 the 1st.
    std::array<double, 14> WorkCusps{};
    std::string SiderealTimeText;
    // One Placidus cusp: start right ascension (radians), divisor 3 or 1.5,
    // 1 below the horizon, result in degrees.
    double PlacidusRa = 0.0;
    double PlacidusDivisor = 0.0;
    int PlacidusBelow = 0;
    double PlacidusResult = 0.0;
    // House ordinals, four characters each, in the order of WorkCusps.
    std::string HouseOrdinals = "10TH11TH12TH 1ST 2ND 3RD 4TH 5TH 6TH 7TH 8TH 9TH    ";
    // Ten characters per body: house number, then " HOUSE" in 5..10.
    std::string HouseString = "---- --------- -----" + std::string(130, ' ');
    double SolsticeResult = 0.0;

    // --- data file tables

    // --- chart driver

    // --- composite chart
    // Latitude of the relationship for the composite houses; "99" means
    // midpoint houses.
    std::string CompositeLatText;
    std::string CompositeHouseString;
    std::string WheelHouseString;
};
