#include "people_window_fixture.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>

#include "app/ui/file_chooser_window.h"
#include "app/ui/ui_state.h"
#include "people/ui/cities_editor_window.h"
#include "people/ui/cities_window.h"
#include "people/ui/input_window_hooks.h"
#include "people/ui/input_window_link.h"
#include "people/ui/people_window_hooks.h"
#include "people/ui/names_editor_window.h"
#include "people/ui/names_window.h"
#include "people/ui/time_zone_window.h"
#include "platform/dates.h"
#include "platform/ui/form_registry.h"
#include "test_support.h"

void PeopleWindowTest::SetUp() {
    SetUiState(&ps);
    Settings& s = ps.settings;
    s.AppPath = testsupport::MakeTempDir();
    s.CurrentNamesFile = s.AppPath + "/NAMES.FIL";
    s.CurrentCitiesFile = s.AppPath + "/GA_MA.LL";
    s.OptionValues[18] = 5, s.OptionValues[19] = 71, s.OptionValues[20] = 4, s.OptionValues[22] = 42,
    s.OptionValues[23] = 21;
    s.TimeFormat = 1;
    SetClock([] { return DateTime{2024, 3, 9, 15, 7, 0}; });
    WriteAppFile("NAMES.FIL", "");
    ps.people.NamesListStale = 1;
    InputHooks() = {};
    InstallPeopleWindowHooks();
}

void PeopleWindowTest::TearDown() {
    UnloadPeopleWindows();
    UnloadForm<InputD>();
    UnloadForm<InputD1>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    RemovePeopleWindowHooks();
    InputHooks() = {};
    SetClock({});
}

InputD& PeopleWindowTest::Natal() { return FormOf<InputD>(); }
InputD1& PeopleWindowTest::Second() { return FormOf<InputD1>(); }

std::string PeopleWindowTest::TimeAndPlace(const InputBoxes& b) {
    return b.Hour->Text() + ":" + b.Minute->Text() + (b.AM->Value() ? "A" : "") + (b.PM->Value() ? "P" : "") + "|" +
           b.Zone->Text() + "|" + b.LongDeg->Text() + "." + b.LongMin->Text() + (b.East->Value() ? "E" : "") +
           (b.West->Value() ? "W" : "") + "|" + b.LatDeg->Text() + "." + b.LatMin->Text() +
           (b.North->Value() ? "N" : "") + (b.South->Value() ? "S" : "");
}

std::string PeopleWindowTest::State(const InputBoxes& b) {
    return (b.Name ? b.Name->Text() : "") + "|" + b.Month->Text() + "/" + b.Day->Text() + "/" + b.Year->Text() +
           "|" + TimeAndPlace(b) + "|" + b.Email->Text();
}

std::string PeopleWindowTest::NatalState() { return State(NatalInputBoxes()); }
std::string PeopleWindowTest::SecondState() { return State(DiurnalInputBoxes()); }

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

void PeopleWindowTest::UnloadPeopleWindows() {
    UnloadForm<SelectFIle>();
    UnloadForm<NameEdit>();
    UnloadForm<LongLat>();
    UnloadForm<TimeZone>();
    UnloadForm<Geograph>();
    UnloadForm<Names>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
