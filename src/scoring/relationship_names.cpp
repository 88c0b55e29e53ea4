#include "scoring/relationship_names.h"

#include "app/settings.h"

namespace {

// Field `index` of `width` characters; a table shorter than that gives
// blanks for what is missing.
std::string Field(const std::string& table, int index, size_t width) {
    const size_t start = static_cast<size_t>(index) * width;
    std::string field = start < table.size() ? table.substr(start, width) : std::string();
    field.resize(width, ' ');
    return field;
}

}  // namespace

std::string RelBodyName(const Settings& s, int body) { return Field(s.RelBodyNames, body, 7); }

std::string RelBodyNameTrimmed(const Settings& s, int body) {
    std::string name = RelBodyName(s, body);
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

std::string RelAspectName(const Settings& s, int aspect) { return Field(s.RelAspectNames, aspect, 14); }
