#pragma once
// Settings read from the options file, the orb files and the INI file, and
// the regional date and clock format.
#include <array>
#include <string>

struct Settings {
    // Program folder: every data file is opened inside it.
    std::string AppPath;

    // Options 1..286 (slot 0 unused), single precision as stored.
    std::array<float, 287> OptionValues{};
    // Orbs 1..17 of the current orb file (slot 0 unused).
    std::array<float, 18> OrbValues{};
    std::string CurrentOrbFile;

    // Regional date order and clock.
    int DateOrder = 0;
    int TimeFormat = 0;

    // --- INI file values

    // --- further settings
};
