#include "platform/ui/menu_item.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "platform/text_file.h"

MenuItem::MenuItem(QMenuBar* bar, const std::string& caption, MenuKind kind) {
    if (kind == MenuKind::Menu) {
        menu_ = bar->addMenu(FromCp1252(caption));
        action_ = menu_->menuAction();
    } else {
        action_ = bar->addAction(FromCp1252(caption));
    }
    Wire();
}

MenuItem::MenuItem(MenuItem& parent, const std::string& caption, const std::string& shortcut, MenuKind kind) {
    QMenu* owner = parent.menu_;
    if (!owner) {
        // Items under an item make it a menu.
        owner = new QMenu(parent.action_->text(), qobject_cast<QWidget*>(parent.action_->parent()));
        parent.menu_ = owner;
        parent.action_->setMenu(owner);
    }
    if (caption == "-") {
        action_ = owner->addSeparator();
    } else if (kind == MenuKind::Menu) {
        menu_ = owner->addMenu(FromCp1252(caption));
        action_ = menu_->menuAction();
    } else {
        action_ = owner->addAction(FromCp1252(caption));
    }
    if (!shortcut.empty()) SetShortcut(shortcut);
    Wire();
}

MenuItem::~MenuItem() { delete context_; }

void MenuItem::Wire() {
    context_ = new QObject(action_);
    QObject::connect(action_, &QAction::triggered, context_, [this] {
        // The check mark belongs to the program, not to the choice.
        action_->setChecked(checked_);
        if (Click) Click();
    });
    if (menu_) {
        QObject::connect(menu_, &QMenu::aboutToShow, context_, [this] {
            if (Click) Click();
        });
    }
}

std::string MenuItem::Caption() const { return action_ ? ToCp1252(action_->text()) : std::string(); }
void MenuItem::SetCaption(const std::string& caption) {
    if (action_) action_->setText(FromCp1252(caption));
}
bool MenuItem::Visible() const { return action_ && action_->isVisible(); }
void MenuItem::SetVisible(bool visible) {
    if (action_) action_->setVisible(visible);
}
bool MenuItem::Enabled() const { return action_ && action_->isEnabled(); }
void MenuItem::SetEnabled(bool enabled) {
    if (action_) action_->setEnabled(enabled);
}

void MenuItem::SetChecked(bool checked) {
    checked_ = checked;
    if (!action_) return;
    // Only a checked item shows a mark; an unchecked one shows none.
    action_->setCheckable(checked);
    action_->setChecked(checked);
}

std::string MenuItem::Shortcut() const {
    return action_ ? action_->shortcut().toString(QKeySequence::PortableText).toStdString() : std::string();
}

void MenuItem::SetShortcut(const std::string& shortcut) {
    if (action_) action_->setShortcut(QKeySequence::fromString(QString::fromStdString(shortcut), QKeySequence::PortableText));
}

bool MenuItem::IsSeparator() const { return action_ && action_->isSeparator(); }

void MenuItem::PerformClick() {
    if (action_ && action_->isEnabled() && action_->isVisible()) action_->trigger();
}
