#include "app/ui/file_chooser_window.h"

#include "app/ui/control_frames.h"
#include "app/ui/ui_state.h"
#include "program_state.h"

namespace {

std::function<void()>& FileChosenHook() {
    static std::function<void()> hook;
    return hook;
}

}  // namespace

void SetFileChosenHook(std::function<void()> hook) { FileChosenHook() = std::move(hook); }

SelectFIle::SelectFIle()
    : cmdCancel(Container(), "Cancel"),
      cmdSelect(Container(), "Select"),
      filList(Container()),
      dirList(Container()),
      drvList(Container()) {
    SetCaption("Select a File");
    Move(2400, 1800, 7200, 4800);
    UseWindowFace(*this);
    filList.Move(120, 120, 3000, 3960);
    dirList.Move(3240, 120, 3720, 3000);
    drvList.Move(3240, 3240, 3720, 330);
    cmdSelect.Move(3240, 3720, 1500, 420);
    cmdCancel.Move(5460, 3720, 1500, 420);

    drvList.DriveChange = [this] { drvList_Change(); };
    dirList.PathChange = [this] { dirList_Change(); };
    filList.DblClick = [this] { filList_DblClick(); };
    cmdSelect.Click = [this] { cmdSelect_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    SetDefaultButton(&cmdSelect);
    SetCancelButton(&cmdCancel);

    OnLoad = [this] { Form_Load(); };
    // Closed by its frame (or in any way but Select): no choice.
    OnUnload = [this](int&) {
        if (!selecting_) UiState().settings.ChosenFile.clear();
    };
}

void SelectFIle::Form_Load() {
    const std::string& app = UiState().settings.AppPath;
    drvList.SetDrive(app);
    dirList.SetPath(app);
    filList.SetPath(dirList.Path());
}

void SelectFIle::drvList_Change() { dirList.SetPath(drvList.Drive()); }

void SelectFIle::dirList_Change() { filList.SetPath(dirList.Path()); }

void SelectFIle::filList_DblClick() { cmdSelect_Click(); }

void SelectFIle::cmdSelect_Click() {
    if (FileChosenHook()) FileChosenHook()();
    const std::string name = filList.FileName();
    if (!name.empty()) {
        std::string path = filList.Path();
        if (path.empty() || path.back() != '/') path += '/';
        UiState().settings.ChosenFile = path + name;
    }
    selecting_ = true;
    Unload();
    selecting_ = false;
}

void SelectFIle::cmdCancel_Click() {
    UiState().settings.ChosenFile.clear();
    Unload();
}
