#include "app/ui/options_editor_window.h"

#include <QPlainTextEdit>
#include <algorithm>

#include "app/editor_text.h"
#include "app/options_file.h"
#include "app/ui/control_frames.h"
#include "app/ui/ui_state.h"
#include "chart/time_scale.h"
#include "program_state.h"

Options::Options()
    : cmdRestoreDefault(Container(), "Restore Default Settings"),
      btnQuit(Container(), "Quit"),
      btnSave(Container(), "Save"),
      txtContent(Container(), true) {
    Move(1200, 900, 9600, 7200);
    UseWindowFace(*this);
    txtContent.SetFont("Courier New", 10);
    txtContent.PlainTextEdit()->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtContent.Change = [this] { txtContent_Change(); };
    btnSave.Click = [this] { btnSave_Click(); };
    cmdRestoreDefault.Click = [this] { cmdRestoreDefault_Click(); };
    btnQuit.Click = [this] { btnQuit_Click(); };
    OnLoad = [this] { Form_Load(); };
    OnResize = [this] { PlaceControls(); };
    PlaceControls();
}

void Options::PlaceControls() {
    const double w = std::max(3600.0, InsideWidth());
    const double h = std::max(1800.0, InsideHeight());
    txtContent.Move(0, 0, w, h - 600);
    btnSave.Move(120, h - 510, 1200, 420);
    btnQuit.Move(1440, h - 510, 1200, 420);
    cmdRestoreDefault.Move(w - 2880, h - 510, 2760, 420);
}

void Options::Form_Load() {
    LoadContent();
    SetCaption("Edit: OPTIONS.OPT");
}

void Options::LoadContent() {
    const std::string path = OptionsFilePath(UiState().settings);
    const auto text = LoadEditorText(path);
    // Without the file there is nothing to edit, and saving the empty box
    // would wipe every option: Save waits until Restore Default brings a file.
    btnSave.SetEnabled(text.has_value());
    if (!text) {
        txtContent.SetText("");
        ReportFileNotFound(path);
        return;
    }
    txtContent.SetText(*text);
}

void Options::btnSave_Click() {
    ProgramState& ps = UiState();
    if (!SaveOptionsEditorText(ps.settings, txtContent.Text())) return;
    SetCaptionPrefix(ps);
}

void Options::cmdRestoreDefault_Click() {
    if (!RestoreDefaultOptions(UiState().settings)) return;
    txtContent.SetText("");
    LoadContent();
}

void Options::btnQuit_Click() { Unload(); }
