#include "scoring/chart_run_scores.h"

#include "chart/chart_driver.h"
#include "program_state.h"
#include "scoring/aspect_cubes.h"
#include "scoring/needs.h"
#include "scoring/qualities.h"

void ComputeRelationshipScores(ProgramState& ps) {
    GetSignNumbers(ps);
    ComputeNatalAspectsA(ps);
    ComputeNatalAspectsB(ps);
    ComputeInterchartAspects(ps);
    ScoreNeedsA(ps);
    ScoreNeedsB(ps);
    ComputeQualities(ps);
}

void ComputeChartsWithScores(ProgramState& ps) {
    ComputeChartsCore(ps);
    if (ps.chart.AroundClockMode == 1) return;
    ComputeRelationshipScores(ps);
}
