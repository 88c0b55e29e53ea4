#pragma once
// The relationship chart of two persons: the moment and place halfway
// between their births. Computed from the chart input of both data sets as
// the readers left it; the natal chart input is overwritten with the result
// and the texts for the natal window's boxes are given back.
#include <string>

struct ChartState;

struct RelationshipFill {
    std::string Name;
    std::string Month, Day, Year;
    std::string Hour, Minute;
    bool AM = true;
    std::string LongDeg;
    bool East = false;
    std::string Zone;
    std::string LongMin;
    std::string LatDeg;
    bool South = false;
    std::string LatMin;
};

// The first word of a name: the text up to its first blank.
std::string FirstWord(const std::string& name);

// Means of zone, place, time and date of A (natal) and B (diurnal). The
// name is A's first word, " & ", B's first word and " relationship".
// Minutes are rounded to whole minutes before they are split, so a mean
// never shows 60 minutes: it carries into the hour or the degree.
RelationshipFill CalcRelationshipValues(ChartState& cs, const std::string& nameA, const std::string& nameB,
                                        int dateOrder);
