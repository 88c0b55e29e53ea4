#include "cosmodynes/dual_cosmodynes.h"

#include <array>
#include <string>

#include "app/output_buffer.h"
#include "chart/angle_helpers.h"
#include "cosmodynes/interchart_cosmodynes.h"
#include "cosmodynes/interchart_lines.h"
#include "program_state.h"
#include "reports/composite_listings.h"

namespace {

// Both charts as the chart run left them.
struct KeptCharts {
    std::array<double, 16> longA, declA, longB, declB;
    std::string housesA, housesB;
};

KeptCharts Keep(const ChartState& cs) {
    return {cs.NatalLongitudes, cs.NatalDeclinations, cs.SecondLongitudes, cs.SecondDeclinations,
            cs.HouseStringA,    cs.HouseStringB};
}

void Restore(ChartState& cs, const KeptCharts& k) {
    cs.NatalLongitudes = k.longA;
    cs.NatalDeclinations = k.declA;
    cs.SecondLongitudes = k.longB;
    cs.SecondDeclinations = k.declB;
    cs.HouseStringA = k.housesA;
    cs.HouseStringB = k.housesB;
}

void CompositeAsChartB(ChartState& cs) {
    for (int b = 1; b <= 15; ++b) {
        cs.SecondLongitudes[b] = cs.WorkLongitudes[b];
        cs.SecondDeclinations[b] = cs.WorkDeclinations[b];
    }
    cs.HouseStringB = cs.CompositeHouseString;
}

// Chart A becomes a chart turned so that its Venus stands at 0 Aries.
void VenusZodiacAsChartA(ChartState& cs, const std::array<double, 16>& longitudes,
                         const std::array<double, 16>& declinations) {
    cs.NatalLongitudes = VenusZodiacLongitudes(longitudes);
    cs.NatalDeclinations = declinations;
}

// One engine pass with the dual flags set around it.
void RunPass(ProgramState& ps, int pass, bool venusZodiac) {
    InterchartState& ic = ps.interchart;
    ic.DualPass = pass;
    ic.ListEachAspect = 1;
    ic.CollectWhoLoves = 1;
    ic.VenusAspectsMode = venusZodiac ? 1 : 0;
    InterchartCosmodynes(ps);
    ic.ListEachAspect = 0;
    ic.CollectWhoLoves = 0;
    ic.VenusAspectsMode = 0;
}

void PassHeading(ProgramState& ps, const std::string& line) {
    AppendText(ps, line);
    AppendBlankLine(ps);
}

// One pass of the Venus zodiac cosmodynes, with chart A set up as self's
// Venus zodiac: the heading, the run, then its aspects to other's Venus and
// its conjunctions to other's planets.
void VenusZodiacPass(ProgramState& ps, int pass, const std::string& self, const std::string& other) {
    const InterchartState& ic = ps.interchart;
    PassHeading(ps, "  " + self + "'s VENUS ZODIAC COSMODYNES vs " + other + "'S NATAL CHART");
    RunPass(ps, pass, true);
    AppendText(ps, "  Venus Zodiac Aspects to " + other + "'s Venus (who loves who more?)");
    AppendText(ps, ic.VenusAspectLines);
    AppendText(ps, "  Venus Zodiac Conjunctions to " + other + "'s planets");
    AppendBlankLine(ps);
    AppendText(ps, ic.ConjunctionLines);
    AppendBlankLine(ps);
}

}  // namespace

std::array<double, 16> VenusZodiacLongitudes(const std::array<double, 16>& longitudes) {
    std::array<double, 16> turned = longitudes;
    for (int b = 1; b <= 15; ++b) turned[b] = Normalize360(360 - longitudes[3] + longitudes[b]);
    return turned;
}

void DualCompositeCosmodynes(ProgramState& ps) {
    ChartState& cs = ps.chart;
    const InterchartState& ic = ps.interchart;
    const std::string& a = cs.ChartName;
    const std::string b = SecondName(ps);
    CompositePlanetListing(ps);
    AppendBlankLine(ps);
    AppendBlankLine(ps);
    const KeptCharts kept = Keep(cs);

    CompositeAsChartB(cs);
    PassHeading(ps, "  " + a + "'s COSMODYNES vs COMPOSITE CHART with " + b);
    RunPass(ps, 1, false);
    AppendText(ps, "  Aspects to Composite Venus (who loves who more?)");
    AppendText(ps, ic.VenusAspectLines);
    AppendText(ps, "  Conjunctions to Composite Planets");
    AppendBlankLine(ps);
    AppendText(ps, ic.ConjunctionLines);
    AppendText(ps, "  Parallels to Composite Planets");
    AppendBlankLine(ps);
    AppendText(ps, ic.ParallelLines);
    AppendBlankLine(ps);

    cs.NatalLongitudes = kept.longB;
    cs.NatalDeclinations = kept.declB;
    cs.HouseStringA = kept.housesB;
    CompositeAsChartB(cs);
    PassHeading(ps, "  " + b + "'s COSMODYNES vs COMPOSITE CHART with " + a);
    RunPass(ps, 2, false);
    AppendText(ps, "  Aspects to Composite Venus (who loves who more?)");
    AppendText(ps, ic.VenusAspectLines);
    AppendBlankLine(ps);
    AppendText(ps, "  Conjunctions to Composite Planets");
    AppendText(ps, ic.ConjunctionLines);
    AppendText(ps, "  Parallels to Composite Planets");
    AppendText(ps, ic.ParallelLines);
    AppendBlankLine(ps);

    Restore(cs, kept);
    ShowOutput(ps);
}

void DualVenusZodiacCosmodynes(ProgramState& ps) {
    ChartState& cs = ps.chart;
    const std::string a = cs.ChartName;
    const std::string b = SecondName(ps);
    VenusZodiacPlanetListing(ps);
    AppendBlankLine(ps);
    AppendBlankLine(ps);
    const KeptCharts kept = Keep(cs);

    VenusZodiacAsChartA(cs, kept.longA, kept.declA);
    VenusZodiacPass(ps, 1, a, b);

    VenusZodiacAsChartA(cs, kept.longB, kept.declB);
    cs.HouseStringA = kept.housesB;
    cs.SecondLongitudes = kept.longA;
    cs.SecondDeclinations = kept.declA;
    cs.HouseStringB = kept.housesA;
    VenusZodiacPass(ps, 2, b, a);

    Restore(cs, kept);
    ShowOutput(ps);
}
