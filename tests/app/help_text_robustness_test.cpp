// Damaged help topics and tips files: every content is listed or stepped
// through within the report buffer and the tips table.
#include <gtest/gtest.h>

#include <QDir>

#include "app/help_text.h"
#include "app/output_buffer.h"
#include "app/ui/tip_window.h"
#include "damaged_contents.h"
#include "dialog_responder.h"
#include "program_state.h"
#include "test_support.h"

namespace {

const std::vector<std::string> kGoodLines = {"HOW DO I ...", "", "  Press F9 for the natal wheel.",
                                             "Choose Data, Natal, Data (F2) for the positions."};

}  // namespace

TEST(HelpTextRobustness, AnyTopicIsListedWithinTheBuffer) {
    DialogRecorder dialogs;
    ProgramState ps;
    ps.settings.AppPath = testsupport::MakeTempDir();
    QDir(QString::fromStdString(ps.settings.AppPath)).mkdir("REPORTS");
    for (const auto& content : damaged::Contents(kGoodLines, 200, 3001)) {
        SCOPED_TRACE(testing::Message() << "content of " << content.size() << " bytes");
        ps.output = OutputState{};
        ps.output.ShowReportPage = [](const std::string&) {};
        ps.output.HelpFileName = "\\ROBUST.HLP";
        testsupport::WriteBytes(ps.settings.AppPath + "/ROBUST.HLP", content);
        const std::size_t before = dialogs.Prompts().size();
        ASSERT_TRUE(ShowHelpText(ps));
        EXPECT_LE(ps.output.OutputLineCount, kMaxOutputLines);
        EXPECT_LE(ps.output.OutputBuffer.size(), static_cast<std::size_t>(kMaxOutputLines) + 1);
        // A topic too long for the buffer is cut at the buffer's message (and
        // the two closing blank lines give theirs), not one message a line.
        EXPECT_LE(dialogs.Prompts().size() - before, 3u);
    }
}

TEST(HelpTextRobustness, TooLongTopicStopsAtTheFullBuffer) {
    DialogRecorder dialogs;
    ProgramState ps;
    ps.settings.AppPath = testsupport::MakeTempDir();
    QDir(QString::fromStdString(ps.settings.AppPath)).mkdir("REPORTS");
    ps.output.ShowReportPage = [](const std::string&) {};
    ps.output.HelpFileName = "\\LONG.HLP";
    testsupport::WriteBytes(ps.settings.AppPath + "/LONG.HLP", damaged::Repeat("help line", 40000));
    ASSERT_TRUE(ShowHelpText(ps));
    EXPECT_EQ(ps.output.OutputLineCount, kMaxOutputLines);
    ASSERT_EQ(dialogs.Prompts().size(), 3u);
    for (const auto& prompt : dialogs.Prompts()) EXPECT_EQ(prompt.title, "Warning!");
}

TEST(HelpTextRobustness, AnyTipsFileStepsWithinItsTips) {
    DialogRecorder dialogs;
    const std::string path = testsupport::MakeTempDir() + "/TIPOFDAY.TXT";
    frmTip tip;
    for (const auto& content : damaged::Contents(kGoodLines, 200, 3002)) {
        SCOPED_TRACE(testing::Message() << "content of " << content.size() << " bytes");
        testsupport::WriteBytes(path, content);
        tip.CurrentTip = 0;
        ASSERT_TRUE(tip.LoadTips(path));
        const long count = static_cast<long>(tip.Tips.size());
        for (int step = 0; step < 5; ++step) {
            step % 2 ? tip.GoBackTip() : tip.NextTip();
            tip.NextTip();
            if (count > 0) {
                EXPECT_GE(tip.CurrentTip, 1);
                EXPECT_LE(tip.CurrentTip, count);
            }
        }
    }
    EXPECT_TRUE(dialogs.Prompts().empty());
}
