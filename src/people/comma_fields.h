#pragma once
// Reader of comma-separated data files (names, cities, time zones): a field
// ends at a comma or at a line end, and reading goes on across line ends, so
// a record is a fixed count of fields rather than a line. Lines that are
// empty or hold only blanks hold no field: an empty line left in a file
// neither ends the list nor shifts the records after it.
#include <cstddef>
#include <string>
#include <vector>

class CommaFieldStream {
public:
    explicit CommaFieldStream(const std::vector<std::string>& lines);

    // True when every field has been read.
    bool AtEnd() const { return next_ >= fields_.size(); }
    // Reads the next field into out; false (out unchanged) past the end.
    bool Next(std::string& out);

private:
    std::vector<std::string> fields_;
    std::size_t next_ = 0;
};

// One line cut at its commas; blanks around each field are dropped.
std::vector<std::string> SplitCommaLine(const std::string& line);

// The text without blanks and tabs at either end.
std::string TrimBlanks(const std::string& text);
