#include "golden_compare.h"

#include <QDir>
#include <QFileInfo>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "test_support.h"

namespace golden {
namespace {

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string current;
    for (char c : bytes) {
        if (c == '\n') {
            lines.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) lines.push_back(current);
    return lines;
}

// Shows a line with its CR and trailing blanks visible.
std::string Visible(const std::string& line) {
    std::string out;
    for (char c : line) out += c == '\r' ? std::string("\\r") : std::string(1, c);
    return "[" + out + "]";
}

}  // namespace

std::string CompareWithGolden(const std::string& relativePath, const std::string& actual) {
    const std::string path = std::string(TANDRELL_GOLDEN_DIR) + "/" + relativePath;
    const char* update = std::getenv("TANDRELL_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());
        testsupport::WriteBytes(path, actual);
        return "";
    }
    if (!QFileInfo::exists(QString::fromStdString(path)))
        return "golden file missing: " + path + " (run with TANDRELL_UPDATE_GOLDEN=1 to create it)";
    const std::string expected = testsupport::ReadBytes(path);
    if (expected == actual) return "";

    const auto want = SplitLines(expected);
    const auto got = SplitLines(actual);
    std::ostringstream out;
    out << "report page differs from " << path << "\n";
    int shown = 0;
    const size_t n = std::max(want.size(), got.size());
    for (size_t i = 0; i < n && shown < 8; ++i) {
        const std::string* w = i < want.size() ? &want[i] : nullptr;
        const std::string* g = i < got.size() ? &got[i] : nullptr;
        if (w && g && *w == *g) continue;
        out << "line " << (i + 1) << ":\n  expected " << (w ? Visible(*w) : "(none)") << "\n  actual   "
            << (g ? Visible(*g) : "(none)") << "\n";
        ++shown;
    }
    if (shown == 0) out << "(same lines; the bytes differ at the end of the file)\n";
    out << "expected " << want.size() << " lines, got " << got.size() << "\n";
    return out.str();
}

}  // namespace golden
