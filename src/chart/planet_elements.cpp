// Mean orbital elements of the planets. The linear sets (Earth, Mercury,
// Venus, Mars) run in centuries from J2000; the cubic sets (Earth, Jupiter,
// Saturn, Uranus, Neptune) in centuries from 1900. The cubic Earth set gives
// the Sun's mean longitude with the Earth's perihelion.
#include "chart/chart_state.h"
#include "chart/planet_theory.h"

namespace {
// a, e0, e1, i0, i1, node0, node1, perihelion0, perihelion1, M0, M1.
constexpr std::array<double, 12> kLinear[4] = {
    // Earth
    {0, 1.000000031, 0.016709, -0.000042, 0, 0, 0, 0, 102.94, 1.7192, 357.5256, 35999.0498},
    // Mercury
    {0, 0.387099, 0.205634, 0.00002, 7.0048, 0.0019, 48.331, 1.185, 77.4552, 1.5555, 174.7947, 149472.5153},
    // Venus
    {0, 0.723332, 0.006773, -0.000048, 3.3946, 0.001, 76.68, 0.9, 131.5718, 1.408, 50.4071, 58517.8039},
    // Mars
    {0, 1.523692, 0.093405, 0.000092, 1.8496, -0.0007, 49.557, 0.771, 336.059, 1.8408, 19.3879, 19139.8585},
};

// L0..L3, a, e0..e3, i0..i3, perihelion argument 0..3, node0..3.
constexpr std::array<double, 22> kCubic[5] = {
    // Earth
    {0, 279.696678, 36000.768925, 0.0003025, 0,
     1.0000002,
     0.01675104, -0.0000418, -0.000000126, 0,
     0, 0, 0, 0,
     101.22085, 1.71917, 0.0004525, 0.0000033,
     0, 0, 0, 0},
    // Jupiter
    {0, 238.049257, 3036.301986, 0.0003347, -0.00000165,
     5.202561,
     0.04833475, 0.00016418, -0.0000004676, -0.0000000017,
     1.308736, -0.0056961, 0.0000039, 0,
     273.277558, 0.5994317, 0.00070405, 0.00000508,
     99.443414, 1.01053, 0.00035222, -0.00000851},
    // Saturn
    {0, 266.564377, 1223.509884, 0.0003245, -0.0000058,
     9.554747,
     0.05589232, -0.0003455, -0.000000728, 0.00000000074,
     2.492519, -0.0039189, -0.00001549, 0.00000004,
     338.3078, 1.0852207, 0.00097854, 0.00000992,
     112.790414, 0.8731951, -0.00015218, -0.00000531},
    // Uranus
    {0, 244.19747, 429.863546, 0.000316, -0.0000006,
     19.21814,
     0.0463444, -0.00002658, 0.000000077, 0,
     0.772464, 0.0006253, 0.0000395, 0,
     98.071581, 0.985765, -0.0010745, -0.00000061,
     73.477111, 0.4986678, 0.0013117, 0},
    // Neptune
    {0, 84.457994, 219.885914, 0.0003205, -0.0000006,
     30.10957,
     0.00899704, 0.00000633, -0.000000002, 0,
     1.779242, -0.0095436, -0.0000091, 0,
     276.045975, 0.3256394, 0.00014095, 0.000004113,
     130.681389, 1.098935, 0.00024987, -0.000004718},
};
}  // namespace

void InitOrbitalElements(ChartState& cs) {
    cs.ElementsEarth = kLinear[0];
    cs.ElementsMercury = kLinear[1];
    cs.ElementsVenus = kLinear[2];
    cs.ElementsMars = kLinear[3];
    cs.ElementsEarth1900 = kCubic[0];
    cs.ElementsJupiter = kCubic[1];
    cs.ElementsSaturn = kCubic[2];
    cs.ElementsUranus = kCubic[3];
    cs.ElementsNeptune = kCubic[4];
}
