#pragma once
// The report window: the current report page in a read-only fixed-pitch
// text, with the commands on the output buffer (save, print, font, clear,
// help). The output buffer reaches it through the hooks that
// InstallReportWindow sets, so that ShowOutput shows it.
// QMenu is complete here so that the menu items' inline members compile.
#include <QMenu>
#include <functional>
#include <string>

#include "platform/ui/form.h"
#include "platform/ui/menu_item.h"
#include "platform/ui/text_box.h"

struct ProgramState;

class OutputD1 : public Form {
public:
    OutputD1();

    MenuItem mnuFile;
    MenuItem mnuFileSave;
    MenuItem mnuFileSaveAs;
    MenuItem mnuFonts;
    MenuItem mnuFontsIncrease;
    MenuItem mnuFontsDecrease;
    MenuItem mnuFontsBold;
    MenuItem mnuFontsItalic;
    MenuItem mnuClearBuffer;
    MenuItem mnuPrint;
    MenuItem mnuPrintData;
    MenuItem mnuHelp;
    TextBox RichText1;

    void Form_Load();
    void Form_Resize();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFontsIncrease_Click();
    void mnuFontsDecrease_Click();
    void mnuFontsBold_Click();
    void mnuFontsItalic_Click();
    void mnuClearBuffer_Click();
    void mnuPrint_Click();
    void mnuPrintData_Click();
    void mnuHelp_Click();
    void RichText1_KeyPress(int& keyAscii);
    void RichText1_MouseUp(int button);

    // Shows the current page again after a font change.
    void RefreshOutput();
    // Loads the page file into the text, shows the window and sets its caption.
    void ShowPage(const std::string& pageFile);
    // The point size the text is shown in.
    double DisplayedFontSize() const;

private:
    void ApplyFont();
    void EnableFontSteps();
    bool placing_ = false;
};

// The smallest and largest sizes the font steps reach from the sizes 8 and
// 12 that bound them, for a step of ScreenFactor / 2.
double MinReportFontSize(const ProgramState& ps);
double MaxReportFontSize(const ProgramState& ps);

// Called once at start by the main window: the output buffer's hooks go to
// the report window, and Esc or a right click in the report gives the focus
// to the main window through focusMainWindow.
void InstallReportWindow(ProgramState& ps, std::function<void()> focusMainWindow = {});
