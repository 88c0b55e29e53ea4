#pragma once
// The program's own font file, made available to the program's drawing for
// the run: added at start and removed at exit.
#include <string>
#include <vector>

struct RegisteredFont {
    int Id = -1;                        // -1 when the file could not be loaded
    std::vector<std::string> Families;  // the family names the file holds
};

// Adds the font file; a missing or unreadable file gives Id -1 and no families.
RegisteredFont AddFontFile(const std::string& path);
// Removes a font added by AddFontFile; false when the id is not (or no
// longer) registered.
bool RemoveFontFile(int id);
// Whether a family of that name can be drawn with.
bool FontFamilyAvailable(const std::string& family);
