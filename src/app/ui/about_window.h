#pragma once
// The About window: the program's name drawn in yellow over a deep black
// shadow, its version and a few lines on what it does. A click anywhere
// closes it.
#include "platform/ui/form.h"
#include "platform/ui/simple_controls.h"

class About : public Form {
public:
    About();

    Label lblVersion;
    Label lblPurpose;
    Label lblClose;

    void Form_Load();
    void Form_Click();
    void DrawAboutTitle();
};
