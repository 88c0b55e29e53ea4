#include "platform/app_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "platform/text_file.h"
#include "test_support.h"

namespace {

using testsupport::MakeTempDir;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

bool IsDir(const std::string& p) { return QFileInfo(QString::fromStdString(p)).isDir(); }

TEST(AppPathTest, SeedsMissingFilesAndKeepsTheUsers) {
    const std::string shipped = MakeTempDir();
    WriteBytes(JoinPath(shipped, "OPTIONS.OPT"), "1\r\n");
    WriteBytes(JoinPath(shipped, "NAMES.FIL"), "shipped\r\n");
    WriteBytes(JoinPath(shipped, ".gitkeep"), "");
    QDir(QString::fromStdString(shipped)).mkpath("HELP");
    WriteBytes(JoinPath(shipped, "HELP/WHEELS.HLP"), "help\r\n");

    const std::string program = JoinPath(MakeTempDir(), "user/Tandrell");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(program)));
    WriteBytes(JoinPath(program, "NAMES.FIL"), "mine\r\n");
    // An installed data file may be read-only.
    QFile::setPermissions(QString::fromStdString(JoinPath(shipped, "OPTIONS.OPT")), QFile::ReadOwner);

    ASSERT_TRUE(SeedProgramFolder(program, shipped));
    EXPECT_EQ(ReadBytes(JoinPath(program, "OPTIONS.OPT")), "1\r\n");
    EXPECT_EQ(ReadBytes(JoinPath(program, "NAMES.FIL")), "mine\r\n");
    EXPECT_EQ(ReadBytes(JoinPath(program, "HELP/WHEELS.HLP")), "help\r\n");
    EXPECT_FALSE(FileExists(JoinPath(program, ".gitkeep")));
    EXPECT_TRUE(WriteTextLines(JoinPath(program, "OPTIONS.OPT"), {"2"}));  // the copy is writable

    // A second start changes nothing the user wrote.
    ASSERT_TRUE(SeedProgramFolder(program, shipped));
    EXPECT_EQ(ReadBytes(JoinPath(program, "OPTIONS.OPT")), "2\r\n");
}

TEST(AppPathTest, CreatesTheFolderAndReports) {
    const std::string program = JoinPath(MakeTempDir(), "a/b/Tandrell");
    ASSERT_TRUE(SeedProgramFolder(program, ""));
    EXPECT_TRUE(IsDir(program));
    EXPECT_TRUE(MakeReportsFolder(program));
    EXPECT_TRUE(MakeReportsFolder(program));  // already there
    EXPECT_TRUE(IsDir(JoinPath(program, "REPORTS")));

    // A program folder that cannot be made (a file stands in the way).
    const std::string blocked = JoinPath(MakeTempDir(), "FILE");
    WriteBytes(blocked, "x");
    EXPECT_FALSE(SeedProgramFolder(JoinPath(blocked, "Tandrell"), ""));
}

TEST(AppPathTest, FindsTheShippedDataFolder) {
    const std::string root = MakeTempDir();
    // Installed: data beside the executable.
    QDir(QString::fromStdString(root)).mkpath("install/data");
    EXPECT_EQ(ShippedDataFolder(JoinPath(root, "install")), JoinPath(root, "install/data"));
    // Build folder inside a source tree.
    QDir(QString::fromStdString(root)).mkpath("src/data");
    QDir(QString::fromStdString(root)).mkpath("src/build/tests");
    WriteBytes(JoinPath(root, "src/CMakeLists.txt"), "");
    EXPECT_EQ(ShippedDataFolder(JoinPath(root, "src/build/tests")), JoinPath(root, "src/data"));
    // Nowhere.
    QDir(QString::fromStdString(root)).mkpath("lone/bin");
    EXPECT_EQ(ShippedDataFolder(JoinPath(root, "lone/bin")), "");
    // The test program runs from a build folder, inside the source tree or
    // anywhere else (as packagers and IDEs build): inside, the source tree's
    // data is found; elsewhere there may be none to find.
    const std::string found = ShippedDataFolder();
    const QString programFolder = QDir(QCoreApplication::applicationDirPath()).canonicalPath();
    const QString sourceTree = QDir(QString::fromStdString(testsupport::SourceDir())).canonicalPath();
    if (programFolder.startsWith(sourceTree + "/"))
        EXPECT_EQ(QDir(QString::fromStdString(found)).canonicalPath(), sourceTree + "/data");
    else
        EXPECT_TRUE(found.empty() || IsDir(found)) << found;
}

TEST(AppPathTest, StandardFolderIsNamedForTheProgram) {
    QStandardPaths::setTestModeEnabled(true);
    const std::string folder = StandardProgramFolder();
    QStandardPaths::setTestModeEnabled(false);
    EXPECT_TRUE(QString::fromStdString(folder).endsWith("/Tandrell")) << folder;
}

}  // namespace
