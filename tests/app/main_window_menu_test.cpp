// The main menu: the bar's order and start state, help topics listed on a
// new page, the house items' check marks, the Options item and a Data item.
#include <QAction>
#include <algorithm>
#include <QFile>
#include <QMenuBar>

#include "app/output_buffer.h"
#include "app/ui/options_editor_window.h"
#include "main_window_fixture.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_natal_window.h"
#include "platform/clipboard.h"
#include "platform/screen_pointer.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"

namespace {

std::vector<std::string> PageLines(const OutputState& out) {
    return std::vector<std::string>(out.OutputPage.begin(), out.OutputPage.begin() + out.PageLineCount);
}

TEST_F(MainWindowTest, MenuBarHoldsSevenMenusWithInputDataAndWheelsHidden) {
    SetOption(40, "0");
    TANDRELL& w = Start();
    std::vector<std::string> captions, shown;
    for (QAction* a : w.menuBar()->actions()) {
        captions.push_back(a->text().toStdString());
        if (a->isVisible()) shown.push_back(a->text().toStdString());
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"&File", "&Input", "Hou&ses", "&Data", "&Wheels", "&Options",
                                                  "&Help"}));
    EXPECT_EQ(shown, (std::vector<std::string>{"&File", "Hou&ses", "&Options", "&Help"}));

    // A sample of the shortcut keys of each kind.
    EXPECT_EQ(w.mnuHouseMorinus.Shortcut(), "Shift+F9");
    EXPECT_EQ(w.mnuDataNatalAspects.Shortcut(), "F3");
    EXPECT_EQ(w.mnuDataCosmodynes.Shortcut(), "Ctrl+D");
    EXPECT_EQ(w.mnuDataAnalysis.Shortcut(), "Ctrl+F7");
    EXPECT_EQ(w.mnuWheelsDualNatTranMagi.Shortcut(), "Ctrl+F11");
    EXPECT_EQ(w.mnuMainMenuHelp.Shortcut(), "F1");
    EXPECT_EQ(w.mnuHelpPrntfile.Caption(), "&File To Print  Window");
    // Reports that no menu state offers stay hidden and disabled.
    EXPECT_FALSE(w.mnuDataMagiCouple.Visible());
    EXPECT_FALSE(w.mnuDataMagiCouple.Enabled());
}

TEST_F(MainWindowTest, EveryHelpItemListsItsTopicOnANewPage) {
    SetOption(40, "0");
    TANDRELL& w = Start();
    for (const MainMenu::HelpTopic& topic : w.HelpTopics()) {
        ps->output.CurrentLine = "earlier report line";
        AppendLine(*ps);
        topic.item->PerformClick();
        EXPECT_EQ(ps->output.HelpFileName, topic.file);
        const auto lines = ReadTextLines(JoinPath(folder, std::string(topic.file).substr(1)));
        ASSERT_TRUE(lines.has_value()) << topic.file;
        std::vector<std::string> expected = *lines;
        expected.push_back("");  // the blank line after the topic
        expected.push_back("");  // and the one the page gets when shown
        EXPECT_EQ(PageLines(ps->output), expected) << topic.file;
    }
    // The page went to the page file and the report window.
    EXPECT_TRUE(FileExists(JoinPath(folder, "REPORTS/LASTPAGE.TXT")));

    // A missing topic: a message and no page.
    ASSERT_TRUE(QFile::remove(QString::fromStdString(JoinPath(folder, "PHILO.HLP"))));
    const int lines = ps->output.PageLineCount;
    responder->Answer(MsgResult::OK);
    w.mnuPhilosophyHelp.PerformClick();
    ASSERT_EQ(responder->Prompts().size(), 1u);
    EXPECT_EQ(responder->Prompts()[0].title, "File Not Found");
    EXPECT_EQ(ps->output.PageLineCount, lines);
}

TEST_F(MainWindowTest, HouseItemsMoveTheCheckMarkAndSetTheHouseCode) {
    SetOption(40, "0");
    TANDRELL& w = Start();
    struct Case {
        MenuItem TANDRELL::*item;
        const char* code;
    };
    const Case cases[] = {{&TANDRELL::mnuHouseKoch, "K"},     {&TANDRELL::mnuHouseEqualAsc, "EA"},
                          {&TANDRELL::mnuHouseEqualMC, "EM"}, {&TANDRELL::mnuHouseMorinus, "I"},
                          {&TANDRELL::mnuHouseMorinus, "I"},  {&TANDRELL::mnuHousePlacidus, "P"}};
    for (const Case& c : cases) {
        // Every choice, also of the item already checked, starts the run afresh.
        ps->output.CurrentLine = "old chart";
        AppendLine(*ps);
        (w.*c.item).PerformClick();
        for (MenuItem* item : w.HouseItems()) {
            if (!item) continue;
            EXPECT_EQ(item->Checked(), item == &(w.*c.item)) << item->Caption();
        }
        EXPECT_EQ(ps->chart.HouseSystemCode, c.code);
        // The output holds the new chart's first page only.
        const std::vector<std::string> buffer(ps->output.OutputBuffer.begin(),
                                              ps->output.OutputBuffer.begin() + ps->output.OutputLineCount);
        EXPECT_GT(ps->output.OutputLineCount, 0);
        EXPECT_EQ(std::find(buffer.begin(), buffer.end(), "old chart"), buffer.end());
        // A chart exists: Input, Data and Wheels are offered, the input windows wait.
        EXPECT_TRUE(w.mnuData.Visible());
        EXPECT_TRUE(w.mnuInputData.Visible());
        EXPECT_FALSE(FormOf<InputD>().isVisible());
    }
}

TEST_F(MainWindowTest, OptionsItemOpensTheEditorOnlyWhenTheFileCanBeRead) {
    SetOption(40, "0");
    TANDRELL& w = Start();
    w.mnuOptions.PerformClick();
    EXPECT_TRUE(FormLoaded<Options>());
    UnloadForm<Options>();

    ASSERT_TRUE(QFile::remove(QString::fromStdString(JoinPath(folder, "OPTIONS.OPT"))));
    responder->Answer(MsgResult::OK);
    w.mnuOptions.PerformClick();
    ASSERT_EQ(responder->Prompts().size(), 1u);
    EXPECT_EQ(responder->Prompts()[0].text, "File Not Found");
    EXPECT_EQ(responder->Prompts()[0].title, "Warning!");
    EXPECT_EQ(responder->Prompts()[0].icon, MsgIcon::Information);
    EXPECT_FALSE(FormLoaded<Options>());
}

TEST_F(MainWindowTest, DataItemRunsItsListing) {
    SetOption(40, "0");
    TANDRELL& w = Start();
    ps->people.SecondPersonChecked = 1;
    EXPECT_TRUE(w.mnuDataInterchartAspects.Enabled());
    w.mnuDataInterchartAspects.PerformClick();
    const std::vector<std::string> page = PageLines(ps->output);
    EXPECT_NE(std::find(page.begin(), page.end(), "  Points of Astrological Interest"), page.end());
    EXPECT_TRUE(w.mnuDataAnalysis.Enabled());
    w.mnuDataAnalysis.PerformClick();
    const std::vector<std::string> analysis = PageLines(ps->output);
    EXPECT_NE(std::find(analysis.begin(), analysis.end(), "  Total:                 0"), analysis.end());
}

TEST_F(MainWindowTest, CosmodyneItemsShowTheirPagesAndFillTheClipboard) {
    SetOption(40, "0");
    TANDRELL& w = Start();
    w.mnuHousePlacidus.PerformClick();  // a chart run from the input windows
    ASSERT_TRUE(w.mnuData.Visible());
    EXPECT_TRUE(w.mnuDataCosmodynes.Enabled());
    SetClipboardText("");
    w.mnuDataCosmodynes.PerformClick();
    std::vector<std::string> page = PageLines(ps->output);
    auto has = [&page](const std::string& start) {
        return std::any_of(page.begin(), page.end(), [&](const std::string& l) { return l.rfind(start, 0) == 0; });
    };
    EXPECT_TRUE(has("  Planet             Power    %"));
    EXPECT_TRUE(has("  Electric (M)"));
    EXPECT_TRUE(has("                         Power is listed in upper right section."));
    EXPECT_EQ(ClipboardText().substr(0, 2 + ps->chart.ChartName.size()), "  " + ps->chart.ChartName);
    EXPECT_EQ(MousePointer(), kDefaultPointer);

    // With a second person the composite page ends with its cosmodynes.
    FormOf<InputD1>().chk2ndPerson.SetValue(1);
    w.mnuHousePlacidus.PerformClick();
    ASSERT_TRUE(w.mnuDataComposite.Enabled());
    w.mnuDataComposite.PerformClick();
    page = PageLines(ps->output);
    EXPECT_TRUE(has("                     COMPOSITE COSMODYNES"));
    EXPECT_TRUE(has("  Planet             Power    %"));
    EXPECT_FALSE(has("  Electric (M)"));
    EXPECT_EQ(ps->cosmodynes.RelationshipMode, 0);
}

TEST_F(MainWindowTest, DataItemsAndTheSecondPersonItems) {
    SetOption(40, "0");
    TANDRELL& w = Start();
    EXPECT_TRUE(w.mnuDataVZ_DC.Enabled());
    EXPECT_TRUE(w.mnuDataTransitCosmodynes.Enabled());
    EXPECT_TRUE(w.mnuDataTransitCosmodynesAspects.Enabled());
    EXPECT_TRUE(w.mnuDataInterchartAspects.Enabled());
    EXPECT_TRUE(w.mnuDataAnalysis.Enabled());
    EXPECT_TRUE(w.mnuDataNatalData.Enabled());

    // Ticking "2nd Person" renames the transit items and offers the
    // composite page, the composite wheel and the composite dual cosmodynes.
    InputD1& second = FormOf<InputD1>();
    second.chk2ndPerson.SetValue(1);
    EXPECT_TRUE(w.mnuDataComposite.Enabled());
    EXPECT_TRUE(w.mnuDataCompositeDC.Enabled());
    EXPECT_TRUE(w.mnuWheelsSingleComposite.Enabled());
    EXPECT_EQ(w.mnuDataTransitsAspectstoNatal.Caption(), "&Interchart Aspects");
    second.chk2ndPerson.SetValue(0);
    EXPECT_FALSE(w.mnuDataComposite.Enabled());
    EXPECT_FALSE(w.mnuDataCompositeDC.Enabled());
    EXPECT_FALSE(w.mnuWheelsSingleComposite.Enabled());
    EXPECT_EQ(w.mnuDataTransitsAspectstoNatal.Caption(), "&Aspects to Natal");

    // Both separators of the Data menu are drawn, as the menu is stored.
    EXPECT_FALSE(w.mnuData.Menu()->separatorsCollapsible());
}

}  // namespace
