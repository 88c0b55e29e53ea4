#include "people/ui/input_window_actions.h"

#include "people/atlas_link.h"
#include "people/ui/data_file_choice.h"
#include "people/ui/names_window.h"
#include "program_state.h"

void AtlasLinkClick(ProgramState& ps, const InputBoxes& boxes) {
    ps.people.AtlasDataFlag = 1;
    AtlasLookup(ps.people, ps.settings.AtlasDir);
    if (!AtlasDataAccepted(ps.people)) return;
    FillAtlasPlace(boxes, AtlasPlaceValues(ps.people));
}

SaveOutcome SaveNatalToDisk(ProgramState& ps, const NameSaveFields& fields) {
    const SaveOutcome outcome = SaveToDisk(ps, fields, [&ps] { return SelectNamesFile(ps, "*.FIL"); });
    if (outcome != SaveOutcome::Cancelled) ReopenNamesWindow();
    return outcome;
}
