#include <QFile>

#include "dialog_responder.h"
#include "people/ui/input_window_actions.h"
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

std::string Place(const StandInInputWindow& w) {
    return w.Zone.Text() + "|" + w.LongDeg.Text() + "." + w.LongMin.Text() + (w.East.Value() ? "E" : "W") + "|" +
           w.LatDeg.Text() + "." + w.LatMin.Text() + (w.North.Value() ? "N" : "S");
}

class AtlasLinkWindowTest : public PeopleWindowTest {};

}  // namespace

TEST_F(AtlasLinkWindowTest, AcceptedPlaceFillsTheWindowsBoxes) {
    ps.settings.AtlasDir = MakeAtlasScript("33N45", "84W23", "5");
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::Yes);
    natal.East.SetValue(true);
    AtlasLinkClick(ps, natal.Boxes());
    EXPECT_EQ(dialogs.Prompts().at(0).title, "Accept or Reject data");
    // The zone is written first; choosing West afterwards re-signs it.
    EXPECT_EQ(Place(natal), "5|84.23W|33.45N");

    ps.settings.AtlasDir = MakeAtlasScript("33S52", "71W04", "4");
    dialogs.Answer(MsgResult::Yes);
    AtlasLinkClick(ps, diurnal.Boxes());
    EXPECT_EQ(Place(diurnal), "4|71.4W|33.52S");
    EXPECT_EQ(Place(natal), "5|84.23W|33.45N");

    // East of Greenwich: zone -1 stays negative under East.
    ps.settings.AtlasDir = MakeAtlasScript("59N55", "10E45", "-1");
    dialogs.Answer(MsgResult::Yes);
    AtlasLinkClick(ps, natal.Boxes());
    EXPECT_EQ(Place(natal), "-1|10.45E|59.55N");
}

TEST_F(AtlasLinkWindowTest, RejectedOrCancelledLookUpChangesNothing) {
    ps.settings.AtlasDir = MakeAtlasScript("33N45", "84W23", "5");
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::No);
    const std::string before = natal.State();
    AtlasLinkClick(ps, natal.Boxes());
    EXPECT_EQ(ps.people.AtlasAnswer, 7);
    EXPECT_EQ(natal.State(), before);

    // No program where the folder says: the folder is asked for; Cancel ends
    // the look-up, and the earlier Yes is not taken for this one.
    ps.people.AtlasAnswer = 6;
    ps.settings.AtlasDir = testsupport::MakeTempDir() + "/";
    dialogs.AnswerText(std::nullopt);
    AtlasLinkClick(ps, natal.Boxes());
    EXPECT_EQ(dialogs.Prompts().back().title, "Where do I find ATLAS.EXE?");
    EXPECT_EQ(ps.people.AtlasDataFlag, 0);
    EXPECT_EQ(ps.settings.AtlasDir, "");
    EXPECT_EQ(natal.State(), before);
}
