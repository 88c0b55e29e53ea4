#include "app/options_file.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "app/settings.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/text_file.h"

namespace {

constexpr int kOptionCount = 286;
constexpr int kOrbCount = 17;

}  // namespace

void ReportTooLarge(const std::string& path, const std::vector<int>& lines, const std::string& instead) {
    if (lines.empty()) return;
    std::string where = LineNumbersText(lines);
    where[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(where[0])));
    MsgBox(where + " of the file " + PathToText(path) + (lines.size() == 1 ? " holds" : " hold") +
               " a number too large to use. " + instead,
           MsgButtons::OK, "Warning!", MsgIcon::Exclamation);
}

namespace {

// Reads the file into values 1..N-1. A number too large to use is reported
// and replaced by fallback(slot) when that gives one; values the file does
// not reach keep their earlier value.
template <size_t N, typename Fallback>
bool ReadNumberFile(const std::string& path, std::array<float, N>& values, const std::string& instead,
                    Fallback fallback) {
    const auto lines = ReadTextLines(path);
    if (!lines) {
        ReportFileNotFound(path);
        return false;
    }
    const NumberLines read = ReadNumberLines(*lines, static_cast<int>(N) - 1);
    const auto tooLarge = [&](size_t line) {
        return std::find(read.TooLarge.begin(), read.TooLarge.end(), static_cast<int>(line)) != read.TooLarge.end();
    };
    for (size_t n = 0; n < read.Numbers.size(); ++n)
        if (!tooLarge(n + 1)) values[n + 1] = read.Numbers[n];
    if (!read.TooLarge.empty()) {
        ReportTooLarge(path, read.TooLarge, instead);
        for (int line : read.TooLarge) {
            const std::optional<float> v = fallback(line);
            if (v) values[static_cast<size_t>(line)] = *v;
        }
    }
    return true;
}

}  // namespace

void ReportFileNotFound(const std::string& path) {
    MsgBox("The file " + PathToText(path) + " was not found or cannot be read.", MsgButtons::OK, "File Not Found",
           MsgIcon::Exclamation);
}

NumberLines ReadNumberLines(const std::vector<std::string>& lines, int maxCount) {
    NumberLines read;
    for (const std::string& line : lines) {
        if (line.empty() || static_cast<int>(read.Numbers.size()) >= maxCount) break;
        const std::optional<float> v = ToSingle(Val(std::string_view(line).substr(0, 7)));
        if (!v) read.TooLarge.push_back(static_cast<int>(read.Numbers.size()) + 1);
        read.Numbers.push_back(v.value_or(0.0f));
    }
    return read;
}

std::vector<float> ParseNumberLines(const std::vector<std::string>& lines, int maxCount) {
    return ReadNumberLines(lines, maxCount).Numbers;
}

std::string OptionsFilePath(const Settings& s) { return JoinPath(s.AppPath, "OPTIONS.OPT"); }
std::string MasterOptionsFilePath(const Settings& s) { return JoinPath(s.AppPath, "OPTIONS.MAS"); }

bool ReadOptionsFile(Settings& s) {
    static_assert(std::tuple_size_v<decltype(s.OptionValues)> == kOptionCount + 1);
    const std::string master = MasterOptionsFilePath(s);
    std::optional<NumberLines> defaults;  // read only when needed
    return ReadNumberFile(OptionsFilePath(s), s.OptionValues,
                          "Such an option takes its default value from " + PathToText(master) + ".",
                          [&](int line) -> std::optional<float> {
                              if (!defaults) {
                                  const auto lines = ReadTextLines(master);
                                  defaults = lines ? ReadNumberLines(*lines, kOptionCount) : NumberLines{};
                              }
                              const size_t i = static_cast<size_t>(line) - 1;
                              if (i >= defaults->Numbers.size()) return std::nullopt;
                              for (int bad : defaults->TooLarge)
                                  if (bad == line) return std::nullopt;
                              return defaults->Numbers[i];
                          });
}

bool LoadOrbsFile(Settings& s) {
    static_assert(std::tuple_size_v<decltype(s.OrbValues)> == kOrbCount + 1);
    return ReadNumberFile(s.CurrentOrbFile, s.OrbValues, "Such an orb counts as 0.",
                          [](int) -> std::optional<float> { return 0.0f; });
}

bool RestoreDefaultOptions(const Settings& s) {
    const auto master = ReadFileBytes(MasterOptionsFilePath(s));
    if (master && WriteFileBytes(OptionsFilePath(s), *master)) return true;
    MsgBox("Error in operation. Cannot do what is requested.", MsgButtons::OK, "Warning!", MsgIcon::Information);
    return false;
}

void GetDateTimeFormat(Settings& s, int dateOrder, int timeFormat) {
    s.DateOrder = (dateOrder >= 0 && dateOrder <= 2) ? dateOrder : 0;
    s.TimeFormat = (timeFormat == 1) ? 1 : 0;
}
