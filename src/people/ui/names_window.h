#pragma once
// The names list window: the people of the current names file in
// alphabetical order. A click fills person A in the natal window or, with
// "2nd Person" ticked, person B in the second data set window; a double
// click on person A also computes the charts. "Lock list" keeps the list
// position across reloads. The buttons of the long runs over the list start
// the scans through NamesRuns(); the graph buttons stand disabled.
#include <functional>
#include <string>
#include <vector>

#include "people/name_record.h"
#include "platform/ui/choice_controls.h"
#include "platform/ui/form.h"
#include "platform/ui/list_box.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/text_box.h"

class Names : public Form {
public:
    Names();

    // Runs of the long scans (the graph runs not yet available: disabled).
    CommandButton cmdBDFY{Container(), "BDFY"};
    CommandButton cmdDualDynesAroundClock{Container(), "Dual dynes around clock"};
    CheckBox chkPH{Container(), "P * H"};
    CommandButton cmdBothDynes_Graph{Container(), "Both"};
    CommandButton cmdDualDynes_Graph{Container(), "D"};
    CommandButton cmdNatalDynes_Graph{Container(), "N"};
    CheckBox Check3{Container(), "incl MR"};
    CheckBox Check2{Container(), "1 to 1"};
    CommandButton Command5{Container(), "T"};
    CommandButton Command4{Container(), "G"};
    CommandButton Command3{Container(), "Best Days for You"};
    CommandButton Command2{Container(), "Best Days"};
    TextBox Text2{Container()};
    Label Label2{Container(), "Yrs difference  <= +/-"};
    TextBox Text1{Container()};
    Label Label1{Container(), "Display results >= +/-"};
    CommandButton Batch1{Container(), "One vs All"};
    CommandButton Batch{Container(), "All vs All"};
    // The list and its own commands.
    CheckBox Check1{Container(), "Lock list"};
    CommandButton Command1{Container(), "Click here for cities"};
    CommandButton cmdEditList{Container(), "Edit this List"};
    CommandButton cmdNewFileList{Container(), "Change List"};
    ListBox NamesOnFile{Container(), true};
    Label lblNamesOnFile{Container()};

    void Form_Load();
    // Reads the lines of a names file into the table and the list (which
    // the caller has emptied), then returns to the kept position.
    void LoadNamesList(const std::vector<std::string>& lines);
    void ShowNamesFileName();

    void Check1_Click();
    void cmdNewFileList_Click();
    void cmdEditList_Click();
    void Command1_Click();
    void NamesOnFile_Click();
    void NamesOnFile_DblClick();
    void Text1_GotFocus();
    void Text1_KeyPress(int& keyAscii);
    void Text2_GotFocus();

private:
    void PlaceControls();
    bool restoring_ = false;  // selecting the kept entry is not a user's click
};

// The names window is closed and shown again, so it reads the current file afresh.
void ReopenNamesWindow();

// The long runs over the list that the names window's buttons start; the
// scans fill them when the program starts. A run not filled does nothing.
struct NamesRunHooks {
    std::function<void()> Batch_Click;      // "All vs All"
    std::function<void()> Batch1_Click;     // "One vs All"
    std::function<void()> Command2_Click;   // "Best Days"
    std::function<void()> Command3_Click;   // "Best Days for You"
    std::function<void()> Command4_Click;   // "G"
    std::function<void()> Command5_Click;   // "T"
    std::function<void()> cmdBDFY_Click;    // "BDFY"
    std::function<void()> cmdNatalDynes_Graph_Click;       // "N"
    std::function<void()> cmdDualDynes_Graph_Click;        // "D"
    std::function<void()> cmdBothDynes_Graph_Click;        // "Both"
    std::function<void()> cmdDualDynesAroundClock_Click;   // "Dual dynes around clock"
};
NamesRunHooks& NamesRuns();
