#include "people/ui/cities_window.h"

#include "app/ui/control_frames.h"
#include "app/ui/ui_state.h"
#include "people/name_record.h"
#include "people/ui/cities_editor_window.h"
#include "people/ui/data_file_choice.h"
#include "people/ui/input_window_link.h"
#include "people/ui/names_window.h"
#include "platform/dialogs.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"

namespace {

const char* const kCitiesFileError =
    "You have an error in the current cities file. You need to check and see if "
    "you have entered the data correctly and in the proper amount. Please correct the data by "
    "clicking on the Edit this List command button in the Cities window and edit the incorrect data.";

const char* const kCityFormatError =
    "Format error or typographical error in selected data. Please correct this data entry by "
    "clicking on the Edit this List command button in the Cities window and editing the data "
    "associated with your chosen city.";

// The file's name (a path) as the label's text, in capitals.
std::string FileLabel(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return UpperCaseText(PathToText(slash == std::string::npos ? path : path.substr(slash + 1)));
}

}  // namespace

Geograph::Geograph() {
    SetCaption("Cities");
    // Where the names list stands, which it replaces.
    Move(9900, 0, 4800, 6600);
    UseWindowFace(*this);
    lblCitiesOnFile.Move(120, 120, 4440, 285);
    CitiesOnFile.Move(120, 480, 4440, 4440);
    cmdNewFileList.Move(120, 5040, 2160, 405);
    cmdEditList.Move(2400, 5040, 2160, 405);
    Command1.Move(120, 5520, 4440, 405);

    OnLoad = [this] { Form_Load(); };
    CitiesOnFile.Click = [this] { CitiesOnFile_Click(); };
    cmdEditList.Click = [this] { cmdEditList_Click(); };
    cmdNewFileList.Click = [this] { cmdNewFileList_Click(); };
    Command1.Click = [this] { Command1_Click(); };
}

void Geograph::Form_Load() {
    const ProgramState& ps = UiState();
    const auto lines = OpenCitiesFile(ps.settings.CurrentCitiesFile, ps.settings.AppPath);
    ShowCitiesFileName();
    LoadCitiesList(lines);
}

void Geograph::ShowCitiesFileName() { lblCitiesOnFile.SetCaption(FileLabel(UiState().settings.CurrentCitiesFile)); }

void Geograph::LoadCitiesList(const std::vector<std::string>& lines) {
    CitiesReadResult read = ReadCitiesRecords(lines);
    cities_ = std::move(read.Records);
    CitiesOnFile.SetRedraw(false);
    for (size_t i = 0; i < cities_.size(); ++i) {
        CitiesOnFile.AddItem(CityListText(cities_[i]));
        CitiesOnFile.SetItemData(CitiesOnFile.NewIndex(), static_cast<long>(i));
    }
    CitiesOnFile.SetRedraw(true);
    if (read.Incomplete) MsgBox(kCitiesFileError, MsgButtons::OK, "Error!", MsgIcon::Critical);
}

void Geograph::CitiesOnFile_Click() {
    const int row = CitiesOnFile.ListIndex();
    if (row < 0) return;
    const long i = CitiesOnFile.ItemData(row);
    if (i < 0 || i >= static_cast<long>(cities_.size())) return;
    const CityPlaceValues place = CityValues(cities_[static_cast<size_t>(i)]);
    if (!CityValuesFit(place)) {
        MsgBox(kCityFormatError, MsgButtons::OK, "Error!", MsgIcon::Critical);
        return;
    }
    if (SecondPersonIsSet()) {
        FillCityPlace(DiurnalInputBoxes(), place);
        return;
    }
    FillCityPlace(NatalInputBoxes(), place);
    FollowNatalData(UiState());
}

void Geograph::cmdEditList_Click() { FormOf<LongLat>().Show(); }

void Geograph::cmdNewFileList_Click() {
    ProgramState& ps = UiState();
    const std::string chosen = SelectCitiesFile(ps, "*.LL");
    if (chosen.empty()) return;
    CitiesOnFile.Clear();
    auto lines = ReadTextLines(chosen);
    if (!lines) {
        // The list goes back to the current file, which stays current.
        MsgBox("The cities file " + PathToText(chosen) + " cannot be opened.", MsgButtons::OK, "File Not Found",
               MsgIcon::Critical);
        lines = OpenCitiesFile(ps.settings.CurrentCitiesFile, ps.settings.AppPath);
    } else {
        ps.settings.CurrentCitiesFile = chosen;
    }
    ShowCitiesFileName();
    LoadCitiesList(*lines);
}

void Geograph::Command1_Click() {
    Unload();
    ReopenNamesWindow();
}

void ReopenCitiesWindow() {
    UnloadForm<Geograph>();
    FormOf<Geograph>().Show();
}
