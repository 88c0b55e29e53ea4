#pragma once
// Shared set-up of the people window tests: a fresh program state with its
// own program folder, and two stand-in input windows (boxes and option
// pairs with the zone sign rule) linked in as the natal and second windows.
#include <gtest/gtest.h>

#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "people/ui/input_boxes.h"
#include "platform/ui/choice_controls.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/text_box.h"
#include "program_state.h"

class StandInInputWindow {
public:
    explicit StandInInputWindow(bool withName);
    InputBoxes Boxes();
    // The boxes' texts and choices on one line, for comparing whole states.
    std::string State() const;

    QWidget root;
    Frame ampm{&root}, eastWest{&root}, northSouth{&root};
    TextBox Name{&root}, Month{&root}, Day{&root}, Year{&root}, Hour{&root}, Minute{&root}, Zone{&root},
        LongDeg{&root}, LongMin{&root}, LatDeg{&root}, LatMin{&root}, Email{&root};
    OptionButton AM{ampm.Container(), "AM"}, PM{ampm.Container(), "PM"};
    OptionButton East{eastWest.Container(), "E"}, West{eastWest.Container(), "W"};
    OptionButton North{northSouth.Container(), "N"}, South{northSouth.Container(), "S"};

private:
    bool withName_;
};

class PeopleWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a file into the program folder and gives its path.
    std::string WriteAppFile(const std::string& name, const std::string& bytes);
    // Answers the next file chooser: selects the file of that name in the
    // program folder (none: Select with nothing new highlighted) or cancels.
    // seenPattern receives the chooser's pattern.
    void AnswerChooser(std::optional<std::string> fileName, bool select = true);
    std::string seenPattern;
    std::string seenPreselected;
    // Unloads every window of the people lists and lets Qt delete them.
    static void UnloadPeopleWindows();

    ProgramState ps;
    StandInInputWindow natal{true};
    StandInInputWindow diurnal{false};
    bool secondPerson = false;
    std::string secondPersonName = "2nd Person";
    int follows = 0;   // times the second set followed the natal one
    int computes = 0;  // chart runs asked for
};

// Lines of a names file with n people "Person 00" .. in file order.
std::string NamesFileOf(int n);
