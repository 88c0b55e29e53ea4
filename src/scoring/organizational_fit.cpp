#include "scoring/organizational_fit.h"

#include <cmath>
#include <string>
#include <vector>

#include "app/constant_tables.h"
#include "app/options_file.h"
#include "platform/dates.h"
#include "platform/drawing_surface.h"
#include "platform/numbers.h"
#include "platform/text_file.h"
#include "program_state.h"

namespace {

constexpr double kColumnWidth = 6.5 / 7;
constexpr double kLabelY = 4.375;
constexpr double kSignY = 4.8125;
constexpr double kAspectsY = 5.25;

// One column of the table: its body (slot number), the x of its body
// label, and its department labels, the first at (x, y), each further one
// on the next line at its own x.
struct FitColumn {
    int body;
    const char* label;
    double labelX;
    double departmentY;
    struct Label {
        double x;
        const char* text;
    };
    std::array<Label, 4> departments;  // text nullptr where the stack ends
};

const std::array<FitColumn, 7> kColumns = {{
    {1, "Sun", 1.365625, 3.875, {{{1.1875, "Executive"}}}},
    {2, "Mercury", 2.164, 3.875, {{{2.0125, "Communica-"}, {2.25, "tions"}}}},
    {5, "Jupiter", 3.153, 3.875, {{{3.0375, "Expansion"}}}},
    {3, "Venus", 4.0725, 3.875, {{{4.0, "Treasury/"}, {4.0625, "Energy"}}}},
    {10, "Moon", 5.0125, 3.875, {{{4.875, "Production"}}}},
    {6, "Saturn", 5.921875, 3.875, {{{5.8875, "Quality"}, {5.8875, "Control"}}}},
    {4, "Mars", 6.89, 3.625, {{{6.875, "Public"}, {6.75, "Contact &"}, {6.81, "Service/"}, {6.9, "Sales"}}}},
}};

// The aspects listed, in the order the passes list them.
constexpr int kPassCodes[] = {5, 3, 4, 6, 2};

// Where the contents of column c start: just right of its left border.
double ColumnX(int c) { return 1.0675 + c * kColumnWidth; }
double BorderX(int c) { return 1 + c * kColumnWidth; }

void SetFont(DrawingSurface& s, double size, bool bold) {
    s.SetFontSize(size);
    s.SetFontBold(bold);
}

void PrintAt(DrawingSurface& s, double x, double y, const std::string& text) {
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    s.Print(text);
}

// Prints on the line below the last text, at x.
void PrintBelow(DrawingSurface& s, double x, const std::string& text) {
    s.SetCurrentX(x);
    s.Print(text);
}

void PrintCentred(DrawingSurface& s, double y, const std::string& text) {
    PrintAt(s, (s.ScaleWidth() - s.TextWidth(text)) / 2, y, text);
}

// The natal data line under the name: date, zone, time, latitude and
// longitude, the last two without sign and with their direction.
std::string DataLine(const ProgramState& ps) {
    const ChartState& cs = ps.chart;
    const std::string gap(8, ' ');
    return FormatDateText(cs.NatalDateText, "dd mmm yyyy", ps.settings.DateOrder) + gap + "TZ = " +
           Format(cs.NatalZone, "##0.0") + gap + Format(cs.NatalTime, "#0.00") + " " + cs.NatalAmPm + gap +
           Format(std::fabs(cs.NatalLatitude), "##0.00") + " " + cs.NatalNorthSouth + std::string(6, ' ') +
           Format(std::fabs(cs.NatalLongitude), "##0.00") + " " + cs.NatalEastWest;
}

void DrawTitleBlock(const ProgramState& ps, DrawingSurface& s) {
    SetFont(s, 16, true);
    PrintCentred(s, 1, "Organizational Fit Analysis");
    SetFont(s, 14, true);
    PrintCentred(s, 1.35, "(Based Upon Natal Assets)");
    SetFont(s, 12, true);
    PrintAt(s, 1, 2, ps.chart.ChartName);
    SetFont(s, 10, false);
    PrintBelow(s, 1, DataLine(ps));
}

void DrawGrid(DrawingSurface& s) {
    s.Line(1, 3, 7.5, 3);
    s.Line(1, 3.5, 7.5, 3.5);
    s.Line(1, 4.75, 7.5, 4.75);
    s.Line(1, 6.75, 7.5, 6.75);
    s.Line(1, 3, 1, 6.75);
    s.Line(BorderX(3), 3, BorderX(3), 6.75);
    s.Line(7.5, 3, 7.5, 6.75);
    for (int c : {1, 2, 4, 5, 6}) s.Line(BorderX(c), 3.5, BorderX(c), 6.75);
}

void DrawLabels(DrawingSurface& s) {
    SetFont(s, 12, true);
    PrintAt(s, 1.8, 3.125, "Establishment");
    PrintAt(s, 5.14, 3.125, "Organization");
    SetFont(s, 9, true);
    for (const FitColumn& column : kColumns) {
        s.SetCurrentY(column.departmentY);
        for (const FitColumn::Label& label : column.departments)
            if (label.text != nullptr) PrintBelow(s, label.x, label.text);
    }
    for (const FitColumn& column : kColumns) PrintAt(s, column.labelX, kLabelY, column.label);
    SetFont(s, 12, true);
    PrintAt(s, 1, 7, "Notes:");
}

// The house text of a body: the ordinal of its house and " HOUSE" ("1ST
// HOUSE", "10TH HOUSE"). The house string carries only the house number,
// in the first two characters of the body's field; the ordinals stand
// tenth house first. A field without a house (no chart placed yet) is
// printed as it stands, less its leading blanks.
std::string HouseText(const ChartState& cs, int body) {
    const std::string field = TableField(cs.HouseStringA, 10, body);
    const int house = static_cast<int>(Val(field.substr(0, 2)));
    if (house >= 1 && house <= 12) {
        const std::string ordinal = TableField(cs.HouseOrdinals, 4, (house + 2) % 12 + 1);
        return ordinal.substr(ordinal.find_first_not_of(' ')) + " HOUSE";
    }
    const size_t first = field.find_first_not_of(' ');
    return first == std::string::npos ? "" : field.substr(first);
}

void DrawSignsAndHouses(const ProgramState& ps, DrawingSurface& s) {
    SetFont(s, 8, false);
    for (int c = 0; c < 7; ++c) {
        const int body = kColumns[c].body;
        // The sign as the longitude splitter finds it, from the whole degrees.
        const int sign = static_cast<int>(Int(Int(ps.chart.NatalLongitudes[body]) / 30)) + 1;
        PrintAt(s, ColumnX(c), kSignY, TableField(ps.settings.SignAbbrevs, 3, sign));
        PrintBelow(s, ColumnX(c), HouseText(ps.chart, body));
    }
}

void DrawAspectLists(const ProgramState& ps, DrawingSurface& s, const FitOrbs& orbs) {
    const auto& longitudes = ps.chart.NatalLongitudes;
    for (int c = 0; c < 7; ++c) {
        const int body = kColumns[c].body;
        s.SetCurrentY(kAspectsY);
        for (int pass : kPassCodes) {
            for (int j = 1; j <= 10; ++j) {
                if (j == body || FitAspectCode(longitudes[body], longitudes[j], orbs) != pass) continue;
                PrintBelow(s, ColumnX(c),
                           TableField(ps.settings.AspectNames, 12, pass).substr(0, 9) + " " +
                               TableField(ps.settings.BodyNames, 10, j).substr(0, 3));
            }
        }
    }
}

}  // namespace

bool ReadFitOrbs(const ProgramState& ps, FitOrbs& orbs) {
    const std::string path = JoinPath(ps.settings.AppPath, "NATAL.ORB");
    const auto lines = ReadTextLines(path);
    if (!lines) {
        ReportFileNotFound(path);
        return false;
    }
    orbs = ps.settings.OrbValues;
    const NumberLines read = ReadNumberLines(*lines, static_cast<int>(orbs.size()) - 1);
    for (size_t k = 0; k < read.Numbers.size(); ++k) orbs[k + 1] = read.Numbers[k];
    ReportTooLarge(path, read.TooLarge, "Such an orb counts as 0.");
    return true;
}

int FitAspectCode(double longitudeA, double longitudeB, const FitOrbs& orbs) {
    double separation = std::fabs(longitudeA - longitudeB);
    if (separation > 180) separation = 360 - separation;
    const float d = static_cast<float>(separation);
    // Each bound is a single-precision value, as the orbs are.
    const auto within = [d](float centre, float orb) {
        const float low = centre - orb;
        const float high = centre + orb;
        return d >= low && d <= high;
    };
    int code = 1;
    if (within(60, orbs[2])) code = 3;
    if (within(90, orbs[3])) code = 4;
    if (within(120, orbs[4])) code = 5;
    if (d >= 180.0f - orbs[5]) code = 6;
    if (d <= orbs[1]) code = 2;
    return code;
}

void DrawOrganizationalFit(const ProgramState& ps, DrawingSurface& surface, const FitOrbs& orbs) {
    DrawingSurface& s = surface;
    s.SetScaleMode(ScaleUnit::Inches);
    s.Scale(0, 0, 8.5, 11.5);
    s.SetFontName("Times New Roman");
    s.SetForeColor(0);
    s.SetFontTransparent(true);
    DrawTitleBlock(ps, s);
    DrawGrid(s);
    DrawLabels(s);
    DrawSignsAndHouses(ps, s);
    DrawAspectLists(ps, s, orbs);
}
