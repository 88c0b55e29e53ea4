#include "app/settings_file.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include "app/settings.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/text_file.h"

namespace {

const char* const kHeader = "[TANDRELL] - Do NOT change the order of these variables.";

// Rounds to the nearest whole number (halves to even) and keeps the result
// within the range of int, so no stored value can overflow.
int RoundToInt(double v) {
    if (std::isnan(v)) return 0;
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    if (v <= lo) return std::numeric_limits<int>::min();
    if (v >= hi) return std::numeric_limits<int>::max();
    return CInt(v);
}

// A font flag as read: any non-zero value is set. A number too large to be
// written back ("1e999") is kept as -1, so the flag is still set after the
// next save and start.
double FlagValue(double v) { return std::isfinite(v) ? v : -1; }

// True when the line starts with the key's name (the text before "="),
// compared case-sensitively.
bool MatchesKey(const std::string& line, const char* key) {
    const std::string name(key);
    return line.compare(0, name.size(), name) == 0;
}

}  // namespace

std::string SettingsFilePath(const Settings& s) { return JoinPath(s.AppPath, "TANDRELL.INI"); }

std::string SignedNumberText(double value) { return Str(value); }

void LoadSettings(Settings& s) {
    s.OutputFontSize = 10;
    s.OutputFontBold = 0;
    s.OutputFontItalic = 0;
    s.MainWindowTop = 0;
    s.MainWindowLeft = 0;
    s.MainWindowHeight = 675;
    s.MainWindowWidth = 8550;
    s.OutputWindowTop = 660;
    s.OutputWindowLeft = 0;
    s.OutputWindowHeight = 6540;
    // Wide enough for a page of 82 columns at the default font.
    s.OutputWindowWidth = 10800;
    s.CurrentNamesFile = JoinPath(s.AppPath, "NAMES.FIL");
    s.CurrentCitiesFile = JoinPath(s.AppPath, "GA_MA.LL");
    s.StartScale = 287;
    s.ChartStyle = 0;

    const auto lines = ReadTextLines(SettingsFilePath(s));
    if (!lines) return;
    for (const std::string& line : *lines) {
        const size_t eq = line.find('=');
        const std::string value = eq == std::string::npos ? line : line.substr(eq + 1);
        const double v = Val(value);
        if (MatchesKey(line, "FontSize")) {
            if (v >= 7.75 && std::isfinite(v)) s.OutputFontSize = v;
        } else if (MatchesKey(line, "FontBold")) {
            s.OutputFontBold = FlagValue(v);
        } else if (MatchesKey(line, "FontItalic")) {
            s.OutputFontItalic = FlagValue(v);
        } else if (MatchesKey(line, "TANDRELLTop")) {
            s.MainWindowTop = RoundToInt(v);
        } else if (MatchesKey(line, "TANDRELLLeft")) {
            s.MainWindowLeft = RoundToInt(v);
        } else if (MatchesKey(line, "TANDRELLHeight")) {
            if (v > 0) s.MainWindowHeight = RoundToInt(v);
        } else if (MatchesKey(line, "TANDRELLWidth")) {
            if (v > 0) s.MainWindowWidth = RoundToInt(v);
        } else if (MatchesKey(line, "DataTop")) {
            if (v > 0) s.OutputWindowTop = RoundToInt(v);
        } else if (MatchesKey(line, "DataLeft")) {
            s.OutputWindowLeft = RoundToInt(v);
        } else if (MatchesKey(line, "DataHeight")) {
            if (v > 0) s.OutputWindowHeight = RoundToInt(v);
        } else if (MatchesKey(line, "DataWidth")) {
            if (v > 0) s.OutputWindowWidth = RoundToInt(v);
        } else if (MatchesKey(line, "DataFile")) {
            if (!value.empty()) s.CurrentNamesFile = TextToPath(value);
        } else if (MatchesKey(line, "GeoDataFile")) {
            if (!value.empty()) s.CurrentCitiesFile = TextToPath(value);
        } else if (MatchesKey(line, "AtlasDir")) {
            if (!value.empty()) s.AtlasDir = TextToPath(value);
        } else if (MatchesKey(line, "StartScale")) {
            s.StartScale = RoundToInt(v);
        } else if (MatchesKey(line, "TypeChart")) {
            s.ChartStyle = RoundToInt(v);
        }
    }
}

bool SaveSettings(const Settings& s) {
    std::vector<std::string> lines{
        kHeader,
        "FontSize=" + SignedNumberText(s.OutputFontSize),
        "FontBold=" + SignedNumberText(s.OutputFontBold),
        "FontItalic=" + SignedNumberText(s.OutputFontItalic),
        "TANDRELLTop=" + SignedNumberText(s.MainWindowTop),
        "TANDRELLLeft=" + SignedNumberText(s.MainWindowLeft),
        "TANDRELLHeight=" + SignedNumberText(s.MainWindowHeight),
        "TANDRELLWidth=" + SignedNumberText(s.MainWindowWidth),
        "DataTop=" + SignedNumberText(s.OutputWindowTop),
        "DataLeft=" + SignedNumberText(s.OutputWindowLeft),
        "DataHeight=" + SignedNumberText(s.OutputWindowHeight),
        "DataWidth=" + SignedNumberText(s.OutputWindowWidth),
        "DataFile=" + PathToText(s.CurrentNamesFile),
        "GeoDataFile=" + PathToText(s.CurrentCitiesFile),
    };
    if (!s.AtlasDir.empty()) lines.push_back("AtlasDir=" + PathToText(s.AtlasDir));
    lines.push_back("StartScale=" + SignedNumberText(s.StartScale));
    lines.push_back("TypeChart=" + SignedNumberText(s.ChartStyle));

    const std::string path = SettingsFilePath(s);
    if (WriteTextLines(path, lines)) return true;
    MsgBox("The settings could not be written to " + PathToText(path) + ". They will not be kept for the next start.",
           MsgButtons::OK, "Warning!", MsgIcon::Exclamation);
    return false;
}
