#pragma once
// The file chooser: a volume, a folder and a file matching the caller's
// pattern ("*.FIL", "*.LL", "*.ORB"). The caller may set ChosenFile to a
// starting value, sets the pattern on filList and shows the window modal;
// the choice comes back in ChosenFile, "" when cancelled. Closing the
// window by its frame is the same as Cancel.
#include <functional>

#include "app/ui/file_lists.h"
#include "platform/ui/form.h"
#include "platform/ui/simple_controls.h"

class SelectFIle : public Form {
public:
    SelectFIle();

    CommandButton cmdCancel;
    CommandButton cmdSelect;
    FileListBox filList;
    DirListBox dirList;
    DriveListBox drvList;

    void Form_Load();
    void drvList_Change();
    void dirList_Change();
    void filList_DblClick();
    void cmdSelect_Click();
    void cmdCancel_Click();

private:
    bool selecting_ = false;
};

// Run by Select before the window closes: the names and cities windows
// install here the emptying of their lists, so that they are read again
// from the chosen file when next shown.
void SetFileChosenHook(std::function<void()> hook);
