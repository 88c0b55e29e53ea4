#include "app/ui/main_menu.h"

namespace {
constexpr MenuKind kMenu = MenuKind::Menu;
constexpr MenuKind kItem = MenuKind::Item;
}  // namespace

MainMenu::MainMenu(QMenuBar* bar)
    : mnuFile(bar, "&File"),
      mnuFileExit(mnuFile, "E&xit", "F12"),
      mnuInputData(bar, "&Input", kItem),
      mnuHouseSystem(bar, "Hou&ses"),
      mnuHousePlacidus(mnuHouseSystem, "&Placidus", "Shift+F1"),
      mnuHouseRegiomontanus(mnuHouseSystem, "&Regiomontanus", "Shift+F2"),
      mnuHouseKoch(mnuHouseSystem, "&Koch", "Shift+F3"),
      mnuHouseCampanus(mnuHouseSystem, "&Campanus", "Shift+F4"),
      mnuHousePorphyry(mnuHouseSystem, "P&orphyry", "Shift+F5"),
      mnuHouseEqualAsc(mnuHouseSystem, "&Equal - Asc", "Shift+F6"),
      mnuHouseEqualMC(mnuHouseSystem, "E&qual - MC", "Shift+F7"),
      mnuHouseMeridian(mnuHouseSystem, "&Meridian", "Shift+F8"),
      mnuHouseMorinus(mnuHouseSystem, "Mor&inus", "Shift+F9"),
      mnuData(bar, "&Data"),
      mnuDataNatal(mnuData, "&Natal", "", kMenu),
      mnuDataNatalData(mnuDataNatal, "&Data", "F2"),
      mnuDataNatalAspects(mnuDataNatal, "&Aspects", "F3"),
      mnuCoLAspects(mnuDataNatal, "Church of Light Aspects", "F4"),
      mnuDataCosmodynes(mnuDataNatal, "Cosmo&dynes", "Ctrl+D"),
      mnuDataTransits(mnuData, "&Transits", "", kMenu),
      mnuDataTransitData(mnuDataTransits, "&Data", "F5"),
      mnuDataTransitsAspectstoNatal(mnuDataTransits, "&Aspects to Natal", "F6"),
      mnuDataTransitAspectsToTransits(mnuDataTransits, "Aspects to &Transits", "F7"),
      mnuDataTransitCosmodynes(mnuDataTransits, "Cosmodynes", "Ctrl+C"),
      mnuDataTransitCosmodynesAspects(mnuDataTransits, "Cosmodynes with indiv. aspects", "Ctrl+V"),
      mnuDataComposite(mnuData, "&Composite", "Ctrl+S"),
      mnuDataCompositeDC(mnuData, "&Composite - Dual Cosmodynes", "Ctrl+W"),
      mnuDataVZ_DC(mnuData, "&Venus Zodiac - Dual Cosmodynes", "Ctrl+E"),
      mnuDataSeparator1(mnuData, "-"),
      mnuDataMagiCouple(mnuData, "&Magi Society Aspects"),
      mnuDataMagiNatal(mnuData, "&Magi Society Aspects (natal)"),
      mnuGrids(mnuData, "Grids"),
      mnuDataNatal7Steps(mnuData, "7 Steps (printer)"),
      mnuDataSeparator2(mnuData, "-"),
      mnuDataInterchartAspects(mnuData, "&Interchart Aspects", "Ctrl+F6"),
      mnuDataAnalysis(mnuData, "&Interchart Analysis", "Ctrl+F7"),
      mnuWheels(bar, "&Wheels"),
      mnuWheelsSingleNatal(mnuWheels, "&Natal", "F9"),
      mnuWheelsSingleNatalMagi(mnuWheels, "Natal (Magi)", "Ctrl+F9"),
      mnuWheelsSingleTransits(mnuWheels, "&Transits", "F8"),
      mnuWheelsSingleComposite(mnuWheels, "&Composite", "Ctrl+F1"),
      mnuWheelsSingleVenusZodiac(mnuWheels, "&Venus Zodiac"),
      mnuWheelsSeparator1(mnuWheels, "-"),
      mnuWheelsDualNatTran(mnuWheels, "&Transits vs Natal", "F11"),
      mnuWheelsDualNatTranMagi(mnuWheels, "Transits vs Natal (Magi)", "Ctrl+F11"),
      mnuWheelsDualNatTran_Venus(mnuWheels, "Transits vs Natal (&Venus Zodiac)"),
      mnuWheelsSeparator2(mnuWheels, "-"),
      mnuWheelsAstroLine(mnuWheels, "AstroLine", "Ctrl+A"),
      mnuOptions(bar, "&Options", kItem),
      mnuHelp(bar, "&Help"),
      mnuHelpTipoftheDay(mnuHelp, "Tip of the Day", "Ctrl+T"),
      mnuHelpTANDRELL(mnuHelp, "&TANDRELL Window", "", kMenu),
      mnuMainMenuHelp(mnuHelpTANDRELL, "TANDRELL Main Menu", "F1"),
      mnuDataNatalTransitsHelp(mnuHelpTANDRELL, "DATA - Transits/2nd Person"),
      mnuDataNatalCosmodynesHelp(mnuHelpTANDRELL, "DATA - Cosmodynes"),
      mnuPhilosophyHelp(mnuHelpTANDRELL, "Philosophy"),
      mnuHelpSeparator1(mnuHelp, "-"),
      mnuHelpInputD(mnuHelp, "Natal &Input Data Window"),
      mnuHelpInputD1(mnuHelp, "&Diurnal Input Data Window"),
      mnuHelpNames(mnuHelp, "&Names Window"),
      mnuHelpCities(mnuHelp, "Cities &Window"),
      mnuHelpOptions(mnuHelp, "&Options Window"),
      mnuHelpOutputD1(mnuHelp, "Da&ta Window"),
      mnuHelpWheels(mnuHelp, "&Chartwheels Window"),
      mnuHelpNameedit(mnuHelp, "&Edit A Name File Window"),
      mnuHelpLongLat(mnuHelp, "Edit A Cit&y File Window"),
      mnuHelpSelect(mnuHelp, "&Select A File Window"),
      mnuHelpPrntfile(mnuHelp, "&File To Print  Window"),
      mnuHelpParams(mnuHelp, "Params Window"),
      mnuHelpSeparator2(mnuHelp, "-"),
      mnuHelpHints(mnuHelp, "Hints", "", kMenu),
      mnuHintsHow(mnuHelpHints, "&How Do I...?"),
      mnuHintsReadingList(mnuHelpHints, "&Reading List"),
      mnuHintsTips(mnuHelpHints, "&Tips"),
      mnuHelpUpgrades(mnuHelp, "Up&grades"),
      mnuShortcutKeys(mnuHelp, "Shortcut &keys"),
      mnuHelpLicense(mnuHelp, "&License Agreement"),
      mnuHelpSeparator3(mnuHelp, "-"),
      mnuHelpRevisions(mnuHelp, "Re&vision History"),
      mnuHelpAbout(mnuHelp, "Abo&ut") {
    // The two separators of the Data menu stand side by side once the hidden
    // items between them are left out; both are drawn.
    mnuData.Menu()->setSeparatorsCollapsible(false);

    // Shown by the chart run once a chart exists.
    mnuInputData.SetVisible(false);
    mnuData.SetVisible(false);
    mnuWheels.SetVisible(false);

    // Reports that the menus never offer.
    for (MenuItem* item : {&mnuDataMagiCouple, &mnuDataMagiNatal, &mnuGrids, &mnuDataNatal7Steps}) {
        item->SetVisible(false);
        item->SetEnabled(false);
    }
}

std::array<MenuItem*, 10> MainMenu::HouseItems() {
    return {nullptr,           &mnuHousePlacidus, &mnuHouseRegiomontanus, &mnuHouseKoch,     &mnuHouseCampanus,
            &mnuHousePorphyry, &mnuHouseEqualAsc, &mnuHouseEqualMC,       &mnuHouseMeridian, &mnuHouseMorinus};
}

std::array<MainMenu::HelpTopic, 23> MainMenu::HelpTopics() {
    return {{{&mnuMainMenuHelp, "\\TANDRELL.HLP"},
             {&mnuDataNatalTransitsHelp, "\\TRANSITS.HLP"},
             {&mnuDataNatalCosmodynesHelp, "\\COSMODYN.HLP"},
             {&mnuPhilosophyHelp, "\\PHILO.HLP"},
             {&mnuHelpInputD, "\\INPUTD.HLP"},
             {&mnuHelpInputD1, "\\INPUTD1.HLP"},
             {&mnuHelpNames, "\\NAMES.HLP"},
             {&mnuHelpCities, "\\GEOGRAPH.HLP"},
             {&mnuHelpOptions, "\\OPTIONS.HLP"},
             {&mnuHelpOutputD1, "\\OUTPUTD1.HLP"},
             {&mnuHelpWheels, "\\WHEELS.HLP"},
             {&mnuHelpNameedit, "\\NAMEEDIT.HLP"},
             {&mnuHelpLongLat, "\\LONGLAT.HLP"},
             {&mnuHelpSelect, "\\SELECT.HLP"},
             {&mnuHelpPrntfile, "\\PRNTFILE.HLP"},
             {&mnuHelpParams, "\\PARAMS.HLP"},
             {&mnuHintsHow, "\\HOW_DO_I.HLP"},
             {&mnuHintsReadingList, "\\READING.HLP"},
             {&mnuHintsTips, "\\TIPS.HLP"},
             {&mnuHelpUpgrades, "\\UPGRADES.HLP"},
             {&mnuShortcutKeys, "\\SHORTCUT.HLP"},
             {&mnuHelpLicense, "\\LICENSE.HLP"},
             {&mnuHelpRevisions, "\\REVISION.HLP"}}};
}
