#pragma once
// A program state ready for chart runs, the input, names and criteria
// windows with their hooks, the shipped names file in the program folder,
// and a dialog responder; the natal and second windows filled with a couple.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "couple_fixtures.h"
#include "dialog_responder.h"
#include "program_state.h"

class ScanWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Puts the couple's two people into the natal and second windows, the
    // second as "2nd Person" when the couple says so.
    void FillCouple(const fixtures::Couple& couple);
    // The program folder's file as bytes ("" when missing).
    std::string AppFile(const std::string& name) const;
    // The CSV file's lines without their CR LF.
    std::vector<std::string> CsvLines(const std::string& name) const;
    // The page lines of the output buffer, one string each.
    std::vector<std::string> BufferLines() const;

    ProgramState ps;
    std::unique_ptr<DialogResponder> dialogs;
};
