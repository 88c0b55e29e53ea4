// OK in the natal window scores the couple; a refused input keeps the last
// scores.
#include "chart_run_setup.h"
#include "dialog_responder.h"
#include "people/input_window_fixture.h"
#include "people/ui/compute_charts.h"
#include "test_support.h"

namespace {

class ScoredChartRunTest : public InputWindowTest {
protected:
    void SetUp() override {
        InputWindowTest::SetUp();
        testsupport::PrepareChartRun(ps, testsupport::MakeTempDir());
        ps.settings.DateOrder = 0;
        ps.settings.TimeFormat = 1;
        ps.output.ShowReportPage = [](const std::string&) {};
    }
};

int Sum(const AspectTable& cube) {
    int n = 0;
    for (const auto& row : cube)
        for (const auto& cell : row)
            for (int v : cell) n += v;
    return n;
}

TEST_F(ScoredChartRunTest, OkScoresTheCoupleAlsoQuietlyAndARefusedInputKeepsTheScores) {
    TypeNatal();
    TypeSecond();
    Natal().cmdOK.PerformClick();
    ASSERT_EQ(ps.chart.InputError, 0);
    const ScoringState scored = ps.scoring;
    EXPECT_GT(Sum(scored.AspectCube), 0);
    EXPECT_GT(Sum(scored.AspectCubeA), 0);
    int needs = 0, qualities = 0;
    for (int n : scored.NeedsA) needs += n != 0;
    for (int q : scored.Qualities) qualities += q != 0;
    EXPECT_GT(needs, 0);
    EXPECT_GT(qualities, 0);
    // John's Sun stands in Pisces.
    EXPECT_EQ(scored.SignNumbersA[rel::kSun], 12);

    // A quiet run recounts from scratch: the same couple, the same scores.
    ps.scoring = ScoringState{};
    ps.chart.QuietMode = 1;
    ComputeCharts(ps);
    EXPECT_EQ(ps.scoring.AspectCube, scored.AspectCube);
    EXPECT_EQ(ps.scoring.NeedsB, scored.NeedsB);
    EXPECT_EQ(ps.scoring.Qualities, scored.Qualities);
    ps.chart.QuietMode = 0;

    // A refused input computes nothing.
    ShowInputAndListWindows();
    Natal().txtDay.SetText("31");
    Natal().txtMonth.SetText("2");
    Type(Second().txtDiurnalYear, "1999");
    {
        DialogResponder responder;
        responder.Answer(MsgResult::OK);
        Natal().cmdOK.PerformClick();
    }
    EXPECT_EQ(ps.chart.InputError, 1);
    EXPECT_EQ(ps.scoring.AspectCube, scored.AspectCube);
    EXPECT_EQ(ps.scoring.Qualities, scored.Qualities);
}

}  // namespace
