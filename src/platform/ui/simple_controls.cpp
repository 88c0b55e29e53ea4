#include "platform/ui/simple_controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "platform/text_file.h"

Label::Label(QWidget* parent, const std::string& caption) : Control(new QLabel(parent)) {
    label_ = static_cast<QLabel*>(Widget());
    label_->setTextFormat(Qt::PlainText);
    SetCaption(caption);
}

bool Label::FilterEvent(QEvent* e) {
    // A label takes its own mouse presses and releases: they are never the
    // window's, so they do not reach it as a click on its free area. A
    // release is a click only after a press on the label itself, so the
    // release of a click that closed a window above lands nowhere.
    switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) pressed_ = true;
            e->accept();
            return true;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(e);
            if (mouse->button() == Qt::LeftButton) {
                const bool click = pressed_ && label_->rect().contains(mouse->position().toPoint());
                pressed_ = false;
                if (click && Click) Click();  // may unload the window: nothing of the label is used after it
            }
            e->accept();
            return true;
        }
        default:
            return Control::FilterEvent(e);
    }
}

std::string Label::Caption() const { return ToCp1252(label_->text()); }
void Label::SetCaption(const std::string& caption) { label_->setText(FromCp1252(caption)); }

void Label::SetAlignment(Alignment alignment) {
    Qt::Alignment a = alignment == Alignment::Right ? Qt::AlignRight : alignment == Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft;
    label_->setAlignment(a | Qt::AlignTop);
}

CommandButton::CommandButton(QWidget* parent, const std::string& caption) : Control(new QPushButton(parent)) {
    button_ = static_cast<QPushButton*>(Widget());
    button_->setAutoDefault(false);
    SetCaption(caption);
    QObject::connect(button_, &QPushButton::clicked, Context(), [this] {
        if (Click) Click();
    });
}

std::string CommandButton::Caption() const { return ToCp1252(button_->text()); }
void CommandButton::SetCaption(const std::string& caption) { button_->setText(FromCp1252(caption)); }

void CommandButton::PerformClick() {
    if (button_->isEnabled() && Click) Click();
}

Frame::Frame(QWidget* parent, const std::string& caption) : Control(new QGroupBox(parent)) {
    box_ = static_cast<QGroupBox*>(Widget());
    SetCaption(caption);
}

std::string Frame::Caption() const { return ToCp1252(box_->title()); }
void Frame::SetCaption(const std::string& caption) { box_->setTitle(FromCp1252(caption)); }
