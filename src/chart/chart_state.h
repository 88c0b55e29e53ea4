#pragma once
// Chart computation state: the two data sets' charts, the working arrays of
// the chart being computed, and the scratch registers the position theories
// hand their results back in.
#include <array>
#include <string>
#include <vector>

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
    // Julian centuries of the moment being computed: from JD 2415020.0 and
    // from JD 2451545.0.
    double TimeCenturies = 0.0;
    double TimeCenturies2000 = 0.0;

    // --- Sun and Moon

    // --- planet orbits and perturbations
    // Kilometres per astronomical unit: distances in the planet theories.
    double KmPerAU = 149597870.0;
    // Body counter the planet theories read: 1 Earth, 2 Mercury .. 9 Pluto.
    int CurrentBody = 0;

    // Mean elements, filled once by InitOrbitalElements. Linear sets
    // (1..11: a, e0, e1, i0, i1, node0, node1, perihelion0, perihelion1,
    // M0, M1; T from J2000) and cubic sets (1..21: L0..L3, a, e0..e3,
    // i0..i3, perihelion argument 0..3, node0..3; T from 1900). Slot 0 unused.
    std::array<double, 12> ElementsEarth{};
    std::array<double, 12> ElementsMercury{};
    std::array<double, 12> ElementsVenus{};
    std::array<double, 12> ElementsMars{};
    std::array<double, 22> ElementsEarth1900{};
    std::array<double, 22> ElementsJupiter{};
    std::array<double, 22> ElementsSaturn{};
    std::array<double, 22> ElementsUranus{};
    std::array<double, 22> ElementsNeptune{};

    // Working elements of the planet being computed (degrees). CalcMonth is
    // the mean anomaly here; the time step uses the same value for the month.
    double MeanLongitude = 0.0;
    double CalcMonth = 0.0;
    double PerihelionLongitude = 0.0;
    double PerihelionArg = 0.0;
    double Eccentricity = 0.0;
    double Inclination = 0.0;
    double NodeLongitude = 0.0;
    // The semi-major axis shares its storage with PolarAngle (AU until the
    // Kepler step, kilometres from then on).
    double& SemiMajorAxis() { return PolarAngle; }
    double SemiMajorAxis() const { return PolarAngle; }

    // Kepler results and heliocentric position of the current body.
    double EccentricAnomaly = 0.0;
    double TrueAnomaly = 0.0;
    double ArgLatitude = 0.0;
    double HelioLongitude = 0.0;
    double HelioLatitude = 0.0;
    // The Earth's and the current planet's heliocentric positions (km, deg).
    double EarthRadius = 0.0;
    double EarthHelioLongitude = 0.0;
    double EarthHelioLatitude = 0.0;
    double PlanetRadius = 0.0;
    double PlanetHelioLongitude = 0.0;
    double PlanetHelioLatitude = 0.0;
    // Geocentric ecliptic result of the current planet.
    double GeoLongitude = 0.0;
    double GeoLatitude = 0.0;

    // Arguments of the great-planet perturbations (Q is held in SignOrCode
    // and zeta in LoopK).
    double PertNu = 0.0;
    double PertP = 0.0;
    double PertS = 0.0;
    double PertV = 0.0;
    double PertW = 0.0;
    double PertPsi = 0.0;
    // Uranus and Neptune arguments; PertG and CalcHourAngle are also scratch
    // values of other chart steps.
    double PertG = 0.0;
    double PertH = 0.0;
    double PertTheta = 0.0;
    double CalcHourAngle = 0.0;
    double UranusMeanAnomaly = 0.0;
    double NeptuneMeanAnomaly = 0.0;
    // Perturbation sums: mean longitude, eccentricity, perihelion, semi-axis.
    double PertLongitude = 0.0;
    double PertEccentricity = 0.0;
    double PertPerihelion = 0.0;
    double PertSemiAxis = 0.0;
    // Direct geocentric longitude correction of Uranus or Neptune.
    double PertExtraLongitude = 0.0;

    // Pluto's heliocentric position from its series (deg, deg, AU).
    double PlutoHelioLongitude = 0.0;
    double PlutoHelioLatitude = 0.0;
    double PlutoHelioRadius = 0.0;

    // --- chart positions

    // --- houses and placement

    // --- data file tables
    // Cusp-label pen positions of the wheel, indices 0..120.
    std::array<int, 121> HcData{};
    // Aspect points of a couple: [aspect 0..8][body 0..10][body 0..10] in
    // relationship order, symmetric in the two bodies.
    std::array<std::array<std::array<float, 11>, 11>, 9> PointsCube{};
    // Radius of the wheel's body ring for each whole degree 0..360.
    std::array<int, 361> RingRadius{};
    // Chiron by day from Julian day 2415000 (record i is day 2415000 + i).
    std::vector<float> ChironLongitudeTable = std::vector<float>(60000, 0.0f);
    std::vector<float> ChironDeclinationTable = std::vector<float>(60000, 0.0f);

    // --- chart driver

    // --- composite chart
};
