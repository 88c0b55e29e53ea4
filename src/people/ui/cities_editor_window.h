#pragma once
// The cities file editor: the current cities file as plain text.
#include "people/ui/data_file_editor.h"

class LongLat : public DataFileEditor {
protected:
    std::string EditedFile() const override;
    void ReopenListWindow() override;
};
