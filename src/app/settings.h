#pragma once
// Settings read from the options file, the orb files and the INI file, the
// regional date and clock format, and the constant tables filled at start.
#include <array>
#include <string>

struct Settings {
    // Program folder: every data file is opened inside it.
    std::string AppPath;

    // Options 1..286 (slot 0 unused), single precision as stored.
    std::array<float, 287> OptionValues{};
    // Orbs 1..17 of the current orb file (slot 0 unused).
    std::array<float, 18> OrbValues{};
    std::string CurrentOrbFile;
    // The file the file chooser returned; "" when it was cancelled.
    std::string ChosenFile;
    // 1 once the start-up notice's OK has been pressed.
    int TitleAcknowledged = 0;

    // Regional date order (0 m-d-y, 1 d-m-y, 2 y-m-d) and clock (0 12-hour, 1 24-hour).
    int DateOrder = 0;
    int TimeFormat = 0;

    // --- INI file values
    // Report window font.
    double OutputFontSize = 10;
    double OutputFontBold = 0;    // -1 true, 0 false
    double OutputFontItalic = 0;  // -1 true, 0 false
    std::string OutputFontName = "COURIER NEW";
    // Main window place and size in twips; the window keeps them in step.
    int MainWindowTop = 0;
    int MainWindowLeft = 0;
    int MainWindowHeight = 675;
    int MainWindowWidth = 8550;
    // Report window place and size in twips. Held in full integers so that
    // places on large screens (beyond 32767 twips) are kept as they are.
    int OutputWindowTop = 660;
    int OutputWindowLeft = 0;
    int OutputWindowHeight = 6540;
    int OutputWindowWidth = 9600;
    // Current names and cities files, and the atlas folder ("" when not set).
    std::string CurrentNamesFile;
    std::string CurrentCitiesFile;
    std::string AtlasDir;
    // Wheel start scale and chart style (0 American, 1 European).
    int StartScale = 287;
    int ChartStyle = 0;

    // --- constant tables filled at start
    // Fixed-width name tables, sliced by position (see TableField).
    std::string BodyNames;       // 10 per body 1..15
    std::string SignAbbrevs;     // 3 per sign 1..12
    std::string AspectNames;     // 12 per aspect code 1..16
    std::string RelBodyNames;    // 7 per relationship body 0..10 (field k + 1)
    std::string RelAspectNames;  // 14 per aspect-cube index 0..8 (field k + 1)
    std::array<std::string, 16> PlanetNames{};  // 1..15
    std::array<int, 17> AspectAngles{};         // aspect codes 2..16
    // Base value and step of a body's house-position power, houses 1..12.
    std::array<float, 13> HouseBase{};
    std::array<float, 13> HouseStep{};
    // Wheel ring tables by house 1..12.
    std::array<int, 13> RingTable1{};
    std::array<int, 13> RingTable2{};
    std::array<int, 13> RingTable3{};
    std::array<int, 13> RingTable4{};
    // Screen-size row chosen at start.
    int ScreenPixelWidth = 0;
    double ScreenWidthPx = 1024;
    double ScreenHeightPx = 768;
    double WheelWindowWidth = 10970;
    double WheelWindowHeight = 9204;
    double ScreenFactor = 1.2;

    // --- main window
    // The main window's font as noted at start, given back at exit.
    std::string MainFontName;
    double MainFontSize = 0;
    std::string NewLine = "\r\n";

    // --- further settings
};
