#pragma once
// Choosing a names or cities file: the chooser opens on the program folder
// with the current file preselected when it lies there. The result is the
// chosen path, or "" when the user cancelled.
#include <string>

struct ProgramState;

std::string SelectNamesFile(ProgramState& ps, const std::string& pattern);
std::string SelectCitiesFile(ProgramState& ps, const std::string& pattern);
