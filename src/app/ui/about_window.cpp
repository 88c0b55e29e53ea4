#include "app/ui/about_window.h"

#include <QLabel>

#include "app/ui/control_frames.h"
#include "platform/drawing_surface.h"

About::About()
    : lblVersion(Container(), "Version  1.30"),
      lblPurpose(Container(),
                 "Astrology for couples: the charts of two people, how they meet, and the days that favour "
                 "them."),
      lblClose(Container(), "Click anywhere in this window to close it.") {
    SetCaption("About");
    Move(3000, 2400, 6000, 3300);
    UseWindowFace(*this);
    lblVersion.Move(400, 1150, 5000, 330);
    lblVersion.SetFont("Arial", 11, true);
    lblPurpose.Move(400, 1600, 5000, 700);
    lblPurpose.SetFont("Arial", 9);
    static_cast<QLabel*>(lblPurpose.Widget())->setWordWrap(true);
    lblClose.Move(400, 2400, 5000, 300);
    lblClose.SetFont("Arial", 8);

    OnLoad = [this] { Form_Load(); };
    // The title is drawn again whenever the window needs painting.
    OnPaint = [this] { DrawAboutTitle(); };
    OnClick = [this] { Form_Click(); };
    lblVersion.Click = [this] { Form_Click(); };
    lblPurpose.Click = [this] { Form_Click(); };
    lblClose.Click = [this] { Form_Click(); };
}

void About::Form_Load() {
    Show(false);
    DrawAboutTitle();
}

void About::Form_Click() { Unload(); }

void About::DrawAboutTitle() {
    DrawingSurface& s = Surface();
    const double size = s.FontSize();
    s.SetFontName("Times New Roman");
    s.SetFontBold(true);
    s.SetFontSize(24);
    s.SetForeColor(0);
    double x = 400, y = 75;
    for (int i = 0; i < 100; ++i) {
        s.SetCurrentX(x);
        s.SetCurrentY(y);
        s.Print("TANDRELL");
        x += 1;
        y += 1;
    }
    s.SetForeColor(RGB(255, 255, 0));
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    s.Print("TANDRELL");
    s.SetFontSize(size);
}
