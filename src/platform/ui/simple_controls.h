#pragma once
// Labels, command buttons and frames. Captions may hold "&" before the
// access key, as the program writes them.
#include <functional>
#include <string>

#include "platform/ui/control_base.h"

class QLabel;
class QPushButton;
class QGroupBox;

class Label : public Control {
public:
    explicit Label(QWidget* parent, const std::string& caption = "");
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    enum class Alignment { Left = 0, Right = 1, Center = 2 };
    void SetAlignment(Alignment alignment);

    std::function<void()> Click;

protected:
    bool FilterEvent(QEvent* event) override;

private:
    QLabel* label_;
    // The left button went down on this label: only its release is a click.
    bool pressed_ = false;
};

class CommandButton : public Control {
public:
    explicit CommandButton(QWidget* parent, const std::string& caption = "");
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // Runs Click as a press of the button does (when it is enabled).
    void PerformClick();

    std::function<void()> Click;

private:
    QPushButton* button_;
};

// A frame groups controls; option buttons inside one frame form one group.
class Frame : public Control {
public:
    explicit Frame(QWidget* parent, const std::string& caption = "");
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // The widget the frame's controls are made in.
    QWidget* Container() const { return Widget(); }

private:
    QGroupBox* box_;
};
