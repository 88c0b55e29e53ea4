// The criteria window: its 38 controls at their places, the stored
// defaults, and the boxes kept in step with the scan state.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>

#include "app/ui/ui_state.h"
#include "platform/ui/control_base.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"
#include "scans/ui/params_window.h"

namespace {

struct ParamsWindowTest : ::testing::Test {
    ProgramState ps;
    void SetUp() override { SetUiState(&ps); }
    void TearDown() override { UnloadForm<Params>(); }
};

TEST_F(ParamsWindowTest, ControlsDefaultsAndPlaces) {
    Params& w = FormOf<Params>();
    EXPECT_EQ(w.Caption(), "Parameters - Composite on left side, synastry on right side");
    EXPECT_EQ(w.Container()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 38);
    const struct { int n; const char* caption; int value; double l, t, wd; } boxes[] = {
        {1, "Sun-Moon", 1, 120, 120, 1335},          {6, "Venus-Mars conjunction", 0, 1800, 120, 2295},
        {19, "Venus-Chiron", 0, 1800, 1200, 1935},   {9, "Sun-Moon", 1, 4440, 120, 1335},
        {16, "Venus-Mars conj.", 0, 5900, 840, 1525}, {32, "Venus-Venus", 1, 5900, 1200, 1525},
        {25, "Mars-Mars", 0, 7460, 1200, 1525},      {33, "Mars-Uranus", 1, 7460, 1560, 1525},
        {26, "Mars-Pluto", 0, 7460, 1920, 1525},     {29, "Chiron-Jupiter", 0, 9000, 840, 1410},
        {31, "Chiron-Pluto", 0, 9000, 1560, 1410},
    };
    const double tx = TwipsPerPixelX();
    for (const auto& b : boxes) {
        CheckBox* box = w.CriterionBox(b.n);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->Caption(), b.caption);
        EXPECT_EQ(box->Value(), b.value) << b.n;
        EXPECT_NEAR(box->Left(), b.l, tx);
        EXPECT_NEAR(box->Top(), b.t, tx);
        EXPECT_NEAR(box->Width(), b.wd, tx);
    }
    int ticked = 0;
    for (int n = 1; n <= 33; ++n)
        if (w.CriterionBox(n) && w.CriterionBox(n)->Value() == 1) ++ticked;
    EXPECT_EQ(ticked, 21);
    EXPECT_EQ(w.CriterionBox(20), nullptr);
    EXPECT_EQ(w.Text1.Text(), "5");
    EXPECT_EQ(w.Check20.Value(), 1);
    EXPECT_EQ(w.Check21.Value(), 0);
    EXPECT_EQ(w.Command1.Caption(), "Search");
    EXPECT_EQ(w.Command2.Caption(), "All vs All");
    EXPECT_EQ(w.Command3.Caption(), "One vs All");
    EXPECT_NEAR(w.Command2.Top(), 780, tx);
    EXPECT_NEAR(w.Check21.Height(), 435, tx);
    w.Show();
    EXPECT_NEAR(w.InsideWidth(), 12090, tx);
    EXPECT_NEAR(w.InsideHeight(), 2310, tx);
}

TEST_F(ParamsWindowTest, BoxesKeepTheScanStateInStep) {
    Params& w = FormOf<Params>();
    w.Check6.SetValue(1);
    w.Check9.SetValue(0);
    w.Check21.SetValue(1);
    w.Text1.SetText("3");
    EXPECT_EQ(ps.scans.ParamsChecks[6], 1);
    EXPECT_EQ(ps.scans.ParamsChecks[9], 0);
    EXPECT_EQ(ps.scans.Check21, 1);
    EXPECT_EQ(ps.scans.ParamsText1, "3");
    // Hidden and shown again, the window keeps them; loaded anew it shows the state.
    w.Hide();
    w.Show();
    EXPECT_EQ(w.Check6.Value(), 1);
    UnloadForm<Params>();
    EXPECT_EQ(FormOf<Params>().Text1.Text(), "3");
}

// Every caption can be read whole: a check box's text fits beside its
// indicator, or, for a caption too long for one line, the label that shows
// it on two lines holds it within the box's height; the label's text fits.
TEST_F(ParamsWindowTest, EveryCaptionCanBeRead) {
    Params& w = FormOf<Params>();
    w.Show();
    int boxes = 0;
    for (QCheckBox* box : w.Container()->findChildren<QCheckBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        ++boxes;
        const QString text = box->text();
        if (QLabel* shown = box->findChild<QLabel*>()) {
            EXPECT_EQ(shown->text(), text);
            // The label's lettering is seen; the box's own is not.
            EXPECT_EQ(shown->palette().color(QPalette::WindowText).alpha(), 255);
            EXPECT_EQ(box->palette().color(QPalette::WindowText).alpha(), 0);
            EXPECT_TRUE(shown->wordWrap());
            EXPECT_LE(shown->geometry().right(), box->width()) << text.toStdString();
            EXPECT_LE(shown->heightForWidth(shown->width()), box->height()) << text.toStdString();
            EXPECT_GE(shown->heightForWidth(shown->width()), 2 * shown->fontMetrics().height() - 2)
                << "two lines: " << text.toStdString();
            continue;
        }
        QStyleOptionButton opt;
        opt.initFrom(box);
        opt.text = text;
        const QRect contents = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, box);
        EXPECT_LE(box->fontMetrics().horizontalAdvance(text), contents.width()) << text.toStdString();
    }
    EXPECT_EQ(boxes, 33);
    QLabel* label = static_cast<QLabel*>(w.Label1.Widget());
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width());
}

}  // namespace
