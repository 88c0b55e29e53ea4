#pragma once
// Damaged and odd contents of the plain-text files a user can edit, for the
// robustness tests of the readers. The contents are generated from a fixed
// seed, so every run feeds the readers the same bytes. The fixed part covers
// the usual ways a file goes wrong (empty, only line ends, no final line end,
// very long lines, NUL and high bytes, bad numbers, 100000 lines); the
// generated part mutates good lines of the file (fields cut, commas added,
// numbers replaced, line ends changed).
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace damaged {

// Texts that go wrong as numbers or as fields.
inline const std::vector<std::string>& BadTokens() {
    static const std::vector<std::string> tokens = {
        "",           "-",          ".",           "+",          "1e999",       "-1e999",     "1e-999",
        "nan",        "NaN",        "inf",         "-inf",       "1e308",       "-1e308",     "1e38",
        "3.5e38",     "99999999999999999999",      "-99999999999", "2147483648", "-2147483649",
        "4294967297", "0",          "-0",          "0x10",       "e5",          "5e",         "--5",
        "1.2.3",      " ",          "\t",          std::string("\0", 1),       "\xff\xfe",   "\x80\x9f\x81",
        "\xe9\xfc",   "=",          "==",          "A",          "P",           "99 Xyz 2000", "31 Feb 2001",
        "4294967297 Jan 2000",     "0 Jan 0",    "2000 Jan 4294967297",       "084W23",     "33N45",
        "W",          "N",          "999E99",      "1E999",      std::string(300, '9')};
    return tokens;
}

// A small deterministic generator (the same numbers on every platform).
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state_(seed ? seed : 1) {}
    std::uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    std::size_t Below(std::size_t n) { return n == 0 ? 0 : Next() % n; }

private:
    std::uint32_t state_;
};

inline std::string JoinLines(const std::vector<std::string>& lines, const std::string& end = "\r\n") {
    std::string out;
    for (const auto& l : lines) out += l + end;
    return out;
}

inline std::string Repeat(const std::string& line, int times, const std::string& end = "\r\n") {
    std::string out;
    out.reserve((line.size() + end.size()) * static_cast<std::size_t>(times));
    for (int i = 0; i < times; ++i) out += line + end;
    return out;
}

// One line of the file mutated one or more ways.
inline std::string MutateLine(Rng& rng, std::string line) {
    const auto& tokens = BadTokens();
    const int changes = 1 + static_cast<int>(rng.Below(3));
    for (int c = 0; c < changes; ++c) {
        switch (rng.Below(9)) {
            case 0:  // cut short
                line.resize(rng.Below(line.size() + 1));
                break;
            case 1:  // a comma somewhere
                line.insert(rng.Below(line.size() + 1), ",");
                break;
            case 2: {  // a field (or the number after "=") replaced by a bad token
                std::size_t start = 0;
                const std::size_t eq = line.find('=');
                if (eq != std::string::npos && rng.Below(2)) {
                    start = eq + 1;
                } else {
                    std::size_t commas = rng.Below(8);
                    for (; commas > 0; --commas) {
                        const std::size_t next = line.find(',', start);
                        if (next == std::string::npos) break;
                        start = next + 1;
                    }
                }
                const std::size_t end = std::min(line.find(',', start), line.size());
                line.replace(start, end - start, tokens[rng.Below(tokens.size())]);
                break;
            }
            case 3:  // extra fields
                line += "," + tokens[rng.Below(tokens.size())] + "," + tokens[rng.Below(tokens.size())];
                break;
            case 4:  // a NUL or high byte inside
                line.insert(rng.Below(line.size() + 1), 1, static_cast<char>(rng.Below(2) ? 0 : 0x80 + rng.Below(128)));
                break;
            case 5:  // a very long line
                line += std::string(2000 + rng.Below(3000), static_cast<char>('0' + rng.Below(10)));
                break;
            case 6:  // every character a comma
                line.assign(line.size() + 1, ',');
                break;
            case 7:  // a bad token in place of the whole line
                line = tokens[rng.Below(tokens.size())];
                break;
            default:  // a lone CR inside
                line.insert(rng.Below(line.size() + 1), "\r");
                break;
        }
    }
    return line;
}

// The contents to feed a reader: the fixed cases, then `generated` files made
// by mutating the good lines (at least one good line is needed).
inline std::vector<std::string> Contents(const std::vector<std::string>& goodLines, int generated,
                                         std::uint32_t seed) {
    std::vector<std::string> out = {
        "",
        "\r",
        "\n",
        "\r\n",
        "\r\r\r\r",
        "\n\n\n\n",
        "\r\n\r\n\r\n",
        goodLines.front(),                       // no final line end
        JoinLines(goodLines, "\n"),              // LF ends
        JoinLines(goodLines, "\r"),              // CR ends only
        std::string(100000, 'x'),                // one very long line
        std::string(100000, ','),                // only commas
        std::string(5000, '\0'),                 // only NULs
        std::string("\xff\xfe\x00\x80\x81\x8d\x8f\x90\x9d\xff", 10),
        Repeat(goodLines.front(), 100000),       // far more lines than any table
        Repeat("1e999", 1000),
    };
    for (const auto& t : BadTokens()) out.push_back(Repeat(t, 3));
    Rng rng(seed);
    for (int i = 0; i < generated; ++i) {
        std::vector<std::string> lines;
        const std::size_t count = 1 + rng.Below(goodLines.size() * 2 + 2);
        for (std::size_t n = 0; n < count; ++n) {
            std::string line = goodLines[rng.Below(goodLines.size())];
            if (rng.Below(3) != 0) line = MutateLine(rng, line);
            lines.push_back(line);
        }
        const char* const ends[] = {"\r\n", "\n", "\r", ""};
        std::string text = JoinLines(lines, ends[rng.Below(4)]);
        if (rng.Below(3) == 0 && !text.empty()) text.pop_back();  // no final line end, or half a CR LF
        out.push_back(std::move(text));
    }
    return out;
}

}  // namespace damaged
