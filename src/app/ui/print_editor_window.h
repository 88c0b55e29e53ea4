#pragma once
// The print editor: the text about to be printed, from "PRNTFILE.XXX",
// which the user may edit before printing it in a fixed-pitch font.
#include "platform/ui/form.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/text_box.h"

class PrntFile : public Form {
public:
    PrntFile();

    TextBox RichtxtContent;
    CommandButton btnPrint;
    CommandButton btnCancel;
    Label Label1;

    void Form_Load();
    void btnPrint_Click();
    void btnCancel_Click();

private:
    void PlaceControls();
};

// Shows the print editor with the print file just written. An editor still
// open from an earlier print command is closed first, so the editor always
// shows what the user has just asked to print.
void ShowPrintEditor();
