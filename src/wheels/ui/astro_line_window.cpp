#include "wheels/ui/astro_line_window.h"

#include "app/options_file.h"
#include "app/ui/ui_state.h"
#include "people/ui/input_window_hooks.h"
#include "platform/drawing_surface.h"
#include "platform/numbers.h"
#include "platform/painter_surface.h"
#include "platform/text_file.h"
#include "platform/units.h"
#include "program_state.h"
#include "wheels/astro_line.h"

bool LoadSynastryOrbs(Settings& s, bool tell) {
    const std::string path = JoinPath(s.AppPath, "SYNASTRY.ORB");
    const auto lines = ReadTextLines(path);
    if (!lines) {
        if (tell) ReportFileNotFound(path);
        return false;
    }
    const NumberLines orbs = ReadNumberLines(*lines, 17);
    for (std::size_t k = 0; k < orbs.Numbers.size(); ++k) s.OrbValues[k + 1] = orbs.Numbers[k];
    if (tell) ReportTooLarge(path, orbs.TooLarge, "Such an orb counts as 0.");
    return true;
}

AstrLine::AstrLine() {
    SetCaption(kAstroLineCaption);
    OnLoad = [this] { Form_Load(); };
    OnPaint = [this] { Form_Paint(); };
    OnResize = [this] { Form_Resize(); };
    OnMouseDown = [this](int button, int shift, double x, double y) { Form_MouseDown(button, shift, x, y); };
    OnKeyPress = [this](int& key) { Form_KeyPress(key); };
}

void AstrLine::Form_Load() {
    ProgramState& ps = UiState();
    const auto& o = ps.settings.OptionValues;
    DrawingSurface& s = Surface();
    s.SetScaleMode(ScaleUnit::Twips);
    ps.wheels.FormLoading = 1;
    s.Cls();
    SetLeft(0);
    s.SetBackColor(QBColor(CInt(o[159])));
    s.SetFontName(kGlyphFontName);
    s.SetFontSize(o[153]);
    const double screen = ScreenWidthTwips();
    SetWidth(0.85 * (screen > 0 ? screen : 15360));
    SetHeight(4000);
    SetTop(ps.settings.OutputWindowTop);
    SetLeft(ps.settings.MainWindowLeft);
    ps.wheels.FormLoading = 0;
    PageNumber = 0;
    // The orbs are read on every paint; a missing file is told once here,
    // never from inside a paint.
    LoadSynastryOrbs(ps.settings, true);
}

void AstrLine::Form_Paint() {
    ProgramState& ps = UiState();
    if (ps.wheels.FormLoading == 1) return;
    LoadSynastryOrbs(ps.settings, false);
    const ChartState& cs = ps.chart;
    AstroLineInput in;
    in.longitudesA = cs.NatalLongitudes;
    in.longitudesB = cs.SecondLongitudes;
    in.retroA = cs.NatalRetroFlags;
    in.retroB = cs.SecondRetroFlags;
    in.nameA = cs.ChartName;
    in.nameB = ps.people.SecondPersonCaption;
    in.options = ps.settings.OptionValues;
    in.orbs = ps.settings.OrbValues;
    in.page = PageNumber;
    in.outerWidth = Width();
    in.outerHeight = Height();
    in.insideHeight = InsideHeight();
    const AstroLineResult result = DrawAstroLine(Surface(), in);
    if (result.caption) SetCaption(*result.caption);
}

void AstrLine::Form_Resize() {
    if (UiState().wheels.FormLoading != 1) Refresh();
}

void AstrLine::Form_MouseDown(int, int, double, double) {
    PageNumber = (PageNumber + 1) % 3;
    Refresh();
}

void AstrLine::Form_KeyPress(int& keyAscii) {
    if (keyAscii != 27) return;
    CallHook(InputHooks().FocusMainWindow);
    keyAscii = 0;
}
