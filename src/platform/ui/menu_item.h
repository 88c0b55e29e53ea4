#pragma once
// Menu items as the program declares them: a caption with "&" before the
// access key ("-" makes a separator), Visible, Enabled, Checked, a shortcut
// such as "F1", "Shift+F1", "Ctrl+D" or "Ctrl+F6", and Click. A menu (an
// item with items under it) runs its Click when it is about to open.
// Checking is left to the program: choosing a checked item does not
// uncheck it.
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <functional>
#include <string>

class QMenuBar;

enum class MenuKind { Item, Menu };

class MenuItem {
public:
    // An entry of the menu bar: a menu, or an item that acts at once.
    MenuItem(QMenuBar* bar, const std::string& caption, MenuKind kind = MenuKind::Menu);
    // An entry of a menu.
    MenuItem(MenuItem& parent, const std::string& caption, const std::string& shortcut = "",
             MenuKind kind = MenuKind::Item);
    ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // The shortcut in portable text ("Shift+F1"); empty when none.
    std::string Shortcut() const;
    void SetShortcut(const std::string& shortcut);
    bool IsSeparator() const;

    // Runs Click as choosing the item does, when it is enabled and visible.
    void PerformClick();

    QAction* Action() const { return action_; }
    QMenu* Menu() const { return menu_; }

    std::function<void()> Click;

private:
    void Wire();

    QPointer<QAction> action_;
    QPointer<QMenu> menu_;
    QPointer<QObject> context_;
    bool checked_ = false;
};
