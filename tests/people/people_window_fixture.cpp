#include "people_window_fixture.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cmath>
#include <cstdio>

#include "app/ui/file_chooser_window.h"
#include "app/ui/ui_state.h"
#include "people/ui/cities_editor_window.h"
#include "people/ui/cities_window.h"
#include "people/ui/input_window_link.h"
#include "people/ui/names_editor_window.h"
#include "people/ui/names_window.h"
#include "people/ui/time_zone_window.h"
#include "platform/numbers.h"
#include "platform/ui/form_registry.h"
#include "test_support.h"

namespace {

// The zone sign rule of the input windows: East makes the zone negative, West positive.
void ResignZone(TextBox& zone, bool east) {
    const std::string t = zone.Text();
    if (t.empty()) return;
    const double a = std::fabs(Val(t));
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", east ? -a : a);
    zone.SetText(a == 0 ? "0" : buf);
}

}  // namespace

StandInInputWindow::StandInInputWindow(bool withName) : withName_(withName) {
    East.Click = [this] { ResignZone(Zone, true); };
    West.Click = [this] { ResignZone(Zone, false); };
    AM.SetValue(true);
    West.SetValue(true);
    North.SetValue(true);
}

InputBoxes StandInInputWindow::Boxes() {
    InputBoxes b;
    b.Name = withName_ ? &Name : nullptr;
    b.Month = &Month;
    b.Day = &Day;
    b.Year = &Year;
    b.Hour = &Hour;
    b.Minute = &Minute;
    b.AM = &AM;
    b.PM = &PM;
    b.Zone = &Zone;
    b.LongDeg = &LongDeg;
    b.LongMin = &LongMin;
    b.East = &East;
    b.West = &West;
    b.LatDeg = &LatDeg;
    b.LatMin = &LatMin;
    b.North = &North;
    b.South = &South;
    b.Email = &Email;
    return b;
}

std::string StandInInputWindow::State() const {
    return Name.Text() + "|" + Month.Text() + "/" + Day.Text() + "/" + Year.Text() + "|" + Hour.Text() + ":" +
           Minute.Text() + (AM.Value() ? "A" : "") + (PM.Value() ? "P" : "") + "|" + Zone.Text() + "|" +
           LongDeg.Text() + "." + LongMin.Text() + (East.Value() ? "E" : "") + (West.Value() ? "W" : "") + "|" +
           LatDeg.Text() + "." + LatMin.Text() + (North.Value() ? "N" : "") + (South.Value() ? "S" : "") + "|" +
           Email.Text();
}

void PeopleWindowTest::SetUp() {
    SetUiState(&ps);
    ps.settings.AppPath = testsupport::MakeTempDir();
    ps.settings.CurrentNamesFile = ps.settings.AppPath + "/NAMES.FIL";
    ps.settings.CurrentCitiesFile = ps.settings.AppPath + "/GA_MA.LL";
    ps.people.NamesListStale = 1;
    InputWindowLink link;
    link.NatalBoxes = [this] { return natal.Boxes(); };
    link.DiurnalBoxes = [this] { return diurnal.Boxes(); };
    link.SecondPersonSet = [this] { return secondPerson; };
    link.SetSecondPersonName = [this](const std::string& name) { secondPersonName = name; };
    link.FollowNatalData = [this] { ++follows; };
    link.ComputeCharts = [this] { ++computes; };
    SetInputWindowLink(link);
}

void PeopleWindowTest::TearDown() {
    UnloadPeopleWindows();
    SetInputWindowLink({});
}

void PeopleWindowTest::UnloadPeopleWindows() {
    UnloadForm<SelectFIle>();
    UnloadForm<NameEdit>();
    UnloadForm<LongLat>();
    UnloadForm<TimeZone>();
    UnloadForm<Geograph>();
    UnloadForm<Names>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void PeopleWindowTest::AnswerChooser(std::optional<std::string> fileName, bool select) {
    QTimer::singleShot(0, [this, fileName, select] {
        SelectFIle& chooser = FormOf<SelectFIle>();
        seenPattern = chooser.filList.Pattern();
        seenPreselected = chooser.filList.FileName();
        if (fileName) chooser.filList.SetFileName(*fileName);
        if (select)
            chooser.cmdSelect.PerformClick();
        else
            chooser.cmdCancel.PerformClick();
    });
}

std::string PeopleWindowTest::WriteAppFile(const std::string& name, const std::string& bytes) {
    const std::string path = ps.settings.AppPath + "/" + name;
    testsupport::WriteBytes(path, bytes);
    return path;
}

std::string NamesFileOf(int n) {
    std::string text;
    char line[96];
    for (int i = 0; i < n; ++i) {
        std::snprintf(line, sizeof line, "Person %02d,05 Mar 1960,5.30,P,5,075.30,40.45,\r\n", i);
        text += line;
    }
    return text;
}
