#include "people/ui/names_editor_window.h"

#include "app/ui/ui_state.h"
#include "people/names_file.h"
#include "people/ui/names_window.h"
#include "program_state.h"

std::string NameEdit::EditedFile() const {
    const Settings& s = UiState().settings;
    return s.CurrentNamesFile.empty() ? DefaultNamesFilePath(s.AppPath) : s.CurrentNamesFile;
}

void NameEdit::AfterSave() { UiState().people.NamesListStale = 0; }

void NameEdit::ReopenListWindow() { ReopenNamesWindow(); }
