#pragma once
// The wiring of the input windows to the names and cities lists, the
// time-zone picker and the names file choice: the input windows call these
// through their hook table, which is filled here, beside the windows it
// reaches, so that the input windows include none of them.

// Installs in the input windows' hooks the showing and hiding of the names
// and cities lists, the time-zone picker, the names file choice of "Save to
// disk" and the reopening of the names list after it; removes them again.
void InstallPeopleWindowHooks();
void RemovePeopleWindowHooks();
