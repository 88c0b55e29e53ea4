// Menu items and forms: captions, shortcuts, check marks owned by the
// program, load on first use, unload, twips and the drawing behind.
#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <QMouseEvent>
#include <array>
#include <QImage>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/drawing_surface.h"
#include "platform/ui/form.h"
#include "platform/ui/menu_item.h"
#include "platform/ui/simple_controls.h"

namespace {

// A window in the style the program's windows are written in.
class SampleForm : public Form {
public:
    SampleForm() {
        ++made;
        OnLoad = [this] { ++loads; };
        OnUnload = [this](int& cancel) { cancel = refuseUnload ? 1 : 0; };
        OnPaint = [this] {
            ++paints;
            Surface().Scale(-10, 10, 10, -10);
            Surface().SetBackColor(QBColor(15));
            Surface().Line(-10, 0, 10, 0, QBColor(0));
        };
    }
    static inline int made = 0;
    int loads = 0;
    int paints = 0;
    bool refuseUnload = false;
};

}  // namespace

TEST(UiMenuForm, MenuItemsCarryCaptionStateAndShortcut) {
    Form window;
    MenuItem mnuFile(window.menuBar(), "&File");
    MenuItem mnuFileExit(mnuFile, "E&xit", "F12");
    MenuItem mnuHouseSystem(window.menuBar(), "Hou&ses");
    MenuItem mnuHousePlacidus(mnuHouseSystem, "&Placidus", "Shift+F1");
    MenuItem mnuHouseKoch(mnuHouseSystem, "&Koch", "Shift+F3");
    MenuItem separator(mnuHouseSystem, "-");
    MenuItem mnuDataCosmodynes(mnuHouseSystem, "Cosmo&dynes", "Ctrl+D");
    MenuItem mnuDataInterchartAspects(mnuHouseSystem, "&Interchart Aspects", "Ctrl+F6");

    EXPECT_EQ(mnuFileExit.Caption(), "E&xit");
    EXPECT_EQ(mnuFileExit.Shortcut(), "F12");
    EXPECT_EQ(mnuHousePlacidus.Shortcut(), "Shift+F1");
    EXPECT_EQ(mnuDataCosmodynes.Shortcut(), "Ctrl+D");
    EXPECT_EQ(mnuDataInterchartAspects.Shortcut(), "Ctrl+F6");
    EXPECT_TRUE(separator.IsSeparator());
    EXPECT_EQ(mnuHouseSystem.Menu()->actions().size(), 5);

    // The handler moves the check mark; choosing an item does not toggle it.
    mnuHousePlacidus.SetChecked(true);
    int kochClicks = 0;
    mnuHouseKoch.Click = [&] {
        ++kochClicks;
        mnuHousePlacidus.SetChecked(false);
        mnuHouseKoch.SetChecked(true);
    };
    mnuHouseKoch.PerformClick();
    EXPECT_EQ(kochClicks, 1);
    EXPECT_TRUE(mnuHouseKoch.Checked());
    EXPECT_TRUE(mnuHouseKoch.Action()->isChecked());
    EXPECT_FALSE(mnuHousePlacidus.Action()->isChecked());
    mnuHouseKoch.Action()->trigger();  // chosen again while checked
    EXPECT_TRUE(mnuHouseKoch.Action()->isChecked());
    EXPECT_EQ(kochClicks, 2);

    // Hidden or disabled items do nothing.
    mnuHouseKoch.SetEnabled(false);
    mnuHouseKoch.PerformClick();
    mnuHouseKoch.SetEnabled(true);
    mnuHouseKoch.SetVisible(false);
    mnuHouseKoch.PerformClick();
    EXPECT_EQ(kochClicks, 2);
    EXPECT_FALSE(mnuHouseKoch.Visible());

    // The shortcut reaches the item through the window.
    int exits = 0;
    mnuFileExit.Click = [&] { ++exits; };
    window.Show();
    if (QTest::qWaitForWindowActive(&window)) {
        QTest::keyClick(&window, Qt::Key_F12);
        EXPECT_EQ(exits, 1);
    }
    mnuFileExit.SetCaption("&Quit");
    EXPECT_EQ(mnuFileExit.Caption(), "&Quit");
}

TEST(UiMenuForm, FormLoadsOnFirstUseAndUnloadsAfresh) {
    FormSlot<SampleForm> slot;
    SampleForm::made = 0;
    EXPECT_FALSE(slot.IsLoaded());
    SampleForm& first = slot();
    EXPECT_EQ(first.loads, 1);
    slot().SetCaption("Chartwheels");
    EXPECT_EQ(SampleForm::made, 1);
    EXPECT_EQ(first.Caption(), "Chartwheels");

    first.refuseUnload = true;
    EXPECT_FALSE(first.Unload());
    EXPECT_TRUE(slot.IsLoaded());
    first.refuseUnload = false;
    EXPECT_TRUE(first.Unload());
    EXPECT_FALSE(slot.IsLoaded());
    SampleForm& second = slot();
    EXPECT_EQ(SampleForm::made, 2);
    EXPECT_EQ(second.loads, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(UiMenuForm, FormPlacesInTwipsAndPaintsBehindControls) {
    SampleForm form;
    form.Move(0, 0, 8490, 7200);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_NEAR(form.Width(), 8490, TwipsPerPixelX());
    EXPECT_NEAR(form.Height(), 7200, TwipsPerPixelY());
    QTRY_COMPARE(form.paints, 1);

    // The line drawn by the Paint hook is on screen along the middle row.
    const QImage shot = form.Container()->grab().toImage();
    const int midY = shot.height() / 2;
    bool dark = false;
    for (int dy = -1; dy <= 1; ++dy) dark |= qGray(shot.pixel(shot.width() / 2, midY + dy)) < 100;
    EXPECT_TRUE(dark);
    EXPECT_GT(qGray(shot.pixel(5, 5)), 240);

    // A resize repaints; a modal show returns once the window hides.
    form.Move(0, 0, 6000, 4500);
    QTRY_COMPARE(form.paints, 2);
    form.Hide();
    QTimer::singleShot(0, &form, [&] { form.Hide(); });
    form.Show(true);
    EXPECT_FALSE(form.isVisible());
}

TEST(UiMenuForm, FormPlaceAndSizeBeyondTheDesktopAreHeld) {
    // Such values come from a damaged settings file; the window must neither
    // ask for a picture of terabytes nor convert them out of range.
    SampleForm form;
    form.Move(std::nan(""), -1e99, 1e99, 1e99);
    form.Move(2147483647.0, -2147483647.0, 2147483647.0, 2147483647.0);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_LE(form.width(), std::max(4096, QGuiApplication::primaryScreen()->virtualGeometry().width()));
    EXPECT_GE(form.height(), 1);
    EXPECT_LE(form.height(), std::max(4096, QGuiApplication::primaryScreen()->virtualGeometry().height()));
    EXPECT_LE(form.x(), 1 << 20);
    EXPECT_GE(form.y(), -(1 << 20));
    // Sound values are kept as they are.
    form.Move(150, 300, 6000, 4500);
    EXPECT_NEAR(form.Left(), 150, TwipsPerPixelX());
    EXPECT_NEAR(form.Width(), 6000, TwipsPerPixelX());
}

TEST(UiMenuForm, FormKeysReachDefaultAndCancelButtons) {
    Form form;
    CommandButton cmdOK(form.Container(), "OK");
    CommandButton cmdCancel(form.Container(), "Cancel");
    int ok = 0, cancel = 0;
    std::vector<int> keys;
    cmdOK.Click = [&] { ++ok; };
    cmdCancel.Click = [&] { ++cancel; };
    form.SetDefaultButton(&cmdOK);
    form.SetCancelButton(&cmdCancel);
    form.OnKeyPress = [&](int& key) { keys.push_back(key); };
    form.Show();
    QTest::keyClick(form.Container(), Qt::Key_Return);
    QTest::keyClick(form.Container(), Qt::Key_Escape);
    QTest::keyClick(form.Container(), Qt::Key_A);
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(cancel, 1);
    EXPECT_EQ(keys, (std::vector<int>{13, 27, 'a'}));
}

TEST(UiMenuForm, MouseMovesReachTheWindowInItsScale) {
    Form form;
    form.Move(0, 0, 6000, 4500);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QWidget* canvas = form.Container();
    form.Surface().Scale(0, 0, canvas->width(), canvas->height());  // one unit a pixel
    std::vector<std::array<double, 4>> moves;
    form.OnMouseMove = [&](int button, int shift, double x, double y) {
        moves.push_back({static_cast<double>(button), static_cast<double>(shift), x, y});
    };
    // A move with no button held, then one dragging with the left button and Shift.
    QMouseEvent free(QEvent::MouseMove, QPointF(30, 40), canvas->mapToGlobal(QPointF(30, 40)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &free);
    QMouseEvent drag(QEvent::MouseMove, QPointF(50, 60), canvas->mapToGlobal(QPointF(50, 60)), Qt::NoButton,
                     Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(canvas, &drag);
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[0], (std::array<double, 4>{0, 0, 30, 40}));
    EXPECT_EQ(moves[1], (std::array<double, 4>{1, 1, 50, 60}));
}

TEST(UiMenuForm, FormOuterSizeSurvivesALateWindowFrame) {
    // The window manager may add the frame only after the window is shown;
    // the size read back (as written to the settings file) must still be the
    // size asked for, or the window grows by its frame on every start.
    SampleForm form;
    form.Move(0, 0, 8580, 1050);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(300);
    EXPECT_NEAR(form.Width(), 8580, TwipsPerPixelX());
    EXPECT_NEAR(form.Height(), 1050, TwipsPerPixelY());
}
