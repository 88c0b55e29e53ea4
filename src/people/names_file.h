#pragma once
// Reading names files: the lossless line view used when a file is rewritten,
// the field-stream view the names list loads, and opening the current file
// with its fall-back to the default one.
#include <string>
#include <vector>

#include "people/name_record.h"

// One line of a names file: a record of eight fields, or a line that is not
// one (short, long or empty), kept exactly as it stands.
struct NamesFileEntry {
    bool IsRecord = false;
    NameRecord Record;
    std::string RawLine;
};

std::vector<NamesFileEntry> ParseNamesFile(const std::vector<std::string>& lines);

// The records as the names list reads them: eight fields at a time across
// line ends, empty lines passed over. A record whose name is empty or only
// blanks is passed over too (no one could pick it), and reading goes on.
// Incomplete is set when the file ends in the middle of a record; the
// records before it are kept.
struct NamesReadResult {
    std::vector<NameRecord> Records;
    bool Incomplete = false;
};
NamesReadResult ReadNamesRecords(const std::vector<std::string>& lines);

// The message for a names file the list cannot read record by record.
extern const char* const kNamesFileError;

// Whether every line that is not empty holds one whole record of eight
// fields. A line of fewer or more fields makes the list, which reads fields
// across line ends, take the next record's fields for its own.
bool EveryLineIsWholeRecord(const std::vector<std::string>& lines);

// "NAMES.FIL" in the program folder.
std::string DefaultNamesFilePath(const std::string& appPath);

// The lines of the current names file (the default one when currentNamesFile
// is empty). When it cannot be opened, currentNamesFile becomes empty and the
// default file is read; when that fails too, a "File Not Found" message is
// shown and the list is empty.
std::vector<std::string> OpenNamesFile(std::string& currentNamesFile, const std::string& appPath);
