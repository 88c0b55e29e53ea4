#pragma once
// The options editor: "OPTIONS.OPT" as one text, saved back less the line
// end that loading put after the last line, and read again into the
// options; Restore Default copies "OPTIONS.MAS" over it.
#include "platform/ui/form.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/text_box.h"

class Options : public Form {
public:
    Options();

    CommandButton cmdRestoreDefault;
    CommandButton btnQuit;
    CommandButton btnSave;
    TextBox txtContent;

    void Form_Load();
    void btnSave_Click();
    void cmdRestoreDefault_Click();
    void btnQuit_Click();
    void txtContent_Change() {}

private:
    void LoadContent();
    void PlaceControls();
};
