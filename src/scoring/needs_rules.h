#pragma once
// The rule tables of the needs of one person, read from that person's own
// chart: body in sign, sign combinations and longitude windows, aspects
// within the chart, body in house.
#include <array>

#include "scoring/rule_types.h"

struct NeedSignRule {
    int body;  // relationship order
    int sign;  // 1..12
    Amounts amounts;
};

enum class NeedCombinationTest {
    SignsDifferBy3Or9,  // signs of body and other differ by 3 or by 9
    SignAndWindow,      // body in sign, longitude strictly between above and below
    SignAndAspect,      // body in sign and body in aspect to other
    TwoAspects,         // body in aspect to other and to other2
};

struct NeedCombinationRule {
    NeedCombinationTest test;
    int body = 0;
    int sign = 0;
    double above = 0.0, below = 0.0;
    int other = 0;
    int aspect = 0;
    int other2 = 0;
    Amounts amounts;
};

struct NeedHouseRule {
    int body;   // relationship order
    int house;  // 1..12
    Amounts amounts;
};

extern const std::array<NeedSignRule, 48> kNeedSignRules;
extern const std::array<NeedCombinationRule, 9> kNeedCombinationRules;
extern const std::array<AspectRow, 24> kNeedAspectRows;
extern const std::array<NeedHouseRule, 16> kNeedHouseRules;
