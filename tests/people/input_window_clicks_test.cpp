// Clicks on the input windows as a user makes them: a label's click is the
// label's (the time-zone picker, the atlas), only a click on the free area
// of the second window runs the charts, and the click that closes a window
// opened over it never does.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/ui/tip_window.h"
#include "chart_run_setup.h"
#include "dialog_responder.h"
#include "people/ui/time_zone_window.h"
#include "people_window_fixture.h"
#include "platform/ui/form_registry.h"
#include "platform/ui/qt_dialog_handler.h"
#include "test_support.h"

namespace {

const QPoint kFreeArea(5, 5);

class InputClicksTest : public PeopleWindowTest {
protected:
    void SetUp() override {
        PeopleWindowTest::SetUp();
        const std::string folder = ps.settings.AppPath;
        testsupport::PrepareChartRun(ps, folder);
        ps.settings.AtlasDir = testsupport::MakeTempDir() + "/";  // no atlas there
        testsupport::WriteBytes(folder + "/TZ.DAT", testsupport::ReadBytes(testsupport::ShippedDataDir() + "/TZ.DAT"));
        ps.output.ShowReportPage = [this](const std::string& file) { shownPage = file; };
        // Valid data in both windows: a chart run would show a page.
        Natal().txtName.SetText("John Smith");
        Second().chkRelationship.SetValue(0);
        Natal().Show();
        Second().Show();
    }
    void TearDown() override {
        UnloadForm<frmTip>();
        PeopleWindowTest::TearDown();
    }
    bool ChartsRan() const { return !shownPage.empty() || !Natal().isVisible() || !Second().isVisible(); }
    InputD& Natal() const { return FormOf<InputD>(); }
    InputD1& Second() const { return FormOf<InputD1>(); }

    std::string shownPage;
};

}  // namespace

TEST_F(InputClicksTest, LabelClicksAreTheLabelsOwnAndTheFreeAreaRunsTheCharts) {
    DialogRecorder dialogs;  // the atlas is not there: its message is answered
    for (Form* window : std::initializer_list<Form*>{&Natal(), &Second()}) {
        for (QLabel* label : window->Container()->findChildren<QLabel*>()) {
            if (!label->isVisible()) continue;
            QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
            EXPECT_FALSE(ChartsRan()) << window->Caption() << ": " << label->text().toStdString();
            UnloadForm<TimeZone>();
        }
    }
    // "TZ Help" of the second window opens the picker for the second data set.
    QTest::mouseClick(Second().Label1.Widget(), Qt::LeftButton);
    EXPECT_TRUE(FormLoaded<TimeZone>() && FormOf<TimeZone>().isVisible());
    EXPECT_TRUE(ps.people.TzPickerTarget);
    UnloadForm<TimeZone>();
    EXPECT_FALSE(ChartsRan());

    // The natal window's free area does nothing; the second window's runs the charts.
    QTest::mouseClick(Natal().Container(), Qt::LeftButton, {}, kFreeArea);
    EXPECT_FALSE(ChartsRan());
    QTest::mouseClick(Second().Container(), Qt::LeftButton, {}, kFreeArea);
    EXPECT_TRUE(ChartsRan());
}

TEST_F(InputClicksTest, TheClickThatClosesAWindowAboveRunsNoCharts) {
    // Each window that opens over the second input window is closed by a
    // click; the release then lands where the second window lies beneath.
    DialogRecorder dialogs;
    auto releaseBeneath = [this] { QTest::mouseRelease(Second().Container(), Qt::LeftButton, {}, kFreeArea); };

    frmTip& tip = FormOf<frmTip>();
    tip.Show();
    QTest::mouseClick(tip.cmdOK.Widget(), Qt::LeftButton);
    EXPECT_FALSE(FormLoaded<frmTip>());
    releaseBeneath();
    EXPECT_FALSE(ChartsRan()) << "tip";

    Second().Label1_Click();  // the time-zone picker, closed by its button
    QTest::mouseClick(FormOf<TimeZone>().Command1.Widget(), Qt::LeftButton);
    EXPECT_FALSE(FormLoaded<TimeZone>());
    releaseBeneath();
    EXPECT_FALSE(ChartsRan()) << "picker";

    // A message box, as the program shows it, closed by a click on OK.
    QtDialogHandler qt;
    ScopedDialogHandler real(&qt);
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
                QTest::mouseClick(box->buttons().at(0), Qt::LeftButton);
    });
    MsgBox("A notice.", MsgButtons::OK, "Notice");
    releaseBeneath();
    EXPECT_FALSE(ChartsRan()) << "message box";
}
