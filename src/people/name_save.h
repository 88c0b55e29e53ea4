#pragma once
// "Save to disk" of the natal input window: the person in the window's boxes
// is written into a names file the user picks, replacing a record of the
// same name when the user agrees. Every box is checked before any file is
// touched, and the names file is replaced only once the new one is complete.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "people/name_record.h"

struct ProgramState;

// The texts and options of the natal input window that a saved record takes.
struct NameSaveFields {
    std::string Name;
    std::string Day, Month, Year;
    std::string Hour, Minute;
    bool AM = true;
    std::string Zone;
    std::string LongDeg, LongMin;
    bool West = true;
    std::string LatDeg, LatMin;
    bool North = true;
    std::string Email;
    // The boxes whose typed text holds a character that the names file's
    // code page has no byte for (their texts above hold '?' in its place).
    std::vector<std::string NameSaveFields::*> NotInCodePage;
};

enum class SaveOutcome {
    Cancelled,  // the user cancelled the file chooser: nothing happened
    Refused,    // a box was refused with a message; no file touched
    Saved,      // the record is in the file
    Failed,     // a file could not be read or written, or the names file holds a line
                // that is not a whole record; the names file is as it was
};

// Checks the boxes and builds the record; shows the message and gives
// nullopt when a box is refused.
std::optional<NameRecord> BuildNameRecord(const NameSaveFields& fields);

// The backup path: the last three characters replaced by "OLD".
std::string NamesBackupPath(const std::string& path);

// Refuses, with the names file's error message, a file holding a line that
// is not a whole record. Otherwise copies the file at path into the scratch file in the program folder,
// asking about each record of the same name, adds the record last, keeps the
// old file as the backup and puts the new one in its place.
SaveOutcome WriteNameRecordToFile(ProgramState& ps, const NameRecord& record, const std::string& path);

// The whole button: checks, the file choice (selectNamesFile gives the chosen
// path or "" on cancel), the rewrite. Except on cancel, NamesListStale is set
// to 1 and the caller reopens the names list.
SaveOutcome SaveToDisk(ProgramState& ps, const NameSaveFields& fields,
                       const std::function<std::string()>& selectNamesFile);
