#include "platform/ui/control_base.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QScreen>

#include "platform/painter_surface.h"
#include "platform/text_file.h"

double TwipsPerPixelX() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

double TwipsPerPixelY() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int KeyAsciiOf(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete: return 0;
        default: break;
    }
    const QString text = event->text();
    if (text.size() != 1) return 0;
    const std::string bytes = ToCp1252(text);
    return bytes.size() == 1 ? static_cast<unsigned char>(bytes[0]) : 0;
}

EventHook::EventHook(QWidget* widget, Filter filter) : QObject(widget), filter_(std::move(filter)) {
    widget->installEventFilter(this);
}

bool EventHook::eventFilter(QObject*, QEvent* event) { return filter_ && filter_(event); }

Control::Control(QWidget* widget) : widget_(widget) {
    hook_ = new EventHook(widget, [this](QEvent* e) { return FilterEvent(e); });
}

bool Control::FilterEvent(QEvent* e) {
    switch (e->type()) {
        case QEvent::KeyPress: return FilterKey(static_cast<QKeyEvent*>(e));
        case QEvent::FocusIn:
            if (GotFocus) GotFocus();
            return false;
        case QEvent::FocusOut:
            if (LostFocus) LostFocus();
            return false;
        default: return false;
    }
}

Control::~Control() { delete hook_; }

bool Control::Enabled() const { return widget_ && widget_->isEnabled(); }
void Control::SetEnabled(bool enabled) {
    if (widget_) widget_->setEnabled(enabled);
}
bool Control::Visible() const { return widget_ && !widget_->isHidden(); }
void Control::SetVisible(bool visible) {
    if (widget_) widget_->setVisible(visible);
}

double Control::Left() const { return widget_ ? widget_->x() * TwipsPerPixelX() : 0; }
double Control::Top() const { return widget_ ? widget_->y() * TwipsPerPixelY() : 0; }
double Control::Width() const { return widget_ ? widget_->width() * TwipsPerPixelX() : 0; }
double Control::Height() const { return widget_ ? widget_->height() * TwipsPerPixelY() : 0; }

void Control::Move(double left, double top, double width, double height) {
    if (!widget_) return;
    const int w = width >= 0 ? static_cast<int>(width / TwipsPerPixelX() + 0.5) : widget_->width();
    const int h = height >= 0 ? static_cast<int>(height / TwipsPerPixelY() + 0.5) : widget_->height();
    widget_->setGeometry(static_cast<int>(left / TwipsPerPixelX() + 0.5), static_cast<int>(top / TwipsPerPixelY() + 0.5),
                         w, h);
}

void Control::SetFocus() {
    if (widget_) widget_->setFocus(Qt::OtherFocusReason);
}

void Control::SetFont(const std::string& name, double points, bool bold) {
    if (!widget_) return;
    QFont font(MappedFontFamily(name));
    if (points > 0) font.setPointSizeF(points);
    font.setBold(bold);
    widget_->setFont(font);
}
