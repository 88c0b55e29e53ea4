#include "app/constant_tables.h"

#include <cmath>

#include "platform/numbers.h"
#include "platform/text_file.h"
#include "program_state.h"

namespace {

std::string PadTo(const std::string& text, size_t width) {
    std::string out = text;
    out.resize(width, ' ');
    return out;
}

template <typename T, size_t N>
void FillHouses(std::array<T, 13>& table, const T (&values)[N]) {
    static_assert(N == 12);
    table[0] = 0;
    for (size_t h = 1; h <= 12; ++h) table[h] = values[h - 1];
}

}  // namespace

std::string TableField(const std::string& table, int width, int field) {
    const size_t start = static_cast<size_t>((field - 1) * width);
    std::string out = start < table.size() ? table.substr(start, static_cast<size_t>(width)) : std::string();
    out.resize(static_cast<size_t>(width), ' ');
    return out;
}

void FillNameTables(Settings& s) {
    s.BodyNames =
        "SUN       MERCURY   VENUS     MARS      JUPITER   SATURN    URANUS    NEPTUNE   "
        "PLUTO     MOON      N. NODE   S. NODE   CHIRON    ASC       MC        ";
    s.SignAbbrevs = "ARITAUGEMCANLEOVIRLIBSCOSAGCPRAQUPIS";

    static const char* const kAspects[] = {"",         "conjunct", "sextile",   "square",     "trine",
                                           "opposite", "PARALLEL", "s.sextile", "s.square",   "ses.square",
                                           "quincunx", "s.quintile", "nonagen", "quintile",   "trecile",
                                           "bi-quintile"};
    s.AspectNames.clear();
    for (const char* name : kAspects) s.AspectNames += PadTo(name, 12);

    s.RelBodyNames = "ASC    SUN    MOON   MERCURYVENUS  MARS   JUPITERSATURN URANUS NEPTUNEPLUTO  ";
    s.RelAspectNames =
        "conjunct      semi-sextile  semi-square   sextile       square        trine         "
        "sesquiquadratequincunx      opposite      ";

    s.PlanetNames = {"",        "SUN",     "MERCURY", "VENUS",   "MARS",    "JUPITER", "SATURN", "URANUS",
                     "NEPTUNE", "PLUTO",   "MOON",    "N. NODE", "S. NODE", "CHIRON",  "ASC",    "MC "};

    s.AspectAngles = {0, 0, 0, 60, 90, 120, 180, 0, 30, 45, 135, 150, 36, 40, 72, 108, 144};
}

void FillConstantTables(ProgramState& ps) {
    Settings& s = ps.settings;
    s.CurrentOrbFile = JoinPath(s.AppPath, "NATAL.ORB");
    ps.output.ReportSaveFile.clear();
    s.OutputFontName = "COURIER NEW";

    FillNameTables(s);

    FillHouses(s.HouseBase, {15.0f, 8.5f, 8.0f, 14.0f, 7.5f, 7.0f, 14.5f, 10.9f, 10.0f, 15.0f, 11.9f, 9.3f});
    FillHouses(s.HouseStep, {2.0f, 0.5f, 0.5f, 2.0f, 0.5f, 0.5f, 2.0f, 0.9f, 0.7f, 2.0f, 1.0f, 0.7f});

    FillHouses(s.RingTable1, {180, 209, 240, 272, 304, 335, 4, 34, 65, 95, 124, 153});
    FillHouses(s.RingTable2, {217, 212, 201, 196, 194, 197, 199, 202, 206, 208, 212, 217});
    FillHouses(s.RingTable3, {181, 209, 240, 273, 306, 337, 7, 37, 68, 96, 126, 154});
    FillHouses(s.RingTable4, {138, 130, 123, 119, 120, 121, 126, 126, 129, 132, 137, 139});
}

void ChooseScreenSize(Settings& s, double screenWidthTwips, double twipsPerPixelX) {
    s.ScreenPixelWidth = twipsPerPixelX > 0 ? CInt(screenWidthTwips / twipsPerPixelX) : 0;
    if (s.ScreenPixelWidth == 640) {
        s.ScreenWidthPx = 640, s.ScreenHeightPx = 480;
        s.WheelWindowWidth = 8490, s.WheelWindowHeight = 7200, s.ScreenFactor = 1.5;
    } else if (s.ScreenPixelWidth == 800) {
        s.ScreenWidthPx = 800, s.ScreenHeightPx = 600;
        s.WheelWindowWidth = 10725, s.WheelWindowHeight = 8940, s.ScreenFactor = 1.5;
        if (twipsPerPixelX == 12) s.WheelWindowWidth = 8400, s.WheelWindowHeight = 7200, s.ScreenFactor = 1.2;
    } else {
        s.ScreenWidthPx = 1024, s.ScreenHeightPx = 768;
        s.WheelWindowWidth = 10970, s.WheelWindowHeight = 9204, s.ScreenFactor = 1.2;
        if (twipsPerPixelX == 15) s.WheelWindowWidth = 14050, s.WheelWindowHeight = 11505, s.ScreenFactor = 1.5;
    }
}
