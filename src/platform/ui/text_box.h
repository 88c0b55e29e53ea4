#pragma once
// A text box: one line (QLineEdit) or many (QPlainTextEdit). Setting Text
// from code runs Change at once, and only when the text really changes, as
// a user's edit does. KeyPress sees each typed character first and may
// discard it by setting the code to 0, or replace it by another character.
#include <functional>
#include <string>

#include "platform/ui/control_base.h"

class QLineEdit;
class QPlainTextEdit;

class TextBox : public Control {
public:
    explicit TextBox(QWidget* parent, bool multiLine = false);

    // Text in the program's 8-bit code page.
    std::string Text() const;
    // The number (1 = the first) of the first line that holds a character
    // the code page has no byte for, which Text gives as '?'; 0 when every
    // character has its byte.
    int LineNotInCodePage() const;
    void SetText(const std::string& text);
    // 0 means no limit; applies to one-line boxes.
    int MaxLength() const;
    void SetMaxLength(int length);
    // A locked box can be read and selected but not edited.
    void SetLocked(bool locked);
    int SelStart() const;
    int SelLength() const;
    void SetSelection(int start, int length);
    void SelectAll();

    QLineEdit* LineEdit() const { return line_; }
    QPlainTextEdit* PlainTextEdit() const { return plain_; }

    std::function<void()> Change;
    std::function<void(int& keyAscii)> KeyPress;

protected:
    bool FilterKey(QKeyEvent* event) override;
    // A selection that GotFocus makes when a click brings the focus is made
    // again once the click is through, since the click would otherwise
    // place the caret over it.
    bool FilterEvent(QEvent* event) override;

private:
    void Changed();

    QLineEdit* line_ = nullptr;
    QPlainTextEdit* plain_ = nullptr;
    std::string lastText_;  // what Change last saw, so equal writes run nothing
};
