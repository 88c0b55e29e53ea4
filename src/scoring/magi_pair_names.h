#pragma once
// The names the couple and natal aspect reports give a pair of bodies: the
// linkages of the harmonious aspects and the clashes of the square and the
// opposition. Bodies are numbered in the reports' order: 1 Sun, 2 Mercury,
// 3 Venus, 4 Mars, 5 Jupiter, 6 Saturn, 7 Uranus, 8 Neptune, 9 Pluto,
// 10 Moon, 11 Chiron. Both tables are symmetric in the two bodies; a pair
// that is not listed has no name (""). Every text begins with three blanks.
#include <string>

namespace magi {

// Which column of the linkage table: conjunction, trine, parallel and
// contra-parallel (the super pairs marked), or quincunx.
enum class LinkageColumn { Harmonious, Quincunx };

// The linkage names of the pair in the couple report.
std::string LinkageName(int bodyA, int bodyB, LinkageColumn column);
// The same in the natal report, which names three pairs differently.
std::string NatalLinkageName(int bodyA, int bodyB, LinkageColumn column);
// The clash name of the pair under a square or an opposition.
std::string ClashName(int bodyA, int bodyB);

}  // namespace magi
