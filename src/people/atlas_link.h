#pragma once
// The link to the outside atlas program "ATLAS.EXE": run it, wait for it to
// end, read the place it leaves in "PCATPATH.TXT" and "TSRTEMP.TXT", and ask
// the user to accept it. The calling window fills its own boxes.
#include <string>

struct PeopleState;

// Starts the program (a path, run directly with no arguments, never through
// a shell) and waits for it to end without a time limit. False when it could
// not be started.
bool ShellAndWait(const std::string& program);

// Where "ATLAS.EXE" is run from: in atlasDir when it is set; otherwise this
// program's own folder, then the folders of PATH. Empty when not found.
std::string FindAtlasProgram(const std::string& atlasDir);

// The look-up. The caller sets AtlasDataFlag to 1 first; the look-up sets it
// to 0 when it ends without data, and otherwise leaves the user's answer in
// AtlasAnswer (6 Yes, 7 No). atlasDir is the settings' folder of the atlas
// program; a folder the user types when the program cannot be started is
// kept there.
void AtlasLookup(PeopleState& people, std::string& atlasDir);

// The accepted place split for the input boxes: degrees before the letter,
// minutes in the two characters after it.
struct AtlasPlace {
    double LongDeg = 0.0;
    double LongMin = 0.0;
    bool West = false;   // the longitude text holds a "W"
    double LatDeg = 0.0;
    double LatMin = 0.0;
    bool North = false;  // the latitude text holds an "N"
    float Zone = 0.0f;
};
AtlasPlace AtlasPlaceValues(const PeopleState& people);

// True when the caller should fill its boxes: the user said Yes and the
// look-up obtained data.
bool AtlasDataAccepted(const PeopleState& people);
