#pragma once
// What the list windows, the time-zone picker and the editors need of the
// two input windows. The input windows install these links when they load;
// until then the lists fill nothing and compute nothing.
#include <functional>
#include <string>

#include "people/ui/input_boxes.h"

struct InputWindowLink {
    std::function<InputBoxes()> NatalBoxes;    // the natal window's boxes
    std::function<InputBoxes()> DiurnalBoxes;  // the second data set window's boxes
    // "2nd Person" ticked on the second data set window.
    std::function<bool()> SecondPersonSet;
    // Writes person B's name as the caption of "2nd Person".
    std::function<void(const std::string&)> SetSecondPersonName;
    // After the natal set changed from a list: the second set copies the
    // natal time and place ("Use natal data" ticked) or becomes now.
    std::function<void()> FollowNatalData;
    // Focus on the natal window, output emptied, both charts computed.
    std::function<void()> ComputeCharts;
};

void SetInputWindowLink(InputWindowLink link);
const InputWindowLink& InputLink();

// Conveniences over the link that do nothing when a part is not installed.
bool SecondPersonIsSet();
InputBoxes NatalInputBoxes();
InputBoxes DiurnalInputBoxes();
