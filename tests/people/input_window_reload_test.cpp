// The input windows closed by their frames and loaded again: what the
// computing code reads of their boxes is what the boxes show.
#include <QCoreApplication>
#include <QEvent>
#include <tuple>

#include "input_window_fixture.h"

TEST_F(InputWindowTest, LoadedAgainTheStateHoldsWhatTheBoxesShow) {
    Natal().Show();
    InputD1& second = Second();
    second.chkChiron.SetValue(1);
    second.chkCheck2.SetValue(0);
    second.ChkOuterP.SetValue(1);
    Type(second.txtDiurnalEmail, "mary@example.org");
    Type(Natal().txtEmail, "john@example.org");
    second.close();
    Natal().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(FormLoaded<InputD>());
    ASSERT_FALSE(FormLoaded<InputD1>());
    Natal().Show();  // shows the second window too
    const auto shown = std::tuple(Second().chkChiron.Value() == 1, Second().chkCheck2.Value(),
                                  Second().ChkOuterP.Value(), Second().txtDiurnalEmail.Text(), Natal().txtEmail.Text());
    EXPECT_EQ(shown, std::tuple(false, 1, 0, std::string(), std::string()));
    EXPECT_EQ(std::tuple(ps.chart.UseChiron, ps.people.BeneficsMaleficsChecked, ps.people.OuterPlanetsChecked,
                         ps.people.SecondEmailText, ps.people.NatalEmailText),
              shown);
}
