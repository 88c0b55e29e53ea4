#pragma once
// The boxes and option pairs of one data set in an input window, and the
// fills that the names list, the cities list and the time-zone picker
// write into them. Each write goes through the control, so the
// window's own handlers run as they do for a user's change: the hour rule,
// and the zone re-signed when East or West becomes set (which is why the
// zone is written after the East/West choice).
#include <string>

#include "people/city_record.h"
#include "people/name_record.h"
#include "people/time_zone_list.h"

class TextBox;
class OptionButton;

struct InputBoxes {
    TextBox* Name = nullptr;  // the natal window only
    TextBox *Month = nullptr, *Day = nullptr, *Year = nullptr;
    TextBox *Hour = nullptr, *Minute = nullptr;
    OptionButton *AM = nullptr, *PM = nullptr;
    TextBox* Zone = nullptr;
    TextBox *LongDeg = nullptr, *LongMin = nullptr;
    OptionButton *East = nullptr, *West = nullptr;
    TextBox *LatDeg = nullptr, *LatMin = nullptr;
    OptionButton *North = nullptr, *South = nullptr;
    TextBox* Email = nullptr;
};

// A person of the names list: name (when the window has a name box), date,
// time, A.M./P.M., place, zone and e-mail, in the order the list writes them.
void FillPerson(const InputBoxes& boxes, const std::string& name, const NameRecordValues& values,
                const std::string& email);

// A place of the cities list: longitude, East/West, zone, latitude, North/South.
void FillCityPlace(const InputBoxes& boxes, const CityPlaceValues& place);

// A zone of the time-zone picker: East/West by its sign, then the zone.
void FillTimeZone(const InputBoxes& boxes, const TimeZoneChoice& choice);
