#include "people/ui/input_box_rules.h"

#include <QLineEdit>
#include <cmath>

#include "people/atlas_link.h"
#include "people/city_record.h"
#include "people/input_fields.h"
#include "people/ui/label_frames.h"
#include "platform/dialogs.h"
#include "platform/drawing_surface.h"
#include "platform/ui/choice_controls.h"
#include "platform/ui/form.h"
#include "platform/ui/text_box.h"
#include "program_state.h"

namespace {

constexpr int kBackspace = 8;

bool IsDigit(int k) { return k >= '0' && k <= '9'; }

void Warn(const char* message) { MsgBox(message, MsgButtons::OK, "Warning!", MsgIcon::Information); }

}  // namespace

void DigitsOnly(int& keyAscii) {
    if (!IsDigit(keyAscii) && keyAscii != kBackspace) keyAscii = 0;
}

void MinuteKeys(int& keyAscii) {
    if (keyAscii != '.') DigitsOnly(keyAscii);
}

void ZoneKeys(int& keyAscii) {
    if (keyAscii != '.' && keyAscii != '-') DigitsOnly(keyAscii);
}

void SelectOnEntry(TextBox& box) {
    // The text box keeps this selection also when a click brings the focus.
    box.GotFocus = [&box] { box.SetSelection(0, static_cast<int>(box.Text().size())); };
}

void HourBoxChanged(TextBox& hour, OptionButton& pm, const char* emptyMessage) {
    const std::string text = hour.Text();
    if (text.empty()) {
        Warn(emptyMessage);
        return;
    }
    double value = 0.0;
    if (!StrictNumber(text, value)) {
        Warn("You are typing too fast. Please slow down.");
        hour.SelectAll();
        return;
    }
    if (value == 0) {
        hour.SetText(PlainNumberText(value + 12));
        value = StrictValue(hour.Text());
    }
    if (value > 12) {
        pm.SetValue(true);
        // Stepping down by 12 one write at a time would nest one handler run
        // per step; the end of those steps is written at once instead.
        double rest = std::fmod(value, 12.0);
        if (rest == 0) rest = 12;
        hour.SetText(PlainNumberText(rest));
    }
}

void ResignZone(TextBox& zone, bool east) {
    double value = 0.0;
    if (!StrictNumber(zone.Text(), value)) return;
    zone.SetText(PlainNumberText(east ? -std::fabs(value) : std::fabs(value)));
}

void AtlasLabelClick(ProgramState& ps, TextBox& zone, TextBox& longDeg, TextBox& longMin, OptionButton& east,
                     OptionButton& west, TextBox& latDeg, TextBox& latMin, OptionButton& north,
                     OptionButton& south) {
    ps.people.AtlasDataFlag = 1;
    AtlasLookup(ps.people, ps.settings.AtlasDir);
    if (!AtlasDataAccepted(ps.people)) return;
    const AtlasPlace place = AtlasPlaceValues(ps.people);
    zone.SetText(PlainNumberText(place.Zone));
    longDeg.SetText(PlainNumberText(place.LongDeg));
    longMin.SetText(PlainNumberText(place.LongMin));
    if (place.West) west.SetValue(true);
    else east.SetValue(true);
    latDeg.SetText(PlainNumberText(place.LatDeg));
    latMin.SetText(PlainNumberText(place.LatMin));
    if (place.North) north.SetValue(true);
    else south.SetValue(true);
}

void DrawLabelFrames(Form& form, std::initializer_list<const Control*> controls) {
    for (const Control* c : controls) DrawFrameRound(form, *c);
}

void DrawDividers(Form& form, std::initializer_list<double> tops) {
    DrawingSurface& s = form.Surface();
    for (double y : tops) s.Line(0, y, form.InsideWidth(), y, RGB(255, 255, 255));
}
