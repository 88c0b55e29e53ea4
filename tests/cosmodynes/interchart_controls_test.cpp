// The boxes of the names and diurnal windows that the interchart report
// reads: unticking "incl MR" or "Benefics/Malefics?" changes the next first
// page.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <string>

#include "app/output_buffer.h"
#include "app/ui/ui_state.h"
#include "couple_fixtures.h"
#include "cosmodynes/interchart_menu_reports.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_natal_window.h"
#include "people/ui/input_window_hooks.h"
#include "people/ui/names_window.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"
#include "test_support.h"

namespace {

class InterchartControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetUiState(&ps);
        InputHooks() = {};
        fixtures::ComputeCouple(ps, fixtures::NorthCouple());
        ps.settings.CurrentNamesFile = ps.settings.AppPath + "/NAMES.FIL";
        testsupport::WriteBytes(ps.settings.CurrentNamesFile, "");
        InputD1& second = FormOf<InputD1>();
        second.chk2ndPerson.SetValue(1);
        second.SetSecondPersonCaption("Bruno Example");
        FormOf<Names>();
    }
    void TearDown() override {
        UnloadForm<Names>();
        UnloadForm<InputD1>();
        UnloadForm<InputD>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        InputHooks() = {};
    }
    // The first page of a chart run, as its lines.
    std::string FirstPage() {
        StartReportWithBothHeaders(ps);
        AppendInterchartReport(ps);
        std::string page;
        for (int k = 0; k < ps.output.PageLineCount; ++k) page += ps.output.OutputPage[k] + "\n";
        return page;
    }
    static std::string TotalsLine(const std::string& page) {
        const size_t at = page.find("  TOTALS");
        return page.substr(at, page.find('\n', at) - at);
    }
    ProgramState ps;
};

TEST_F(InterchartControlsTest, InclMrAndBeneficsMalefics) {
    Names& names = FormOf<Names>();
    InputD1& second = FormOf<InputD1>();
    ASSERT_EQ(names.Check3.Value(), 1);  // ticked when the window is created
    const std::string ticked = FirstPage();
    EXPECT_NE(ticked.find("  (mutual receptions not included in harmony column)"), std::string::npos);
    EXPECT_EQ(ticked.find("- add 5 points harmony"), std::string::npos);

    names.Check3.SetValue(0);
    const std::string unticked = FirstPage();
    EXPECT_EQ(unticked.find("  (mutual receptions not included in harmony column)"), std::string::npos);
    EXPECT_NE(unticked.find("  MERCURY   URANUS    - add 5 points harmony to each person's planet."),
              std::string::npos);
    // The receptions' 5 points each leave the harmony totals: 6 receptions
    // here (the diurnal window leaves Chiron out).
    EXPECT_EQ(TotalsLine(ticked), "  TOTALS     294.75           31.09           294.75           31.09");
    EXPECT_EQ(TotalsLine(unticked), "  TOTALS     294.75            1.09           294.75            1.09");

    ASSERT_EQ(second.chkCheck2.Value(), 1);
    second.chkCheck2.SetValue(0);
    const std::string plain = FirstPage();
    EXPECT_NE(TotalsLine(plain), TotalsLine(unticked));
    // Power does not depend on the benefics and malefics.
    EXPECT_EQ(TotalsLine(plain).substr(0, 19), TotalsLine(unticked).substr(0, 19));
}

TEST_F(InterchartControlsTest, EmailBoxesReachTheBatchLines) {
    FormOf<InputD>().txtEmail.SetText("alice@example.org");
    FormOf<InputD1>().txtDiurnalEmail.SetText("bruno@example.org");
    EXPECT_EQ(ps.people.NatalEmailText, "alice@example.org");
    EXPECT_EQ(ps.people.SecondEmailText, "bruno@example.org");
}

}  // namespace
