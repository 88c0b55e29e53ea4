// The people windows as they open: the natal name box shows a whole
// relationship name, the option frames stay clear of the link labels and the
// dividers, and the input and names windows lie side by side on a screen
// of 1280 by 1024 pixels, none over another.
#include <QFontMetrics>
#include <QRectF>

#include "people/ui/names_window.h"
#include "people/ui/input_window_layout.h"
#include "people_window_fixture.h"
#include "platform/ui/form_registry.h"

namespace {

class WindowLayout : public PeopleWindowTest {};

QRectF Place(const Control& c) { return QRectF(c.Left(), c.Top(), c.Width(), c.Height()); }
QRectF Place(const Form& f) { return QRectF(f.Left(), f.Top(), f.Width(), f.Height()); }

}  // namespace

TEST_F(WindowLayout, NameBoxShowsARelationshipNameOf40Characters) {
    // The longest first names make names of this length.
    Natal().Show();
    const QString name = "Christopher & Maximilianne relationship!";
    ASSERT_EQ(name.size(), 40);
    QWidget* box = Natal().txtName.Widget();
    const int text = QFontMetrics(box->font()).horizontalAdvance(name);
    EXPECT_GE(box->width(), text + 10) << "text " << text << " px";
    EXPECT_LE(Place(Natal().txtName).right(), Natal().InsideWidth());
}

TEST_F(WindowLayout, OptionFramesKeepClearOfLinksAndDividers) {
    struct Window {
        const char* name;
        std::vector<const Frame*> frames;
        std::vector<const Label*> links;
        std::vector<double> dividers;
    } windows[] = {
        {"natal",
         {&Natal().fraAmPm, &Natal().fraEastWest, &Natal().fraNorthSouth},
         {&Natal().Label1, &Natal().Label2},
         Natal().DividerTops()},
        {"second",
         {&Second().fraAmPm, &Second().fraEastWest, &Second().fraNorthSouth, &Second().fraAngles},
         {&Second().Label1, &Second().Label2},
         Second().DividerTops()},
    };
    // A little room between a frame's caption and what stands above it.
    constexpr double kClearance = 15;
    for (const Window& w : windows) {
        for (const Frame* frame : w.frames) {
            const QRectF f = Place(*frame);
            for (const Label* link : w.links) {
                const QRectF l = Place(*link).adjusted(0, 0, 0, kClearance);
                EXPECT_FALSE(f.intersects(l)) << w.name << ": " << frame->Caption() << " and " << link->Caption();
            }
            for (double y : w.dividers)
                EXPECT_FALSE(y + kClearance > f.top() && y < f.bottom())
                    << w.name << ": " << frame->Caption() << " crosses the divider at " << y;
        }
    }
}

TEST_F(WindowLayout, InputAndNamesWindowsLieSideBySide) {
    Natal().Show();
    Second().Show();
    FormOf<Names>().Show();
    const QRectF screen(0, 0, 1280 * TwipsPerPixelX(), 1024 * TwipsPerPixelY());
    const QRectF natal = Place(Natal()), second = Place(Second()), names = Place(FormOf<Names>());
    for (const QRectF& r : {natal, second, names}) EXPECT_TRUE(screen.contains(r));
    EXPECT_FALSE(natal.intersects(second));
    EXPECT_FALSE(second.intersects(names));
    EXPECT_FALSE(natal.intersects(names));
    // A window manager's frame adds a few pixels round each window: the gaps leave room for it.
    EXPECT_GE(second.left() - natal.right(), 3 * TwipsPerPixelX());
    EXPECT_GE(names.left() - second.right(), 3 * TwipsPerPixelX());
}
