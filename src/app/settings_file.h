#pragma once
// "TANDRELL.INI": window places, the report font, the current names and
// cities files, the atlas folder, the wheel's start scale and chart style.
#include <string>

struct ProgramState;
struct Settings;

// The INI file's path in the program folder.
std::string SettingsFilePath(const Settings& s);

// Sets every default, then reads "TANDRELL.INI" when it can. A missing file
// leaves the defaults without a message.
void LoadSettings(Settings& s);

// Writes "TANDRELL.INI" anew. When it cannot be written the user is told and
// false is returned; the settings in memory stay as they are.
bool SaveSettings(const Settings& s);

// A number as the INI file writes it: a blank before a value that is not
// negative, a minus before a negative one (" 10", "-1", " 7.75").
std::string SignedNumberText(double value);
