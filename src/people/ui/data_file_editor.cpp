#include "people/ui/data_file_editor.h"

#include <QPlainTextEdit>
#include <string>

#include "app/editor_text.h"
#include "app/ui/control_frames.h"
#include "platform/dialogs.h"
#include "platform/screen_pointer.h"
#include "platform/text_file.h"

std::string DataEditorBytes(const std::string& text) {
    if (text.empty()) return "";
    return EditorTextForSave(text) + "\r\n";
}

DataFileEditor::DataFileEditor() {
    Move(2400, 1200, 9000, 7200);
    UseWindowFace(*this);
    btnQuit.Move(120, 120, 1200, 405);
    btnSave.Move(1440, 120, 1200, 405);
    Label1.Move(2880, 180, 5880, 285);
    txtContent.Move(120, 645, 8640, 6000);
    txtContent.SetFont("Courier New", 10);
    // Both scroll bars: long records stay on one line.
    txtContent.PlainTextEdit()->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtContent.PlainTextEdit()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtContent.PlainTextEdit()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    // The first paint happens after the caller's Show; the file is read when
    // the window is made and loaded.
    OnLoad = [this] { Form_Load(); };
    btnSave.Click = [this] { btnSave_Click(); };
    btnQuit.Click = [this] { btnQuit_Click(); };
}

void DataFileEditor::Form_Load() {
    path_ = EditedFile();
    SetMousePointer(kHourglassPointer);
    const auto text = LoadEditorText(path_);
    SetMousePointer(kDefaultPointer);
    if (!text)
        MsgBox("The file " + PathToText(path_) + " cannot be opened.", MsgButtons::OK, "File Not Found",
               MsgIcon::Critical);
    txtContent.SetText(text.value_or(""));
    SetCaption("Edit: " + PathToText(path_));
}

void DataFileEditor::btnSave_Click() {
    // The file would hold '?' in place of such a character, so nothing is written.
    if (const int line = txtContent.LineNotInCodePage()) {
        MsgBox("You cannot have a character in line " + std::to_string(line) +
                   " that the file cannot hold. Please remove or replace that character and try again.",
               MsgButtons::OK, "Warning!", MsgIcon::Critical);
        return;
    }
    if (!WriteFileBytes(path_, DataEditorBytes(txtContent.Text()))) {
        MsgBox("The file " + PathToText(path_) + " could not be written. Your changes were not saved.", MsgButtons::OK,
               "Warning!", MsgIcon::Exclamation);
        return;
    }
    AfterSave();
}

void DataFileEditor::btnQuit_Click() {
    Unload();
    ReopenListWindow();
}
