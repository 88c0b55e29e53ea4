#pragma once
// The around-the-clock settings window: start hour, start minute and
// interval of the 12 natal times (left) and of the 24 transit or second-
// person times (right); "Draw graph" clamps them, runs the table and opens
// the graph window; "Help" explains the values.
#include "platform/ui/form.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/text_box.h"
#include "scans/around_clock_times.h"

class frmSetStartTime : public Form {
public:
    frmSetStartTime();

    TextBox txtStartHour_Transit{Container()};
    TextBox txtStartMinute_Transit{Container()};
    TextBox txtInterval_Transit{Container()};
    CommandButton cmdHelp{Container(), "&Help"};
    TextBox txtInterval{Container()};
    CommandButton cmdDrawGraph{Container(), "&Draw graph"};
    TextBox txtStartMinute{Container()};
    TextBox txtStartHour{Container()};
    Label Label3{Container(), "Start Minute"};
    Label Label2{Container(), "T. Start Hour"};
    Label Label1{Container(), "T. Interval"};
    Label lblInterval{Container(), "N. Interval"};
    Label lblStartHour{Container(), "N. Start Hour"};
    Label lblStartMinute{Container(), "Start Minute"};

    void Form_Load();
    void cmdDrawGraph_Click();
    void cmdHelp_Click();

    // The boxes' texts, and writing corrected texts back.
    AroundClockBoxes Boxes() const;
    void SetBoxes(const AroundClockBoxes& boxes);
};

// The names window's "Dual dynes around clock": the settings window anew
// with its start values, not modal, owned by the main window.
void cmdDualDynesAroundClock_Click();
