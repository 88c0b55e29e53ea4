#include "app/ui/tip_window.h"

#include <QLabel>

#include "app/ui/control_frames.h"
#include "app/ui/ui_state.h"
#include "platform/text_file.h"
#include "program_state.h"

namespace {

// The white panel the tip stands in, twips.
constexpr double kPanelLeft = 240, kPanelTop = 240, kPanelWidth = 4500, kPanelHeight = 2520;

}  // namespace

frmTip::frmTip()
    : Command1(Container(), "Go &Back"),
      cmdNextTip(Container(), "&Next Tip"),
      cmdOK(Container(), "OK"),
      Label1(Container(), "Did you know..."),
      lblTipText(Container()),
      lblLabel2(Container(), "Change option #40 to remove Tips at startup") {
    SetCaption("Tip of the Day");
    Move(2400, 2400, 6600, 3900);
    UseWindowFace(*this);

    Label1.Move(kPanelLeft + 180, kPanelTop + 120, kPanelWidth - 360, 420);
    Label1.SetFont("Times New Roman", 14, true);
    lblTipText.Move(kPanelLeft + 180, kPanelTop + 660, kPanelWidth - 360, kPanelHeight - 780);
    lblTipText.SetFont("Arial", 10);
    auto* tip = static_cast<QLabel*>(lblTipText.Widget());
    tip->setWordWrap(true);
    tip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblLabel2.Move(kPanelLeft, kPanelTop + kPanelHeight + 120, kPanelWidth + 1500, 300);
    lblLabel2.SetFont("Arial", 8);

    cmdOK.Move(5040, kPanelTop, 1260, 420);
    cmdNextTip.Move(5040, kPanelTop + 540, 1260, 420);
    Command1.Move(5040, kPanelTop + 1080, 1260, 420);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdNextTip.Click = [this] { cmdNextTip_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    SetDefaultButton(&cmdOK);
    SetCancelButton(&cmdOK);

    OnLoad = [this] { Form_Load(); };
    OnPaint = [this] { DrawTipFrame(); };
}

void frmTip::Form_Load() {
    const std::string file = "TIPOFDAY.TXT";
    if (!LoadTips(JoinPath(UiState().settings.AppPath, file)))
        lblTipText.SetCaption("that the " + file + " file was not found?");
}

bool frmTip::LoadTips(const std::string& path) {
    if (path.empty() || !FileExists(path)) return false;
    const auto lines = ReadTextLines(path);
    if (!lines) return false;
    Tips = *lines;
    NextTip();
    return true;
}

void frmTip::NextTip() {
    CurrentTip += 1;
    if (CurrentTip > static_cast<long>(Tips.size())) CurrentTip = 1;
    DisplayCurrentTip();
}

void frmTip::GoBackTip() {
    CurrentTip -= 1;
    if (CurrentTip <= 0) CurrentTip = static_cast<long>(Tips.size());
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip() {
    if (Tips.empty() || CurrentTip < 1) return;
    lblTipText.SetCaption(Tips[static_cast<size_t>(CurrentTip - 1)]);
}

void frmTip::cmdNextTip_Click() { NextTip(); }
void frmTip::Command1_Click() { GoBackTip(); }
void frmTip::cmdOK_Click() { Unload(); }

void frmTip::DrawTipFrame() {
    DrawingSurface& s = Surface();
    s.Line(kPanelLeft, kPanelTop, kPanelLeft + kPanelWidth, kPanelTop + kPanelHeight, RGB(255, 255, 255),
           LineBox::FilledBox);
    FrameRecord frame;
    frame.Left = static_cast<int>(kPanelLeft);
    frame.Top = static_cast<int>(kPanelTop);
    frame.Right = static_cast<int>(kPanelLeft + kPanelWidth);
    frame.Bottom = static_cast<int>(kPanelTop + kPanelHeight);
    frame.XThickness = 15;
    frame.YThickness = 15;
    frame.ShadowColour = 0x808080;
    frame.LightColour = 0xFFFFFF;
    Draw3DFrame(*this, frame);
}
