#include "platform/ui/choice_controls.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QSignalBlocker>

#include "platform/text_file.h"

OptionButton::OptionButton(QWidget* parent, const std::string& caption) : Control(new QRadioButton(parent)) {
    button_ = static_cast<QRadioButton*>(Widget());
    button_->setAutoExclusive(true);
    SetCaption(caption);
    // Qt clears the partners itself; only the button that became set runs
    // its Click.
    QObject::connect(button_, &QRadioButton::toggled, Context(), [this](bool on) {
        if (on && Click) Click();
    });
}

std::string OptionButton::Caption() const { return ToCp1252(button_->text()); }
void OptionButton::SetCaption(const std::string& caption) { button_->setText(FromCp1252(caption)); }
bool OptionButton::Value() const { return button_->isChecked(); }

void OptionButton::SetValue(bool value) {
    if (value == button_->isChecked()) return;
    if (value) {
        button_->setChecked(true);
        return;
    }
    // An exclusive button cannot be cleared directly; clearing one leaves the
    // group with nothing set, and runs no Click.
    QSignalBlocker block(button_);
    button_->setAutoExclusive(false);
    button_->setChecked(false);
    button_->setAutoExclusive(true);
}

CheckBox::CheckBox(QWidget* parent, const std::string& caption) : Control(new QCheckBox(parent)) {
    box_ = static_cast<QCheckBox*>(Widget());
    SetCaption(caption);
    QObject::connect(box_, &QCheckBox::stateChanged, Context(), [this](int) {
        if (Click) Click();
    });
}

std::string CheckBox::Caption() const { return ToCp1252(box_->text()); }
void CheckBox::SetCaption(const std::string& caption) { box_->setText(FromCp1252(caption)); }

int CheckBox::Value() const {
    switch (box_->checkState()) {
        case Qt::Checked: return 1;
        case Qt::PartiallyChecked: return 2;
        default: return 0;
    }
}

void CheckBox::SetValue(int value) {
    const Qt::CheckState state = value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
    if (value == 2) box_->setTristate(true);
    box_->setCheckState(state);
}
