#pragma once
// Pluto's heliocentric series in the mean longitudes of Jupiter (J),
// Saturn (S) and Pluto (P). Row n has the argument alpha = i J + j S + k P and
// up to six coefficients (sine and cosine for longitude, latitude, radius) in
// units of 0.000001 degree or 0.000001 AU; kNoTerm marks a cell with no term.
#include <cstdint>

namespace planet_terms {

inline constexpr std::int32_t kNoTerm = INT32_MIN;

struct PlutoRow {
    std::int8_t I, J, K;
    std::int32_t LonSin, LonCos, LatSin, LatCos, RadSin, RadCos;
};

inline constexpr PlutoRow kPlutoRows[] = {
    {0, 0, 1, -19977972, 19667536, -5323113, -15024245, 6623876, 6955990},  // 1
    {0, 0, 2, 987114, -4939350, 3497557, 1735457, -1181808, -54836},  // 2
    {0, 0, 3, 577978, 1226898, -1059559, 299464, 163227, -139603},  // 3
    {0, 0, 4, -334695, -201966, 189102, -285383, -3644, 48144},  // 4
    {0, 0, 5, 130519, -29025, 14231, 101218, -6268, -8851},  // 5
    {0, 0, 6, -39851, 28968, -29164, -27461, 3111, -408},  // 6
    {0, 1, -1, 20387, -9832, 4935, 11282, -621, 2223},  // 7
    {0, 1, 0, -3986, -4954, 312, -128, 438, 450},  // 8
    {0, 1, 1, -5817, -3365, 2057, -904, -153, 61},  // 9
    {0, 1, 2, -3903, 2895, 19, -674, -3, 79},  // 10
    {0, 1, 3, -738, 3443, -307, -576, 50, 54},  // 11
    {0, 2, -2, 1234, 472, -65, 39, -1, -22},  // 12
    {0, 2, -1, 1101, -894, -97, 208, 84, -48},  // 13
    {0, 2, 0, 625, -1214, kNoTerm, -160, -30, 61},  // 14
    {1, -1, 0, 2485, -486, -177, 259, 26, -39},  // 15
    {1, -1, 1, 852, -1407, 15, 235, -19, -40},  // 16
    {1, 0, -3, -948, 1073, 578, -293, -321, 42},  // 17
    {1, 0, -2, -2309, -1024, -294, 694, 797, -792},  // 18
    {1, 0, -1, 7047, 770, 156, 201, -4, 4564},  // 19
    {1, 0, 0, 1184, -344, 294, 829, 852, 855},  // 20
    {1, 0, 1, 394, -55, -123, -31, -88, -82},  // 21
    {1, 0, 2, 119, -264, kNoTerm, kNoTerm, 21, -12},  // 22
    {1, 0, 3, -46, -156, kNoTerm, kNoTerm, -14, 6},  // 23
    {1, 0, 4, -77, -33, kNoTerm, kNoTerm, kNoTerm, kNoTerm},  // 24
    {1, 1, -3, -34, -26, kNoTerm, kNoTerm, kNoTerm, kNoTerm},  // 25
    {1, 1, -2, -43, kNoTerm, kNoTerm, kNoTerm, kNoTerm, kNoTerm},  // 26
    {1, 1, -1, -15, 21, kNoTerm, kNoTerm, kNoTerm, kNoTerm},  // 27
    {2, 0, -3, 10, 22, kNoTerm, kNoTerm, -6, 1},  // 28
    {2, 0, -2, -57, -32, kNoTerm, kNoTerm, kNoTerm, kNoTerm},  // 29
    {2, 0, -1, 158, -43, kNoTerm, kNoTerm, 25, 107},  // 30
    {2, 0, 0, kNoTerm, kNoTerm, kNoTerm, kNoTerm, 25, 16},  // 31
    {2, 1, -2, kNoTerm, kNoTerm, kNoTerm, kNoTerm, 13, -23},  // 32
};

}  // namespace planet_terms
