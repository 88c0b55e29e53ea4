#include "people/ui/data_file_choice.h"

#include "app/ui/file_chooser_window.h"
#include "people/name_record.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"

namespace {

std::string SelectDataFile(ProgramState& ps, const std::string& pattern, const std::string& current) {
    SelectFIle& chooser = FormOf<SelectFIle>();
    chooser.filList.SetPattern(pattern);
    ps.settings.ChosenFile = current;
    // The current file is preselected when it lies in the folder the chooser
    // opens on; otherwise the first file is.
    if (chooser.filList.ListCount() > 0) {
        int row = 0;
        const std::string end = UpperCaseText(current);
        for (int i = 0; i < chooser.filList.ListCount(); ++i) {
            const std::string name = UpperCaseText(chooser.filList.List(i));
            const size_t at = end.size() - name.size();
            if (end.size() >= name.size() && end.compare(at, name.size(), name) == 0 &&
                (at == 0 || end[at - 1] == '/' || end[at - 1] == '\\')) {
                row = i;
                break;
            }
        }
        chooser.filList.SetListIndex(row);
    }
    // Only the list whose file is being chosen is emptied (by its window):
    // the other list keeps its entries.
    chooser.Show(true);
    return ps.settings.ChosenFile;
}

}  // namespace

std::string SelectNamesFile(ProgramState& ps, const std::string& pattern) {
    return SelectDataFile(ps, pattern, ps.settings.CurrentNamesFile);
}

std::string SelectCitiesFile(ProgramState& ps, const std::string& pattern) {
    return SelectDataFile(ps, pattern, ps.settings.CurrentCitiesFile);
}
