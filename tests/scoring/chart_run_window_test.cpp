// OK in the natal window scores the couple; a refused input keeps the last
// scores.
#include <QLineEdit>
#include <QTest>

#include "chart_run_setup.h"
#include "dialog_responder.h"
#include "people/input_window_fixture.h"
#include "people/ui/compute_charts.h"
#include "test_support.h"

namespace {

void Type(TextBox& box, const char* keys) {
    box.SelectAll();
    QTest::keyClicks(box.LineEdit(), keys);
}

class ScoredChartRunTest : public InputWindowTest {
protected:
    void SetUp() override {
        InputWindowTest::SetUp();
        testsupport::PrepareChartRun(ps, testsupport::MakeTempDir());
        ps.settings.DateOrder = 0;
        ps.settings.TimeFormat = 1;
        ps.output.ShowReportPage = [](const std::string&) {};
    }

    void TypeCouple() {
        InputD& w = Natal();
        Type(w.txtName, "John Smith");
        Type(w.txtMonth, "3");
        Type(w.txtDay, "14");
        Type(w.txtYear, "1962");
        Type(w.txtBirthHour, "21");
        Type(w.txtBirthMinute, "30");
        w.optWest.SetValue(true);
        Type(w.txtTZ, "5");
        Type(w.txtLongDeg, "75");
        Type(w.txtLongMin, "10");
        w.optNorth.SetValue(true);
        Type(w.txtLatDeg, "40");
        Type(w.txtLatMin, "43");
        InputD1& d = Second();
        d.chkNatOrNow.SetValue(0);
        d.chk2ndPerson.SetValue(1);
        d.SetSecondPersonCaption("Mary Ann Jones");
        Type(d.txtDiurnalMonth, "11");
        Type(d.txtDiurnalDay, "2");
        Type(d.txtDiurnalYear, "1965");
        d.optDiurnalAM.SetValue(true);
        Type(d.txtDiurnalHour, "6");
        Type(d.txtDiurnalMinute, "05");
        Type(d.txtDiurnalTZ, "1");
        d.optDiurnalEast.SetValue(true);
        Type(d.txtDiurnalLongDeg, "2");
        Type(d.txtDiurnalLongMin, "20");
        d.optDiurnalNorth.SetValue(true);
        Type(d.txtDiurnalLatDeg, "48");
        Type(d.txtDiurnalLatMin, "52");
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
    TypeCouple();
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
