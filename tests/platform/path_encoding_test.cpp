// Paths are UTF-8 throughout, while file contents and program texts are
// Windows-1252: a folder with an accented letter in its name must work for
// every function that takes a path, and a path shown in a message must read
// as the same letters.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "dialog_responder.h"
#include "platform/app_path.h"
#include "platform/drawing_surface.h"
#include "platform/process_runner.h"
#include "platform/text_file.h"
#include "platform/ui/printer_output.h"
#include "platform/ui/qt_dialog_handler.h"
#include "test_support.h"

namespace {

// "Données" as UTF-8 (a path) and as Windows-1252 (a program text).
const std::string kAccentedFolder = "Donn\xC3\xA9" "es";
const std::string kAccentedText = "Donn\xE9" "es";

std::string AccentedFolder() {
    const std::string folder = JoinPath(testsupport::MakeTempDir(), kAccentedFolder);
    QDir().mkpath(QString::fromStdString(folder));
    return folder;
}

TEST(PathEncoding, PathsAndTextsCrossBetweenTheTwoEncodings) {
    EXPECT_EQ(PathToText("/home/" + kAccentedFolder), "/home/" + kAccentedText);
    EXPECT_EQ(TextToPath("C:\\" + kAccentedText + "\\"), "C:\\" + kAccentedFolder + "\\");
    EXPECT_EQ(TextToPath(PathToText(kAccentedFolder)), kAccentedFolder);
}

TEST(PathEncoding, FilesInAnAccentedFolderAreWrittenAndReadBack) {
    const std::string folder = AccentedFolder();
    ASSERT_TRUE(QFileInfo(QString::fromUtf8(folder.c_str())).isDir());
    const std::string path = JoinPath(folder, "NAMES.FIL");
    // The contents stay Windows-1252 bytes; the path is UTF-8.
    ASSERT_TRUE(WriteTextLines(path, {"Jos\xE9,05 Mar 1960"}));
    EXPECT_TRUE(FileExists(path));
    const auto lines = ReadTextLines(path);
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, std::vector<std::string>{"Jos\xE9,05 Mar 1960"});
    EXPECT_TRUE(QFile::exists(QString::fromUtf8(path.c_str())));
}

TEST(PathEncoding, ProgramFolderIsSeededIntoAnAccentedFolder) {
    const std::string shipped = AccentedFolder();
    testsupport::WriteBytes(JoinPath(shipped, "OPTIONS.OPT"), "1\r\n");
    const std::string program = JoinPath(AccentedFolder(), "Tandrell");
    ASSERT_TRUE(SeedProgramFolder(program, shipped));
    ASSERT_TRUE(MakeReportsFolder(program));
    EXPECT_TRUE(FileExists(JoinPath(program, "OPTIONS.OPT")));
    EXPECT_TRUE(QFileInfo(QString::fromStdString(JoinPath(program, "REPORTS"))).isDir());
}

TEST(PathEncoding, ProgramInAnAccentedFolderRunsThere) {
    const std::string folder = AccentedFolder();
    const std::string script = JoinPath(folder, "ATLAS.sh");
    testsupport::WriteBytes(script, "#!/bin/sh\necho done > \"$PWD/ran.txt\"\n");
    QFile::setPermissions(QString::fromStdString(script), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const ProcessResult r = RunProgramAndWait(script);
    ASSERT_TRUE(r.Started) << r.Error;
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_TRUE(FileExists(JoinPath(folder, "ran.txt")));
}

TEST(PathEncoding, FileChooserOpensAtTheUtf8Path) {
    FileChooserRequest request;
    request.folder = "/tmp/" + kAccentedFolder;
    EXPECT_EQ(ChooserStartPath(request), QString::fromUtf8("/tmp/Donn\xC3\xA9" "es"));
    request.fileName = "NAMES.FIL";
    EXPECT_EQ(ChooserStartPath(request), QString::fromUtf8("/tmp/Donn\xC3\xA9" "es/NAMES.FIL"));
}

TEST(PathEncoding, PdfGoesIntoAnAccentedReportsFolderAndIsNamedReadably) {
    const std::string reports = JoinPath(AccentedFolder(), "REPORTS");
    DialogResponder responder;
    responder.Answer(MsgResult::OK);
    std::string path;
    {
        PrinterOutput job(reports, PrinterOutput::Target::PdfFile);
        ASSERT_TRUE(job.IsOpen());
        path = job.PdfPath();
        job.Page().Print("One line");
        EXPECT_TRUE(job.EndDoc());
    }
    EXPECT_EQ(testsupport::ReadBytes(path).substr(0, 4), "%PDF");
    ASSERT_EQ(responder.Prompts().size(), 1u);
    // The message is a program text: the folder reads as Windows-1252.
    EXPECT_NE(responder.Prompts()[0].text.find(kAccentedText), std::string::npos) << responder.Prompts()[0].text;
    EXPECT_NE(responder.Prompts()[0].text.find(PathToText(path)), std::string::npos);
}

}  // namespace
