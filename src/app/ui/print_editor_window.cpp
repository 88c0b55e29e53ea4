#include "app/ui/print_editor_window.h"

#include <QPlainTextEdit>
#include <algorithm>

#include "app/options_file.h"
#include "app/report_files.h"
#include "app/ui/control_frames.h"
#include "app/ui/report_printing.h"
#include "app/ui/ui_state.h"
#include "app/ui/wait_cursor.h"
#include "platform/dialogs.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"

PrntFile::PrntFile()
    : RichtxtContent(Container(), true),
      btnPrint(Container(), "Print"),
      btnCancel(Container(), "Cancel"),
      Label1(Container(), "Ctrl-C to copy.  Ctrl-X to cut.  Ctrl-V to paste.") {
    SetCaption("Data To Be Printed");
    Move(600, 600, 9600, 6540);
    UseWindowFace(*this);
    RichtxtContent.SetFont("Courier New", 10);
    RichtxtContent.PlainTextEdit()->setLineWrapMode(QPlainTextEdit::NoWrap);
    btnPrint.Click = [this] { btnPrint_Click(); };
    btnCancel.Click = [this] { btnCancel_Click(); };
    OnLoad = [this] { Form_Load(); };
    OnResize = [this] { PlaceControls(); };
    PlaceControls();
}

void PrntFile::PlaceControls() {
    const double w = std::max(4800.0, InsideWidth());
    const double h = std::max(1800.0, InsideHeight());
    RichtxtContent.Move(0, 0, w, h - 600);
    btnPrint.Move(120, h - 510, 1200, 420);
    btnCancel.Move(1440, h - 510, 1200, 420);
    Label1.Move(2880, h - 450, w - 3000, 300);
}

void PrntFile::Form_Load() {
    ProgramState& ps = UiState();
    std::string text;
    const bool loaded = LoadPrintFile(ps, text);
    btnPrint.SetEnabled(loaded);
    if (!loaded) {
        ReportFileNotFound(PrintFilePath(ps.settings));
        return;
    }
    RichtxtContent.SetText(text);
}

void PrntFile::btnPrint_Click() {
    ProgramState& ps = UiState();
    const std::string path = PrintFilePath(ps.settings);
    {
        WaitCursor wait;
        const double size = ps.output.PrintWideLines == 0 ? 12 : 10;
        // The user's edits go to the print file first; it is then printed.
        const auto lines = SavePrintEditorText(ps.settings, RichtxtContent.Text()) ? ReadTextLines(path)
                                                                                     : std::nullopt;
        if (!lines) {
            MsgBox("The print file " + PathToText(path) + " could not be written. Nothing was printed.", MsgButtons::OK,
                   "Warning!", MsgIcon::Exclamation);
            return;
        }
        // A job that could not be started keeps the editor and its text open.
        if (!PrintReportLines(ps, *lines, size)) return;
    }
    Unload();
}

void PrntFile::btnCancel_Click() { Unload(); }

void ShowPrintEditor() {
    UnloadForm<PrntFile>();
    FormOf<PrntFile>().Show(false);
}
