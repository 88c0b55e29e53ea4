// Damaged options and orb files: every content reads by the line rule
// without leaving the tables, and Restore Default never harms OPTIONS.OPT.
#include <gtest/gtest.h>

#include <cmath>

#include "app/options_file.h"
#include "app/settings.h"
#include "damaged_contents.h"
#include "dialog_responder.h"
#include "test_support.h"

namespace {

const std::vector<std::string> kGoodLines = {"8      #1 orb of the conjunction", "6      #2 orb of the sextile",
                                             "-1     #3 off", "0.5", "286    #last"};

constexpr float kUntouched = -12345.0f;

// Reads one content into both tables; slot 0 stays as it was and every
// value read is finite (a number too large is not used).
void ReadBoth(Settings& s, const std::string& content) {
    testsupport::WriteBytes(OptionsFilePath(s), content);
    testsupport::WriteBytes(s.CurrentOrbFile, content);
    s.OptionValues.fill(kUntouched);
    s.OrbValues.fill(kUntouched);
    ASSERT_TRUE(ReadOptionsFile(s));
    ASSERT_TRUE(LoadOrbsFile(s));
    EXPECT_EQ(s.OptionValues[0], kUntouched);
    EXPECT_EQ(s.OrbValues[0], kUntouched);
    for (float v : s.OptionValues) EXPECT_TRUE(std::isfinite(v));
    for (float v : s.OrbValues) EXPECT_TRUE(std::isfinite(v));
}

}  // namespace

TEST(OptionsFileRobustness, AnyContentStaysWithinTheTables) {
    DialogRecorder dialogs;
    Settings s;
    s.AppPath = testsupport::MakeTempDir();
    s.CurrentOrbFile = s.AppPath + "/NATAL.ORB";
    for (const auto& content : damaged::Contents(kGoodLines, 300, 1001)) {
        SCOPED_TRACE(testing::Message() << "content of " << content.size() << " bytes");
        const std::size_t before = dialogs.Prompts().size();
        ReadBoth(s, content);
        // At most one message for each file, for numbers too large to use.
        EXPECT_LE(dialogs.Prompts().size() - before, 2u);
    }
    for (const auto& prompt : dialogs.Prompts())
        EXPECT_NE(prompt.text.find("too large to use"), std::string::npos) << prompt.text;
}

TEST(OptionsFileRobustness, LongFileFillsEveryOptionAndNoMore) {
    DialogRecorder dialogs;
    Settings s;
    s.AppPath = testsupport::MakeTempDir();
    s.CurrentOrbFile = s.AppPath + "/NATAL.ORB";
    ReadBoth(s, damaged::Repeat("1e999  #huge", 100000));
    EXPECT_EQ(s.OptionValues[286], kUntouched);  // no master file to give a value
    EXPECT_EQ(s.OrbValues[17], 0.0f);
    // Only the first 7 characters count: "12345678" reads as 1234567.
    ReadBoth(s, "12345678\r\n-.5\r\n\r\n9\r\n");
    EXPECT_EQ(s.OptionValues[1], 1234567.0f);
    EXPECT_EQ(s.OptionValues[2], -0.5f);
    EXPECT_EQ(s.OptionValues[3], kUntouched);
}

TEST(OptionsFileRobustness, RestoreDefaultCopiesAnyMasterAndKeepsTheFileWhenRefused) {
    DialogRecorder dialogs;
    Settings s;
    s.AppPath = testsupport::MakeTempDir();
    const std::string original = "8      #1\r\n6      #2\r\n";
    int n = 0;
    for (const auto& content : damaged::Contents(kGoodLines, 40, 1002)) {
        if (++n % 4 != 0) continue;
        testsupport::WriteBytes(OptionsFilePath(s), original);
        testsupport::WriteBytes(MasterOptionsFilePath(s), content);
        ASSERT_TRUE(RestoreDefaultOptions(s));
        ASSERT_EQ(testsupport::ReadBytes(OptionsFilePath(s)), content);
    }
    testsupport::WriteBytes(OptionsFilePath(s), original);
    std::remove(MasterOptionsFilePath(s).c_str());
    EXPECT_FALSE(RestoreDefaultOptions(s));
    EXPECT_EQ(testsupport::ReadBytes(OptionsFilePath(s)), original);
    ASSERT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_EQ(dialogs.Prompts()[0].text, "Error in operation. Cannot do what is requested.");
}
