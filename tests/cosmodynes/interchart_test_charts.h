#pragma once
// Small hand-made charts for the interchart engine's tests.
#include <initializer_list>
#include <string>

#include "app/constant_tables.h"
#include "program_state.h"

namespace ictest {

// A house string with body k (1..15) in houses[k - 1].
inline std::string Houses(std::initializer_list<int> houses) {
    std::string s;
    for (int h : houses) {
        std::string field = (h < 10 ? " " : "") + std::to_string(h) + " HOUSE";
        field.resize(10, ' ');
        s += field;
    }
    return s;
}

// Every body of both charts in the given house.
inline std::string AllIn(int house) {
    return Houses({house, house, house, house, house, house, house, house, house, house, house, house, house,
                   house, house});
}

// A state with the name tables, options 238 = 2, the benefic/malefic box
// ticked, both charts' bodies 20 degrees apart (no aspect between any two),
// declinations 30 degrees apart (no parallel), every body in house 1.
inline void Blank(ProgramState& ps) {
    FillNameTables(ps.settings);
    ps.settings.OptionValues[238] = 2;
    ps.people.BeneficsMaleficsChecked = 1;
    ps.people.OuterPlanetsChecked = 1;
    ps.chart.UseChiron = true;
    ps.chart.ChartName = "Ann Alpha";
    ps.chart.NatalDateText = "3/14/1962";
    ps.chart.SecondDateText = "11/2/1965";
    ps.people.SecondPersonChecked = 1;
    ps.people.SecondPersonCaption = "Ben Beta";
    for (int b = 1; b <= 15; ++b) {
        ps.chart.NatalLongitudes[b] = 0;
        ps.chart.SecondLongitudes[b] = 20;
        ps.chart.NatalDeclinations[b] = 0;
        ps.chart.SecondDeclinations[b] = 30;
    }
    ps.chart.HouseStringA = AllIn(1);
    ps.chart.HouseStringB = AllIn(1);
    ps.chart.NatalAmPm = ps.chart.SecondAmPm = "A.M.";
    ps.chart.NatalTime = ps.chart.DiurnalTime = 9.30f;
    ps.chart.QuietMode = 1;
}

}  // namespace ictest
