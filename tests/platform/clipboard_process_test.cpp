#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "platform/clipboard.h"
#include "platform/process_runner.h"
#include "platform/text_file.h"
#include "test_support.h"

namespace {

using testsupport::MakeTempDir;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

TEST(ClipboardTest, TextRoundTripsInTheCodePage) {
    const std::string text = "Jos\xE9 M\xFCller\r\n  Sun    12.50\r\n\x80 5";
    SetClipboardText(text);
    EXPECT_EQ(ClipboardText(), text);
    SetClipboardText("");
    EXPECT_EQ(ClipboardText(), "");
}

// A small executable script in a folder whose name has blanks.
std::string MakeScript(const std::string& body) {
    const std::string dir = JoinPath(MakeTempDir(), "Atlas Folder");
    QDir().mkpath(QString::fromStdString(dir));
    const std::string path = JoinPath(dir, "ATLAS TOOL.sh");
    WriteBytes(path, "#!/bin/sh\n" + body);
    QFile::setPermissions(QString::fromStdString(path),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

TEST(ProcessRunnerTest, RunsAProgramWithBlanksInItsPathAndWaits) {
    const std::string script = MakeScript("printf '%s|%s' \"$1\" \"$2\" > \"$PWD/ran.txt\"\nexit 3\n");
    const std::string folder = script.substr(0, script.rfind('/'));
    const ProcessResult r = RunProgramAndWait(script, {"two words", "$HOME;`x`"});
    EXPECT_TRUE(r.Started) << r.Error;
    EXPECT_FALSE(r.Crashed);
    EXPECT_EQ(r.ExitCode, 3);
    // Arguments arrive unchanged (no shell), and the program ran in its own folder.
    EXPECT_EQ(ReadBytes(JoinPath(folder, "ran.txt")), "two words|$HOME;`x`");
}

TEST(ProcessRunnerTest, WorkingFolderAndSuccess) {
    const std::string script = MakeScript("echo done > result.txt\n");
    const std::string work = MakeTempDir();
    const ProcessResult r = RunProgramAndWait(script, {}, work);
    EXPECT_TRUE(r.Started);
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_EQ(ReadBytes(JoinPath(work, "result.txt")), "done\n");
}

TEST(ProcessRunnerTest, ReportsAProgramThatCannotStartOrCrashes) {
    const std::string dir = MakeTempDir();
    const ProcessResult missing = RunProgramAndWait(JoinPath(dir, "ATLAS.EXE"));
    EXPECT_FALSE(missing.Started);
    EXPECT_FALSE(missing.Error.empty());

    const std::string notExecutable = JoinPath(dir, "plain.txt");
    WriteBytes(notExecutable, "hello");
    EXPECT_FALSE(RunProgramAndWait(notExecutable).Started);

    const ProcessResult crashed = RunProgramAndWait(MakeScript("kill -9 $$\n"));
    EXPECT_TRUE(crashed.Started);
    EXPECT_TRUE(crashed.Crashed);
}

}  // namespace
