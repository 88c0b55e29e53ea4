#include "scoring/magi_pair_names.h"

#include <algorithm>
#include <array>

namespace magi {

namespace {

enum Body { Sun = 1, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto, Moon, Chiron };

// One row of the linkage table: the pair and both columns.
struct LinkageRow {
    int first, second;
    const char* harmonious;
    const char* quincunx;
};

// Where a cell holds two names they stand one after the other.
constexpr std::array kLinkages = {
    LinkageRow{Sun, Venus, "   cupid linkage", "   cupid linkage"},
    LinkageRow{Sun, Jupiter, "   fidelity AND SUPER", "   fidelity"},
    LinkageRow{Sun, Uranus, "   SUPER", ""},
    LinkageRow{Sun, Neptune, "   SUPER", ""},
    LinkageRow{Sun, Pluto, "   SUPER", ""},
    LinkageRow{Sun, Chiron, "   trust linkage   Cinderella linkage", "   trust linkage   Cinderella linkage"},
    LinkageRow{Venus, Mars, "   sexual linkage", "   sexual linkage"},
    LinkageRow{Venus, Jupiter, "   Silver linkage AND fidelity AND SUPER", "   Silver linkage AND fidelity"},
    LinkageRow{Venus, Uranus, "   Silver linkage AND SUPER", "   Silver linkage"},
    LinkageRow{Venus, Neptune, "   romance AND Silver linkage AND SUPER", "   romance AND Silver linkage"},
    LinkageRow{Venus, Pluto, "   sexual AND Golden linkage AND SUPER", "   sexual AND Golden linkage"},
    LinkageRow{Venus, Chiron, "   MAGIcal AND Cinderella AND Golden linkage AND SUPER",
               "   MAGIcal AND Cinderella AND Golden linkage"},
    LinkageRow{Mars, Pluto, "   sexual linkage", "   sexual linkage"},
    LinkageRow{Mars, Chiron, "   sexual linkage AND marriage linkage", "   sexual linkage AND marriage linkage"},
    LinkageRow{Jupiter, Uranus, "   Silver linkage AND SUPER", "   Silver linkage"},
    LinkageRow{Jupiter, Neptune, "   Silver linkage AND SUPER", "   Silver linkage"},
    LinkageRow{Jupiter, Pluto, "   Golden linkage AND SUPER", "   Golden linkage"},
    LinkageRow{Jupiter, Chiron, "   romance AND Cinderella AND Golden linkage AND SUPER",
               "   romance AND Cinderella AND Golden linkage"},
    LinkageRow{Uranus, Pluto, "   SUPER", ""},
    LinkageRow{Neptune, Chiron, "   lifetime AND Cinderella linkage", "   lifetime AND Cinderella linkage"},
    LinkageRow{Pluto, Chiron, "   Cinderella linkage   Golden linkage AND SUPER",
               "   Cinderella linkage   Golden linkage"},
};

// The natal report's own rows; every other pair reads the table above.
constexpr std::array kNatalLinkages = {
    LinkageRow{Sun, Chiron, "   trust linkage", "   trust linkage"},
    LinkageRow{Mars, Chiron, "", ""},
    LinkageRow{Pluto, Chiron, "   Golden linkage AND SUPER", "   Golden linkage"},
};

struct ClashRow {
    int first, second;
    const char* name;
};

constexpr std::array kClashes = {
    ClashRow{Sun, Mars, "   BELLIGERENT CLASH"},
    ClashRow{Sun, Chiron, "   WRONG PERSON CLASH"},
    ClashRow{Mercury, Venus, "   COMMUNICATION CLASH"},
    ClashRow{Mercury, Jupiter, "   SPELL IT OUT CLASH"},
    ClashRow{Mercury, Neptune, "   EMPATHY CLASH"},
    ClashRow{Mercury, Chiron, "   COMMUNICATION CLASH"},
    ClashRow{Venus, Mars, "   SEXUAL CLASH"},
    ClashRow{Venus, Neptune, "   HERE TODAY, GONE TOMORROW CLASH"},
    ClashRow{Venus, Pluto, "   MONEY PIT CLASH"},
    ClashRow{Venus, Moon, "   AWKWARDNESS CLASH"},
    ClashRow{Venus, Chiron, "   IMPOSSIBLE DREAM CLASH"},
    ClashRow{Mars, Neptune, "   CLASH OF WAR"},
    ClashRow{Mars, Pluto, "   SEXUAL CLASH"},
    ClashRow{Mars, Moon, "   ARGUMENTATIVE CLASH"},
    ClashRow{Mars, Chiron, "   LUST-HATE CLASH"},
    ClashRow{Uranus, Neptune, "   ON AGAIN, OFF AGAIN CLASH"},
    ClashRow{Uranus, Chiron, "   INFIDELITY CLASH"},
    ClashRow{Neptune, Moon, "   INDIFFERENCE CLASH"},
    ClashRow{Pluto, Moon, "   FIGHT TO THE DEATH CLASH"},
    ClashRow{Pluto, Chiron, "   CHIRON CLASH"},
    ClashRow{Moon, Chiron, "   WRONG PERSON CLASH"},
    ClashRow{Chiron, Chiron, "   SEPARATE WAYS CLASH"},
};

template <typename Row, std::size_t N>
const Row* FindPair(const std::array<Row, N>& table, int bodyA, int bodyB) {
    const auto it = std::find_if(table.begin(), table.end(), [&](const Row& r) {
        return (r.first == bodyA && r.second == bodyB) || (r.first == bodyB && r.second == bodyA);
    });
    return it == table.end() ? nullptr : &*it;
}

std::string ColumnOf(const LinkageRow* row, LinkageColumn column) {
    if (row == nullptr) return "";
    return column == LinkageColumn::Harmonious ? row->harmonious : row->quincunx;
}

}  // namespace

std::string LinkageName(int bodyA, int bodyB, LinkageColumn column) {
    return ColumnOf(FindPair(kLinkages, bodyA, bodyB), column);
}

std::string NatalLinkageName(int bodyA, int bodyB, LinkageColumn column) {
    if (const LinkageRow* own = FindPair(kNatalLinkages, bodyA, bodyB)) return ColumnOf(own, column);
    return LinkageName(bodyA, bodyB, column);
}

std::string ClashName(int bodyA, int bodyB) {
    const ClashRow* row = FindPair(kClashes, bodyA, bodyB);
    return row == nullptr ? "" : row->name;
}

}  // namespace magi
