// The mouse on a window: a click on a control is the control's, never a
// click on the window's free area, and a release counts only where the
// press went, so the release of a click that closed a window above reaches
// no window beneath.
#include <QTest>
#include <gtest/gtest.h>

#include "platform/ui/form.h"
#include "platform/ui/simple_controls.h"

namespace {

class ClickForm : public Form {
public:
    ClickForm() {
        Move(0, 0, 6000, 4000);
        label.Move(100, 100, 1500, 300);
        frame.Move(100, 600, 2500, 1500);
        inFrame.Move(100, 300, 1000, 300);
        button.Move(3000, 100, 1200, 400);
        OnClick = [this] { ++clicks; };
        OnMouseDown = [this](int, int, double, double) { ++downs; };
        OnMouseUp = [this](int, int, double, double) { ++ups; };
        label.Click = [this] { ++labelClicks; };
        button.Click = [this] { ++buttonClicks; };
    }
    Label label{Container(), "TZ Help"};
    Frame frame{Container(), "Frame"};
    Label inFrame{frame.Container(), "Lat"};
    CommandButton button{Container(), "OK"};
    int clicks = 0, downs = 0, ups = 0, labelClicks = 0, buttonClicks = 0;
    std::string Counts() const {
        return std::to_string(clicks) + " " + std::to_string(downs) + " " + std::to_string(ups) + " " +
               std::to_string(labelClicks) + " " + std::to_string(buttonClicks);
    }
};

const QPoint kFreeArea(5, 5);

}  // namespace

TEST(FormClicks, ControlsTakeTheirOwnClicks) {
    ClickForm w;
    w.Show();
    struct Case {
        const char* what;
        QWidget* widget;
        Qt::MouseButton button;
        const char* counts;  // clicks downs ups labelClicks buttonClicks
    } cases[] = {
        {"label", w.label.Widget(), Qt::LeftButton, "0 0 0 1 0"},
        {"label, right button", w.label.Widget(), Qt::RightButton, "0 0 0 0 0"},
        {"frame", w.frame.Widget(), Qt::LeftButton, "0 0 0 0 0"},
        {"label in a frame", w.inFrame.Widget(), Qt::LeftButton, "0 0 0 0 0"},
        {"button", w.button.Widget(), Qt::LeftButton, "0 0 0 0 1"},
        {"free area", w.Container(), Qt::LeftButton, "1 1 1 0 0"},
        {"free area, right button", w.Container(), Qt::RightButton, "0 1 1 0 0"},
    };
    for (const Case& c : cases) {
        w.clicks = w.downs = w.ups = w.labelClicks = w.buttonClicks = 0;
        const QPoint at = c.widget == w.Container() ? kFreeArea : c.widget->rect().center();
        QTest::mouseClick(c.widget, c.button, {}, at);
        EXPECT_EQ(w.Counts(), c.counts) << c.what;
    }
}

TEST(FormClicks, AReleaseWithoutItsPressIsNoClick) {
    ClickForm w;
    w.Show();
    // A release alone, as the window beneath gets it when the press closed a window above.
    QTest::mouseRelease(w.Container(), Qt::LeftButton, {}, kFreeArea);
    QTest::mouseRelease(w.label.Widget(), Qt::LeftButton, {}, w.label.Widget()->rect().center());
    EXPECT_EQ(w.Counts(), "0 0 0 0 0");
    // A press on a control, released over the free area.
    QTest::mousePress(w.frame.Widget(), Qt::LeftButton, {}, QPoint(5, 20));
    QTest::mouseRelease(w.Container(), Qt::LeftButton, {}, kFreeArea);
    EXPECT_EQ(w.Counts(), "0 0 0 0 0");
    // A press of the other button does not make a left release a click.
    QTest::mousePress(w.Container(), Qt::RightButton, {}, kFreeArea);
    QTest::mouseRelease(w.Container(), Qt::LeftButton, {}, kFreeArea);
    EXPECT_EQ(w.Counts(), "0 1 0 0 0");
    // A press before the window was hidden is forgotten.
    QTest::mousePress(w.Container(), Qt::LeftButton, {}, kFreeArea);
    w.Hide();
    w.Show();
    QTest::mouseRelease(w.Container(), Qt::LeftButton, {}, kFreeArea);
    EXPECT_EQ(w.clicks, 0);
}

TEST(FormClicks, ClosingAWindowAboveReachesNoWindowBeneath) {
    ClickForm beneath;
    beneath.Show();
    // A window above that goes away on a press (as a list closes on a
    // double click) and one that goes away on its button's click.
    ClickForm onPress, onButton;
    onPress.OnMouseDown = [&](int, int, double, double) { onPress.Hide(); };
    onButton.button.Click = [&] { onButton.Hide(); };
    onPress.Show();
    QTest::mousePress(onPress.Container(), Qt::LeftButton, {}, kFreeArea);
    QTest::mouseRelease(beneath.Container(), Qt::LeftButton, {}, kFreeArea);
    onButton.Show();
    QTest::mouseClick(onButton.button.Widget(), Qt::LeftButton);
    QTest::mouseRelease(beneath.Container(), Qt::LeftButton, {}, kFreeArea);
    EXPECT_FALSE(onPress.isVisible());
    EXPECT_FALSE(onButton.isVisible());
    EXPECT_EQ(beneath.Counts(), "0 0 0 0 0");
}
