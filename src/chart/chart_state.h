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
    // Input values of the two data sets: the date, the time as h.mm on a
    // 12-hour clock with its "A.M."/"P.M." text, the zone in hours (West
    // positive), longitude and latitude as deg.mm (West and North positive).
    int NatalDay = 0, NatalMonth = 0, NatalYear = 0;
    float NatalTime = 0, NatalZone = 0, NatalLongitude = 0, NatalLatitude = 0;
    std::string NatalAmPm, NatalNorthSouth;
    int DiurnalDay = 0, DiurnalMonth = 0, DiurnalYear = 0, DiurnalDayOffset = 0;
    float DiurnalTime = 0, DiurnalZone = 0, DiurnalLongitude = 0, DiurnalLatitude = 0;
    std::string SecondAmPm, SecondNorthSouth;
    // Which inputs the time step uses: 0 natal, 1 natal time at the diurnal
    // place, anything else the diurnal set.
    int ChartKind = 0;

    double DayFraction = 0.0;  // universal time as a fraction of a day
    double CalcLongitude = 0.0, CalcLongAbs = 0.0;
    double CalcLatitude = 0.0;  // signed latitude in radians once computed
    double CalcLatAbs = 0.0, LatitudeWhole = 0.0;
    std::string WorkNorthSouth;
    double NegLatitudeRad = 0.0;
    double MonthsFrom4800 = 0.0;
    double JulianDayNumber = 0.0;  // noon-based whole day number
    double JulianDay = 0.0, ChartJulianDay = 0.0;
    double ChartT2000 = 0.0;
    double SiderealHours = 0.0;
    double Ramc = 0.0;          // radians after the time step
    double ObliquityRad = 0.0;  // minus the obliquity, radians, after the time step
    double ObliquityDeg = 0.0;
    double Midheaven = 0.0, Ascendant = 0.0;
    double WorkVertex = 0.0, WorkEquatorialAsc = 0.0, WorkCoAscendant = 0.0, WorkPolarAsc = 0.0;
    // Sidereal corrections of the zodiac modes.
    double ChartJulianDate = 0.0;
    double NutationInLongitude = 0.0;
    double SvpValue = 0.0;
    double Ayanamsa = 0.0;
    // Calendar conversions.
    int JdnYear = 0, JdnMonth = 0, JdnDay = 0;
    double JdnWork = 0.0, JdnResult = 0.0;
    std::string DateText;
    std::string CaptionPrefix;

    // --- Sun and Moon
    double MoonLatitude = 0.0;
    double MoonTrueNode = 0.0;  // not reduced to 0..360 by the Moon theory

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
    // Working chart arrays by body slot 1..15 (slot 0 unused).
    std::array<double, 16> WorkLongitudes{};
    std::array<double, 16> WorkLatitudes{};
    std::array<double, 16> WorkDeclinations{};
    std::array<double, 16> WorkRightAscensions{};
    std::array<double, 16> NextDayLongitudes{};
    // One character per body 1..15: "R" retrograde, blank direct.
    std::string RetrogradeFlags = std::string(15, ' ');
    double GraphT1900 = 0.0;         // moment of the day-by-day variant
    // True node of chart A; -100 asks the next full computation to record it.
    double TrueNorthNode = 0.0;
    // Chart A and chart B as the chart driver keeps them: bodies 1..15,
    // cusps 1..13 tenth house first.
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
    // Cusp-label pen positions of the wheel, indices 0..120.
    std::array<int, 121> HcData{};
    // Aspect points of a couple: [aspect 0..8][body 0..10][body 0..10] in
    // relationship order, symmetric in the two bodies.
    std::array<std::array<std::array<float, 11>, 11>, 9> PointsCube{};
    // Radius of the wheel's body ring for each whole degree 0..360.
    std::array<int, 361> RingRadius{};
    // Chiron by day: record i holds Julian day 2415000 + i. 60000 records,
    // held on the heap so a program state can live on the stack.
    std::vector<float> ChironLongitudeTable = std::vector<float>(60000, 0.0f);
    std::vector<float> ChironDeclinationTable = std::vector<float>(60000, 0.0f);

    // --- chart driver
    // Mode flags set by the callers around a run: QuietMode computes without
    // building reports (scans, batch runs, graphs); AroundClockMode stops the
    // run once both charts are computed.
    int QuietMode = 0;
    int AroundClockMode = 0;
    // Set by any failing input check; the driver stops when it is set.
    int InputError = 0;
    // Bodies the cosmodyne engines use beyond the first 13: 0 none, 1 the
    // Ascendant, 2 Ascendant and MC.
    int AnglesSetting = 0;
    // Mirror of the "Use Chiron?" box: unticked during a quiet run, Chiron's
    // look-up is skipped.
    bool UseChiron = true;
    std::string ChartName;
    std::string NatalDateText, SecondDateText, WheelAmPm;
    std::string WorkEastWest, NatalEastWest, SecondEastWest;
    // Julian dates of the two charts by the Gregorian rule, and chart B's
    // centuries from 1900.
    double NatalJulianDate = 0.0, SecondJulianDate = 0.0, SecondT1900 = 0.0;
    double TrueNodeDeclination = 0.0;
    // Auxiliary angles of each chart, degrees, shifted with the zodiac mode.
    double Vertex = 0.0, EquatorialAsc = 0.0, CoAscendant = 0.0, PolarAsc = 0.0;
    double VertexB = 0.0, EquatorialAscB = 0.0, CoAscendantB = 0.0, PolarAscB = 0.0;
    std::string NatalSiderealText, SecondSiderealText;
    std::array<double, 16> NatalLatitudes{};
    std::string NatalRetroFlags = std::string(15, ' ');
    std::string SecondRetroFlags = std::string(15, ' ');
    std::string HouseStringA, HouseStringB;
    double NatalSvp = 0.0, NatalAyanamsa = 0.0, SecondSvp = 0.0, SecondAyanamsa = 0.0;
    // Relationship order: 0 Ascendant, 1 Sun, 2 Moon, 3 Mercury .. 10 Pluto.
    std::array<double, 11> RelLongitudesA{};
    std::array<double, 11> RelLongitudesB{};
    // Ruler (relationship order) of the sign on each house cusp 1..12.
    std::array<double, 13> HouseRulerA{};
    std::array<double, 13> HouseRulerB{};
    int Ruler1A = 0, Ruler7A = 0, Ruler1B = 0, Ruler7B = 0;
    // House overlay: the house of each relationship-order body of one chart
    // among the other chart's cusps.
    std::array<int, 11> RelHouseA{};
    std::array<int, 11> RelHouseB{};

    // --- composite chart
    // Latitude of the relationship for the composite houses; "99" means
    // midpoint houses.
    std::string CompositeLatText;
    std::string CompositeHouseString;
    std::string WheelHouseString;
    // The composite report puts the composite chart in chart A's place for
    // its cosmodynes and keeps chart A here meanwhile.
    std::array<double, 16> CompositeLongitudes{};
    std::array<double, 16> CompositeDeclinations{};
    std::array<double, 14> CompositeCusps{};
    std::string SavedHouseString;
};
