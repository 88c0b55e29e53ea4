#include "people/person_fields.h"

#include <cmath>

#include "people/city_record.h"

void FillPersonFields(DataSetFields& f, const NameRecordValues& v, const std::string& email) {
    f.Month = PlainNumberText(v.Date.Month);
    f.Day = PlainNumberText(v.Date.Day);
    f.Year = PlainNumberText(v.Date.Year);
    double hour = v.Hour;
    if (hour == 0) hour = 12;
    if (hour > 12) {
        hour = std::fmod(hour, 12.0);
        if (hour == 0) hour = 12;
    }
    f.Hour = PlainNumberText(hour);
    f.Minute = PlainNumberText(v.Minute);
    f.AM = v.AM;
    f.LongDeg = PlainNumberText(v.LongDeg);
    f.East = v.East;
    f.West = !v.East;
    f.Zone = PlainNumberText(v.Zone);
    f.LongMin = PlainNumberText(v.LongMin);
    f.LatDeg = PlainNumberText(v.LatDeg);
    f.South = v.South;
    f.LatMin = PlainNumberText(v.LatMin);
    f.Email = email;
}
