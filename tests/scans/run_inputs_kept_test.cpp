// Every long run through its handler, with a couple in the input windows:
// what the windows hold afterwards, the charts the program then holds
// (those a chart run of the windows gives), and "Save to disk" of the natal
// person right after the run, which leaves the names file as it was.
#include <QCoreApplication>
#include <QEvent>

#include <functional>
#include <optional>
#include <vector>

#include "people/ui/compute_charts.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_natal_window.h"
#include "people/ui/input_window_hooks.h"
#include "people/ui/names_window.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"
#include "scan_window_fixture.h"
#include "scans/ui/cosmodyne_graphs_window.h"
#include "scans/ui/graph_chart_window.h"
#include "scans/ui/params_window.h"
#include "scans/ui/set_start_time_window.h"
#include "test_support.h"

namespace {

std::string Text(const DataSetFields& f) {
    return f.Month + "/" + f.Day + "/" + f.Year + " " + f.Hour + ":" + f.Minute + (f.AM ? " AM" : " PM") + " zone " +
           f.Zone + " long " + f.LongDeg + "." + f.LongMin + (f.East ? "E" : "W") + " lat " + f.LatDeg + "." +
           f.LatMin + (f.South ? "S" : "N") + " " + f.Email;
}

// The charts the Data and Wheels menus show.
struct HeldCharts {
    std::array<double, 16> natal, natalDecl, second, secondDecl;
    std::array<double, 14> natalCusps, secondCusps;
    std::string name, natalDate, secondDate, housesA, housesB;
    bool operator==(const HeldCharts&) const = default;
};

HeldCharts Held(const ChartState& c) {
    return {c.NatalLongitudes, c.NatalDeclinations, c.SecondLongitudes, c.SecondDeclinations, c.NatalCusps,
            c.SecondCusps,     c.ChartName,         c.NatalDateText,    c.SecondDateText,     c.HouseStringA,
            c.HouseStringB};
}

// What the run leaves of the windows' boxes.
enum class Leaves {
    AsEntered,      // both windows as the user entered them
    StartDate,      // the second data set (a transit moment) holds the start date
    LastRecords,    // the runs over the names list: the last records loaded
};

struct RunCase {
    const char* name;
    bool secondPerson;
    std::vector<std::optional<std::string>> answers;
    std::function<void()> start;
    Leaves leaves;
};

class RunInputsKeptTest : public ScanWindowTest {
protected:
    void TearDown() override {
        UnloadForm<Cosmodyne_graphs>();
        UnloadForm<frmSetStartTime>();
        UnloadForm<Graph>();
        ScanWindowTest::TearDown();
    }
    std::string NamesFile() const { return AppFile("NAMES.FIL"); }
};

TEST_F(RunInputsKeptTest, EveryLongRunLeavesTheInputWindowsAndHeldChartsInStep) {
    const std::string shipped = testsupport::ReadBytes(JoinPath(testsupport::ShippedDataDir(), "NAMES.FIL"));
    const std::string namesPath = JoinPath(ps.settings.AppPath, "NAMES.FIL");
    InputHooks().ChooseNamesFile = [namesPath] { return namesPath; };
    auto names = [] { return NamesRuns(); };
    auto drawClock = [] {
        NamesRuns().cmdDualDynesAroundClock_Click();
        FormOf<frmSetStartTime>().cmdDrawGraph.PerformClick();
    };
    auto selectFirst = [] { FormOf<Names>().NamesOnFile.SetListIndex(0); };
    const RunCase cases[] = {
        {"Best Days", true, {" .25"}, [&] { names().Command2_Click(); }, Leaves::AsEntered},
        {"BDFY", true, {"3"}, [&] { names().cmdBDFY_Click(); }, Leaves::AsEntered},
        {"Best Days for You", true, {"2026", "0.01"}, [&] { names().Command3_Click(); }, Leaves::AsEntered},
        {"Best Days for You, transits", false, {"2026", "0.01"}, [&] { names().Command3_Click(); },
         Leaves::StartDate},
        {"G", true, {"2026", "0.01"}, [&] { names().Command4_Click(); }, Leaves::AsEntered},
        {"T", true, {"1850", "2026", "0.01"}, [&] { names().Command5_Click(); }, Leaves::AsEntered},
        {"Search", true, {"2026", "0.01"}, [] { FormOf<Params>().Command1.PerformClick(); }, Leaves::AsEntered},
        {"N", true, {"0.02"}, [&] { names().cmdNatalDynes_Graph_Click(); }, Leaves::AsEntered},
        {"D", true, {"0.02"}, [&] { names().cmdDualDynes_Graph_Click(); }, Leaves::AsEntered},
        {"Both", true, {"0.02"}, [&] { names().cmdBothDynes_Graph_Click(); }, Leaves::AsEntered},
        {"Dual dynes around clock", true, {}, drawClock, Leaves::AsEntered},
        {"All vs All", true, {}, [&] { names().Batch_Click(); }, Leaves::LastRecords},
        {"One vs All", true, {}, [&] {
             selectFirst();
             names().Batch1_Click();
         }, Leaves::LastRecords},
        {"criteria All vs All", true, {}, [] { FormOf<Params>().Command2.PerformClick(); }, Leaves::LastRecords},
        {"criteria One vs All", true, {}, [&] {
             selectFirst();
             FormOf<Params>().Command3.PerformClick();
         },
         Leaves::LastRecords},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.name);
        // The couple typed in, the natal person saved once: the names file
        // then holds them as the windows do.
        testsupport::WriteBytes(namesPath, shipped);
        FillCouple(fixtures::NorthCouple());
        FormOf<InputD1>().chk2ndPerson.SetValue(c.secondPerson ? 1 : 0);
        FormOf<InputD>().cmdSave.PerformClick();
        const std::string saved = NamesFile();
        ASSERT_NE(saved, shipped);
        const DataSetFields natal = FormOf<InputD>().Fields(), second = FormOf<InputD1>().Fields();

        dialogs.reset();
        dialogs = std::make_unique<DialogResponder>();
        for (const auto& a : c.answers) dialogs->AnswerText(a);
        c.start();
        EXPECT_EQ(dialogs->UnusedAnswers(), 0u);
        EXPECT_FALSE(ps.scans.RunActive);

        const DataSetFields natalAfter = FormOf<InputD>().Fields(), secondAfter = FormOf<InputD1>().Fields();
        if (c.leaves != Leaves::LastRecords) {
            EXPECT_EQ(Text(natalAfter), Text(natal));
            EXPECT_EQ(FormOf<InputD>().txtName.Text(), "Alice Sample");
            DataSetFields expected = second;
            if (c.leaves == Leaves::StartDate) expected.Month = "3", expected.Day = "14", expected.Year = "2026";
            EXPECT_EQ(Text(secondAfter), Text(expected));
        }
        // The charts held are those a chart run of the windows gives.
        const HeldCharts held = Held(ps.chart);
        ComputeCharts(ps);
        ASSERT_EQ(ps.chart.InputError, 0);
        EXPECT_TRUE(held == Held(ps.chart)) << held.name << " " << held.natalDate << " / " << held.secondDate;

        if (c.leaves == Leaves::LastRecords) continue;
        // "Save to disk" of the person: replaced by the same record.
        dialogs->Answer(MsgResult::Yes);
        FormOf<InputD>().cmdSave.PerformClick();
        EXPECT_EQ(NamesFile(), saved);
        UnloadForm<Cosmodyne_graphs>();
        UnloadForm<Graph>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace
