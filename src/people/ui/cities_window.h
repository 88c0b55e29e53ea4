#pragma once
// The cities list window: the places of the current cities file in
// alphabetical order. A click writes the place into the natal window or,
// with "2nd Person" ticked, into the second data set window.
#include <string>
#include <vector>

#include "people/city_record.h"
#include "platform/ui/form.h"
#include "platform/ui/list_box.h"
#include "platform/ui/simple_controls.h"

class Geograph : public Form {
public:
    Geograph();

    CommandButton Command1{Container(), "Click here for names"};
    CommandButton cmdEditList{Container(), "Edit this List"};
    CommandButton cmdNewFileList{Container(), "Change List"};
    ListBox CitiesOnFile{Container(), true};
    Label lblCitiesOnFile{Container()};

    void Form_Load();
    void ShowCitiesFileName();
    // Reads the lines of a cities file into the places and the list (which
    // the caller has emptied).
    void LoadCitiesList(const std::vector<std::string>& lines);

    void CitiesOnFile_Click();
    void cmdEditList_Click();
    void cmdNewFileList_Click();
    void Command1_Click();

    // The places of the loaded file in file order.
    const std::vector<CityRecord>& Cities() const { return cities_; }

private:
    std::vector<CityRecord> cities_;
};

// The cities window is closed and shown again, so it reads the current file afresh.
void ReopenCitiesWindow();
