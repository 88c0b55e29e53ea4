#pragma once
// The main window's menu bar: File, Input, Houses, Data, Wheels, Options and
// Help, with every caption and shortcut key. Input, Data and Wheels start
// hidden; the chart run shows them once a chart exists. Items whose work is
// not built yet start disabled.
#include <QAction>
#include <QMenu>
#include <array>

#include "platform/ui/menu_item.h"

class QMenuBar;

class MainMenu {
public:
    explicit MainMenu(QMenuBar* bar);
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    // File
    MenuItem mnuFile;
    MenuItem mnuFileExit;
    // Input (an item of the bar itself)
    MenuItem mnuInputData;
    // Houses
    MenuItem mnuHouseSystem;
    MenuItem mnuHousePlacidus;
    MenuItem mnuHouseRegiomontanus;
    MenuItem mnuHouseKoch;
    MenuItem mnuHouseCampanus;
    MenuItem mnuHousePorphyry;
    MenuItem mnuHouseEqualAsc;
    MenuItem mnuHouseEqualMC;
    MenuItem mnuHouseMeridian;
    MenuItem mnuHouseMorinus;
    // Data
    MenuItem mnuData;
    MenuItem mnuDataNatal;
    MenuItem mnuDataNatalData;
    MenuItem mnuDataNatalAspects;
    MenuItem mnuCoLAspects;
    MenuItem mnuDataCosmodynes;
    MenuItem mnuDataTransits;
    MenuItem mnuDataTransitData;
    MenuItem mnuDataTransitsAspectstoNatal;
    MenuItem mnuDataTransitAspectsToTransits;
    MenuItem mnuDataTransitCosmodynes;
    MenuItem mnuDataTransitCosmodynesAspects;
    MenuItem mnuDataComposite;
    MenuItem mnuDataCompositeDC;
    MenuItem mnuDataVZ_DC;
    MenuItem mnuDataSeparator1;
    // Kept hidden and disabled: reports that no menu state ever offers.
    MenuItem mnuDataMagiCouple;
    MenuItem mnuDataMagiNatal;
    MenuItem mnuGrids;
    MenuItem mnuDataNatal7Steps;
    MenuItem mnuDataSeparator2;
    MenuItem mnuDataInterchartAspects;
    MenuItem mnuDataAnalysis;
    // Wheels
    MenuItem mnuWheels;
    MenuItem mnuWheelsSingleNatal;
    MenuItem mnuWheelsSingleNatalMagi;
    MenuItem mnuWheelsSingleTransits;
    MenuItem mnuWheelsSingleComposite;
    MenuItem mnuWheelsSingleVenusZodiac;
    MenuItem mnuWheelsSeparator1;
    MenuItem mnuWheelsDualNatTran;
    MenuItem mnuWheelsDualNatTranMagi;
    MenuItem mnuWheelsDualNatTran_Venus;
    MenuItem mnuWheelsSeparator2;
    MenuItem mnuWheelsAstroLine;
    // Options (an item of the bar itself)
    MenuItem mnuOptions;
    // Help
    MenuItem mnuHelp;
    MenuItem mnuHelpTipoftheDay;
    MenuItem mnuHelpTANDRELL;
    MenuItem mnuMainMenuHelp;
    MenuItem mnuDataNatalTransitsHelp;
    MenuItem mnuDataNatalCosmodynesHelp;
    MenuItem mnuPhilosophyHelp;
    MenuItem mnuHelpSeparator1;
    MenuItem mnuHelpInputD;
    MenuItem mnuHelpInputD1;
    MenuItem mnuHelpNames;
    MenuItem mnuHelpCities;
    MenuItem mnuHelpOptions;
    MenuItem mnuHelpOutputD1;
    MenuItem mnuHelpWheels;
    MenuItem mnuHelpNameedit;
    MenuItem mnuHelpLongLat;
    MenuItem mnuHelpSelect;
    MenuItem mnuHelpPrntfile;
    MenuItem mnuHelpParams;
    MenuItem mnuHelpSeparator2;
    MenuItem mnuHelpHints;
    MenuItem mnuHintsHow;
    MenuItem mnuHintsReadingList;
    MenuItem mnuHintsTips;
    MenuItem mnuHelpUpgrades;
    MenuItem mnuShortcutKeys;
    MenuItem mnuHelpLicense;
    MenuItem mnuHelpSeparator3;
    MenuItem mnuHelpRevisions;
    MenuItem mnuHelpAbout;

    // The nine house items by the house-system number of option 27:
    // 1 Placidus, 2 Regiomontanus, 3 Koch, 4 Campanus, 5 Porphyry,
    // 6 Equal - Asc, 7 Equal - MC, 8 Meridian, 9 Morinus (slot 0 unused).
    std::array<MenuItem*, 10> HouseItems();

    struct HelpTopic {
        MenuItem* item;
        const char* file;  // with its leading backslash, as HelpFileName holds it
    };
    // Every help item that lists a topic file, in menu order.
    std::array<HelpTopic, 23> HelpTopics();
};
