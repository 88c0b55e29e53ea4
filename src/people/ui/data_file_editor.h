#pragma once
// The plain-text editor of a data file (names or cities): the whole file as
// one text, saved back byte for byte. Loading puts CR LF after every line;
// saving writes the text with one final CR LF, so an unchanged text gives
// the file as it was, and a text without a final line end loses nothing.
// A text holding a character the file's code page has no byte for is not
// saved: the user is told its line.
#include <string>

#include "platform/ui/form.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/text_box.h"

// The bytes the editor writes for its text: empty for an empty text,
// otherwise the text less a final CR LF when it has one, then CR LF.
std::string DataEditorBytes(const std::string& text);

class DataFileEditor : public Form {
public:
    DataFileEditor();

    CommandButton btnQuit{Container(), "Quit"};
    CommandButton btnSave{Container(), "Save"};
    TextBox txtContent{Container(), true};
    Label Label1{Container(), "Ctrl-C to copy.  Ctrl-X to cut.  Ctrl-V to paste."};

    void Form_Load();
    void btnSave_Click();
    void btnQuit_Click();

    const std::string& FilePath() const { return path_; }

protected:
    // The file edited, the step after a save, and the list window shown again at Quit.
    virtual std::string EditedFile() const = 0;
    virtual void AfterSave() {}
    virtual void ReopenListWindow() = 0;

private:
    std::string path_;
};
