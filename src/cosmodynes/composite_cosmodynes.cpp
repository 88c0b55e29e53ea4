#include "cosmodynes/composite_cosmodynes.h"

#include "app/output_buffer.h"
#include "cosmodynes/cosmodyne_engine.h"
#include "cosmodynes/cosmodyne_tables.h"
#include "cosmodynes/dynes_matrix.h"
#include "cosmodynes/dynes_report_fields.h"
#include "cosmodynes/hourglass_scope.h"
#include "program_state.h"

void RunCompositeCosmodyneEngine(ProgramState& ps) {
    CosmodyneState& cd = ps.cosmodynes;
    PrepareCosmodyneRun(ps);
    CalcHouseSizes(cd);
    CalcHousePositionPower(ps);
    CalcAspectDynes(ps);
    SumTotalPower(cd);
    CountCuspsPerSign(cd);
    CalcSignDynes(ps);
    CalcHouseDynes(ps);
    RankBodiesByPower(cd, 15);
}

void CompositeCosmodyneTotals(ProgramState& ps) {
    HourglassScope hourglass;
    RunCompositeCosmodyneEngine(ps);
    dynes::StartDynesCopy(ps);
    PrintCosmodyneTables(ps, true);
    ps.cosmodynes.DynesLineCount += 2;
    AppendBlankLine(ps);
    PrintDynesMatrix(ps);
    dynes::PutDynesOnClipboard(ps);
}

RelationshipModeScope::RelationshipModeScope(ProgramState& ps) : ps_(ps) { ps_.cosmodynes.RelationshipMode = 1; }
RelationshipModeScope::~RelationshipModeScope() { ps_.cosmodynes.RelationshipMode = 0; }

CompositeInChartA::CompositeInChartA(ProgramState& ps) : ps_(ps), mode_(ps) {
    ChartState& cs = ps_.chart;
    for (size_t h = 1; h <= 12; ++h) {
        cs.CompositeCusps[h] = cs.NatalCusps[h];
        cs.NatalCusps[h] = cs.WorkCusps[h];
    }
    cs.SavedHouseString = cs.HouseStringA;
    for (size_t b = 1; b <= 15; ++b) {
        cs.CompositeLongitudes[b] = cs.NatalLongitudes[b];
        cs.CompositeDeclinations[b] = cs.NatalDeclinations[b];
        cs.NatalLongitudes[b] = cs.WorkLongitudes[b];
        cs.NatalDeclinations[b] = cs.WorkDeclinations[b];
    }
    cs.HouseStringA = cs.CompositeHouseString;
}

CompositeInChartA::~CompositeInChartA() {
    ChartState& cs = ps_.chart;
    for (size_t h = 1; h <= 12; ++h) cs.NatalCusps[h] = cs.CompositeCusps[h];
    cs.HouseStringA = cs.SavedHouseString;
    for (size_t b = 1; b <= 15; ++b) {
        cs.NatalLongitudes[b] = cs.CompositeLongitudes[b];
        cs.NatalDeclinations[b] = cs.CompositeDeclinations[b];
    }
}
