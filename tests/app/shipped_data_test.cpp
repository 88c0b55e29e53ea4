#include <gtest/gtest.h>

#include "app/options_file.h"
#include "app/output_buffer.h"
#include "app/help_text.h"
#include "dialog_responder.h"
#include "platform/app_path.h"
#include "platform/text_file.h"
#include "program_state.h"
#include "test_support.h"

namespace {

const char* const kOrbFiles[] = {"NATAL.ORB",    "TRANSIT.ORB", "COMPOSIT.ORB", "SYNASTRY.ORB",
                                 "NAT2TRAN.ORB", "MAGI.ORB",    "MAGI_NAT.ORB", "VENUS_Z.ORB"};

const char* const kHelpFiles[] = {
    "TANDRELL.HLP", "TRANSITS.HLP", "COSMODYN.HLP", "PHILO.HLP",    "INPUTD.HLP",   "INPUTD1.HLP",
    "NAMES.HLP",    "GEOGRAPH.HLP", "OPTIONS.HLP",  "OUTPUTD1.HLP", "WHEELS.HLP",   "NAMEEDIT.HLP",
    "LONGLAT.HLP",  "SELECT.HLP",   "PRNTFILE.HLP", "PARAMS.HLP",   "HOW_DO_I.HLP", "READING.HLP",
    "TIPS.HLP",     "UPGRADES.HLP", "SHORTCUT.HLP", "LICENSE.HLP",  "REVISION.HLP"};

// Every line ends in CR LF and no line is empty.
void ExpectFullCrLfLines(const std::string& bytes, size_t expectedLines) {
    size_t lines = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_GT(i, 0u);
            ASSERT_EQ(bytes[i - 1], '\r');
            ++lines;
        }
    }
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(bytes.find("\r\n\r\n"), std::string::npos);
    EXPECT_EQ(lines, expectedLines);
}

}  // namespace

TEST(ShippedData, OptionsFilesLoadAllOptions) {
    const std::string dir = testsupport::ShippedDataDir();
    const std::string opt = testsupport::ReadBytes(dir + "/OPTIONS.OPT");
    EXPECT_EQ(opt, testsupport::ReadBytes(dir + "/OPTIONS.MAS"));
    ExpectFullCrLfLines(opt, 286);

    const auto lines = ReadTextLines(dir + "/OPTIONS.OPT");
    ASSERT_TRUE(lines);
    for (size_t n = 0; n < lines->size(); ++n) {
        // Column 8 starts the comment "#n".
        EXPECT_EQ((*lines)[n].substr(7, 2 + std::to_string(n + 1).size()), "#" + std::to_string(n + 1) + " ");
    }
    EXPECT_EQ(ParseNumberLines(*lines, 286).size(), 286u);

    Settings s;
    s.AppPath = dir;
    ASSERT_TRUE(ReadOptionsFile(s));
    EXPECT_EQ(s.OptionValues[27], 1.0f);
    EXPECT_EQ(s.OptionValues[30], 50.0f);
    EXPECT_EQ(s.OptionValues[40], 1.0f);
    EXPECT_EQ(s.OptionValues[45], 60.0f);
    EXPECT_EQ(s.OptionValues[117], 80.0f);
    EXPECT_FLOAT_EQ(s.OptionValues[222], 37.65f);
}

TEST(ShippedData, OrbFilesLoadAllOrbs) {
    const std::string dir = testsupport::ShippedDataDir();
    for (const char* name : kOrbFiles) {
        SCOPED_TRACE(name);
        const std::string path = dir + "/" + name;
        ExpectFullCrLfLines(testsupport::ReadBytes(path), 17);
        const auto lines = ReadTextLines(path);
        ASSERT_TRUE(lines);
        EXPECT_EQ(ParseNumberLines(*lines, 17).size(), 17u);
        Settings s;
        s.CurrentOrbFile = path;
        ASSERT_TRUE(LoadOrbsFile(s));
    }
    // The two Magi files hold the short orb set: 3 degrees for the five
    // major aspects read, 1.2 for parallels; no other file does.
    for (const char* name : kOrbFiles) {
        Settings s;
        s.CurrentOrbFile = dir + "/" + name;
        ASSERT_TRUE(LoadOrbsFile(s));
        const bool shortSet = s.OrbValues[1] == 3 && s.OrbValues[3] == 3 && s.OrbValues[4] == 3 &&
                              s.OrbValues[5] == 3 && s.OrbValues[10] == 3 && s.OrbValues[6] == 1.2f;
        EXPECT_EQ(shortSet, std::string(name).rfind("MAGI", 0) == 0) << name;
    }
}

TEST(ShippedData, HelpTopicsAndTipsAreListable) {
    DialogResponder dialogs;
    ProgramState ps;
    // A program folder seeded from the shipped files, so listing a topic
    // writes its page there and never into the source tree.
    ps.settings.AppPath = testsupport::MakeTempDir();
    SeedProgramFolder(ps.settings.AppPath, testsupport::ShippedDataDir());
    MakeReportsFolder(ps.settings.AppPath);
    for (const char* name : kHelpFiles) {
        SCOPED_TRACE(name);
        const std::string bytes = testsupport::ReadBytes(ps.settings.AppPath + "/" + name);
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
        const auto lines = ReadTextLines(ps.settings.AppPath + "/" + name);
        ASSERT_TRUE(lines);
        for (const std::string& line : *lines) EXPECT_LE(line.size(), 80u) << line;

        ps.output.HelpFileName = std::string("\\") + name;
        EmptyOutput(ps.output);
        EXPECT_TRUE(ShowHelpText(ps));
        // The topic's lines, the blank line that ends the topic and the one
        // that showing the page adds.
        EXPECT_EQ(ps.output.PageLineCount, static_cast<int>(lines->size()) + 2);
    }

    const std::string tips = testsupport::ReadBytes(ps.settings.AppPath + "/TIPOFDAY.TXT");
    EXPECT_EQ(tips.find("\r\n\r\n"), std::string::npos);
    EXPECT_EQ(tips.substr(tips.size() - 2), "\r\n");
    EXPECT_FALSE(FileExists(ps.settings.AppPath + "/TANDRELL.INI"));
}
