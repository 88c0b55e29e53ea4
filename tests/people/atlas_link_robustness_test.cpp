// Damaged atlas hand-over files: any PCATPATH.TXT and TSRTEMP.TXT ends the
// look-up with a message or a question, and any place text splits into
// values without reading past it.
#include <gtest/gtest.h>

#include <QFile>

#include "damaged_contents.h"
#include "dialog_responder.h"
#include "people/atlas_link.h"
#include "people/people_state.h"
#include "test_support.h"

namespace {

const std::vector<std::string> kGoodLines = {"Atlanta", "33N45", "84W23", "United States", "5"};

}  // namespace

TEST(AtlasLinkRobustness, AnyPlaceTextSplitsIntoValues) {
    for (const auto& content : damaged::Contents(kGoodLines, 300, 7001)) {
        PeopleState people;
        const std::size_t half = content.size() / 2;
        people.AtlasLongitudeText = content.substr(0, std::min<std::size_t>(half, 5000));
        people.AtlasLatitudeText = content.substr(half, 5000);
        const AtlasPlace p = AtlasPlaceValues(people);
        EXPECT_FALSE(std::isnan(p.LongDeg) || std::isnan(p.LongMin) || std::isnan(p.LatDeg) || std::isnan(p.LatMin));
    }
}

TEST(AtlasLinkRobustness, AnyHandOverFileEndsTheLookUp) {
    const std::string dir = testsupport::MakeTempDir();
    const std::string program = dir + "/ATLAS.EXE";
    testsupport::WriteBytes(program, "#!/bin/sh\nexit 0\n");
    QFile::setPermissions(QString::fromStdString(program), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    DialogRecorder dialogs;
    const auto contents = damaged::Contents(kGoodLines, 60, 7002);
    for (std::size_t c = 0; c < contents.size(); c += 3) {
        SCOPED_TRACE(testing::Message() << "case " << c);
        // Cases alternate between a damaged folder line and a damaged place file.
        const bool damagePath = c % 2 == 0;
        testsupport::WriteBytes(dir + "/PCATPATH.TXT", damagePath ? contents[c] : dir + "/\r\n");
        testsupport::WriteBytes(dir + "/TSRTEMP.TXT", damagePath ? damaged::JoinLines(kGoodLines) : contents[c]);
        PeopleState people;
        people.AtlasDataFlag = 1;
        std::string atlasDir = dir + "/";
        const std::size_t before = dialogs.Prompts().size();
        AtlasLookup(people, atlasDir);
        ASSERT_EQ(dialogs.Prompts().size(), before + 1);
        const RecordedPrompt& shown = dialogs.Prompts().back();
        if (people.AtlasDataFlag == 0) {
            EXPECT_EQ(shown.title, "Warning!");
        } else {
            EXPECT_EQ(shown.title, "Accept or Reject data");
            EXPECT_EQ(people.AtlasAnswer, 7);  // the recorder answers No
        }
        EXPECT_EQ(atlasDir, dir + "/");
    }
}
