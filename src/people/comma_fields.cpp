#include "people/comma_fields.h"

std::string TrimBlanks(const std::string& text) {
    std::size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
    return text.substr(b, e - b);
}

std::vector<std::string> SplitCommaLine(const std::string& line) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string::npos) {
            out.push_back(TrimBlanks(line.substr(start)));
            return out;
        }
        out.push_back(TrimBlanks(line.substr(start, comma - start)));
        start = comma + 1;
    }
}

CommaFieldStream::CommaFieldStream(const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        if (TrimBlanks(line).empty()) continue;
        for (auto& f : SplitCommaLine(line)) fields_.push_back(std::move(f));
    }
}

bool CommaFieldStream::Next(std::string& out) {
    if (AtEnd()) return false;
    out = fields_[next_++];
    return true;
}
