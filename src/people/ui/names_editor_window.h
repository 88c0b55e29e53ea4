#pragma once
// The names file editor: the current names file as plain text.
#include "people/ui/data_file_editor.h"

class NameEdit : public DataFileEditor {
protected:
    std::string EditedFile() const override;
    // The reloaded names list returns to its kept position.
    void AfterSave() override;
    void ReopenListWindow() override;
};
