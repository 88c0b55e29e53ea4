#include "people/ui/cities_editor_window.h"

#include "app/ui/ui_state.h"
#include "people/ui/cities_window.h"
#include "platform/text_file.h"
#include "program_state.h"

std::string LongLat::EditedFile() const {
    const Settings& s = UiState().settings;
    return s.CurrentCitiesFile.empty() ? JoinPath(s.AppPath, "GA_MA.LL") : s.CurrentCitiesFile;
}

void LongLat::ReopenListWindow() { ReopenCitiesWindow(); }
