#include "scoring/needs_rules.h"

#include "scoring/scoring_state.h"

namespace {

// Bodies in relationship order.
constexpr int Asc = rel::kAsc, Sun = rel::kSun, Moon = rel::kMoon, Mercury = rel::kMercury, Venus = rel::kVenus,
              Mars = rel::kMars, Jupiter = rel::kJupiter, Saturn = rel::kSaturn, Uranus = rel::kUranus,
              Pluto = rel::kPluto;
// Aspects.
constexpr int conj = rel::kConjunct, sxt = rel::kSextile, sq = rel::kSquare, tri = rel::kTrine, opp = rel::kOpposite;
// Needs.
constexpr int Com = rel::kNeedCommunication, Sex = rel::kNeedSex, Fre = rel::kNeedFreedom,
              Cmt = rel::kNeedCommitment, Ctl = rel::kNeedControl, Rom = rel::kNeedRomance, Ppl = rel::kNeedPeople,
              Sec = rel::kNeedSecurity;

using enum NeedCombinationTest;

}  // namespace

// Body in sign.
constexpr std::array<NeedSignRule, 48> kNeedSignRules = {{
    {Asc, 3, {{Com, 1}}},
    {Asc, 4, {{Rom, 1}}},
    {Asc, 6, {{Com, 1}}},
    {Asc, 7, {{Rom, 1}, {Ppl, 1}}},
    {Asc, 8, {{Sex, 1}, {Ctl, 1}}},
    {Asc, 10, {{Sec, 1}}},
    {Asc, 11, {{Fre, 1}}},
    {Asc, 12, {{Rom, 1}}},
    {Sun, 1, {{Sex, 1}, {Rom, 1}, {Ppl, 1}}},
    {Sun, 3, {{Com, 3}, {Ppl, 1}}},
    {Sun, 5, {{Sex, 1}, {Rom, 1}, {Ppl, 1}}},
    {Sun, 6, {{Com, 2}}},
    {Sun, 7, {{Rom, 3}, {Ppl, 3}}},
    {Sun, 8, {{Sex, 2}, {Ctl, 2}}},
    {Sun, 9, {{Sex, 1}, {Rom, 1}, {Ppl, 1}}},
    {Sun, 10, {{Cmt, 2}, {Sec, 3}}},
    {Sun, 11, {{Com, 1}, {Fre, 3}, {Ppl, 1}}},
    {Sun, 12, {{Rom, 1}}},
    {Moon, 1, {{Sex, 1}, {Rom, 1}, {Ppl, 1}}},
    {Moon, 2, {{Cmt, 1}, {Sec, 1}}},
    {Moon, 3, {{Com, 1}, {Fre, 1}, {Cmt, -1}, {Ppl, 1}}},
    {Moon, 4, {{Cmt, 1}, {Rom, 1}, {Sec, 2}}},
    {Moon, 5, {{Sex, 1}, {Rom, 2}, {Ppl, 1}}},
    {Moon, 7, {{Rom, 3}, {Ppl, 3}}},
    {Moon, 8, {{Sex, 3}, {Cmt, 1}, {Ctl, 1}}},
    {Moon, 9, {{Sex, 1}, {Fre, 1}, {Cmt, -1}, {Rom, 1}, {Ppl, 1}}},
    {Moon, 10, {{Cmt, 3}, {Sec, 3}}},
    {Moon, 11, {{Fre, 3}, {Cmt, -2}, {Ppl, 1}}},
    {Mercury, 3, {{Com, 3}, {Ppl, 2}}},
    {Mercury, 11, {{Com, 1}, {Fre, 1}, {Ppl, 1}}},
    {Venus, 1, {{Fre, 1}, {Rom, 1}}},
    {Venus, 2, {{Cmt, 1}, {Sec, 1}}},
    {Venus, 3, {{Com, 1}, {Sex, -1}, {Ppl, 1}}},
    {Venus, 4, {{Cmt, 1}}},
    {Venus, 5, {{Rom, 1}}},
    {Venus, 6, {{Cmt, 1}}},
    {Venus, 7, {{Rom, 3}, {Ppl, 2}}},
    {Venus, 8, {{Sex, 3}, {Cmt, 1}}},
    {Venus, 9, {{Fre, 1}, {Cmt, -1}, {Rom, 1}, {Ppl, 1}}},
    {Venus, 10, {{Cmt, 2}, {Sec, 2}}},
    {Venus, 11, {{Fre, 3}, {Cmt, -1}, {Ppl, 1}}},
    {Venus, 12, {{Cmt, 1}}},
    {Mars, 1, {{Sex, 1}, {Rom, 1}}},
    {Mars, 5, {{Sex, 1}, {Rom, 1}}},
    {Mars, 7, {{Ppl, 1}}},
    {Mars, 8, {{Sex, 1}, {Ctl, 1}}},
    {Mars, 9, {{Sex, 1}, {Rom, 1}}},
    {Jupiter, 3, {{Com, 1}}},
}};

// Sign combinations and longitude windows (both ends of a window excluded).
constexpr std::array<NeedCombinationRule, 9> kNeedCombinationRules = {{
    {.test = SignsDifferBy3Or9, .body = Venus, .other = Mars, .amounts = {{Sex, 2}}},
    {.test = SignAndWindow, .body = Moon, .sign = 7, .above = 205, .below = 215, .amounts = {{Sex, 2}}},
    {.test = SignAndWindow, .body = Moon, .sign = 9, .above = 234, .below = 246, .amounts = {{Sex, 2}}},
    {.test = SignAndWindow, .body = Venus, .sign = 7, .above = 207, .below = 214, .amounts = {{Sex, 2}}},
    {.test = SignAndWindow, .body = Venus, .sign = 9, .above = 237, .below = 244, .amounts = {{Sex, 2}}},
    {.test = SignAndAspect, .body = Sun, .sign = 8, .other = Pluto, .aspect = sq, .amounts = {{Ctl, 1}}},
    {.test = SignAndAspect, .body = Venus, .sign = 8, .other = Pluto, .aspect = sq, .amounts = {{Sex, 3}}},
    {.test = TwoAspects, .body = Moon, .other = Uranus, .aspect = opp, .other2 = Saturn, .amounts = {{Cmt, 2}}},
    {.test = TwoAspects, .body = Venus, .other = Uranus, .aspect = opp, .other2 = Saturn, .amounts = {{Cmt, 2}}},
}};

// Aspects within the chart: each aspect of a row is a rule of its own.
constexpr std::array<AspectRow, 24> kNeedAspectRows = {{
    {Asc, Mercury, {{conj, {{Com, 1}}}}},
    {Asc, Venus, {{conj, {{Rom, 1}}}, {opp, {{Rom, 1}}}}},
    {Asc, Saturn, {{conj, {{Cmt, 1}}}, {sq, {{Sec, 2}}}, {tri, {{Cmt, 1}}}, {opp, {{Cmt, 1}}}}},
    {Asc, Uranus, {{conj, {{Fre, 1}}}, {opp, {{Fre, 1}}}}},
    {Asc, Pluto, {{conj, {{Ctl, 1}}}}},
    {Sun, Mercury, {{conj, {{Com, 2}}}}},
    {Sun, Venus, {{conj, {{Rom, 1}, {Ppl, 1}}}, {sxt, {{Rom, 1}}}}},
    {Sun, Uranus, {{conj, {{Fre, 1}}}, {sq, {{Fre, 1}}}, {opp, {{Fre, 1}}}}},
    {Sun, Pluto, {{conj, {{Ctl, 1}}}, {sq, {{Ctl, 1}}}}},
    {Moon, Mercury, {{conj, {{Com, 2}}}, {tri, {{Com, 2}}}}},
    {Moon, Venus, {{conj, {{Rom, 2}, {Ppl, 2}}}, {opp, {{Rom, 1}, {Sec, 1}}}}},
    {Moon, Mars, {{conj, {{Sex, 1}, {Fre, 1}}}, {sq, {{Sex, 1}, {Ctl, 1}}}, {opp, {{Sex, 1}}}}},
    {Moon, Saturn, {{conj, {{Cmt, 1}, {Sec, 1}}}, {sq, {{Cmt, 1}, {Sec, 1}}}, {opp, {{Cmt, 1}, {Sec, 1}}}}},
    {Moon, Uranus, {{conj, {{Fre, 1}, {Cmt, -1}}}, {sq, {{Fre, 1}, {Cmt, -1}}}, {opp, {{Fre, 1}, {Cmt, -1}}}}},
    {Moon, Pluto, {{conj, {{Sex, 1}, {Ctl, 1}}}, {sq, {{Sex, 1}, {Ctl, 1}}}, {opp, {{Sex, 1}, {Ctl, 1}}}}},
    {Mercury, Mars, {{sq, {{Com, 1}, {Ctl, 1}}}}},
    {Mercury, Jupiter, {{conj, {{Com, 2}}}, {sq, {{Com, 1}}}}},
    {Mercury, Uranus, {{conj, {{Com, 1}, {Fre, 1}, {Ppl, 1}}}, {sq, {{Com, 1}, {Fre, 1}}}}},
    {Venus, Mars, {{conj, {{Sex, 3}, {Rom, 2}}}, {sq, {{Sex, 2}, {Ctl, 1}}}}},
    {Venus, Jupiter, {{tri, {{Rom, 1}, {Ppl, 1}}}}},
    {Venus, Saturn, {{conj, {{Cmt, 1}, {Sec, 1}}}, {sq, {{Cmt, 1}, {Sec, 1}}}, {opp, {{Cmt, 1}, {Sec, 1}}}}},
    {Venus, Uranus, {{conj, {{Fre, 3}, {Cmt, -2}}}, {sq, {{Fre, 3}, {Cmt, -2}}}, {opp, {{Fre, 2}, {Cmt, -2}}}}},
    {Venus, Pluto, {{conj, {{Sex, 3}, {Ctl, 1}}}, {sq, {{Sex, 3}, {Ctl, 1}}}, {tri, {{Sex, 1}}}, {opp, {{Sex, 3}, {Ctl, 1}}}}},
    {Mars, Pluto, {{conj, {{Sex, 2}, {Ctl, 2}}}, {sq, {{Sex, 3}, {Ctl, 3}}}, {opp, {{Sex, 2}, {Ctl, 2}}}}},
}};

// Body in house.
constexpr std::array<NeedHouseRule, 16> kNeedHouseRules = {{
    {Sun, 3, {{Com, 1}}},
    {Sun, 5, {{Rom, 1}}},
    {Moon, 5, {{Rom, 1}}},
    {Moon, 8, {{Sex, 1}}},
    {Moon, 10, {{Sec, 1}}},
    {Mercury, 3, {{Com, 1}}},
    {Venus, 1, {{Rom, 1}}},
    {Venus, 5, {{Rom, 1}}},
    {Venus, 7, {{Rom, 1}}},
    {Mars, 5, {{Rom, 1}}},
    {Jupiter, 3, {{Com, 1}}},
    {Saturn, 1, {{Sec, 1}}},
    {Saturn, 7, {{Cmt, 1}}},
    {Uranus, 1, {{Fre, 1}}},
    {Pluto, 1, {{Ctl, 1}}},
    {Pluto, 5, {{Sex, 1}}},
}};
