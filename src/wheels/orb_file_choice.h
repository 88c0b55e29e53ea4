#pragma once
// The orb-file chooser of the wheel window starts on the current orb file.
#include <string>
#include <vector>

// The entry of the chooser's list (file names without folder) whose name,
// in any letter case, ends the current orb file's path after a folder
// separator; 0 when none does, -1 when the list is empty.
int PreselectedOrbFile(const std::vector<std::string>& entries, const std::string& currentOrbFile);
