#pragma once
// The program folder: the per-user data folder named for the program, seeded
// from the data folder shipped beside the executable. The functions take the
// folders as parameters so that tests can point them at temporary folders.
#include <string>

// The per-user data folder of the program (the application data location
// for the application name "Tandrell"); not created here.
std::string StandardProgramFolder();

// The shipped data folder: "data" beside the executable when it exists,
// otherwise the "data" folder of the source tree above the executable's
// folder (a build folder), found by its CMakeLists.txt. "" when there is none.
std::string ShippedDataFolder(const std::string& executableFolder);
std::string ShippedDataFolder();  // for the running executable

// Creates the program folder when needed and copies into it every file of
// the shipped folder (subfolders included, hidden files left out) that is
// missing there; files already there are never overwritten. Copies are made
// writable by the user. False when the program folder cannot be created or a
// missing file could not be copied.
bool SeedProgramFolder(const std::string& programFolder, const std::string& shippedFolder);

// Creates the folder "REPORTS" in the program folder; false on failure,
// which the caller may ignore.
bool MakeReportsFolder(const std::string& programFolder);

// Start-up: the standard program folder, seeded from the shipped data, with
// its REPORTS folder. Returns the folder to keep in AppPath.
std::string SetUpProgramFolder();
