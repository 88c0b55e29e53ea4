#include "app/ui/title_window.h"

#include <QLabel>
#include <cmath>

#include "app/ui/ui_state.h"
#include "platform/glyph_codes.h"
#include "platform/painter_surface.h"
#include "program_state.h"

namespace {

constexpr double kWheelX = 1500, kWheelY = 1650, kWheelRadius = 1150;

}  // namespace

TITLE::TITLE()
    : cmdOK(Container(), "OK"),
      lblName(Container(), "TANDRELL"),
      lblVersion(Container(), "Version 1.30"),
      lblNote(Container(),
              "For a listing of changes to the program, please see Revision History under HELP in the main "
              "TANDRELL window.  Please review the many other categories under HELP, such as Hints, Shortcut "
              "Keys, and Upgrades.") {
    SetCaption("TANDRELL");
    setWindowFlag(Qt::WindowStaysOnTopHint, false);
    Move(2400, 1800, 7200, 4200);
    Surface().SetBackColor(RGB(255, 255, 255));

    lblName.Move(3000, 300, 3900, 700);
    lblName.SetFont("Times New Roman", 28, true);
    lblName.SetAlignment(Label::Alignment::Center);
    lblVersion.Move(3000, 1050, 3900, 360);
    lblVersion.SetFont("Arial", 11);
    lblVersion.SetAlignment(Label::Alignment::Center);
    lblNote.Move(3000, 1500, 3900, 1500);
    lblNote.SetFont("Arial", 9);
    static_cast<QLabel*>(lblNote.Widget())->setWordWrap(true);
    cmdOK.Move(4350, 3150, 1200, 420);
    cmdOK.SetVisible(false);
    cmdOK.Click = [this] { cmdOK_Click(); };
    SetDefaultButton(&cmdOK);

    OnLoad = [this] { Form_Load(); };
    OnPaint = [this] { DrawPicture(); };
    // Closing the notice by its frame lets start-up go on as OK does, so the
    // program never waits for a window that is gone.
    OnUnload = [](int&) { UiState().settings.TitleAcknowledged = 1; };
}

void TITLE::Form_Load() {
    Show(false);
    repaint();
}

void TITLE::cmdOK_Click() {
    Unload();
    UiState().settings.TitleAcknowledged = 1;
}

void TITLE::DrawPicture() {
    DrawingSurface& s = Surface();
    s.SetFillStyle(FillStyle::Solid);
    s.SetFillColor(RGB(0, 0, 96));
    s.Circle(kWheelX, kWheelY, kWheelRadius, RGB(0, 0, 96));
    s.SetFillColor(RGB(255, 255, 224));
    s.Circle(kWheelX, kWheelY, kWheelRadius * 0.62, RGB(255, 255, 224));
    s.SetFillStyle(FillStyle::Transparent);
    s.Circle(kWheelX, kWheelY, kWheelRadius * 0.62, RGB(255, 215, 0));
    s.Circle(kWheelX, kWheelY, kWheelRadius, RGB(255, 215, 0));

    s.SetFontName(kGlyphFontName);
    s.SetFontSize(14);
    s.SetForeColor(RGB(255, 215, 0));
    const double pi = 3.1415926535;
    for (int sign = 1; sign <= 12; ++sign) {
        // Sign boundaries, Aries rising on the left as on a chart.
        const double edge = pi - (sign - 1) * pi / 6;
        s.Line(kWheelX + std::cos(edge) * kWheelRadius * 0.62, kWheelY - std::sin(edge) * kWheelRadius * 0.62,
               kWheelX + std::cos(edge) * kWheelRadius, kWheelY - std::sin(edge) * kWheelRadius, RGB(255, 215, 0));
        const double mid = edge - pi / 12;
        const std::string glyph(1, static_cast<char>(SignGlyph(sign)));
        const double r = kWheelRadius * 0.81;
        s.SetCurrentX(kWheelX + std::cos(mid) * r - s.TextWidth(glyph) / 2);
        s.SetCurrentY(kWheelY - std::sin(mid) * r - s.TextHeight(glyph) / 2);
        s.Print(glyph);
    }
    // Venus and Mars at the centre: the program is about couples.
    s.SetFontSize(26);
    s.SetForeColor(RGB(160, 0, 64));
    const std::string pair{static_cast<char>(BodyGlyph(3)), ' ', static_cast<char>(BodyGlyph(4))};
    s.SetCurrentX(kWheelX - s.TextWidth(pair) / 2);
    s.SetCurrentY(kWheelY - s.TextHeight(pair) / 2);
    s.Print(pair);
}
