// The quiet run the scans and graph series use, and the composite page's
// swap of chart A.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <stdexcept>

#include "app/output_buffer.h"
#include "cosmodynes/composite_cosmodynes.h"
#include "cosmodynes/dynes_report_fields.h"
#include "cosmodynes/natal_cosmodynes.h"
#include "couple_fixtures.h"
#include "platform/clipboard.h"
#include "platform/screen_pointer.h"
#include "program_state.h"
#include "reports/report_menu.h"

namespace {

std::unique_ptr<ProgramState> North() {
    auto ps = std::make_unique<ProgramState>();
    fixtures::ComputeCouple(*ps, fixtures::NorthCouple());
    ps->chart.AnglesSetting = 2;
    ps->chart.UseChiron = true;
    ps->people.BeneficsMaleficsChecked = 1;
    return ps;
}

// Every number the engine leaves, as bytes.
std::string EngineBytes(const CosmodyneState& cd) {
    std::string bytes;
    auto add = [&bytes](const auto& a) { bytes.append(reinterpret_cast<const char*>(&a), sizeof a); };
    add(cd.Cusp), add(cd.HouseSize), add(cd.DistPastCusp), add(cd.HousePosPower), add(cd.AspectPower);
    add(cd.Harmony), add(cd.Discord), add(cd.TotalPower), add(cd.CuspCount), add(cd.AspectMatrix);
    add(cd.SignPower), add(cd.SignHarmony), add(cd.SignDiscord), add(cd.HousePower), add(cd.HouseHarmony);
    add(cd.HouseDiscord), add(cd.SortKeys), add(cd.SortIndex);
    return bytes;
}

std::string ChartABytes(const ChartState& cs) {
    std::string bytes;
    auto add = [&bytes](const auto& a) { bytes.append(reinterpret_cast<const char*>(&a), sizeof a); };
    add(cs.NatalCusps), add(cs.NatalLongitudes), add(cs.NatalDeclinations);
    return bytes + cs.HouseStringA;
}

}  // namespace

TEST(QuietRun, LeavesPageClipboardAndPointerAlone) {
    auto ps = North();
    SetClipboardText("the user's own text");
    SetMousePointer(2);
    const std::vector<std::string> buffer = ps->output.OutputBuffer;
    const int lines = ps->output.OutputLineCount, pageLines = ps->output.PageLineCount;
    ps->cosmodynes.DynesLines[5] = "kept";

    ps->chart.QuietMode = 1;
    NatalCosmodynes(*ps);
    const std::string first = EngineBytes(ps->cosmodynes);
    NatalCosmodynes(*ps);
    EXPECT_EQ(EngineBytes(ps->cosmodynes), first);

    EXPECT_EQ(ps->output.OutputBuffer, buffer);
    EXPECT_EQ(ps->output.OutputLineCount, lines);
    EXPECT_EQ(ps->output.PageLineCount, pageLines);
    EXPECT_EQ(ClipboardText(), "the user's own text");
    EXPECT_EQ(MousePointer(), 2);
    EXPECT_EQ(ps->cosmodynes.DynesLines[5], "kept");
    SetMousePointer(kDefaultPointer);
}

TEST(QuietRun, SummaryMatchesThePlanetTotalsOfThePage) {
    auto ps = North();
    ps->chart.QuietMode = 1;
    NatalCosmodynes(*ps);
    const std::string summary = ps->cosmodynes.DynesSummaryLine;
    const double power = ps->cosmodynes.DynesTotalPower, harDisc = ps->cosmodynes.DynesTotalHarDisc;
    const std::string quietEngine = EngineBytes(ps->cosmodynes);

    ps->chart.QuietMode = 0;
    DataCosmodynes(*ps);
    EXPECT_EQ(MousePointer(), kDefaultPointer);
    std::string totals;
    for (int i = 0; i < ps->output.PageLineCount; ++i)
        if (ps->output.OutputPage[static_cast<size_t>(i)].rfind("  TOTALS", 0) == 0) {
            totals = ps->output.OutputPage[static_cast<size_t>(i)];
            break;
        }
    ASSERT_FALSE(totals.empty());
    EXPECT_EQ(summary, "  " + totals.substr(19, 7) + "     " + totals.substr(39, 7));
    EXPECT_EQ(summary.size(), 21u);
    EXPECT_EQ(dynes::NumberField(power), totals.substr(19, 7));
    EXPECT_EQ(dynes::NumberField(harDisc), totals.substr(39, 7));
    // The page run leaves the summary line as it was, and the same numbers.
    EXPECT_EQ(ps->cosmodynes.DynesSummaryLine, summary);
    // The sign and house rankings of the page change SortKeys; the rest is
    // the same engine.
    ps->chart.QuietMode = 1;
    NatalCosmodynes(*ps);
    EXPECT_EQ(EngineBytes(ps->cosmodynes), quietEngine);
}

TEST(QuietRun, ATotalBelowMinus1000KeepsItsNumber) {
    // The summary's last 7 characters cannot hold -1234.50; the number can.
    EXPECT_EQ(dynes::NumberField(-1234.5), "-1234.50");
    CosmodyneState cd;
    cd.DynesTotalHarDisc = -1234.5;
    EXPECT_LT(cd.DynesTotalHarDisc, -1000);
}

TEST(CompositeRun, ChartAComesBackByteForByte) {
    auto ps = North();
    const std::string before = ChartABytes(ps->chart);
    DataComposite(*ps);
    EXPECT_EQ(ChartABytes(ps->chart), before);
    EXPECT_EQ(ps->cosmodynes.RelationshipMode, 0);
    EXPECT_EQ(MousePointer(), kDefaultPointer);

    // Also when the run inside the swap ends early.
    try {
        CompositeInChartA swap(*ps);
        EXPECT_EQ(ps->cosmodynes.RelationshipMode, 1);
        EXPECT_EQ(ps->chart.HouseStringA, ps->chart.CompositeHouseString);
        throw std::runtime_error("stop");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(ChartABytes(ps->chart), before);
    EXPECT_EQ(ps->cosmodynes.RelationshipMode, 0);
}
