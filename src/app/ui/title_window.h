#pragma once
// The start-up notice: the program's name, version and a note, shown while
// start-up reads its data files. Its OK button stays hidden until the main
// window makes it visible; pressing it lets start-up go on.
#include "platform/ui/form.h"
#include "platform/ui/simple_controls.h"

class TITLE : public Form {
public:
    TITLE();

    CommandButton cmdOK;
    Label lblName;
    Label lblVersion;
    Label lblNote;

    void Form_Load();
    void cmdOK_Click();

private:
    // The picture: a small zodiac wheel with the sign glyphs.
    void DrawPicture();
};
