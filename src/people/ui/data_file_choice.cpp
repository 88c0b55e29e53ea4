#include "people/ui/data_file_choice.h"

#include "platform/dialogs.h"
#include "program_state.h"

namespace {

std::string FileNamePart(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string SelectDataFile(const ProgramState& ps, const std::string& pattern, const std::string& current) {
    FileChooserRequest request;
    request.title = "Select a File";
    request.folder = ps.settings.AppPath;
    request.fileName = FileNamePart(current);
    request.patterns = {pattern};
    return ChooseFile(request).value_or("");
}

}  // namespace

std::string SelectNamesFile(ProgramState& ps, const std::string& pattern) {
    return SelectDataFile(ps, pattern, ps.settings.CurrentNamesFile);
}

std::string SelectCitiesFile(ProgramState& ps, const std::string& pattern) {
    return SelectDataFile(ps, pattern, ps.settings.CurrentCitiesFile);
}
