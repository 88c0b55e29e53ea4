#pragma once
// The time-zone picker: the zones of "TZ.DAT" in name order, one aligned
// line each. A click writes the zone's hours, and East or West by its sign,
// into the input window that opened the picker; the picker stays open.
#include <vector>

#include "people/time_zone_list.h"
#include "platform/ui/form.h"
#include "platform/ui/list_box.h"
#include "platform/ui/simple_controls.h"

class TimeZone : public Form {
public:
    TimeZone();

    CommandButton Command1{Container(), "Quit"};
    ListBox lstTimeZones{Container(), true};

    void Form_Load();
    void lstTimeZones_Click();
    void Command1_Click();

    const std::vector<TimeZoneRecord>& Zones() const { return zones_; }

private:
    std::vector<TimeZoneRecord> zones_;
};
