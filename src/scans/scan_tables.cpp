#include "scans/scan_tables.h"

#include "app/number_padding.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/text_file.h"
#include "program_state.h"

namespace {

const char* const kBestDaysHeader =
    "Best Days for You According to Cosmodynes, Sun Power, Sun Harmony, Mercury Power, Mercury Harmony, "
    "Venus Power, Venus Harmony, Mars Power, Mars Harmony, Jupiter Power, Jupiter Harmony, Saturn Power, "
    "Saturn Harmony, Uranus Power, Uranus Harmony, Neptune Power, Neptune Harmony, Pluto Power, Pluto Harmony, "
    "Moon Power, Moon Harmony, Ascendant Power, Ascendant Harmony, MC Power, MC Harmony";

const char* const kBdfyHeader =
    "Date, Best Days for You According to Dual Cosmodynes, Sun Power, Rank, Sun Harmony, Rank, Mercury Power, "
    "Rank, Mercury Harmony, Rank, Venus Power, Rank, Venus Harmony, Rank, Mars Power, Rank, Mars Harmony, Rank, "
    "Jupiter Power, Rank, Jupiter Harmony, Rank, Saturn Power, Rank, Saturn Harmony, Rank, Uranus Power, Rank, "
    "Uranus Harmony, Rank, Neptune Power, Rank, Neptune Harmony, Rank, Pluto Power, Rank, Pluto Harmony, Rank, "
    "Moon Power, Rank, Moon Harmony, Rank";

// A number under a mask with "." as its point.
std::string FilePoints(std::string text);

std::string FileNumber(float v, const char* mask) { return FilePoints(Format(v, mask)); }

// A text whose numbers carry the regional point, with "." instead.
std::string FilePoints(std::string text) {
    const char sep = DecimalSeparator();
    for (char& c : text)
        if (c == sep) c = '.';
    return text;
}

}  // namespace

std::string BestDaysTableText(const ScanState& s, int count) {
    std::string text = std::string(kBestDaysHeader) + "\r\n";
    const std::array<float, 24> zeros{};
    for (int k = 0; k < count; ++k) {
        text += k < static_cast<int>(s.BatchLines.size()) ? s.BatchLines[k] : std::string();
        const auto& values = k < static_cast<int>(s.DayBodyDynes.size()) ? s.DayBodyDynes[k] : zeros;
        for (float v : values) text += ", " + FileNumber(v, "0.00");
        text += "\r\n";
    }
    return text;
}

std::string BdfyTableText(const ScanState& s, int days) {
    std::string text = std::string(kBdfyHeader) + "\r\n";
    const int stored = static_cast<int>(std::min(s.DayLines.size(), s.DayValues.size()));
    for (int d = 0; d < days && d < stored; ++d) {
        const auto& lines = s.DayLines[d];
        const auto& values = s.DayValues[d];
        text += lines[0] + ", " + FilePoints(lines[1]) + "   " + FilePoints(lines[2]);
        for (int k = 1; k <= 10; ++k) {
            text += ", " + FileNumber(values[0][k], "0.00");
            text += ", " + PadNumber2(FileNumber(values[1][k], "#0"));
            text += ", " + FileNumber(values[2][k], "0.00");
            text += ", " + PadNumber2(FileNumber(values[3][k], "#0"));
        }
        text += "\r\n";
    }
    return text;
}

bool WriteScanTable(const ProgramState& ps, const std::string& fileName, const std::string& text) {
    if (WriteFileBytes(JoinPath(ps.settings.AppPath, fileName), text)) return true;
    MsgBox("The file " + fileName + " cannot be written.", MsgButtons::OK, "Error!", MsgIcon::Critical);
    return false;
}
