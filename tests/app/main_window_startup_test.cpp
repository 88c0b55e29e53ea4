// The main window's start-up and exit: program folder, options, caption,
// tables, house check mark, first windows, single instance, caption clock,
// and the INI file written at exit.
#include <QApplication>
#include <QDir>
#include <QMenuBar>

#include "app/ui/tip_window.h"
#include "app/ui/title_window.h"
#include "main_window_fixture.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_natal_window.h"
#include "people/ui/names_window.h"
#include "scans/ui/params_window.h"
#include "platform/dates.h"
#include "platform/font_registry.h"
#include "platform/single_instance.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"
#include "test_support.h"

namespace {

bool FolderExists(const std::string& path) { return QDir(QString::fromStdString(path)).exists(); }

TEST_F(MainWindowTest, StartUpReadsTheProgramFolderAndShowsTheMainWindow) {
    SetOption(27, "3");
    // The INI file's main window place is applied at start.
    testsupport::WriteBytes(JoinPath(folder, "TANDRELL.INI"),
                            "[TANDRELL] - Do NOT change the order of these variables.\r\n"
                            "TANDRELLLeft= 450\r\nTANDRELLTop= 300\r\nFontSize= 12\r\n");
    ASSERT_FALSE(FolderExists(JoinPath(folder, "REPORTS")));

    TANDRELL& w = Start();
    const Settings& s = ps->settings;

    EXPECT_FALSE(w.Ended());
    EXPECT_EQ(s.AppPath, folder);
    EXPECT_EQ(s.OptionValues[27], 3.0f);
    EXPECT_EQ(s.OptionValues[45], 60.0f);
    EXPECT_EQ(ps->chart.CaptionPrefix, "Tandrell (Tropical zodiac) - ");
    // The notice was acknowledged and is gone.
    EXPECT_EQ(s.TitleAcknowledged, 1);
    EXPECT_FALSE(FormLoaded<TITLE>());
    EXPECT_TRUE(FontFamilyAvailable("Tandrell"));

    // Data files, settings, regional format, tables, orbital elements.
    EXPECT_NE(ps->chart.HcData[10], 0);
    EXPECT_NE(ps->chart.RingRadius[180], 0);
    EXPECT_EQ(s.OutputFontSize, 12);
    EXPECT_EQ(w.Left(), 450);
    EXPECT_EQ(w.Top(), 300);
    EXPECT_EQ(s.DateOrder, 1);
    EXPECT_EQ(s.TimeFormat, 1);
    EXPECT_EQ(s.OutputFontName, "COURIER NEW");
    EXPECT_FALSE(s.MainFontName.empty());
    EXPECT_GT(s.MainFontSize, 0);
    EXPECT_EQ(s.CurrentOrbFile, JoinPath(folder, "NATAL.ORB"));
    EXPECT_EQ(s.BodyNames.size(), 150u);
    EXPECT_EQ(s.PlanetNames[15], "MC ");
    EXPECT_EQ(s.AspectAngles[16], 144);
    EXPECT_EQ(s.HouseBase[8], 10.9f);
    EXPECT_EQ(s.RingTable4[12], 139);
    EXPECT_NE(ps->chart.ElementsMercury[1], 0.0);
    EXPECT_EQ(ps->chart.HouseString.size(), 150u);
    EXPECT_EQ(ps->people.NamesListStale, 1);

    // Koch by option 27, alone; the composite items wait for a second person.
    for (MenuItem* item : w.HouseItems()) {
        if (!item) continue;
        EXPECT_EQ(item->Checked(), item == &w.mnuHouseKoch) << item->Caption();
    }
    EXPECT_FALSE(w.mnuDataComposite.Enabled());
    EXPECT_FALSE(w.mnuDataCompositeDC.Enabled());
    EXPECT_FALSE(w.mnuWheelsSingleComposite.Enabled());

    // The window with File, Houses, Options and Help; the tip of option 40.
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.Caption(), "Tandrell");
    EXPECT_TRUE(w.mnuFile.Visible());
    EXPECT_TRUE(w.mnuHouseSystem.Visible());
    EXPECT_TRUE(w.mnuOptions.Visible());
    EXPECT_TRUE(w.mnuHelp.Visible());
    EXPECT_FALSE(w.mnuInputData.Visible());
    EXPECT_FALSE(w.mnuData.Visible());
    EXPECT_FALSE(w.mnuWheels.Visible());
    EXPECT_TRUE(FormLoaded<frmTip>());
    EXPECT_TRUE(FormLoaded<InputD>() && FormOf<InputD>().isVisible());
    EXPECT_TRUE(FormLoaded<InputD1>() && FormOf<InputD1>().isVisible());
    // The criteria window is shown too, the names window last, so it is on top.
    EXPECT_TRUE(FormLoaded<Params>() && FormOf<Params>().isVisible());
    EXPECT_TRUE(FormLoaded<Names>() && FormOf<Names>().isVisible());
    EXPECT_TRUE(w.Timer1.isActive());
    EXPECT_EQ(w.Timer1.interval(), 1000);

    EXPECT_TRUE(FolderExists(JoinPath(folder, "REPORTS")));
    EXPECT_TRUE(responder->Prompts().empty());
}

TEST_F(MainWindowTest, StartUpShowsTheCriteriaWindowAndLeavesTheNamesWindowActive) {
    SetOption(40, "0");
    Start();
    QApplication::processEvents();
    ASSERT_TRUE(FormLoaded<Params>());
    EXPECT_TRUE(FormOf<Params>().isVisible());
    EXPECT_EQ(FormOf<Params>().Text1.Text(), "5");
    EXPECT_EQ(QApplication::activeWindow(), &FormOf<Names>());
}

TEST_F(MainWindowTest, HouseSystemAtStartFollowsOption27) {
    struct Case {
        const char* value;
        MenuItem TANDRELL::*item;
    };
    const Case cases[] = {
        {"1", &TANDRELL::mnuHousePlacidus},   {"0", &TANDRELL::mnuHousePlacidus},
        {"12", &TANDRELL::mnuHousePlacidus},  {"-2", &TANDRELL::mnuHousePlacidus},
        {"2.5", &TANDRELL::mnuHousePlacidus}, {"2", &TANDRELL::mnuHouseRegiomontanus},
        {"6", &TANDRELL::mnuHouseEqualAsc},   {"9", &TANDRELL::mnuHouseMorinus},
    };
    for (const Case& c : cases) {
        SetOption(27, c.value);
        SetOption(40, "0");
        TANDRELL& w = Start();
        int checked = 0;
        for (MenuItem* item : w.HouseItems())
            if (item && item->Checked()) ++checked;
        EXPECT_EQ(checked, 1) << "option 27 = " << c.value;
        EXPECT_TRUE((w.*c.item).Checked()) << "option 27 = " << c.value;
        // Option 40 = 0: no tip at start.
        EXPECT_FALSE(FormLoaded<frmTip>());
    }
    // Any other value of option 40, a negative one too, shows the tip.
    SetOption(40, "-1");
    Start();
    EXPECT_TRUE(FormLoaded<frmTip>());
}

TEST_F(MainWindowTest, SecondCopyWarnsAndEndsWithoutTouchingAFile) {
    SingleInstance first(lockPath);
    ASSERT_TRUE(first.TryAcquire());
    responder->Answer(MsgResult::OK);

    TANDRELL& w = Start();
    ASSERT_EQ(responder->Prompts().size(), 1u);
    const RecordedPrompt& p = responder->Prompts()[0];
    EXPECT_EQ(p.text,
              "TANDRELL is already running. For your protection you cannot have more than one copy of TANDRELL "
              "running at a time.");
    EXPECT_EQ(p.title, "WARNING!");
    EXPECT_EQ(p.icon, MsgIcon::Critical);
    EXPECT_TRUE(w.Ended());
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(ps->settings.AppPath.empty());
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.Timer1.isActive());

    // Closing it afterwards writes nothing either; the first copy keeps its lock.
    w.Unload();
    EXPECT_FALSE(FolderExists(folder));
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(first.IsHeld());
}

TEST_F(MainWindowTest, CaptionClockShowsPrefixDateAndTime) {
    SetOption(198, "1");
    TANDRELL& w = Start();
    SetClock([] { return DateTime{2026, 3, 5, 15, 20, 7}; });
    w.Timer1_Timer();
    EXPECT_EQ(w.Caption(), "Tandrell (Sidereal zodiac - SVP) - 05 Mar 2026     15:20:07");
    ps->settings.TimeFormat = 0;
    SetClock([] { return DateTime{2026, 11, 30, 9, 5, 59}; });
    w.Timer1_Timer();
    EXPECT_EQ(w.Caption(), "Tandrell (Sidereal zodiac - SVP) - 30 Nov 2026     9:05:59 AM");
}

TEST_F(MainWindowTest, ExitWritesTheIniFileAlsoWhenClosedByTheFrame) {
    SetOption(40, "0");
    const std::string ini = JoinPath(folder, "TANDRELL.INI");

    // Closing by the frame.
    TANDRELL& w = Start();
    w.Move(600, 900);
    ps->settings.OutputFontSize = 14;
    w.close();
    EXPECT_TRUE(w.Ended());
    EXPECT_EQ(ends, 1);
    const auto lines = ReadTextLines(ini);
    ASSERT_TRUE(lines.has_value());
    ASSERT_GE(lines->size(), 8u);
    EXPECT_EQ((*lines)[0], "[TANDRELL] - Do NOT change the order of these variables.");
    EXPECT_EQ((*lines)[1], "FontSize= 14");
    EXPECT_EQ((*lines)[4], "TANDRELLTop= 900");
    EXPECT_EQ((*lines)[5], "TANDRELLLeft= 600");
    EXPECT_FALSE(FontFamilyAvailable("Tandrell"));

    // File, Exit (F12) does the same, once.
    ASSERT_TRUE(QFile::remove(QString::fromStdString(ini)));
    TANDRELL& again = Start();
    EXPECT_EQ(again.mnuFileExit.Shortcut(), "F12");
    again.mnuFileExit.PerformClick();
    EXPECT_TRUE(FileExists(ini));
    EXPECT_EQ(ends, 2);
    ASSERT_TRUE(QFile::remove(QString::fromStdString(ini)));
    again.Unload();
    EXPECT_FALSE(FileExists(ini));
    EXPECT_EQ(ends, 2);
}

}  // namespace
