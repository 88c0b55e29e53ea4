#pragma once
// Tip of the day: one tip a line from "TIPOFDAY.TXT", stepped forward and
// back with wrap-around. Each opening starts again at the first tip.
#include <string>
#include <vector>

#include "platform/ui/form.h"
#include "platform/ui/simple_controls.h"

class frmTip : public Form {
public:
    frmTip();

    CommandButton Command1;
    CommandButton cmdNextTip;
    CommandButton cmdOK;
    Label Label1;
    Label lblTipText;
    Label lblLabel2;

    // One entry a line of the tips file, empty lines included.
    std::vector<std::string> Tips;
    // Position of the tip shown, counted from 1; 0 before the first.
    long CurrentTip = 0;

    void Form_Load();
    // Reads the tips and shows the first; false when the file is missing.
    bool LoadTips(const std::string& path);
    void NextTip();
    void GoBackTip();
    void DisplayCurrentTip();
    void cmdNextTip_Click();
    void Command1_Click();
    void cmdOK_Click();

private:
    void DrawTipFrame();
};
