#include "people/second_set_values.h"

#include <cctype>

#include "app/settings.h"
#include "people/city_record.h"
#include "people/input_fields.h"

bool AfterNoon(const DateTime& now, int timeFormat) {
    if (timeFormat == 1) return now.Hour >= 12;
    const std::string text = RegionalTimeText(now, timeFormat);
    if (text.size() < 2) return false;
    const char a = static_cast<char>(std::toupper(static_cast<unsigned char>(text[text.size() - 2])));
    const char b = static_cast<char>(std::toupper(static_cast<unsigned char>(text[text.size() - 1])));
    return a == 'P' && b == 'M';
}

MomentFill MomentAtDefaultPlace(const Settings& settings, const DateTime& now) {
    MomentFill fill;
    fill.PM = AfterNoon(now, settings.TimeFormat);
    fill.Month = FormatDate(now, "m");
    fill.Day = FormatDate(now, "d");
    fill.Year = FormatDate(now, "yyyy");
    fill.Hour = FormatDate(now, "h");
    fill.Minute = FormatDate(now, "n");
    const auto& opt = settings.OptionValues;
    fill.Zone = PlainNumberText(opt[18]);
    fill.LongDeg = PlainNumberText(opt[19]);
    fill.LongMin = PlainNumberText(opt[20]);
    fill.LatDeg = PlainNumberText(opt[22]);
    fill.LatMin = PlainNumberText(opt[23]);
    fill.East = opt[21] != 0;
    fill.South = opt[24] != 0;
    return fill;
}
