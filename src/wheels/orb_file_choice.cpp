#include "wheels/orb_file_choice.h"

namespace {

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

}  // namespace

int PreselectedOrbFile(const std::vector<std::string>& entries, const std::string& currentOrbFile) {
    if (entries.empty()) return -1;
    const std::string path = Upper(currentOrbFile);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string name = Upper(entries[i]);
        if (name.empty() || name.size() > path.size()) continue;
        const std::size_t at = path.size() - name.size();
        if (path.compare(at, name.size(), name) != 0) continue;
        if (at == 0 || path[at - 1] == '/' || path[at - 1] == '\\') return static_cast<int>(i);
    }
    return 0;
}
