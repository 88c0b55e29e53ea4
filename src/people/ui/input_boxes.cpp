#include "people/ui/input_boxes.h"

#include "platform/ui/choice_controls.h"
#include "platform/ui/text_box.h"

namespace {

void Choose(OptionButton* first, OptionButton* second, bool takeFirst) {
    OptionButton* chosen = takeFirst ? first : second;
    if (chosen) chosen->SetValue(true);
}

void Write(TextBox* box, double value) {
    if (box) box->SetText(PlainNumberText(value));
}

}  // namespace

void FillPerson(const InputBoxes& b, const std::string& name, const NameRecordValues& v, const std::string& email) {
    if (b.Name) b.Name->SetText(name);
    Write(b.Month, v.Date.Month);
    Write(b.Day, v.Date.Day);
    Write(b.Year, v.Date.Year);
    Write(b.Hour, v.Hour);
    Write(b.Minute, v.Minute);
    Choose(b.AM, b.PM, v.AM);
    Write(b.LongDeg, v.LongDeg);
    Choose(b.East, b.West, v.East);
    Write(b.Zone, v.Zone);
    Write(b.LongMin, v.LongMin);
    Write(b.LatDeg, v.LatDeg);
    Choose(b.South, b.North, v.South);
    Write(b.LatMin, v.LatMin);
    if (b.Email) b.Email->SetText(email);
}

void FillCityPlace(const InputBoxes& b, const CityPlaceValues& p) {
    Write(b.LongDeg, p.LongDeg);
    Choose(b.East, b.West, p.East);
    Write(b.LongMin, p.LongMin);
    Write(b.Zone, p.Zone);
    Write(b.LatDeg, p.LatDeg);
    Choose(b.South, b.North, p.South);
    Write(b.LatMin, p.LatMin);
}

void FillTimeZone(const InputBoxes& b, const TimeZoneChoice& c) {
    Choose(b.East, b.West, c.East);
    Write(b.Zone, c.Hours);
}
