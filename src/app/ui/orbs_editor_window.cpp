#include "app/ui/orbs_editor_window.h"

#include <QPlainTextEdit>
#include <algorithm>

#include "app/editor_text.h"
#include "app/options_file.h"
#include "app/ui/control_frames.h"
#include "app/ui/ui_state.h"
#include "platform/text_file.h"
#include "program_state.h"

OrbsEdit::OrbsEdit() : btnQuit(Container(), "Quit"), btnSave(Container(), "Save"), txtContent(Container(), true) {
    Move(2400, 1200, 7200, 5400);
    UseWindowFace(*this);
    txtContent.SetFont("Courier New", 10);
    txtContent.PlainTextEdit()->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtContent.Change = [this] { txtContent_Change(); };
    btnSave.Click = [this] { btnSave_Click(); };
    btnQuit.Click = [this] { btnQuit_Click(); };
    OnLoad = [this] { Form_Load(); };
    OnResize = [this] { PlaceControls(); };
    PlaceControls();
}

void OrbsEdit::PlaceControls() {
    const double w = std::max(2880.0, InsideWidth());
    const double h = std::max(1800.0, InsideHeight());
    txtContent.Move(0, 0, w, h - 600);
    btnSave.Move(120, h - 510, 1200, 420);
    btnQuit.Move(1440, h - 510, 1200, 420);
}

void OrbsEdit::Form_Load() {
    const std::string& path = UiState().settings.CurrentOrbFile;
    SetCaption("Edit: " + PathToText(path));
    const auto text = LoadEditorText(path);
    // Saving an empty box over a missing file would make an orb file with
    // no orbs: Save stays off when there was nothing to load.
    btnSave.SetEnabled(text.has_value());
    if (!text) {
        ReportFileNotFound(path);
        return;
    }
    txtContent.SetText(*text);
}

void OrbsEdit::btnSave_Click() { SaveEditorText(UiState().settings.CurrentOrbFile, txtContent.Text()); }

void OrbsEdit::btnQuit_Click() { Unload(); }
