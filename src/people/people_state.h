#pragma once
// Person and place data: input values of the two data sets, names and cities records.
#include <string>
#include <vector>

struct PeopleState {
    // --- names file and record saving
    // 1: the next loading of the names list does not return to its kept position.
    int NamesListStale = 0;

    // --- names list
    // The records of the loaded names file in file order, one field per
    // array, plus one empty spare element (the runs over the list read them).
    std::vector<std::string> NamesName{""}, NamesDate{""}, NamesTime{""}, NamesAmPm{""}, NamesZone{""},
        NamesLongitude{""}, NamesLatitude{""}, NamesEmail{""};
    int ListLocked = 0;        // state of "Lock list"
    int LockedIndex = -1;      // kept list position (0 first entry, -1 none)
    int SettingCheckbox = 0;   // 1 while loading sets "Lock list", so its click is ignored
    int LastClickedName = 0;   // table index of the name last clicked

    // --- time-zone picker
    // Which input window the picker fills: false the natal window, true the second one.
    bool TzPickerTarget = false;

    // --- atlas link
    std::string AtlasResultFolder;   // line 1 of PCATPATH.TXT as a path: the folder of TSRTEMP.TXT
    std::string AtlasLatitudeText;   // line 2 of TSRTEMP.TXT, whole
    std::string AtlasLongitudeText;  // line 3 of TSRTEMP.TXT, whole
    float AtlasZone = 0.0f;          // leading number of line 5 of TSRTEMP.TXT
    int AtlasDataFlag = 0;           // set to 1 by the caller; 0 when a look-up ends without data
    int AtlasAnswer = 0;             // 6 Yes, 7 No; unchanged when no data was obtained

    // --- input window controls the reports read (the windows keep them in step)
    // The diurnal window's "2nd Person" check box: 1 when ticked; its caption
    // is person B's label in report headings.
    int SecondPersonChecked = 0;
    std::string SecondPersonCaption = "2nd Person";
    // The text of the natal window's name box.
    std::string NatalNameText;
    // The diurnal window's "Benefics/Malefics?" box (ticked at start) and its
    // "Outer planets" box: 1 when ticked.
    int BeneficsMaleficsChecked = 1;
    int OuterPlanetsChecked = 0;
    // The e-mail boxes of the natal and the diurnal window (the interchart
    // batch lines carry them).
    std::string NatalEmailText, SecondEmailText;

    // --- relationship chart input
    // Person B's name as the names list or a run over it last took it.
    std::string RunPersonName;
};
