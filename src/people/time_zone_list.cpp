#include "people/time_zone_list.h"

#include "people/comma_fields.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/text_file.h"

namespace {

// Blanks put before a formatted number so that whole parts line up.
std::string SignedNumberPadding(const std::string& text) {
    if (text.rfind("-0,", 0) == 0) return "  ";
    const double v = Val(text);
    if (v >= 100) return " ";
    if (v >= 10) return "  ";
    if (v >= 0) return "   ";
    if (v > -10) return "  ";
    if (v > -100) return " ";
    return "";
}

}  // namespace

TimeZoneReadResult ReadTimeZoneRecords(const std::vector<std::string>& lines) {
    TimeZoneReadResult result;
    CommaFieldStream in(lines);
    while (!in.AtEnd()) {
        TimeZoneRecord r;
        in.Next(r.Name);
        if (r.Name.size() > 32 || !in.Next(r.Abbreviation) || r.Abbreviation.size() > 4 || !in.Next(r.Hours)) {
            result.Corrupt = true;
            return result;
        }
        if (!r.Name.empty()) result.Records.push_back(std::move(r));
    }
    return result;
}

std::vector<TimeZoneRecord> LoadTimeZoneFile(const std::string& appPath) {
    const std::string path = JoinPath(appPath, "TZ.DAT");
    const auto lines = ReadTextLines(path);
    if (!lines) {
        MsgBox("The file " + PathToText(path) + " cannot be opened.", MsgButtons::OK, "File Not Found",
               MsgIcon::Critical);
        return {};
    }
    auto result = ReadTimeZoneRecords(*lines);
    if (result.Corrupt) MsgBox("The file TZ.DAT is corrupt.", MsgButtons::OK, "Error!", MsgIcon::Critical);
    return std::move(result.Records);
}

std::string TimeZoneListLine(const TimeZoneRecord& r) {
    std::string line = r.Name;
    if (line.size() < 32) line.append(32 - line.size(), ' ');
    line += " - ";
    if (r.Abbreviation.size() < 4) line.append(4 - r.Abbreviation.size(), ' ');
    line += r.Abbreviation;
    line += " =";
    line += SignedNumberPadding(r.Hours) + r.Hours;
    return line;
}

std::optional<size_t> FindTimeZone(const std::vector<TimeZoneRecord>& records, const std::string& listLine) {
    const size_t dash = listLine.find('-');
    if (dash == std::string::npos || dash < 1) return std::nullopt;
    std::string key = listLine.substr(0, dash - 1);
    while (!key.empty() && key.back() == ' ') key.pop_back();
    for (size_t i = 0; i < records.size(); ++i)
        if (records[i].Name == key) return i;
    return std::nullopt;
}

TimeZoneChoice ChooseTimeZone(const TimeZoneRecord& r) {
    TimeZoneChoice c;
    c.Hours = Val(r.Hours);
    c.East = c.Hours < 0;
    return c;
}
