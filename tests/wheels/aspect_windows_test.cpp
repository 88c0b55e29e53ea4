// The aspect list window, the orb-file chooser and editor of the wheel
// window, and the synastry aspect-line window, driven through their menus.
#include <QApplication>
#include <QFont>
#include <QPlainTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "app/ui/file_chooser_window.h"
#include "app/ui/orbs_editor_window.h"
#include "aspect_tools_fixture.h"
#include "platform/glyph_codes.h"
#include "platform/painter_surface.h"
#include "platform/recording_surface.h"
#include "platform/text_file.h"
#include "platform/units.h"
#include "platform/ui/form_registry.h"
#include "test_support.h"
#include "wheel_test_support.h"
#include "wheels/aspect_list.h"
#include "wheels/astro_line.h"
#include "wheels/orb_file_choice.h"
#include "wheels/ui/aspect_list_window.h"
#include "wheels/ui/astro_line_window.h"
#include "wheels/ui/wheels_window.h"
#include "wheels/wheel_paint.h"
#include "wheels/wheel_setup.h"

namespace {

class AspectWindowsTest : public AspectToolsTest {
protected:
    QString ListText() { return FormOf<CWAspect>().Text1.PlainTextEdit()->toPlainText(); }
    // Opens the aspect-line window, paints it, turns its page and paints again.
    static void OpenPaintAndTurnAstroLine() {
        AstrLine& a = FormOf<AstrLine>();
        a.Show();
        a.grab();
        a.Form_MouseDown(1, 0, 0, 0);
        a.grab();
    }
};

TEST_F(AspectWindowsTest, AspectsMenuOpensTheListBesideTheWheel) {
    ComputeCouple(fixtures::NorthCouple());
    SetUpNatalWheel(ps, false);
    Wheels& w = OpenWheels();
    ps.settings.OrbValues.fill(0);
    w.mnuAspects.Click();
    ASSERT_TRUE(FormLoaded<CWAspect>());
    CWAspect& list = FormOf<CWAspect>();
    EXPECT_TRUE(list.isVisible());
    EXPECT_EQ(list.Caption(), "Aspects");
    // The orbs of the wheel's orb file were read.
    EXPECT_EQ(ps.settings.OrbValues[1], 8);
    EXPECT_EQ(list.Text1.PlainTextEdit()->font().family(), kGlyphFontName);
    EXPECT_EQ(list.Text1.PlainTextEdit()->font().pointSizeF(), 12);
    const std::string built = BuildAspectList(AspectListInputOf(ps));
    EXPECT_EQ(ListText(), AspectListDisplayText(built).replace("\r", ""));
    EXPECT_TRUE(ListText().startsWith("\n  " + QString(QChar(char16_t(kGlyphBase + kFirstBodyGlyph)))));
    // Beside the wheel window, or as far right as the screen allows.
    const double screen = ScreenWidthTwips();
    const double beside = screen > 0 ? std::max(0.0, std::min(w.Left() + w.Width(), screen - list.Width()))
                                     : w.Left() + w.Width();
    EXPECT_NEAR(list.Left(), beside, 30);
    Shot(list.grab().toImage(), "aspect_list");

    // A new wheel window closes the list.
    OpenWheels();
    EXPECT_FALSE(FormLoaded<CWAspect>());
}

TEST_F(AspectWindowsTest, EachRingKeepsItsDeclinations) {
    ComputeCouple(fixtures::NorthCouple());
    // A Venus-zodiac single wheel lists chart A's declinations.
    SetUpVenusZodiacWheel(ps);
    LoadWheelCharts(ps);
    EXPECT_EQ(AspectListInputOf(ps).outer.declinations, ps.chart.NatalDeclinations);
    // A switched two-person bi-wheel: chart B outside, chart A inside.
    ps.wheels.WheelSwitched = 1;
    FillDualWheelLegend(ps, DualFiller::Plain);
    LoadWheelCharts(ps);
    AspectListInput in = AspectListInputOf(ps);
    EXPECT_EQ(in.outer.declinations, ps.chart.SecondDeclinations);
    EXPECT_EQ(in.inner.declinations, ps.chart.NatalDeclinations);
    EXPECT_EQ(in.outer.longitudes[1], ps.chart.SecondLongitudes[1]);
    EXPECT_FALSE(in.composite);
    // A transit bi-wheel whose rings the window exchanged keeps them paired.
    ProgramState t;
    wheeltest::ComputeWheelCouple(t, fixtures::NorthTransits());
    t.settings.OptionValues[216] = 1;
    FillDualWheelLegend(t, DualFiller::Plain);
    LoadWheelCharts(t);
    RecordingSurface s(716, 555);
    PaintWheelWindow(t, s, 716, 555);
    ASSERT_EQ(t.wheels.RingsSwapped, 1);
    in = AspectListInputOf(t);
    EXPECT_EQ(in.outer.longitudes[1], t.chart.SecondLongitudes[1]);
    EXPECT_EQ(in.outer.declinations, t.chart.SecondDeclinations);
    EXPECT_EQ(in.inner.declinations, t.chart.NatalDeclinations);
    // The composite wheel is marked by its third legend line.
    SetUpCompositeWheel(ps, "99");
    LoadWheelCharts(ps);
    EXPECT_TRUE(AspectListInputOf(ps).composite);
}

TEST_F(AspectWindowsTest, ChooserStartsOnTheCurrentOrbFileInAnyCase) {
    const std::vector<std::string> entries{"COMPOSIT.ORB", "magi.orb", "NATAL.ORB", "SYNASTRY.ORB"};
    struct Case {
        const char* current;
        int row;
    } cases[] = {{"/p/NATAL.ORB", 2},  {"/p/natal.orb", 2},    {"/p/MAGI.ORB", 1}, {"C:\\P\\Synastry.Orb", 3},
                 {"/p/XNATAL.ORB", 0}, {"/p/OTHER.ORB", 0},    {"", 0}};
    for (const Case& c : cases) EXPECT_EQ(PreselectedOrbFile(entries, c.current), c.row) << c.current;
    EXPECT_EQ(PreselectedOrbFile({}, "/p/NATAL.ORB"), -1);

    ComputeCouple(fixtures::NorthCouple());
    SetUpNatalWheel(ps, false);
    Wheels& w = OpenWheels();
    std::string seen;
    // A current orb file named in another letter case, and one that is
    // missing: the chooser opens all the same.
    for (const char* current : {"natal.orb", "GONE.ORB"}) {
        ps.settings.CurrentOrbFile = JoinPath(ps.settings.AppPath, current);
        QTimer::singleShot(0, [&seen] {
            SelectFIle& chooser = FormOf<SelectFIle>();
            seen = chooser.filList.FileName();
            chooser.cmdCancel.PerformClick();
        });
        w.mnuOrbsChange.Click();
        EXPECT_EQ(seen, std::string(current) == "GONE.ORB" ? "COMPOSIT.ORB" : "NATAL.ORB");
        EXPECT_FALSE(FormLoaded<CWAspect>());  // a cancelled choice rebuilds nothing
        EXPECT_EQ(ps.settings.CurrentOrbFile, JoinPath(ps.settings.AppPath, current));
    }
    // Choosing another file makes it current and rebuilds the list.
    QTimer::singleShot(0, [] {
        SelectFIle& chooser = FormOf<SelectFIle>();
        chooser.filList.SetFileName("MAGI_NAT.ORB");
        chooser.cmdSelect.PerformClick();
    });
    w.mnuOrbsChange.Click();
    EXPECT_EQ(ps.settings.CurrentOrbFile, JoinPath(ps.settings.AppPath, "MAGI_NAT.ORB"));
    ASSERT_TRUE(FormLoaded<CWAspect>());
    EXPECT_TRUE(ShortOrbSet(ps.settings.OrbValues));
    EXPECT_FALSE(ListText().contains(QChar(char16_t(kGlyphBase + BodyGlyph(14)))));

    // Edit orb file shows the editor on the current file, not modal.
    w.mnuOrbsEdit.Click();
    ASSERT_TRUE(FormLoaded<OrbsEdit>());
    EXPECT_TRUE(FormOf<OrbsEdit>().isVisible());
    EXPECT_NE(FormOf<OrbsEdit>().Caption().find("MAGI_NAT.ORB"), std::string::npos);
}

TEST_F(AspectWindowsTest, AstroLinePagesByClickAndEscBack) {
    ComputeCouple(fixtures::NorthCouple());
    ps.settings.OutputWindowTop = 900;
    ps.settings.MainWindowLeft = 0;
    AstrLine& a = FormOf<AstrLine>();
    a.Show();
    QApplication::processEvents();
    EXPECT_EQ(a.PageNumber, 0);
    EXPECT_NEAR(a.Height(), 4000, 30);
    EXPECT_NEAR(a.Top(), 900, 30);
    const char* names[] = {"astroline_page0", "astroline_page1", "astroline_page2"};
    for (int page = 0; page < 3; ++page) {
        EXPECT_EQ(a.PageNumber, page);
        const QImage picture = a.grab().toImage();
        EXPECT_EQ(a.Caption(), AstroLinePageTitle(page));
        Shot(picture, names[page]);
        a.Form_MouseDown(1, 0, 0, 0);
    }
    EXPECT_EQ(a.PageNumber, 0);  // a click on the last page returns to the first
    int key = 27;
    a.Form_KeyPress(key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(focused, 1);
    EXPECT_TRUE(responder->Prompts().empty());
}

TEST_F(AspectWindowsTest, SynastryOrbsToldOncePerOpeningAtMost17Lines) {
    ComputeCouple(fixtures::NorthCouple());
    const std::string path = JoinPath(ps.settings.AppPath, "SYNASTRY.ORB");
    // Twenty lines before the first empty one: only 17 are read.
    std::string text;
    for (int k = 1; k <= 20; ++k) text += std::to_string(k) + "\r\n";
    testsupport::WriteBytes(path, text);
    ps.settings.OrbValues.fill(0);
    EXPECT_TRUE(LoadSynastryOrbs(ps.settings, true));
    EXPECT_EQ(ps.settings.OrbValues[17], 17);
    EXPECT_EQ(ps.settings.OrbValues[5], 5);

    // Missing: one message when the window opens, none from its paints, and
    // the earlier orbs stay.
    std::remove(path.c_str());
    responder->Answer(MsgResult::OK);
    OpenPaintAndTurnAstroLine();
    ASSERT_EQ(responder->Prompts().size(), 1u);
    EXPECT_EQ(responder->Prompts()[0].title, "File Not Found");
    EXPECT_EQ(ps.settings.OrbValues[5], 5);
}

}  // namespace

TEST_F(AspectWindowsTest, SynastryOrbTooLargeToldOnceAndCountsAsZero) {
    ComputeCouple(fixtures::NorthCouple());
    const std::string path = JoinPath(ps.settings.AppPath, "SYNASTRY.ORB");
    testsupport::WriteBytes(path, "7\r\n1e999\r\n6\r\n9e99   #trine\r\n");
    ps.settings.OrbValues.fill(3);
    responder->Answer(MsgResult::OK);
    OpenPaintAndTurnAstroLine();
    ASSERT_EQ(responder->Prompts().size(), 1u);
    EXPECT_EQ(responder->Prompts()[0].title, "Warning!");
    EXPECT_NE(responder->Prompts()[0].text.find("SYNASTRY.ORB"), std::string::npos);
    EXPECT_NE(responder->Prompts()[0].text.find("2 and 4"), std::string::npos) << responder->Prompts()[0].text;
    EXPECT_EQ(ps.settings.OrbValues[1], 7);
    EXPECT_EQ(ps.settings.OrbValues[2], 0);
    EXPECT_EQ(ps.settings.OrbValues[4], 0);
}
