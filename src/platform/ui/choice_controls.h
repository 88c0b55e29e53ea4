#pragma once
// Option buttons and check boxes with the original runtime's events.
//
// Option buttons in the same container (window or frame) form one group.
// Setting one true, by a click or from code, clears its partners and runs
// its own Click once; the partners run nothing. Setting one that is already
// true runs nothing.
//
// A check box's Value is 0 (unchecked), 1 (checked) or 2 (grayed); Click
// runs whenever the value changes, by a click or from code.
#include <functional>
#include <string>

#include "platform/ui/control_base.h"

class QRadioButton;
class QCheckBox;

class OptionButton : public Control {
public:
    explicit OptionButton(QWidget* parent, const std::string& caption = "");
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    bool Value() const;
    void SetValue(bool value);

    std::function<void()> Click;

private:
    QRadioButton* button_;
};

class CheckBox : public Control {
public:
    explicit CheckBox(QWidget* parent, const std::string& caption = "");
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    int Value() const;
    void SetValue(int value);

    std::function<void()> Click;

private:
    QCheckBox* box_;
};
