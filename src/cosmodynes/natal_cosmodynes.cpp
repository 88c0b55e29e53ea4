#include "cosmodynes/natal_cosmodynes.h"

#include "app/number_padding.h"
#include "app/output_buffer.h"
#include "cosmodynes/cosmodyne_engine.h"
#include "cosmodynes/cosmodyne_groupings.h"
#include "cosmodynes/cosmodyne_tables.h"
#include "cosmodynes/dynes_matrix.h"
#include "cosmodynes/dynes_report_fields.h"
#include "cosmodynes/hourglass_scope.h"
#include "platform/numbers.h"
#include "program_state.h"

namespace {

// The quiet run's summary line, written into the string it already holds.
void WriteSummaryLine(CosmodyneState& cd) {
    std::string& line = cd.DynesSummaryLine;
    line.clear();
    line += "  ";
    line += dynes::NumberField(cd.DynesTotalPower);
    line += "     ";
    line += dynes::NumberField(cd.DynesTotalHarDisc);
}

}  // namespace

void RunNatalCosmodyneEngine(ProgramState& ps) {
    CosmodyneState& cd = ps.cosmodynes;
    PrepareCosmodyneRun(ps);
    CalcHouseSizes(cd);
    CalcHousePositionPower(ps);
    CalcAspectDynes(ps);
    SumTotalPower(cd);
    AddMutualReceptions(ps);
    AddEssentialDignities(ps);
    CountCuspsPerSign(cd);
    CalcSignDynes(ps);
    CalcHouseDynes(ps);
    RankBodiesByPower(cd, CosmodyneBodyCount(ps.chart));
}

void NatalCosmodynes(ProgramState& ps) {
    CosmodyneState& cd = ps.cosmodynes;
    if (ps.chart.QuietMode == 1) {
        RunNatalCosmodyneEngine(ps);
        PlanetTableTotals(cd, NatalPlanetRows(ps.chart), cd.DynesTotalPower, cd.DynesTotalHarDisc);
        WriteSummaryLine(cd);
        return;
    }

    HourglassScope hourglass;
    RunNatalCosmodyneEngine(ps);
    PlanetTableTotals(cd, NatalPlanetRows(ps.chart), cd.DynesTotalPower, cd.DynesTotalHarDisc);
    AppendBlankLine(ps);
    dynes::StartDynesCopy(ps);
    PrintCosmodyneTables(ps, false);
    PrintCosmodyneGroupings(ps);
    PrintDynesMatrix(ps);
    dynes::PutDynesOnClipboard(ps);
}
