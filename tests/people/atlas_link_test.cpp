#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QString>

#include "people/atlas_link.h"
#include "people/people_state.h"
#include "platform/text_file.h"
#include "dialog_responder.h"
#include "test_support.h"

namespace {

// A stand-in "ATLAS.EXE" in its own folder: a shell script running the given commands,
// with $d set to its folder (written out, so that the script needs nothing from PATH).
std::string MakeStubAtlasIn(const std::string& dir, const std::string& body) {
    const std::string path = dir + "/ATLAS.EXE";
    testsupport::WriteBytes(path, "#!/bin/sh\nd='" + dir + "'\n" + body + "\n");
    QFile::setPermissions(QString::fromStdString(path),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return dir;
}

std::string MakeStubAtlas(const std::string& body) { return MakeStubAtlasIn(testsupport::MakeTempDir(), body); }

std::string WriteBoth(const std::string& zone) {
    return "printf '%s/\\r\\n' \"$d\" > \"$d/PCATPATH.TXT\"\n"
           "printf 'Atlanta\\r\\n33N45\\r\\n84W23\\r\\nUnited States\\r\\n" +
           zone + "\\r\\n' > \"$d/TSRTEMP.TXT\"";
}

PeopleState Lookup(std::string& atlasDir) {
    PeopleState people;
    people.AtlasDataFlag = 1;
    AtlasLookup(people, atlasDir);
    return people;
}

}  // namespace

TEST(AtlasLink, AcceptedPlaceFillsValues) {
    const std::string dir = MakeStubAtlas(WriteBoth("5"));
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::Yes);
    std::string atlasDir = dir + "/";
    const PeopleState people = Lookup(atlasDir);
    ASSERT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_EQ(dialogs.Prompts()[0].title, "Accept or Reject data");
    EXPECT_EQ(dialogs.Prompts()[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(dialogs.Prompts()[0].text,
              "Accept following data? \r\n\r\nLongitude = 84W23\r\nLatitude  = 33N45\r\nTime zone =  5");
    EXPECT_EQ(people.AtlasAnswer, 6);
    EXPECT_TRUE(AtlasDataAccepted(people));
    EXPECT_EQ(people.AtlasResultFolder, dir + "/");
    const AtlasPlace p = AtlasPlaceValues(people);
    EXPECT_EQ(p.LongDeg, 84);
    EXPECT_EQ(p.LongMin, 23);
    EXPECT_TRUE(p.West);
    EXPECT_EQ(p.LatDeg, 33);
    EXPECT_EQ(p.LatMin, 45);
    EXPECT_TRUE(p.North);
    EXPECT_EQ(p.Zone, 5.0f);
    EXPECT_EQ(atlasDir, dir + "/");
}

TEST(AtlasLink, RejectedPlaceAndNegativeZone) {
    const std::string dir = MakeStubAtlas(WriteBoth("-4"));
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::No);
    std::string atlasDir = dir + "/";
    const PeopleState people = Lookup(atlasDir);
    EXPECT_EQ(dialogs.Prompts().at(0).text.substr(dialogs.Prompts()[0].text.size() - 14), "Time zone = -4");
    EXPECT_EQ(people.AtlasAnswer, 7);
    EXPECT_FALSE(AtlasDataAccepted(people));
}

TEST(AtlasLink, AsksForFolderWhenProgramNotFound) {
    const std::string dir = MakeStubAtlas(WriteBoth("5"));
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(testsupport::MakeTempDir()));
    {
        // Cancel ends the look-up without data and without a further message.
        DialogResponder dialogs;
        dialogs.AnswerText(std::nullopt);
        std::string atlasDir;
        const PeopleState people = Lookup(atlasDir);
        ASSERT_EQ(dialogs.Prompts().size(), 1u);
        EXPECT_EQ(dialogs.Prompts()[0].title, "Where do I find ATLAS.EXE?");
        EXPECT_EQ(people.AtlasDataFlag, 0);
        EXPECT_EQ(atlasDir, "");
    }
    {
        // A wrong folder is asked for again; the typed folder gains its separator.
        DialogResponder dialogs;
        dialogs.AnswerText("/no/such/folder").AnswerText(dir).Answer(MsgResult::Yes);
        std::string atlasDir;
        const PeopleState people = Lookup(atlasDir);
        EXPECT_EQ(dialogs.Prompts().size(), 3u);
        EXPECT_EQ(atlasDir, dir + "/");
        EXPECT_TRUE(AtlasDataAccepted(people));
    }
    qputenv("PATH", oldPath);
}

TEST(AtlasLink, MissingHandOverFiles) {
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK, 4);
    {
        const std::string dir = MakeStubAtlas("true");
        std::string atlasDir = dir + "/";
        const PeopleState people = Lookup(atlasDir);
        EXPECT_EQ(people.AtlasDataFlag, 0);
        EXPECT_EQ(dialogs.Prompts().back().text,
                  "Cannot find the file called PCATPATH in the " + dir + "/ directory.");
        EXPECT_EQ(dialogs.Prompts().back().title, "Warning!");
    }
    {
        // A folder line without its final separator runs into the file name.
        const std::string dir = MakeStubAtlas("printf '%s\\r\\n' \"$d\" > \"$d/PCATPATH.TXT\"");
        std::string atlasDir = dir + "/";
        const PeopleState people = Lookup(atlasDir);
        EXPECT_EQ(people.AtlasDataFlag, 0);
        EXPECT_EQ(dialogs.Prompts().back().text,
                  "Cannot find the file called TSRTEMP.TXT in the " + dir + " directory.");
    }
    {
        // Fewer than five lines.
        const std::string dir = MakeStubAtlas(
            "printf '%s/\\r\\n' \"$d\" > \"$d/PCATPATH.TXT\"\nprintf 'a\\r\\n33N45\\r\\n84W23\\r\\n' > "
            "\"$d/TSRTEMP.TXT\"");
        std::string atlasDir = dir + "/";
        const PeopleState people = Lookup(atlasDir);
        EXPECT_EQ(people.AtlasDataFlag, 0);
        EXPECT_EQ(dialogs.Prompts().back().text,
                  "Cannot find the file called TSRTEMP.TXT in the " + dir + "/ directory.");
    }
    {
        // A blank folder line: the result is not taken from the current
        // folder, even when one lies there.
        const std::string dir = MakeStubAtlas(
            "printf '\r\n' > \"$d/PCATPATH.TXT\"\nprintf 'a\r\n33N45\r\n84W23\r\nb\r\n5\r\n' > TSRTEMP.TXT");
        std::string atlasDir = dir + "/";
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(dir));
        const PeopleState people = Lookup(atlasDir);
        QDir::setCurrent(cwd);
        EXPECT_EQ(people.AtlasDataFlag, 0);
        EXPECT_EQ(dialogs.Prompts().back().text, "Cannot find the file called TSRTEMP.TXT in the  directory.");
    }
}

TEST(AtlasLink, ProgramInAnAccentedFolder) {
    // "Données": the folder is a UTF-8 path; typed into the input box and
    // written into PCATPATH.TXT it is Windows-1252 text.
    const std::string dir = JoinPath(testsupport::MakeTempDir(), "Donn\xC3\xA9" "es");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(dir)));
    const std::string dirText = PathToText(dir);
    ASSERT_NE(dirText, dir);
    const std::string writePath = "printf '%s/\\r\\n' '" + dirText + "' > \"$d/PCATPATH.TXT\"";
    MakeStubAtlasIn(dir, writePath + "\nprintf 'Atlanta\\r\\n33N45\\r\\n84W23\\r\\nUS\\r\\n5\\r\\n' > \"$d/TSRTEMP.TXT\"");
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(testsupport::MakeTempDir()));
    {
        DialogResponder dialogs;
        dialogs.AnswerText(dirText).Answer(MsgResult::Yes);
        std::string atlasDir;
        const PeopleState people = Lookup(atlasDir);
        ASSERT_EQ(dialogs.Prompts().size(), 2u);
        EXPECT_EQ(atlasDir, dir + "/");
        EXPECT_EQ(people.AtlasResultFolder, dir + "/");
        EXPECT_TRUE(AtlasDataAccepted(people));
    }
    {
        // The folder named in a message reads as the same letters.
        QFile::remove(QString::fromStdString(dir + "/TSRTEMP.TXT"));
        MakeStubAtlasIn(dir, writePath);
        DialogResponder dialogs;
        dialogs.Answer(MsgResult::OK);
        std::string atlasDir = dir + "/";
        const PeopleState people = Lookup(atlasDir);
        EXPECT_EQ(people.AtlasDataFlag, 0);
        ASSERT_EQ(dialogs.Prompts().size(), 1u);
        EXPECT_EQ(dialogs.Prompts()[0].text,
                  "Cannot find the file called TSRTEMP.TXT in the " + dirText + "/ directory.");
    }
    qputenv("PATH", oldPath);
}
