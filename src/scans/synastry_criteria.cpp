// The forty criteria between natal chart ("Your" body) and day chart
// ("other's" body): rows 1..22 one direction, 23..40 the other. Orb option 57
// for the Sun-Moon .. Moon-Venus boxes, 55 for the rest; the sextile orb is
// option 50 in every row.
#include "scans/pair_criteria.h"

namespace {

constexpr unsigned kAll4 = kSextile | kTrine | kOpposition | kConjunction;
constexpr unsigned kSTC = kSextile | kTrine | kConjunction;
constexpr unsigned kST = kSextile | kTrine;

enum Body { Sun = 1, Mercury = 2, Venus = 3, Mars = 4, Jupiter = 5, Uranus = 7, Neptune = 8, Pluto = 9, Moon = 10, Chiron = 13 };

constexpr PairCriterion Row(int gate, int x, int y, unsigned aspects, int orb, const char* prefix, const char* suffix) {
    return {gate, x, y, aspects, orb, 50, false, prefix, suffix, nullptr};
}

constexpr std::array<PairCriterion, 40> kSynastry{{
    Row(9, Sun, Moon, kAll4, 57, "     Your Sun ", " other's Moon."),
    Row(10, Sun, Venus, kAll4, 57, "     Your Sun ", " other's Venus."),
    Row(11, Sun, Jupiter, kSTC, 57, "     Your Sun ", " other's Jupiter."),
    Row(12, Moon, Moon, kST, 57, "     Your Moon ", " other's Moon."),
    Row(13, Moon, Mercury, kST, 57, "     Your Moon ", " other's Mercury."),
    Row(14, Moon, Venus, kSTC, 57, "     Your Moon ", " other's Venus."),
    Row(15, Mercury, Mercury, kST, 55, "     Your Mercury ", " other's Mercury."),
    {16, Venus, Mars, kConjunction, 55, 50, false, nullptr, nullptr, "     Your Venus conjunct other's Mars."},
    Row(32, Venus, Venus, kSTC, 55, "     Your Venus ", " other's Venus."),
    Row(17, Venus, Mars, kST, 55, "     Your Venus ", " other's Mars."),
    Row(18, Venus, Jupiter, kSTC, 55, "     Your Venus ", " other's Jupiter."),
    Row(22, Venus, Uranus, kSTC, 55, "     Your Venus ", " other's Uranus."),
    Row(23, Venus, Neptune, kSTC, 55, "     Your Venus ", " other's Neptune."),
    Row(24, Venus, Pluto, kSTC, 55, "     Your Venus ", " other's Pluto."),
    Row(25, Mars, Mars, kSTC, 55, "     Your Mars ", " other's Mars."),
    Row(33, Mars, Uranus, kSTC, 55, "     Your Mars ", " other's Uranus."),
    Row(26, Mars, Pluto, kSTC, 55, "     Your Mars ", " other's Pluto."),
    Row(27, Chiron, Sun, kSTC, 55, "     Your Chiron ", " other's Sun."),
    Row(28, Chiron, Venus, kSTC, 55, "     Your Chiron ", " other's Venus."),
    Row(29, Chiron, Jupiter, kSTC, 55, "     Your Chiron ", " other's Jupiter."),
    Row(30, Chiron, Neptune, kSTC, 55, "     Your Chiron ", " other's Neptune."),
    Row(31, Chiron, Pluto, kSTC, 55, "     Your Chiron ", " other's Pluto."),
    Row(9, Moon, Sun, kAll4, 57, "     Your Moon ", " other's Sun."),
    Row(10, Venus, Sun, kAll4, 57, "     Your Venus ", " other's Sun."),
    Row(11, Jupiter, Sun, kSTC, 57, "     Your Jupiter ", " other's Sun."),
    Row(13, Mercury, Moon, kST, 57, "     Your Mercury ", " other's Moon."),
    Row(14, Venus, Moon, kSTC, 57, "     Your Venus ", " other's Moon."),
    {16, Mars, Venus, kConjunction, 55, 50, false, nullptr, nullptr, "     Your Mars conjunct other's Venus."},
    Row(17, Mars, Venus, kST, 55, "     Your Mars ", " other's Venus."),
    Row(18, Jupiter, Venus, kSTC, 55, "     Your Jupiter ", " other's Venus."),
    Row(22, Uranus, Venus, kSTC, 55, "     Your Uranus ", " other's Venus."),
    Row(23, Neptune, Venus, kSTC, 55, "     Your Neptune ", " other's Venus."),
    Row(24, Pluto, Venus, kSTC, 55, "     Your Pluto ", " other's Venus."),
    Row(33, Uranus, Mars, kSTC, 55, "     Your Uranus ", " other's Mars."),
    Row(26, Pluto, Mars, kSTC, 55, "     Your Pluto ", " other's Mars."),
    Row(27, Sun, Chiron, kSTC, 55, "     Your Sun ", " other's Chiron."),
    Row(28, Venus, Chiron, kSTC, 55, "     Your Venus ", " other's Chiron."),
    Row(29, Jupiter, Chiron, kSTC, 55, "     Your Jupiter ", " other's Chiron."),
    Row(30, Neptune, Chiron, kSTC, 55, "     Your Neptune ", " other's Chiron."),
    Row(31, Pluto, Chiron, kSTC, 55, "     Your Pluto ", " other's Chiron."),
}};

}  // namespace

const std::array<PairCriterion, 40>& SynastryCriteria() { return kSynastry; }
