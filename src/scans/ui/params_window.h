#pragma once
// The criteria window: which aspect pairs count as criteria of a scanned day
// (composite pairs on the left, pairs between the two charts on the right),
// how many a day must meet to be printed, the three runs it starts, and the
// box that tells the interchart cosmodynes which chart's houses chart B's
// bodies take. Every box is kept in step with the scan state.
#include <array>
#include <functional>

#include "platform/ui/choice_controls.h"
#include "platform/ui/form.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/text_box.h"

class Params : public Form {
public:
    Params();

    // In tab order.
    CheckBox Check1{Container(), "Sun-Moon"};
    CheckBox Check2{Container(), "Sun-Venus"};
    CheckBox Check3{Container(), "Sun-Jupiter"};
    CheckBox Check4{Container(), "Moon-Venus"};
    CheckBox Check5{Container(), "Moon-Jupiter"};
    CheckBox Check6{Container(), "Venus-Mars conjunction"};
    CheckBox Check7{Container(), "Venus-Mars"};
    CheckBox Check8{Container(), "Venus-Jupiter"};
    CheckBox Check19{Container(), "Venus-Chiron"};
    CheckBox Check9{Container(), "Sun-Moon"};
    CheckBox Check10{Container(), "Sun-Venus"};
    CheckBox Check11{Container(), "Sun-Jupiter"};
    CheckBox Check12{Container(), "Moon-Moon"};
    CheckBox Check13{Container(), "Moon-Mercury"};
    CheckBox Check14{Container(), "Moon-Venus"};
    CheckBox Check15{Container(), "Mercury-Mercury"};
    CheckBox Check16{Container(), "Venus-Mars conj."};
    CheckBox Check32{Container(), "Venus-Venus"};
    CheckBox Check17{Container(), "Venus-Mars"};
    CheckBox Check18{Container(), "Venus-Jupiter"};
    CheckBox Check22{Container(), "Venus-Uranus"};
    CheckBox Check23{Container(), "Venus-Neptune"};
    CheckBox Check24{Container(), "Venus-Pluto"};
    CheckBox Check25{Container(), "Mars-Mars"};
    CheckBox Check33{Container(), "Mars-Uranus"};
    CheckBox Check26{Container(), "Mars-Pluto"};
    CheckBox Check27{Container(), "Chiron-Sun"};
    CheckBox Check28{Container(), "Chiron-Venus"};
    CheckBox Check29{Container(), "Chiron-Jupiter"};
    CheckBox Check30{Container(), "Chiron-Neptune"};
    CheckBox Check31{Container(), "Chiron-Pluto"};
    CommandButton Command1{Container(), "Search"};
    CommandButton Command3{Container(), "One vs All"};
    CommandButton Command2{Container(), "All vs All"};
    TextBox Text1{Container()};
    Label Label1{Container(), "Criteria needed to print day"};
    CheckBox Check20{Container(), "Cosmodynes?"};
    CheckBox Check21{Container(), "Cosmodynes put in natal chart?"};

    // The criterion box CheckN (n 1..33 without 20 and 21), or nullptr.
    CheckBox* CriterionBox(int n);

    void Form_Paint();
    void Text1_GotFocus();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    void PlaceControls();
};

// Fills the input windows' ShowParams and HideParams, the names window's
// run buttons and the runs' progress window; showInputMenu makes the main
// window's Input item visible.
void InstallScanWindowHooks(std::function<void()> showInputMenu = nullptr);
void RemoveScanWindowHooks();
