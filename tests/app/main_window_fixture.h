#pragma once
// A main window started against a temporary program folder seeded from the
// shipped data, with its own lock file, a fixed regional format and a
// dialog responder. The start-up notice's OK is pressed as soon as start-up
// waits for it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/ui/main_window.h"
#include "dialog_responder.h"
#include "program_state.h"

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Sets option n in the program folder's OPTIONS.OPT (seeding it first).
    void SetOption(int n, const std::string& value);
    // Loads a fresh main window, as the program's start does.
    TANDRELL& Start();
    // Lets the main window go, and the windows it opened.
    void Stop();

    std::string folder;
    std::string lockPath;
    std::unique_ptr<ProgramState> ps;
    std::unique_ptr<DialogResponder> responder;
    std::unique_ptr<TANDRELL> window;
    int ends = 0;
};
