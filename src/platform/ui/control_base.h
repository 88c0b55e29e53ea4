#pragma once
// What every control over a Qt widget shares: the widget, Enabled and
// Visible, place and size in twips, focus and the focus handlers. A control
// object is a member of its window; the widget belongs to the Qt parent.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

class QKeyEvent;

// Twips (1/1440 inch) per screen pixel.
double TwipsPerPixelX();
double TwipsPerPixelY();

// The character code a key press carries as the original runtime gave it
// (Backspace 8, Enter 13, Esc 27, other characters as Windows-1252 codes);
// 0 for keys that carry no character (arrows, function keys).
int KeyAsciiOf(const QKeyEvent* event);

// Runs a function on every event of one widget; deleted with the widget or
// with the control that made it.
class EventHook : public QObject {
public:
    using Filter = std::function<bool(QEvent*)>;
    EventHook(QWidget* widget, Filter filter);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Filter filter_;
};

class Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    QWidget* Widget() const { return widget_; }

    bool Enabled() const;
    void SetEnabled(bool enabled);
    // The control's own setting, also while its window is hidden.
    bool Visible() const;
    void SetVisible(bool visible);

    // Place and size in twips within the container.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void Move(double left, double top, double width = -1, double height = -1);

    void SetFocus();
    // Font of the control (names as the program uses them).
    void SetFont(const std::string& name, double points, bool bold = false);

    std::function<void()> GotFocus;
    std::function<void()> LostFocus;

protected:
    explicit Control(QWidget* widget);
    // The object signal connections and extra filters hang on; it goes
    // away with the control, so no handler runs on a destroyed control.
    QObject* Context() const { return hook_; }
    // Sees every event of the widget first; true swallows it. The default
    // runs the focus handlers and passes key presses to FilterKey.
    virtual bool FilterEvent(QEvent* event);
    // Handles a key press before the widget; true swallows it.
    virtual bool FilterKey(QKeyEvent*) { return false; }

private:
    QPointer<QWidget> widget_;
    QPointer<EventHook> hook_;
};
