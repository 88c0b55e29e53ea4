#pragma once
// A fixture for the wheel window's aspect tools: the glyph font, a couple
// computed with the shipped orb files and "PERSONAL.NAM" in its program
// folder, a dialog responder, print jobs sent to PDF files, and pictures
// left where TANDRELL_WHEEL_SHOTS asks.
#include <QImage>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "couple_fixtures.h"
#include "dialog_responder.h"
#include "program_state.h"

class Wheels;

class AspectToolsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The couple computed, the shipped orb files and personal lines copied.
    void ComputeCouple(const fixtures::Couple& couple);
    // The wheel window loaded anew and shown.
    Wheels& OpenWheels();
    // The files in the program folder's "REPORTS" ending in ".pdf".
    std::vector<std::string> PdfFiles() const;
    static void Shot(const QImage& image, const char* name);
    // Lets posted events and deferred deletions run.
    static void Settle();

    ProgramState ps;
    std::unique_ptr<DialogResponder> responder;
    int focused = 0;
};

// Pages of a PDF file, counted from its page objects.
int PdfPageCount(const std::string& bytes);
// The text of a PDF file by "pdftotext" when the tool is installed.
std::optional<std::string> PdfText(const std::string& path);
