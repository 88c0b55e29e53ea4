#include <QFile>

#include "dialog_responder.h"
#include "people/ui/input_window_link.h"
#include "people_window_fixture.h"
#include "test_support.h"

namespace {

// A stand-in "ATLAS.EXE" made by the test: a shell script that leaves the
// hand-over files in its own folder with the given place.
std::string MakeAtlasScript(const std::string& latitude, const std::string& longitude, const std::string& zone) {
    const std::string dir = testsupport::MakeTempDir();
    const std::string path = dir + "/ATLAS.EXE";
    testsupport::WriteBytes(path, "#!/bin/sh\nd='" + dir +
                                      "'\nprintf '%s/\\r\\n' \"$d\" > \"$d/PCATPATH.TXT\"\n"
                                      "printf 'Place\\r\\n" +
                                      latitude + "\\r\\n" + longitude + "\\r\\nRegion\\r\\n" + zone +
                                      "\\r\\n' > \"$d/TSRTEMP.TXT\"\n");
    QFile::setPermissions(QString::fromStdString(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return dir + "/";
}

std::string Place(const InputBoxes& b) {
    return b.Zone->Text() + "|" + b.LongDeg->Text() + "." + b.LongMin->Text() + (b.East->Value() ? "E" : "W") + "|" +
           b.LatDeg->Text() + "." + b.LatMin->Text() + (b.North->Value() ? "N" : "S");
}

class AtlasLinkWindowTest : public PeopleWindowTest {};

}  // namespace

TEST_F(AtlasLinkWindowTest, AcceptedPlaceFillsTheWindowsBoxes) {
    ps.settings.AtlasDir = MakeAtlasScript("33N45", "84W23", "5");
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::Yes);
    Natal().optEast.SetValue(true);
    Natal().Label2.Click();
    EXPECT_EQ(dialogs.Prompts().at(0).title, "Accept or Reject data");
    // The zone is written first; choosing West afterwards re-signs it.
    EXPECT_EQ(Place(NatalInputBoxes()), "5|84.23W|33.45N");

    ps.settings.AtlasDir = MakeAtlasScript("33S52", "71W04", "4");
    dialogs.Answer(MsgResult::Yes);
    Second().Label2.Click();
    EXPECT_EQ(Place(DiurnalInputBoxes()), "4|71.4W|33.52S");
    EXPECT_EQ(Place(NatalInputBoxes()), "5|84.23W|33.45N");

    // East of Greenwich: zone -1 stays negative under East.
    ps.settings.AtlasDir = MakeAtlasScript("59N55", "10E45", "-1");
    dialogs.Answer(MsgResult::Yes);
    Natal().Label2.Click();
    EXPECT_EQ(Place(NatalInputBoxes()), "-1|10.45E|59.55N");
}

TEST_F(AtlasLinkWindowTest, RejectedOrCancelledLookUpChangesNothing) {
    ps.settings.AtlasDir = MakeAtlasScript("33N45", "84W23", "5");
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::No);
    const std::string before = NatalState();
    Natal().Label2.Click();
    EXPECT_EQ(ps.people.AtlasAnswer, 7);
    EXPECT_EQ(NatalState(), before);

    // No program where the folder says: the folder is asked for; Cancel ends
    // the look-up, and the earlier Yes is not taken for this one.
    ps.people.AtlasAnswer = 6;
    ps.settings.AtlasDir = testsupport::MakeTempDir() + "/";
    dialogs.AnswerText(std::nullopt);
    Natal().Label2.Click();
    EXPECT_EQ(dialogs.Prompts().back().title, "Where do I find ATLAS.EXE?");
    EXPECT_EQ(ps.people.AtlasDataFlag, 0);
    EXPECT_EQ(ps.settings.AtlasDir, "");
    EXPECT_EQ(NatalState(), before);
}
