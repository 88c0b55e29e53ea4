#include "platform/text_file.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>
#include <unistd.h>

#include "test_support.h"

namespace {

using testsupport::MakeTempDir;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

TEST(TextFileTest, WritesLinesWithCrLf) {
    const std::string path = JoinPath(MakeTempDir(), "OUT.TXT");
    ASSERT_TRUE(WriteTextLines(path, {"first", "", "third"}));
    EXPECT_EQ(ReadBytes(path), "first\r\n\r\nthird\r\n");
    ASSERT_TRUE(WriteTextLines(path, {}));
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_TRUE(FileExists(path));
}

TEST(TextFileTest, ReadsCrLfLfAndAMissingFinalLineEnd) {
    const std::string dir = MakeTempDir();
    const std::string path = JoinPath(dir, "IN.TXT");
    const std::vector<std::string> expected{"one", "two", "", "four"};

    WriteBytes(path, "one\r\ntwo\r\n\r\nfour\r\n");
    EXPECT_EQ(ReadTextLines(path).value(), expected);
    WriteBytes(path, "one\ntwo\n\nfour\n");
    EXPECT_EQ(ReadTextLines(path).value(), expected);
    WriteBytes(path, "one\r\ntwo\n\r\nfour");  // mixed, last line without an end
    EXPECT_EQ(ReadTextLines(path).value(), expected);
    WriteBytes(path, "");
    EXPECT_TRUE(ReadTextLines(path).value().empty());
    WriteBytes(path, "a\tb , c \r\n");  // the rest of a line is kept as it stands
    EXPECT_EQ(ReadTextLines(path).value(), std::vector<std::string>{"a\tb , c "});

    EXPECT_FALSE(ReadTextLines(JoinPath(dir, "MISSING.TXT")));
    EXPECT_FALSE(ReadFileBytes(JoinPath(dir, "MISSING.TXT")));
    EXPECT_FALSE(FileExists(JoinPath(dir, "MISSING.TXT")));
    EXPECT_FALSE(FileExists(dir));  // a folder is not a file
}

TEST(TextFileTest, AccentedNamesSurviveByteForByte) {
    const std::string name = "Jos\xE9 M\xFCller,05 Mar 1960,5.30,P";
    const std::string path = JoinPath(MakeTempDir(), "NAMES.FIL");
    ASSERT_TRUE(WriteTextLines(path, {name}));
    EXPECT_EQ(ReadBytes(path), name + "\r\n");
    EXPECT_EQ(ReadTextLines(path).value().at(0), name);

    const QString shown = FromCp1252("Jos\xE9 M\xFCller");
    EXPECT_EQ(shown, QString::fromUtf8("Jos\xC3\xA9 M\xC3\xBCller"));
    EXPECT_EQ(ToCp1252(shown), "Jos\xE9 M\xFCller");
}

TEST(TextFileTest, Cp1252ConversionRoundTripsEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(ToCp1252(FromCp1252(all)), all);
    // The code page's own characters in 0x80..0x9F.
    EXPECT_EQ(FromCp1252("\x80\x96\x99"), QString::fromUtf8("\xE2\x82\xAC\xE2\x80\x93\xE2\x84\xA2"));
    EXPECT_EQ(ToCp1252(QString::fromUtf8("\xE2\x82\xAC")), "\x80");
    // Characters the code page lacks become one '?' each.
    EXPECT_EQ(ToCp1252(QString::fromUtf8("a\xE2\x86\x92" "b\xF0\x9F\x98\x80" "c")), "a?b?c");
    // Which texts the code page holds whole.
    EXPECT_TRUE(FitsCp1252(FromCp1252(all)));
    EXPECT_TRUE(FitsCp1252(QString::fromUtf8("? \xE2\x82\xAC")));
    EXPECT_FALSE(FitsCp1252(QString::fromUtf8("\xC5\x81ukasz")));
    EXPECT_FALSE(FitsCp1252(QString::fromUtf8("\xF0\x9F\x98\x80")));
    EXPECT_FALSE(FitsCp1252(QString(QChar(0x80))));  // a C1 control where the code page has the euro sign
}

TEST(TextFileTest, FailedReplacementLeavesTheOldFile) {
    const std::string dir = MakeTempDir();
    const std::string path = JoinPath(dir, "NAMES.FIL");
    WriteBytes(path, "old\r\n");

    // The target is a folder: nothing is written, the folder stays.
    const std::string folder = JoinPath(dir, "SUB");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    EXPECT_FALSE(WriteTextLines(folder, {"new"}));
    EXPECT_TRUE(QFileInfo(QString::fromStdString(folder)).isDir());
    // The target's folder does not exist.
    EXPECT_FALSE(WriteTextLines(JoinPath(dir, "NO/SUCH/FILE.TXT"), {"new"}));
    // No temporary file is left behind.
    EXPECT_EQ(QDir(QString::fromStdString(dir)).entryList(QDir::Files), QStringList{"NAMES.FIL"});

    // A folder that cannot be written keeps the old file whole.
    if (geteuid() != 0) {
        QFile::setPermissions(QString::fromStdString(dir), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(WriteTextLines(path, {"new", "content"}));
        QFile::setPermissions(QString::fromStdString(dir),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(ReadBytes(path), "old\r\n");
    }

    // A successful write replaces the old content at once.
    ASSERT_TRUE(WriteTextLines(path, {"new"}));
    EXPECT_EQ(ReadBytes(path), "new\r\n");
    ASSERT_TRUE(WriteFileBytes(path, std::string("a\0b", 3)));
    EXPECT_EQ(ReadFileBytes(path).value(), std::string("a\0b", 3));
}

TEST(TextFileTest, JoinPath) {
    EXPECT_EQ(JoinPath("/a/b", "C.TXT"), "/a/b/C.TXT");
    EXPECT_EQ(JoinPath("/a/b/", "C.TXT"), "/a/b/C.TXT");
    EXPECT_EQ(JoinPath("", "C.TXT"), "C.TXT");
}

}  // namespace
