// Damaged names files: every content reads into records the names list can
// use, every record decodes or is refused, and saving a person into a
// damaged file keeps each of its lines.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "damaged_contents.h"
#include "dialog_responder.h"
#include "people/comma_fields.h"
#include "people/name_record.h"
#include "people/name_save.h"
#include "people/names_file.h"
#include "platform/dates.h"
#include "platform/text_file.h"
#include "program_state.h"
#include "test_support.h"

namespace {

const std::vector<std::string> kGoodLines = {
    "Alex Sample,14 Feb 1975,8.15,A,5,074.00,40.43,",
    "Robin Sample,21 Jun 1978,3.40,P,5,087.39,41.51,robin@example.com",
    "Kim Sample,03 Nov 1982,11.05,P,-1,-002.20,48.52,", "Lee Sample,1990 Jan 02,12.59,A,-5.5,-077.13,-28.40,"};

NameSaveFields Person() {
    NameSaveFields f;
    f.Name = "Kim Sample";
    f.Day = "7";
    f.Month = "3";
    f.Year = "1962";
    f.Hour = "5";
    f.Minute = "30";
    f.Zone = "-1";
    f.LongDeg = "2";
    f.LongMin = "20";
    f.LatDeg = "33";
    f.LatMin = "52";
    return f;
}

}  // namespace

TEST(NamesFileRobustness, AnyContentReadsAndDecodesWithinBounds) {
    DialogRecorder dialogs;
    const std::string dir = testsupport::MakeTempDir();
    std::string current = dir + "/MINE.FIL";
    for (const auto& content : damaged::Contents(kGoodLines, 300, 4001)) {
        SCOPED_TRACE(testing::Message() << "content of " << content.size() << " bytes");
        testsupport::WriteBytes(current, content);
        const std::vector<std::string> lines = OpenNamesFile(current, dir);
        ASSERT_EQ(current, dir + "/MINE.FIL");
        ASSERT_EQ(ParseNamesFile(lines).size(), lines.size());
        for (const NameRecord& r : ReadNamesRecords(lines).Records) {
            EXPECT_FALSE(r.Name.empty());
            const auto v = DecodeNameRecord(r);
            if (!v) continue;
            EXPECT_TRUE(IsValidDate(v->Date.Year, v->Date.Month, v->Date.Day));
            EXPECT_GE(v->Hour, 0);
            EXPECT_TRUE(v->Minute >= 0 && v->Minute < 100);
            EXPECT_TRUE(v->LongMin >= 0 && v->LongMin < 100);
            EXPECT_TRUE(v->LatMin >= 0 && v->LatMin < 100);
            EXPECT_TRUE(std::isfinite(v->Zone));
        }
    }
    EXPECT_TRUE(dialogs.Prompts().empty());
}

TEST(NamesFileRobustness, DateNumbersBeyondTheWholeNumberRangeAreRefused) {
    // 4294967297 wraps to 1 when cut to 32 bits; it is no day and no year.
    EXPECT_FALSE(ParseRecordDate("4294967297 Jan 2000"));
    EXPECT_FALSE(ParseRecordDate("01 Jan 4294969297"));
    EXPECT_FALSE(ParseRecordDate("2000 Jan 4294967297"));
    EXPECT_FALSE(ParseRecordDate("01 Jan 99999999999999999999"));
    const auto d = ParseRecordDate("0000000001 Jan 2000");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->Day, 1);
}

TEST(NamesFileRobustness, SavingIntoAnyFileKeepsItsLines) {
    DialogRecorder dialogs;  // "No" to every replace question: nothing is dropped
    ProgramState ps;
    ps.settings.AppPath = testsupport::MakeTempDir();
    const std::string path = ps.settings.AppPath + "/SAVE.FIL";
    const NameRecord added = *BuildNameRecord(Person());
    int n = 0;
    for (const auto& content : damaged::Contents(kGoodLines, 150, 4002)) {
        if (++n % 3 != 0 || content.size() > 100000) continue;
        SCOPED_TRACE(testing::Message() << "content of " << content.size() << " bytes");
        testsupport::WriteBytes(path, content);
        std::vector<std::string> expected = *ReadTextLines(path);
        while (!expected.empty() && TrimBlanks(expected.back()).empty()) expected.pop_back();
        if (!EveryLineIsWholeRecord(expected)) {
            // A line the list would misread: refused, the file as it was.
            ASSERT_EQ(WriteNameRecordToFile(ps, added, path), SaveOutcome::Failed);
            EXPECT_EQ(testsupport::ReadBytes(path), content);
            continue;
        }
        for (auto& line : expected)
            if (auto r = ParseNameRecordLine(line)) line = FormatNameRecord(*r);
        expected.push_back(FormatNameRecord(added));
        ASSERT_EQ(WriteNameRecordToFile(ps, added, path), SaveOutcome::Saved);
        EXPECT_EQ(*ReadTextLines(path), expected);
        EXPECT_EQ(testsupport::ReadBytes(NamesBackupPath(path)), content);
    }
}

TEST(NamesFileRobustness, RefusedOrFailedSaveLeavesTheFileAsItWas) {
    DialogRecorder dialogs;
    ProgramState ps;
    ps.settings.AppPath = testsupport::MakeTempDir();
    const std::string path = ps.settings.AppPath + "/KEEP.FIL";
    int n = 0;
    for (const auto& content : damaged::Contents(kGoodLines, 60, 4003)) {
        if (++n % 4 != 0) continue;
        testsupport::WriteBytes(path, content);
        NameSaveFields bad = Person();
        bad.Zone = damaged::BadTokens()[static_cast<std::size_t>(n) % damaged::BadTokens().size()];
        bad.Year = "1e999";
        EXPECT_EQ(SaveToDisk(ps, bad, [&] { return path; }), SaveOutcome::Refused);
        ASSERT_EQ(testsupport::ReadBytes(path), content);
    }
    // The scratch file cannot be written: the names file stays as it was.
    ps.settings.AppPath += "/no such folder";
    testsupport::WriteBytes(path, kGoodLines[0]);
    EXPECT_EQ(SaveToDisk(ps, Person(), [&] { return path; }), SaveOutcome::Failed);
    EXPECT_EQ(testsupport::ReadBytes(path), kGoodLines[0]);
}
