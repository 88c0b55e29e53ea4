#include "app/ui/report_window.h"

#include <QFont>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <algorithm>
#include <cmath>

#include "app/help_text.h"
#include "app/output_buffer.h"
#include "app/report_files.h"
#include "app/ui/control_frames.h"
#include "app/ui/print_editor_window.h"
#include "app/ui/ui_state.h"
#include "app/ui/wait_cursor.h"
#include "platform/dialogs.h"
#include "platform/painter_surface.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"

namespace {

std::function<void()>& FocusMainWindow() {
    static std::function<void()> focus;
    return focus;
}

double FontStep(const ProgramState& ps) { return ps.settings.ScreenFactor / 2; }

}  // namespace

double MinReportFontSize(const ProgramState& ps) { return 8 - FontStep(ps); }
double MaxReportFontSize(const ProgramState& ps) { return 12 + FontStep(ps); }

OutputD1::OutputD1()
    : mnuFile(menuBar(), "&File"),
      mnuFileSave(mnuFile, "&Save"),
      mnuFileSaveAs(mnuFile, "Save &As"),
      mnuFonts(menuBar(), "F&ont"),
      mnuFontsIncrease(mnuFonts, "&Increase"),
      mnuFontsDecrease(mnuFonts, "&Decrease"),
      mnuFontsBold(mnuFonts, "&Bold"),
      mnuFontsItalic(mnuFonts, "I&talic"),
      mnuClearBuffer(menuBar(), "&Clear all data", MenuKind::Item),
      mnuPrint(menuBar(), "&Print page", MenuKind::Item),
      mnuPrintData(menuBar(), "Print &data", MenuKind::Item),
      mnuHelp(menuBar(), "&Help", MenuKind::Item),
      RichText1(Container(), true) {
    SetCaption("Data");
    UseWindowFace(*this);
    QPlainTextEdit* text = RichText1.PlainTextEdit();
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setContextMenuPolicy(Qt::NoContextMenu);
    RichText1.SetLocked(true);
    // Keys still move the caret and select, for copying.
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    mnuFileSave.Click = [this] { mnuFileSave_Click(); };
    mnuFileSaveAs.Click = [this] { mnuFileSaveAs_Click(); };
    mnuFontsIncrease.Click = [this] { mnuFontsIncrease_Click(); };
    mnuFontsDecrease.Click = [this] { mnuFontsDecrease_Click(); };
    mnuFontsBold.Click = [this] { mnuFontsBold_Click(); };
    mnuFontsItalic.Click = [this] { mnuFontsItalic_Click(); };
    mnuClearBuffer.Click = [this] { mnuClearBuffer_Click(); };
    mnuPrint.Click = [this] { mnuPrint_Click(); };
    mnuPrintData.Click = [this] { mnuPrintData_Click(); };
    mnuHelp.Click = [this] { mnuHelp_Click(); };
    RichText1.KeyPress = [this](int& key) { RichText1_KeyPress(key); };
    new EventHook(text->viewport(), [this](QEvent* e) {
        if (e->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(e);
            RichText1_MouseUp(mouse->button() == Qt::RightButton ? 2 : mouse->button() == Qt::LeftButton ? 1 : 4);
        }
        return false;
    });

    OnLoad = [this] { Form_Load(); };
    OnResize = [this] { Form_Resize(); };
}

void OutputD1::Form_Load() {
    Settings& s = UiState().settings;
    placing_ = true;
    Move(s.OutputWindowLeft, s.OutputWindowTop, s.OutputWindowWidth, s.OutputWindowHeight);
    placing_ = false;
    // A size beyond the steps' reach (an older settings file) is brought
    // back within it, so the size kept is always the size shown.
    s.OutputFontSize = std::clamp(s.OutputFontSize, MinReportFontSize(UiState()), MaxReportFontSize(UiState()));
    ApplyFont();
    mnuFontsBold.SetChecked(s.OutputFontBold != 0);
    mnuFontsItalic.SetChecked(s.OutputFontItalic != 0);
    EnableFontSteps();
    RichText1.SetText("");
    Form_Resize();
}

void OutputD1::Form_Resize() {
    if (!placing_ && isVisible()) {
        Settings& s = UiState().settings;
        s.OutputWindowWidth = static_cast<int>(std::lround(Width()));
        s.OutputWindowHeight = static_cast<int>(std::lround(Height()));
        s.OutputWindowTop = static_cast<int>(std::lround(Top()));
        s.OutputWindowLeft = static_cast<int>(std::lround(Left()));
    }
    RichText1.Move(0, 0, InsideWidth(), InsideHeight());
}

void OutputD1::ApplyFont() {
    const Settings& s = UiState().settings;
    QFont font(MappedFontFamily(s.OutputFontName));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(s.OutputFontSize);
    font.setBold(s.OutputFontBold != 0);
    font.setItalic(s.OutputFontItalic != 0);
    RichText1.Widget()->setFont(font);
}

double OutputD1::DisplayedFontSize() const { return RichText1.Widget()->font().pointSizeF(); }

void OutputD1::EnableFontSteps() {
    const double size = UiState().settings.OutputFontSize;
    mnuFontsDecrease.SetEnabled(size > 8);
    mnuFontsIncrease.SetEnabled(size < 12);
}

void OutputD1::ShowPage(const std::string& pageFile) {
    const auto bytes = ReadFileBytes(pageFile);
    RichText1.SetText(bytes ? *bytes : std::string());
    // A minimised window is brought back, so a report asked for is never
    // written and shown to nobody.
    if (isMinimized()) SetWindowState(0);
    Show(false);
    SetCaption(UiState().chart.CaptionPrefix + "Data");
}

// ------------------------------------------------------------------ fonts

void OutputD1::mnuFontsIncrease_Click() {
    Settings& s = UiState().settings;
    // The kept size moves only with the size shown, so it never drifts past it.
    if (s.OutputFontSize < 12) {
        s.OutputFontSize += FontStep(UiState());
        ApplyFont();
    }
    RefreshOutput();
}

void OutputD1::mnuFontsDecrease_Click() {
    Settings& s = UiState().settings;
    if (s.OutputFontSize > 8) {
        s.OutputFontSize -= FontStep(UiState());
        ApplyFont();
    }
    RefreshOutput();
}

void OutputD1::mnuFontsBold_Click() {
    Settings& s = UiState().settings;
    s.OutputFontBold = s.OutputFontBold != 0 ? 0 : -1;
    mnuFontsBold.SetChecked(s.OutputFontBold != 0);
    ApplyFont();
    RefreshOutput();
}

void OutputD1::mnuFontsItalic_Click() {
    Settings& s = UiState().settings;
    s.OutputFontItalic = s.OutputFontItalic != 0 ? 0 : -1;
    mnuFontsItalic.SetChecked(s.OutputFontItalic != 0);
    ApplyFont();
    RefreshOutput();
}

void OutputD1::RefreshOutput() {
    ProgramState& ps = UiState();
    if (ps.output.PageLineCount != 0) {
        WaitCursor wait;
        ShowOutput(ps);
    }
    EnableFontSteps();
}

// ------------------------------------------------------------------ buffer

void OutputD1::mnuClearBuffer_Click() {
    ClearOutputBuffer(UiState().output);
    MsgBox("All data cleared from buffer.", MsgButtons::OK, "Information!", MsgIcon::Exclamation);
}

void OutputD1::mnuFileSave_Click() { SaveReportFile(UiState(), UiState().chart.ChartName); }

void OutputD1::mnuFileSaveAs_Click() { SaveReportFileAs(UiState(), UiState().chart.ChartName); }

void OutputD1::mnuPrint_Click() {
    ProgramState& ps = UiState();
    if (ps.output.PageLineCount == 0) return;
    WaitCursor wait;
    if (WritePagePrintFile(ps)) ShowPrintEditor();
}

void OutputD1::mnuPrintData_Click() {
    WaitCursor wait;
    if (WriteBufferPrintFile(UiState())) ShowPrintEditor();
}

void OutputD1::mnuHelp_Click() {
    ProgramState& ps = UiState();
    ps.output.HelpFileName = "\\OUTPUTD1.HLP";
    ShowHelpText(ps);
}

// ------------------------------------------------------------------ keys

void OutputD1::RichText1_KeyPress(int& keyAscii) {
    if (keyAscii != 27) return;
    keyAscii = 0;
    if (FocusMainWindow()) FocusMainWindow()();
}

void OutputD1::RichText1_MouseUp(int button) {
    if (button == 2 && FocusMainWindow()) FocusMainWindow()();
}

// ------------------------------------------------------------------ hooks

void InstallReportWindow(ProgramState& ps, std::function<void()> focusMainWindow) {
    FocusMainWindow() = std::move(focusMainWindow);
    ps.output.PrepareReportWindow = [] { FormOf<OutputD1>(); };
    ps.output.ShowReportPage = [](const std::string& pageFile) { FormOf<OutputD1>().ShowPage(pageFile); };
}
