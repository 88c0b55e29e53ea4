#include "people/names_file.h"

#include "people/comma_fields.h"
#include "platform/dialogs.h"
#include "platform/text_file.h"

const char* const kNamesFileError =
    "You have an error in the current names file. You need to check and see if "
    "you have entered the data correctly and in the proper amount. Please correct the data by "
    "clicking on the Edit this List command button in the Names window and edit the incorrect data.";

bool EveryLineIsWholeRecord(const std::vector<std::string>& lines) {
    for (const auto& line : lines)
        if (!TrimBlanks(line).empty() && !ParseNameRecordLine(line)) return false;
    return true;
}

std::vector<NamesFileEntry> ParseNamesFile(const std::vector<std::string>& lines) {
    std::vector<NamesFileEntry> out;
    out.reserve(lines.size());
    for (const auto& line : lines) {
        NamesFileEntry e;
        e.RawLine = line;
        if (auto rec = ParseNameRecordLine(line)) {
            e.IsRecord = true;
            e.Record = std::move(*rec);
        }
        out.push_back(std::move(e));
    }
    return out;
}

NamesReadResult ReadNamesRecords(const std::vector<std::string>& lines) {
    NamesReadResult result;
    CommaFieldStream in(lines);
    while (!in.AtEnd()) {
        NameRecord r;
        in.Next(r.Name);
        std::string* rest[] = {&r.Date, &r.Time, &r.AmPm, &r.TimeZone, &r.Longitude, &r.Latitude, &r.Email};
        for (std::string* field : rest) {
            if (!in.Next(*field)) {
                result.Incomplete = true;
                return result;
            }
        }
        // Fields come with their blanks trimmed: a blank name reads as empty.
        if (!r.Name.empty()) result.Records.push_back(std::move(r));
    }
    return result;
}

std::string DefaultNamesFilePath(const std::string& appPath) { return JoinPath(appPath, "NAMES.FIL"); }

std::vector<std::string> OpenNamesFile(std::string& currentNamesFile, const std::string& appPath) {
    const std::string defaultPath = DefaultNamesFilePath(appPath);
    if (auto lines = ReadTextLines(currentNamesFile.empty() ? defaultPath : currentNamesFile)) return *lines;
    currentNamesFile.clear();
    if (auto lines = ReadTextLines(defaultPath)) return *lines;
    MsgBox("The names file " + PathToText(defaultPath) + " cannot be opened.", MsgButtons::OK, "File Not Found",
           MsgIcon::Critical);
    return {};
}
