#include "people/name_save.h"

#include <QFile>
#include <QString>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

#include "people/comma_fields.h"
#include "people/names_file.h"
#include "platform/dates.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/text_file.h"
#include "program_state.h"

namespace {

const char* const kCRLF = "\r\n";

// The whole text is a number: an optional leading minus, digits, at most one point.
std::optional<double> StrictNumber(const std::string& text) {
    size_t i = 0;
    if (!text.empty() && text[0] == '-') i = 1;
    bool digit = false, point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digit) return std::nullopt;
    return Val(text);
}

// A whole number within lo..hi, or nullopt.
std::optional<int> WholeInRange(const std::string& text, int lo, int hi) {
    const auto v = StrictNumber(text);
    if (!v || *v != std::floor(*v) || *v < lo || *v > hi) return std::nullopt;
    return static_cast<int>(*v);
}

void RefuseComma(const std::string& what) {
    MsgBox("You cannot have a comma in the " + what + ". Please remove the comma and try again.", MsgButtons::OK,
           "Warning!", MsgIcon::Critical);
}

void RefuseCharacter(const std::string& what) {
    MsgBox("You cannot have a character in the " + what +
               " that the names file cannot hold. Please remove or replace that character and try again.",
           MsgButtons::OK, "Warning!", MsgIcon::Critical);
}

void FileError(const std::string& text) { MsgBox(text, MsgButtons::OK, "Error!", MsgIcon::Critical); }

bool AskReplace(const NameRecord& r) {
    const std::string prompt =
        std::string("There is already a name on file matching your current name with the following associated "
                     "data: ") +
        kCRLF + kCRLF + "Date =  " + r.Date + kCRLF + "Time =  " + r.Time + " " + r.AmPm + kCRLF +
        "Time zone =  " + r.TimeZone + kCRLF + "Longitude =  " + r.Longitude + kCRLF + "Latitude =  " + r.Latitude +
        kCRLF + "E-mail address =  " + r.Email + kCRLF + kCRLF + "Do you want to replace it?" + kCRLF + kCRLF +
        "Answering 'NO' will append the current name and data to file, not replace the existing entry.";
    return MsgBox(prompt, MsgButtons::YesNo, r.Name + " already exists", MsgIcon::Question) == MsgResult::Yes;
}

void RemoveFile(const std::string& path) { QFile::remove(QString::fromStdString(path)); }

}  // namespace

std::optional<NameRecord> BuildNameRecord(const NameSaveFields& f) {
    using F = NameSaveFields;
    const std::pair<std::string F::*, const char*> texts[] = {
        {&F::Name, "name"},         {&F::Day, "date"},       {&F::Month, "date"},      {&F::Year, "date"},
        {&F::Hour, "time"},         {&F::Minute, "time"},    {&F::Zone, "time zone"},  {&F::LongDeg, "longitude"},
        {&F::LongMin, "longitude"}, {&F::LatDeg, "latitude"}, {&F::LatMin, "latitude"}, {&F::Email, "e-mail address"}};
    for (const auto& [text, what] : texts) {
        if ((f.*text).find(',') != std::string::npos) {
            RefuseComma(what);
            return std::nullopt;
        }
        // The file would hold '?' in place of the character, and the list would show it so.
        if (std::find(f.NotInCodePage.begin(), f.NotInCodePage.end(), text) != f.NotInCodePage.end()) {
            RefuseCharacter(what);
            return std::nullopt;
        }
    }
    if (TrimBlanks(f.Name).empty()) {
        // A record without a name, or with blanks only, is not shown in the names list.
        MsgBox("You cannot save a person without a name. Please type a name and try again.", MsgButtons::OK,
               "Warning!", MsgIcon::Critical);
        return std::nullopt;
    }
    const auto day = WholeInRange(f.Day, 1, 31), month = WholeInRange(f.Month, 1, 12),
               year = WholeInRange(f.Year, 100, 2099), hour = WholeInRange(f.Hour, 0, 12),
               minute = WholeInRange(f.Minute, 0, 59), longDeg = WholeInRange(f.LongDeg, 0, 180),
               longMin = WholeInRange(f.LongMin, 0, 59), latDeg = WholeInRange(f.LatDeg, 0, 90),
               latMin = WholeInRange(f.LatMin, 0, 59);
    const auto zone = StrictNumber(f.Zone);
    if (!day || !month || !year || !hour || !minute || !longDeg || !longMin || !latDeg || !latMin || !zone ||
        *zone > 12 || *zone < -13 || !IsValidDate(*year, *month, *day)) {
        MsgBox("Error in natal input data section. Please correct.", MsgButtons::OK, "Warning!",
               MsgIcon::Information);
        return std::nullopt;
    }
    NameRecord r;
    r.Name = f.Name;
    r.Date = FormatRecordDate(*day, *month, *year);
    r.Time = FormatNameNumber(*hour + *minute / 100.0, 0);
    r.AmPm = std::string(1, f.AM ? 'A' : 'P');
    r.TimeZone = f.Zone;
    const double lon = *longDeg + *longMin / 100.0;
    r.Longitude = FormatNameNumber(f.West ? lon : -lon, 3);
    const double lat = *latDeg + *latMin / 100.0;
    r.Latitude = FormatNameNumber(f.North ? lat : -lat, 2);
    r.Email = f.Email;
    return r;
}

std::string NamesBackupPath(const std::string& path) {
    if (path.size() < 3) return path + "OLD";
    return path.substr(0, path.size() - 3) + "OLD";
}

SaveOutcome WriteNameRecordToFile(ProgramState& ps, const NameRecord& record, const std::string& path) {
    // Read the whole chosen file first; a file that does not exist yet starts empty.
    std::vector<std::string> oldLines;
    std::optional<std::string> oldBytes;
    if (FileExists(path)) {
        oldBytes = ReadFileBytes(path);
        auto lines = ReadTextLines(path);
        if (!oldBytes || !lines) {
            FileError("Cannot read the file " + PathToText(path) + ". Nothing was saved.");
            return SaveOutcome::Failed;
        }
        oldLines = std::move(*lines);
    }
    // Empty lines at the end hold no one: the new record goes straight after
    // the last person.
    while (!oldLines.empty() && TrimBlanks(oldLines.back()).empty()) oldLines.pop_back();
    // A line that is not a whole record shifts the list's reading: a record
    // added after it would be read with fields of another. The user mends
    // the list first; the file stays as it is.
    if (!EveryLineIsWholeRecord(oldLines)) {
        FileError(kNamesFileError);
        return SaveOutcome::Failed;
    }

    // Copy every line; each record of the same name is asked about separately.
    // Empty lines are copied as they stand.
    const std::string key = UpperCaseText(record.Name);
    std::vector<std::string> newLines;
    for (const auto& entry : ParseNamesFile(oldLines)) {
        if (entry.IsRecord && UpperCaseText(entry.Record.Name) == key) {
            if (AskReplace(entry.Record)) continue;
            newLines.push_back(FormatNameRecord(entry.Record));
        } else {
            newLines.push_back(entry.IsRecord ? FormatNameRecord(entry.Record) : entry.RawLine);
        }
    }
    newLines.push_back(FormatNameRecord(record));

    const std::string scratch = JoinPath(ps.settings.AppPath, "wfyert.hyq");
    if (!WriteTextLines(scratch, newLines)) {
        FileError("Cannot write the file " + PathToText(scratch) + ". The names file was not changed.");
        return SaveOutcome::Failed;
    }

    // Keep the file as it was under the backup name before it is replaced.
    const std::string backup = NamesBackupPath(path);
    if (oldBytes && backup != path) {
        RemoveFile(backup);
        if (!WriteFileBytes(backup, *oldBytes)) {
            RemoveFile(scratch);
            FileError("Cannot write the backup file " + PathToText(backup) + ". The names file was not changed.");
            return SaveOutcome::Failed;
        }
    }

    // Put the scratch file in place: a rename where possible, else a copy
    // that replaces the file only once it is complete.
    std::error_code ec;
    std::filesystem::rename(scratch, path, ec);
    if (ec) {
        const auto bytes = ReadFileBytes(scratch);
        RemoveFile(scratch);
        if (!bytes || !WriteFileBytes(path, *bytes)) {
            FileError("Cannot write the file " + PathToText(path) + ". The names file was not changed.");
            return SaveOutcome::Failed;
        }
    }
    return SaveOutcome::Saved;
}

SaveOutcome SaveToDisk(ProgramState& ps, const NameSaveFields& fields,
                       const std::function<std::string()>& selectNamesFile) {
    const auto record = BuildNameRecord(fields);
    SaveOutcome outcome = SaveOutcome::Refused;
    if (record) {
        const std::string path = selectNamesFile();
        if (path.empty()) return SaveOutcome::Cancelled;
        outcome = WriteNameRecordToFile(ps, *record, path);
    }
    ps.people.NamesListStale = 1;
    return outcome;
}
