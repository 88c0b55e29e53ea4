#include "app/options_file.h"

#include <algorithm>

#include "app/settings.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/text_file.h"

namespace {

constexpr int kOptionCount = 286;
constexpr int kOrbCount = 17;

template <size_t N>
bool ReadNumberFile(const std::string& path, std::array<float, N>& values) {
    const auto lines = ReadTextLines(path);
    if (!lines) {
        ReportFileNotFound(path);
        return false;
    }
    const std::vector<float> numbers = ParseNumberLines(*lines, static_cast<int>(N) - 1);
    for (size_t n = 0; n < numbers.size(); ++n) values[n + 1] = numbers[n];
    return true;
}

}  // namespace

void ReportFileNotFound(const std::string& path) {
    MsgBox("The file " + PathToText(path) + " was not found or cannot be read.", MsgButtons::OK, "File Not Found",
           MsgIcon::Exclamation);
}

std::vector<float> ParseNumberLines(const std::vector<std::string>& lines, int maxCount) {
    std::vector<float> numbers;
    for (const std::string& line : lines) {
        if (line.empty() || static_cast<int>(numbers.size()) >= maxCount) break;
        numbers.push_back(static_cast<float>(Val(std::string_view(line).substr(0, 7))));
    }
    return numbers;
}

std::string OptionsFilePath(const Settings& s) { return JoinPath(s.AppPath, "OPTIONS.OPT"); }
std::string MasterOptionsFilePath(const Settings& s) { return JoinPath(s.AppPath, "OPTIONS.MAS"); }

bool ReadOptionsFile(Settings& s) {
    static_assert(std::tuple_size_v<decltype(s.OptionValues)> == kOptionCount + 1);
    return ReadNumberFile(OptionsFilePath(s), s.OptionValues);
}

bool LoadOrbsFile(Settings& s) {
    static_assert(std::tuple_size_v<decltype(s.OrbValues)> == kOrbCount + 1);
    return ReadNumberFile(s.CurrentOrbFile, s.OrbValues);
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
