#pragma once
// Building blocks of the needs and quality rule tables: a rule adds whole
// amounts to counters (a need or a quality) when its condition holds.
#include <array>
#include <initializer_list>

struct Amount {
    int counter;  // a Need or a Quality
    int value;
};

// The amounts of one rule, at most 12.
struct Amounts {
    std::array<Amount, 12> items{};
    int count = 0;

    constexpr Amounts() = default;
    constexpr Amounts(std::initializer_list<Amount> list) {
        for (const Amount& a : list) {
            if (count == static_cast<int>(items.size())) throw "too many amounts in one rule";
            items[count++] = a;
        }
    }
    constexpr bool empty() const { return count == 0; }
};

// The amounts one aspect of a pair adds.
struct AspectAmounts {
    int aspect = 0;  // cube index 0..8
    Amounts amounts;
};

// One row of an aspect rule table: a pair of bodies and the aspects of the
// pair that have a rule, at most six.
struct AspectRow {
    int first = 0;
    int second = 0;
    std::array<AspectAmounts, 6> aspects{};
    int count = 0;

    constexpr AspectRow() = default;
    constexpr AspectRow(int firstBody, int secondBody, std::initializer_list<AspectAmounts> list)
        : first(firstBody), second(secondBody) {
        for (const AspectAmounts& a : list) {
            if (count == static_cast<int>(aspects.size())) throw "too many aspects in one row";
            aspects[count++] = a;
        }
    }
};

// Adds the amounts to the counters.
template <typename Counters>
inline void AddAmounts(Counters& counters, const Amounts& amounts) {
    for (int i = 0; i < amounts.count; ++i) counters[amounts.items[i].counter] += amounts.items[i].value;
}
