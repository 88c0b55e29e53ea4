#pragma once
// The cosmodynes of a chart that stands for a couple: the composite chart
// put in chart A's place, or a relationship chart.
#include <array>
#include <string>

struct ProgramState;

// Runs the engine without receptions and dignities, ranks all 15 bodies,
// and appends the tables (a share column in each Har/Disc listing, no
// groupings) and the matrix; the copy goes on the clipboard. The caller
// has set RelationshipMode to 1 and put the chart in chart A's arrays.
void CompositeCosmodyneTotals(ProgramState& ps);

// The engine steps of a composite run and the ranking of all 15 bodies.
void RunCompositeCosmodyneEngine(ProgramState& ps);

// RelationshipMode is 1 for the length of a scope, 0 after it.
class RelationshipModeScope {
public:
    explicit RelationshipModeScope(ProgramState& ps);
    ~RelationshipModeScope();
    RelationshipModeScope(const RelationshipModeScope&) = delete;
    RelationshipModeScope& operator=(const RelationshipModeScope&) = delete;

private:
    ProgramState& ps_;
};

// The composite chart (WorkCusps, WorkLongitudes, WorkDeclinations and
// CompositeHouseString, as the composite listing leaves them) in chart A's
// place, with RelationshipMode 1, for the length of a scope. Chart A is
// kept in CompositeCusps, CompositeLongitudes, CompositeDeclinations and
// SavedHouseString meanwhile and given back, with RelationshipMode 0, on
// every way out.
class CompositeInChartA {
public:
    explicit CompositeInChartA(ProgramState& ps);
    ~CompositeInChartA();
    CompositeInChartA(const CompositeInChartA&) = delete;
    CompositeInChartA& operator=(const CompositeInChartA&) = delete;

private:
    ProgramState& ps_;
    RelationshipModeScope mode_;
};
