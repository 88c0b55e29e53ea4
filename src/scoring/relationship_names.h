#pragma once
// The fixed-width body and aspect names of the relationship reports, cut
// from the name tables of the settings.
#include <string>

struct Settings;

// Body b (relationship order) as its 7-character field, blanks included.
std::string RelBodyName(const Settings& s, int body);
// The same without trailing blanks ("MOON").
std::string RelBodyNameTrimmed(const Settings& s, int body);
// Aspect k (cube index 0..8) as its 14-character field.
std::string RelAspectName(const Settings& s, int aspect);
