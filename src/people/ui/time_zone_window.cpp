#include "people/ui/time_zone_window.h"

#include "app/ui/control_frames.h"
#include "app/ui/ui_state.h"
#include "people/ui/input_window_link.h"
#include "program_state.h"

TimeZone::TimeZone() {
    SetCaption("Time Zones");
    // Below the input windows, so that it hides none of their boxes; they set its left edge.
    Move(0, 9000, 6600, 5400);
    UseWindowFace(*this);
    lstTimeZones.Move(120, 120, 6240, 4200);
    lstTimeZones.SetFont("Courier New", 9);
    Command1.Move(2580, 4440, 1320, 405);

    OnLoad = [this] { Form_Load(); };
    lstTimeZones.Click = [this] { lstTimeZones_Click(); };
    Command1.Click = [this] { Command1_Click(); };
}

void TimeZone::Form_Load() {
    zones_ = LoadTimeZoneFile(UiState().settings.AppPath);
    lstTimeZones.SetRedraw(false);
    for (size_t i = 0; i < zones_.size(); ++i) {
        lstTimeZones.AddItem(TimeZoneListLine(zones_[i]));
        lstTimeZones.SetItemData(lstTimeZones.NewIndex(), static_cast<long>(i));
    }
    lstTimeZones.SetRedraw(true);
}

void TimeZone::lstTimeZones_Click() {
    const int row = lstTimeZones.ListIndex();
    if (row < 0) return;
    const long i = lstTimeZones.ItemData(row);
    if (i < 0 || i >= static_cast<long>(zones_.size())) return;
    const TimeZoneChoice choice = ChooseTimeZone(zones_[static_cast<size_t>(i)]);
    FillTimeZone(UiState().people.TzPickerTarget ? DiurnalInputBoxes() : NatalInputBoxes(), choice);
}

void TimeZone::Command1_Click() { Unload(); }
