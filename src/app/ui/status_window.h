#pragma once
// The progress window of the long runs: a bar in Picture2 that grows with
// the share of the work done.
#include "app/ui/picture_box.h"
#include "platform/ui/form.h"

class StatusDlg : public Form {
public:
    StatusDlg();

    PictureBox Picture2;

    void Form_Load();
};

// Draws done / total (at most 100 percent) as a filled light-red box from
// the left of Picture2, without clearing it first. At most every 50 ms the
// window is repainted and Qt may paint, without delivering user input, so
// a long loop keeps its windows drawn. Nothing happens for a total below 1.
void ShowProgress(int done, int total);
