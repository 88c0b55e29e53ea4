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

    // --- Sun and Moon

    // --- planet orbits and perturbations

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
