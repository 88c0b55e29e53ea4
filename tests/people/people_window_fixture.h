#pragma once
// Shared set-up of the people window tests: a fresh program state with its
// own program folder (an empty names file, default place Boston, a fixed
// clock), the people windows' hooks in the input windows, and the real
// input windows reached through their default instances.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "people/ui/input_boxes.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_natal_window.h"
#include "program_state.h"

class PeopleWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    InputD& Natal();
    InputD1& Second();
    // A data set's boxes on one line: name|m/d/y|h:mA|zone|deg.minE|deg.minN|e-mail.
    static std::string State(const InputBoxes& boxes);
    std::string NatalState();
    std::string SecondState();
    // The time and place part only: h:mA|zone|deg.minE|deg.minN.
    static std::string TimeAndPlace(const InputBoxes& boxes);

    // Writes a file into the program folder and gives its path.
    std::string WriteAppFile(const std::string& name, const std::string& bytes);
    // Answers the next file chooser: selects the file of that name in the
    // program folder (none: Select with the preselected file) or cancels.
    void AnswerChooser(std::optional<std::string> fileName, bool select = true);
    std::string seenPattern;
    std::string seenPreselected;
    // Unloads every window of the people lists and lets Qt delete them.
    static void UnloadPeopleWindows();

    ProgramState ps;
};

// A names file with n people "Person 00" .. in file order.
std::string NamesFileOf(int n);
