#include "people/ui/names_window.h"

#include "app/ui/control_frames.h"
#include "app/ui/ui_state.h"
#include "people/names_file.h"
#include "people/ui/cities_window.h"
#include "people/ui/data_file_choice.h"
#include "people/ui/input_window_layout.h"
#include "people/ui/input_window_link.h"
#include "people/ui/names_editor_window.h"
#include "platform/dialogs.h"
#include "platform/text_file.h"
#include "platform/ui/control_mirror.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"

namespace {

const char* const kNameFormatError =
    "Format error or typographical error in selected data. Please correct this data entry by "
    "clicking on the Edit this List command button in the Names window and editing the data "
    "associated with your chosen name.";

// The file's name (a path) as the label's text, in capitals.
std::string FileLabel(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return UpperCaseText(PathToText(slash == std::string::npos ? path : path.substr(slash + 1)));
}

void ClearNamesTable(PeopleState& p) {
    for (auto* column : {&p.NamesName, &p.NamesDate, &p.NamesTime, &p.NamesAmPm, &p.NamesZone, &p.NamesLongitude,
                         &p.NamesLatitude, &p.NamesEmail})
        column->assign(1, "");
}

void StoreRecord(PeopleState& p, const NameRecord& r) {
    const size_t k = p.NamesName.size() - 1;  // the spare element takes the record
    p.NamesName[k] = r.Name;
    p.NamesDate[k] = r.Date;
    p.NamesTime[k] = r.Time;
    p.NamesAmPm[k] = r.AmPm;
    p.NamesZone[k] = r.TimeZone;
    p.NamesLongitude[k] = r.Longitude;
    p.NamesLatitude[k] = r.Latitude;
    p.NamesEmail[k] = r.Email;
    for (auto* column : {&p.NamesName, &p.NamesDate, &p.NamesTime, &p.NamesAmPm, &p.NamesZone, &p.NamesLongitude,
                         &p.NamesLatitude, &p.NamesEmail})
        column->push_back("");
}

void CallRun(const std::function<void()>& run) {
    if (run) run();
}

}  // namespace

NamesRunHooks& NamesRuns() {
    static NamesRunHooks hooks;
    return hooks;
}

Names::Names() {
    SetCaption("Names");
    PlaceControls();
    Text2.SetText("99");
    Text1.SetText("0");
    // "incl MR" starts ticked.
    Check3.SetValue(1);
    Batch.Click = [] { CallRun(NamesRuns().Batch_Click); };
    Batch1.Click = [] { CallRun(NamesRuns().Batch1_Click); };
    Command2.Click = [] { CallRun(NamesRuns().Command2_Click); };
    Command3.Click = [] { CallRun(NamesRuns().Command3_Click); };
    Command4.Click = [] { CallRun(NamesRuns().Command4_Click); };
    Command5.Click = [] { CallRun(NamesRuns().Command5_Click); };
    cmdBDFY.Click = [] { CallRun(NamesRuns().cmdBDFY_Click); };
    cmdNatalDynes_Graph.Click = [] { CallRun(NamesRuns().cmdNatalDynes_Graph_Click); };
    cmdDualDynes_Graph.Click = [] { CallRun(NamesRuns().cmdDualDynes_Graph_Click); };
    cmdBothDynes_Graph.Click = [] { CallRun(NamesRuns().cmdBothDynes_Graph_Click); };
    cmdDualDynesAroundClock.Click = [] { CallRun(NamesRuns().cmdDualDynesAroundClock_Click); };

    OnLoad = [this] { Form_Load(); };
    Check1.Click = [this] { Check1_Click(); };
    cmdNewFileList.Click = [this] { cmdNewFileList_Click(); };
    cmdEditList.Click = [this] { cmdEditList_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    NamesOnFile.Click = [this] { NamesOnFile_Click(); };
    NamesOnFile.DblClick = [this] { NamesOnFile_DblClick(); };
    Text1.GotFocus = [this] { Text1_GotFocus(); };
    Text1.KeyPress = [this](int& k) { Text1_KeyPress(k); };
    Text2.GotFocus = [this] { Text2_GotFocus(); };
    // The runs over the list read these boxes through the program state. The
    // window is made anew at every loading and shows its stored values, so
    // the state takes them now, not only at a change: otherwise a reload
    // ("Save to disk", the editor's Quit, a double click, the cities) would
    // leave the runs on the values the window showed before.
    MirrorText(Text1, [](const std::string& t) { UiState().scans.NamesText1 = t; });
    MirrorText(Text2, [](const std::string& t) { UiState().scans.NamesText2 = t; });
    MirrorValue(Check2, [](int v) { UiState().scans.NamesCheck2 = v; });
    MirrorValue(Check3, [](int v) { UiState().scans.NamesCheck3 = v; });
    MirrorValue(chkPH, [](int v) { UiState().scans.NamesCheckPH = v; });
}

void Names::PlaceControls() {
    // To the right of the two input windows.
    Move(input_layout::kNamesWindowLeft, 0, 6900, 6600);
    UseWindowFace(*this);
    lblNamesOnFile.Move(120, 120, 3240, 285);
    // About thirteen rows, so a kept position shows as the list's last row.
    NamesOnFile.Move(120, 480, 3240, 2760);
    const double x = 3480, w = 3240, half = 1560, x2 = x + w - half;
    cmdNewFileList.Move(x, 480, w, 405);
    cmdEditList.Move(x, 960, w, 405);
    Command1.Move(x, 1440, w, 405);
    Check1.Move(x, 1920, w, 285);
    Batch.Move(x, 2400, half, 405);
    Batch1.Move(x2, 2400, half, 405);
    Label1.Move(x, 2925, 2400, 285);
    Text1.Move(x + 2520, 2880, 720, 345);
    Label2.Move(x, 3345, 2400, 285);
    Text2.Move(x + 2520, 3300, 720, 345);
    // The longer caption takes the wider part of the row.
    Command2.Move(x, 3780, 1200, 405);
    Command3.Move(x + 1320, 3780, w - 1320, 405);
    Command4.Move(x, 4260, 480, 405);
    Command5.Move(x + 600, 4260, 480, 405);
    Check2.Move(x + 1200, 4320, 960, 285);
    Check3.Move(x + 2220, 4320, 1020, 285);
    cmdNatalDynes_Graph.Move(x, 4740, 480, 405);
    cmdDualDynes_Graph.Move(x + 600, 4740, 480, 405);
    cmdBothDynes_Graph.Move(x + 1200, 4740, 840, 405);
    chkPH.Move(x + 2220, 4800, 1020, 285);
    cmdDualDynesAroundClock.Move(x, 5220, w, 405);
    cmdBDFY.Move(x, 5700, w, 405);
}

void Names::Form_Load() {
    ProgramState& ps = UiState();
    const auto lines = OpenNamesFile(ps.settings.CurrentNamesFile, ps.settings.AppPath);
    ps.people.SettingCheckbox = 1;
    Check1.SetValue(ps.people.ListLocked);
    ps.people.SettingCheckbox = 0;
    ShowNamesFileName();
    LoadNamesList(lines);
}

void Names::ShowNamesFileName() { lblNamesOnFile.SetCaption(FileLabel(UiState().settings.CurrentNamesFile)); }

void Names::LoadNamesList(const std::vector<std::string>& lines) {
    ProgramState& ps = UiState();
    PeopleState& p = ps.people;
    ClearNamesTable(p);
    NamesOnFile.SetRedraw(false);
    const NamesReadResult read = ReadNamesRecords(lines);
    for (const NameRecord& r : read.Records) {
        const int k = static_cast<int>(p.NamesName.size()) - 1;
        StoreRecord(p, r);
        NamesOnFile.AddItem(r.Name);
        NamesOnFile.SetItemData(NamesOnFile.NewIndex(), k);
    }
    NamesOnFile.SetRedraw(true);
    if (read.Incomplete) MsgBox(kNamesFileError, MsgButtons::OK, "Error!", MsgIcon::Critical);

    if (Check1.Value() == 1 && p.NamesListStale == 0) {
        const int count = NamesOnFile.ListCount();
        if (p.LockedIndex >= count) p.LockedIndex = count - 1;
        NamesOnFile.SetTopIndex(p.LockedIndex < 12 ? 0 : p.LockedIndex - 12);
        if (p.LockedIndex < 0) p.LockedIndex = 0;
        if (count > 0) {
            restoring_ = true;
            NamesOnFile.SetListIndex(p.LockedIndex);
            restoring_ = false;
        }
    }
}

void Names::Check1_Click() {
    PeopleState& p = UiState().people;
    if (p.SettingCheckbox == 1) return;
    if (p.ListLocked == 0) {
        p.ListLocked = 1;
        p.LockedIndex = NamesOnFile.ListIndex();
    } else {
        p.ListLocked = 0;
    }
}

void Names::cmdNewFileList_Click() {
    ProgramState& ps = UiState();
    const std::string chosen = SelectNamesFile(ps, "*.FIL");
    if (chosen.empty()) return;
    NamesOnFile.Clear();
    auto lines = ReadTextLines(chosen);
    if (!lines) {
        // The list goes back to the current file, which stays current.
        MsgBox("The names file " + PathToText(chosen) + " cannot be opened.", MsgButtons::OK, "File Not Found",
               MsgIcon::Critical);
        lines = OpenNamesFile(ps.settings.CurrentNamesFile, ps.settings.AppPath);
    } else {
        ps.settings.CurrentNamesFile = chosen;
        ps.people.LockedIndex = 0;
    }
    ps.people.NamesListStale = 0;
    ShowNamesFileName();
    LoadNamesList(*lines);
}

void Names::cmdEditList_Click() { FormOf<NameEdit>().Show(); }

void Names::Command1_Click() {
    Unload();
    UnloadForm<Geograph>();
    FormOf<Geograph>().Show();
}

void Names::NamesOnFile_Click() {
    if (restoring_) return;
    const int row = NamesOnFile.ListIndex();
    if (row < 0) return;
    ProgramState& ps = UiState();
    PeopleState& p = ps.people;
    ps.chart.CompositeLatText = "";
    p.NamesListStale = 0;

    const int k = static_cast<int>(NamesOnFile.ItemData(row));
    if (k < 0 || k + 1 >= static_cast<int>(p.NamesName.size())) return;
    if (Check1.Value() == 1) p.LockedIndex = row;
    p.LastClickedName = k;

    if (ps.settings.DateOrder == 2) p.NamesDate[k] = YearFirstDate(p.NamesDate[k]);
    const NameRecord record{p.NamesName[k],      p.NamesDate[k],     p.NamesTime[k],
                            p.NamesAmPm[k],      p.NamesZone[k],     p.NamesLongitude[k],
                            p.NamesLatitude[k],  p.NamesEmail[k]};
    const auto values = DecodeNameRecord(record);
    if (!values) {
        MsgBox(kNameFormatError, MsgButtons::OK, "Error!", MsgIcon::Critical);
        return;
    }

    if (!SecondPersonIsSet()) {
        FillPerson(NatalInputBoxes(), record.Name, *values, record.Email);
        FollowNatalData(ps);
    } else {
        SetSecondPersonName(record.Name);
        p.RunPersonName = record.Name;
        FillPerson(DiurnalInputBoxes(), record.Name, *values, record.Email);
    }
}

void Names::NamesOnFile_DblClick() {
    if (SecondPersonIsSet()) return;
    ProgramState& ps = UiState();
    ps.people.NamesListStale = 0;
    NamesOnFile_Click();
    Unload();
    ComputeChartsFromList(ps);
}

void Names::Text1_GotFocus() { Text1.SelectAll(); }

void Names::Text1_KeyPress(int& keyAscii) {
    if (keyAscii != 8 && (keyAscii < '0' || keyAscii > '9')) keyAscii = 0;
}

void Names::Text2_GotFocus() { Text2.SelectAll(); }

void ReopenNamesWindow() {
    UnloadForm<Names>();
    FormOf<Names>().Show();
}
