#pragma once
// The wheel window: one chart as a single wheel or two as a bi-wheel,
// drawn by the paint driver on every paint. Its menu bar: Aspects (the
// aspect list), Orbs (choose F11, edit F12), Print (full or half page),
// Switch (a two-person bi-wheel's charts exchanged), Type (American F7,
// European F8) and Help. Esc and the right button return to the main window.
#include <QSize>

#include "platform/ui/form.h"
#include "platform/ui/menu_item.h"

class Wheels : public Form {
public:
    Wheels();

    MenuItem mnuAspects;
    MenuItem mnuOrbs;
    MenuItem mnuOrbsChange;
    MenuItem mnuOrbsEdit;
    MenuItem mnuPrintChartwheel;
    MenuItem mnuSwitch;
    MenuItem mnuChartType;
    MenuItem mnuCTAmerican;
    MenuItem mnuCTEuropean;
    MenuItem mnuHelp;

    void Form_Load();
    void Form_Resize();
    void Form_Paint();
    void Form_KeyPress(int& keyAscii);
    void Form_MouseUp(int button, int shift, double x, double y);
    void mnuAspects_Click();
    void mnuOrbsChange_Click();
    void mnuOrbsEdit_Click();
    void mnuPrintChartwheel_Click();
    void mnuSwitch_Click();
    void mnuCTAmerican_Click();
    void mnuCTEuropean_Click();
    void mnuHelp_Click();

    // The inside size, in pixels, that the window has when maximised.
    QSize MaximisedInsideSize() const;

private:
    // Paints now: the window's picture is drawn at once, so menu handlers
    // and resizes show their change straight away.
    void PaintNow();
};

// The main window's Wheels menu handlers, and the hook through which the
// main window shows this window; filled once the main window has loaded.
class TANDRELL;
void InstallWheelWindows(TANDRELL& window);
