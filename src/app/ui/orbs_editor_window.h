#pragma once
// The orb editor: the orb file in use as one text, saved back less the line
// end that loading put after the last line. The orbs are read again by the
// next window that loads the file.
#include "platform/ui/form.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/text_box.h"

class OrbsEdit : public Form {
public:
    OrbsEdit();

    CommandButton btnQuit;
    CommandButton btnSave;
    TextBox txtContent;

    void Form_Load();
    void btnSave_Click();
    void btnQuit_Click();
    void txtContent_Change() {}

private:
    void PlaceControls();
};
