#include <gtest/gtest.h>

#include <filesystem>

#include "people/name_save.h"
#include "people/names_file.h"
#include "platform/text_file.h"
#include "program_state.h"
#include "dialog_responder.h"
#include "test_support.h"

namespace {

const std::string kJane1 = "Jane Doe,05 Mar 1960,5.30,P,5,075.30,40.45,jane@example.com";
const std::string kOther = "John Roe,12 Dec 1971,10.05,A,-1,-002.20,48.52,";
const std::string kJane2 = "jane doe,01 Jan 1970,1.00,A,0,000.08,51.31,";

NameSaveFields Jane() {
    NameSaveFields f;
    f.Name = "JANE DOE";
    f.Day = "7";
    f.Month = "3";
    f.Year = "1962";
    f.Hour = "5";
    f.Minute = "30";
    f.AM = false;
    f.Zone = "-10";
    f.LongDeg = "2";
    f.LongMin = "20";
    f.West = false;
    f.LatDeg = "33";
    f.LatMin = "52";
    f.North = false;
    f.Email = "";
    return f;
}
const std::string kJaneNew = "JANE DOE,07 Mar 1962,5.30,P,-10,-002.20,-33.52,";

struct SaveFixture : ::testing::Test {
    ProgramState ps;
    std::string dir = testsupport::MakeTempDir();
    std::string file = dir + "/people/NAMES.FIL";
    DialogResponder dialogs;

    void SetUp() override {
        ps.settings.AppPath = dir;
        std::filesystem::create_directory(dir + "/people");
    }
    void WriteFile(const std::vector<std::string>& lines) {
        std::string b;
        for (const auto& l : lines) b += l + "\r\n";
        testsupport::WriteBytes(file, b);
    }
    SaveOutcome Save(const NameSaveFields& f) {
        return SaveToDisk(ps, f, [this] { return file; });
    }
    std::string Crlf(const std::vector<std::string>& lines) {
        std::string b;
        for (const auto& l : lines) b += l + "\r\n";
        return b;
    }
};

}  // namespace

TEST(NameRecordFormat, MasksAndDecodeRoundTrip) {
    EXPECT_EQ(FormatNameNumber(75.30, 3), "075.30");
    EXPECT_EQ(FormatNameNumber(-2.20, 3), "-002.20");
    EXPECT_EQ(FormatNameNumber(40.45, 2), "40.45");
    EXPECT_EQ(FormatNameNumber(-33.52, 2), "-33.52");
    EXPECT_EQ(FormatNameNumber(5.05, 0), "5.05");
    EXPECT_EQ(FormatNameNumber(5.3, 0), "5.30");
    EXPECT_EQ(FormatNameNumber(5.0, 2), "05.00");
    EXPECT_EQ(FormatNameNumber(0.08, 3), "000.08");
    EXPECT_EQ(FormatNameNumber(180.59, 3), "180.59");

    const auto rec = ParseNameRecordLine("Lee Sample,09 Jan 1990,12.00,P,-5.5,-088.22,-22.05,");
    ASSERT_TRUE(rec);
    EXPECT_EQ(rec->Email, "");
    const auto v = DecodeNameRecord(*rec);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->Date.Day, 9);
    EXPECT_EQ(v->Date.Month, 1);
    EXPECT_EQ(v->Date.Year, 1990);
    EXPECT_EQ(v->Hour, 12);
    EXPECT_EQ(v->Minute, 0);
    EXPECT_FALSE(v->AM);
    EXPECT_DOUBLE_EQ(v->Zone, -5.5);
    EXPECT_EQ(v->LongDeg, 88);
    EXPECT_EQ(v->LongMin, 22);
    EXPECT_TRUE(v->East);
    EXPECT_EQ(v->LatDeg, 22);
    EXPECT_EQ(v->LatMin, 5);
    EXPECT_TRUE(v->South);

    EXPECT_FALSE(ParseNameRecordLine("Short,05 Mar 1960,5.30"));
    EXPECT_TRUE(ParseRecordDate("1960 Mar 05"));
    EXPECT_FALSE(ParseRecordDate("31 Feb 1960"));
    EXPECT_TRUE(ParseRecordDate("05 March 1960"));
    // A number no box can take makes the record unreadable.
    NameRecord huge = *rec;
    huge.Longitude = "1e300";
    EXPECT_FALSE(DecodeNameRecord(huge));
}

TEST(NamesFileRead, StreamReaderAndLineView) {
    // The list reader takes eight fields at a time and passes over an empty line.
    auto r = ReadNamesRecords({kJane1, kOther, "", kJane2});
    EXPECT_EQ(r.Records.size(), 3u);
    EXPECT_FALSE(r.Incomplete);
    r = ReadNamesRecords({kJane1, "Cut,05 Mar 1960,5.30"});
    EXPECT_EQ(r.Records.size(), 1u);
    EXPECT_TRUE(r.Incomplete);
    // The line view keeps a short line as it stands.
    const auto entries = ParseNamesFile({kJane1, "Cut,05 Mar 1960,5.30", ""});
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_TRUE(entries[0].IsRecord);
    EXPECT_FALSE(entries[1].IsRecord);
    EXPECT_EQ(entries[1].RawLine, "Cut,05 Mar 1960,5.30");
}

TEST_F(SaveFixture, NewNameIsAppendedWithBackupAndNoScratch) {
    WriteFile({kOther});
    EXPECT_EQ(Save(Jane()), SaveOutcome::Saved);
    EXPECT_EQ(testsupport::ReadBytes(file), Crlf({kOther, kJaneNew}));
    EXPECT_EQ(testsupport::ReadBytes(dir + "/people/NAMES.OLD"), Crlf({kOther}));
    EXPECT_FALSE(std::filesystem::exists(dir + "/wfyert.hyq"));
    EXPECT_TRUE(dialogs.Prompts().empty());
    EXPECT_EQ(ps.people.NamesListStale, 1);
}

TEST_F(SaveFixture, DuplicatesAskedOneByOne) {
    // Yes replaces, No keeps; each matching record is asked about, case ignored.
    WriteFile({kJane1, kOther, kJane2});
    dialogs.Answer(MsgResult::Yes).Answer(MsgResult::No);
    EXPECT_EQ(Save(Jane()), SaveOutcome::Saved);
    EXPECT_EQ(testsupport::ReadBytes(file), Crlf({kOther, kJane2, kJaneNew}));
    ASSERT_EQ(dialogs.Prompts().size(), 2u);
    EXPECT_EQ(dialogs.Prompts()[0].title, "Jane Doe already exists");
    EXPECT_EQ(dialogs.Prompts()[1].title, "jane doe already exists");
    EXPECT_EQ(dialogs.Prompts()[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(dialogs.Prompts()[0].text,
              "There is already a name on file matching your current name with the following associated data: "
              "\r\n\r\nDate =  05 Mar 1960\r\nTime =  5.30 P\r\nTime zone =  5\r\nLongitude =  075.30\r\n"
              "Latitude =  40.45\r\nE-mail address =  jane@example.com\r\n\r\nDo you want to replace it?\r\n\r\n"
              "Answering 'NO' will append the current name and data to file, not replace the existing entry.");
    // A second save keeps only the state before it as the backup.
    dialogs.Answer(MsgResult::No, 2);
    EXPECT_EQ(Save(Jane()), SaveOutcome::Saved);
    EXPECT_EQ(testsupport::ReadBytes(dir + "/people/NAMES.OLD"), Crlf({kOther, kJane2, kJaneNew}));
    EXPECT_EQ(testsupport::ReadBytes(file), Crlf({kOther, kJane2, kJaneNew, kJaneNew}));
}

TEST_F(SaveFixture, RefusedInputLeavesFileUntouched) {
    WriteFile({kJane1, kOther});
    const std::string before = testsupport::ReadBytes(file);
    int chooserCalls = 0;
    auto save = [&](const NameSaveFields& f) {
        return SaveToDisk(ps, f, [&] {
            ++chooserCalls;
            return file;
        });
    };
    dialogs.Answer(MsgResult::OK, 8);  // one message for each refusal
    NameSaveFields f = Jane();
    f.Name = "Doe, Jane";
    EXPECT_EQ(save(f), SaveOutcome::Refused);
    EXPECT_EQ(dialogs.Prompts().back().text,
              "You cannot have a comma in the name. Please remove the comma and try again.");
    EXPECT_EQ(dialogs.Prompts().back().title, "Warning!");
    EXPECT_EQ(ps.people.NamesListStale, 1);

    f = Jane();
    f.Email = "a,b@example.com";
    EXPECT_EQ(save(f), SaveOutcome::Refused);
    f = Jane();
    f.Day = "30";
    f.Month = "2";  // no such date
    EXPECT_EQ(save(f), SaveOutcome::Refused);
    EXPECT_EQ(dialogs.Prompts().back().text, "Error in natal input data section. Please correct.");
    f = Jane();
    f.Minute = "";
    EXPECT_EQ(save(f), SaveOutcome::Refused);
    f = Jane();
    f.Month = "13";
    EXPECT_EQ(save(f), SaveOutcome::Refused);
    f = Jane();
    f.Zone = "5-";
    EXPECT_EQ(save(f), SaveOutcome::Refused);
    f = Jane();
    f.Name = "";
    EXPECT_EQ(save(f), SaveOutcome::Refused);
    // Blanks only: the names list could not show the person.
    f.Name = "  \t ";
    EXPECT_EQ(save(f), SaveOutcome::Refused);
    EXPECT_EQ(dialogs.Prompts().back().text,
              "You cannot save a person without a name. Please type a name and try again.");

    EXPECT_EQ(chooserCalls, 0);
    EXPECT_EQ(testsupport::ReadBytes(file), before);
    EXPECT_FALSE(std::filesystem::exists(dir + "/people/NAMES.OLD"));
    EXPECT_FALSE(std::filesystem::exists(dir + "/wfyert.hyq"));
}

TEST_F(SaveFixture, BlankLinesCopiedThrough) {
    // Empty lines stay as they stand; empty lines at the end go, so that the
    // names list, which stops at an empty line, shows the new record.
    WriteFile({kOther, "", kOther, "", "  "});
    EXPECT_EQ(Save(Jane()), SaveOutcome::Saved);
    const std::vector<std::string> expected = {kOther, "", kOther, kJaneNew};
    EXPECT_EQ(testsupport::ReadBytes(file), Crlf(expected));
    WriteFile({kOther, "", ""});
    EXPECT_EQ(Save(Jane()), SaveOutcome::Saved);
    EXPECT_EQ(ReadNamesRecords(*ReadTextLines(file)).Records.size(), 2u);
}

TEST_F(SaveFixture, CancelAndMissingTarget) {
    WriteFile({kOther});
    const std::string before = testsupport::ReadBytes(file);
    EXPECT_EQ(SaveToDisk(ps, Jane(), [] { return std::string(); }), SaveOutcome::Cancelled);
    EXPECT_EQ(ps.people.NamesListStale, 0);
    EXPECT_EQ(testsupport::ReadBytes(file), before);
    // A file that does not exist yet is created with the one record and no backup.
    const std::string fresh = dir + "/people/NEW.FIL";
    EXPECT_EQ(SaveToDisk(ps, Jane(), [&] { return fresh; }), SaveOutcome::Saved);
    EXPECT_EQ(testsupport::ReadBytes(fresh), Crlf({kJaneNew}));
    EXPECT_FALSE(std::filesystem::exists(dir + "/people/NEW.OLD"));
}

TEST_F(SaveFixture, UnwritableScratchLeavesFileAlone) {
    WriteFile({kOther});
    ps.settings.AppPath = dir + "/no/such/folder";
    dialogs.Answer(MsgResult::OK);
    EXPECT_EQ(Save(Jane()), SaveOutcome::Failed);
    EXPECT_EQ(testsupport::ReadBytes(file), Crlf({kOther}));
    EXPECT_EQ(dialogs.Prompts().back().title, "Error!");
}

TEST_F(SaveFixture, OpeningFallsBackToDefault) {
    testsupport::WriteBytes(dir + "/NAMES.FIL", Crlf({kOther}));
    std::string current = dir + "/missing.FIL";
    EXPECT_EQ(OpenNamesFile(current, dir), std::vector<std::string>{kOther});
    EXPECT_EQ(current, "");
    std::filesystem::remove(dir + "/NAMES.FIL");
    dialogs.Answer(MsgResult::OK);
    EXPECT_TRUE(OpenNamesFile(current, dir).empty());
    ASSERT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_EQ(dialogs.Prompts()[0].title, "File Not Found");
}

TEST_F(SaveFixture, LineThatIsNotWholeRecordRefusesTheSave) {
    // The list reads fields across line ends: a record saved after a short or
    // long line would be read with another's fields. The save is refused with
    // the names file's message and the file is left byte for byte.
    const std::string shortLine = "Broken Line,01 Jan 1990,3.00";
    const std::string longLine = kOther + ",extra,fields";
    const std::vector<std::vector<std::string>> files = {
        {kJane1, kOther, shortLine},      // at the end
        {kJane1, shortLine, kOther},      // in the middle
        {kJane1, longLine, kOther},       // extra fields
        {shortLine, "", "  "},            // followed by empty lines
    };
    for (const auto& lines : files) {
        SCOPED_TRACE(lines[1]);
        WriteFile(lines);
        std::string bytes = testsupport::ReadBytes(file);
        bytes.pop_back();  // no line end after the last line
        testsupport::WriteBytes(file, bytes);
        std::filesystem::remove(dir + "/people/NAMES.OLD");
        DialogResponder responder;
        responder.Answer(MsgResult::OK);
        EXPECT_EQ(Save(Jane()), SaveOutcome::Failed);
        ASSERT_EQ(responder.Prompts().size(), 1u);
        EXPECT_EQ(responder.Prompts()[0].text, kNamesFileError);
        EXPECT_EQ(responder.Prompts()[0].title, "Error!");
        EXPECT_EQ(testsupport::ReadBytes(file), bytes);
        EXPECT_FALSE(std::filesystem::exists(dir + "/people/NAMES.OLD"));
        EXPECT_FALSE(std::filesystem::exists(dir + "/wfyert.hyq"));
    }
    // Once the list is mended, the save goes through and the list shows everyone.
    WriteFile({kOther, kOther});
    EXPECT_EQ(Save(Jane()), SaveOutcome::Saved);
    const auto read = ReadNamesRecords(*ReadTextLines(file));
    ASSERT_EQ(read.Records.size(), 3u);
    EXPECT_EQ(read.Records[2].Name, "JANE DOE");
}
