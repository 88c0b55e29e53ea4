// The mouse on a window: a click on a control is the control's, never a
// click on the window's free area.
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
