#include "platform/ui/form.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "platform/painter_surface.h"
#include "platform/text_file.h"
#include "platform/ui/control_base.h"
#include "platform/ui/simple_controls.h"

// The client area: shows the drawing behind the controls and passes the
// mouse on its free area to the window's hooks. A press that a control let
// through (a frame, a box) is that control's, not the free area's; and a
// release counts only after a press of the same button on the free area,
// so the release of a click that closed a window above, or that began on
// a control, never reaches the hooks as a click.
class Form::Canvas : public QWidget {
public:
    explicit Canvas(Form* form) : QWidget(form), form_(form) {}
    void ForgetPresses() { pressed_ = Qt::NoButton; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        form_->PaintCanvas(painter);
    }
    void resizeEvent(QResizeEvent*) override { form_->CanvasResized(); }
    void mousePressEvent(QMouseEvent* e) override {
        e->accept();  // taken here in any case: it goes no further up
        if (childAt(e->position().toPoint())) return;
        pressed_ |= e->button();
        form_->MouseEvent(e, false);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        e->accept();
        if (!(pressed_ & e->button())) return;
        pressed_ &= ~e->button();
        form_->MouseEvent(e, true);
    }
    void mouseMoveEvent(QMouseEvent* e) override { form_->MouseMoved(e); }

private:
    Form* form_;
    Qt::MouseButtons pressed_ = Qt::NoButton;
};

Form::Form(QWidget* parent) : QMainWindow(parent), canvas_(new Canvas(this)) {
    setCentralWidget(canvas_);
    canvas_->setFocusPolicy(Qt::StrongFocus);
    canvas_->setMouseTracking(true);  // moves are reported without a button held too
    image_ = std::make_unique<QImage>(std::max(1, canvas_->width()), std::max(1, canvas_->height()),
                                      QImage::Format_RGB32);
    image_->fill(palette().color(QPalette::Window));
    BeginImagePainter();
    surface_ = std::make_unique<PainterSurface>(imagePainter_.get(), true);
}

QWidget* Form::Container() const { return canvas_; }

Form::~Form() {
    surface_.reset();
    EndImagePainter();
}

void Form::EndImagePainter() {
    if (imagePainter_) imagePainter_->end();
    imagePainter_.reset();
}

void Form::BeginImagePainter() {
    imagePainter_ = std::make_unique<QPainter>(image_.get());
    if (surface_) surface_->Rebind(imagePainter_.get());
}

// ---------------------------------------------------------------- life

void Form::Load() {
    if (loaded_) return;
    loaded_ = true;
    paintPending_ = true;
    if (OnLoad) OnLoad();
}

void Form::Show(bool modal) {
    Load();
    if (!loaded_) return;  // the Load hook unloaded the window again
    if (modal) setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    if (modal && !modalLoop_) {
        QEventLoop loop;
        modalLoop_ = &loop;
        loop.exec();
        modalLoop_ = nullptr;
        setWindowModality(Qt::NonModal);
    }
}

void Form::Hide() { hide(); }

bool Form::RunUnloadHooks() {
    int cancel = 0;
    if (OnQueryUnload) OnQueryUnload(cancel);
    if (cancel == 0 && OnUnload) OnUnload(cancel);
    return cancel == 0;
}

bool Form::Unload() {
    if (!loaded_) return true;
    if (!RunUnloadHooks()) return false;
    loaded_ = false;
    closingByUnload_ = true;
    hide();
    closingByUnload_ = false;
    if (unloaded_) unloaded_();
    return true;
}

void Form::closeEvent(QCloseEvent* event) {
    // Closing by the frame is an unload the hooks may refuse.
    if (closingByUnload_ || !loaded_) {
        event->accept();
        return;
    }
    if (!RunUnloadHooks()) {
        event->ignore();
        return;
    }
    event->accept();
    loaded_ = false;
    if (unloaded_) unloaded_();
}

void Form::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    canvas_->ForgetPresses();  // a button held when the window went away is no press of its next showing
    if (modalLoop_) modalLoop_->quit();
}

bool Form::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && OnActivate) OnActivate();
    return QMainWindow::event(e);
}

// ---------------------------------------------------------------- place

std::string Form::Caption() const { return ToCp1252(windowTitle()); }
void Form::SetCaption(const std::string& caption) { setWindowTitle(FromCp1252(caption)); }

double Form::Left() const { return frameGeometry().x() * TwipsPerPixelX(); }
double Form::Top() const { return frameGeometry().y() * TwipsPerPixelY(); }
double Form::Width() const { return frameGeometry().width() * TwipsPerPixelX(); }
double Form::Height() const { return frameGeometry().height() * TwipsPerPixelY(); }
double Form::InsideWidth() const { return canvas_->width() * TwipsPerPixelX(); }
double Form::InsideHeight() const { return canvas_->height() * TwipsPerPixelY(); }

bool Form::FrameKnown() const { return frameGeometry().size() != geometry().size(); }

void Form::ApplyOuterSize(int width, int height) {
    // Outer sizes include the frame, which Qt's resize does not. Until the
    // window is shown and the window manager has framed it, the frame is
    // unknown, so the size is applied again once it is known; otherwise the
    // size read back (and kept in the settings file) would grow by the frame
    // on every start.
    const int extraW = frameGeometry().width() - geometry().width();
    const int extraH = frameGeometry().height() - geometry().height();
    const int w = width >= 0 ? width - extraW : QMainWindow::width();
    const int h = height >= 0 ? height - extraH : QMainWindow::height();
    resize(std::max(1, w), std::max(1, h));
    if (!isVisible() || !FrameKnown()) {
        pendingOuterWidth_ = width;
        pendingOuterHeight_ = height;
    } else {
        pendingOuterWidth_ = pendingOuterHeight_ = -1;
    }
}

void Form::ApplyPendingOuterSize() {
    if (pendingOuterWidth_ < 0 && pendingOuterHeight_ < 0) return;
    if (!isVisible() || !FrameKnown()) return;
    const int w = pendingOuterWidth_, h = pendingOuterHeight_;
    pendingOuterWidth_ = pendingOuterHeight_ = -1;
    ApplyOuterSize(w, h);
}

void Form::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    ApplyPendingOuterSize();
}

void Form::moveEvent(QMoveEvent* event) {
    // The window manager's frame arrives with a move of the window inside it.
    QMainWindow::moveEvent(event);
    ApplyPendingOuterSize();
}

namespace {

// Places beyond this many pixels are held at it, so that place plus size
// stays well within int.
constexpr int kPlaceLimit = 1 << 20;

// A twips value in pixels, held within -limit..limit; NaN gives 0.
int PixelsWithin(double twips, double twipsPerPixel, int limit) {
    const double px = twips / twipsPerPixel;
    if (std::isnan(px)) return 0;
    return static_cast<int>(std::lround(std::clamp(px, -static_cast<double>(limit), static_cast<double>(limit))));
}

// The largest outer size a window takes in one direction: the desktop of all
// screens, and never less than 4096 pixels. A stored size far beyond the
// screen (a damaged settings file) would otherwise ask for a picture of
// terabytes.
int SizeLimit(bool horizontal) {
    int extent = 0;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->virtualGeometry();
        extent = horizontal ? desktop.width() : desktop.height();
    }
    return std::max(extent, 4096);
}

}  // namespace

void Form::Move(double left, double top, double width, double height) {
    if (width >= 0 || height >= 0) {
        ApplyOuterSize(width >= 0 ? PixelsWithin(width, TwipsPerPixelX(), SizeLimit(true)) : -1,
                       height >= 0 ? PixelsWithin(height, TwipsPerPixelY(), SizeLimit(false)) : -1);
    }
    move(PixelsWithin(left, TwipsPerPixelX(), kPlaceLimit), PixelsWithin(top, TwipsPerPixelY(), kPlaceLimit));
}

void Form::SetLeft(double twips) { Move(twips, Top()); }
void Form::SetTop(double twips) { Move(Left(), twips); }
void Form::SetWidth(double twips) { Move(Left(), Top(), twips, -1); }
void Form::SetHeight(double twips) { Move(Left(), Top(), -1, twips); }

int Form::WindowState() const {
    if (isMinimized()) return 1;
    if (isMaximized()) return 2;
    return 0;
}

void Form::SetWindowState(int state) {
    if (state == 1) {
        setWindowState(Qt::WindowMinimized);
    } else if (state == 2) {
        setWindowState(Qt::WindowMaximized);
    } else {
        setWindowState(Qt::WindowNoState);
    }
}

void Form::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    CanvasResized();
}

// ---------------------------------------------------------------- drawing

DrawingSurface& Form::Surface() {
    canvas_->update();
    return *surface_;
}

void Form::Refresh() {
    paintPending_ = true;
    canvas_->update();
}

void Form::CanvasResized() {
    if (!image_ || !surface_) return;
    const QSize size(std::max(1, canvas_->width()), std::max(1, canvas_->height()));
    if (size == image_->size()) return;
    EndImagePainter();
    auto bigger = std::make_unique<QImage>(size, QImage::Format_RGB32);
    bigger->fill(QColor(RedOf(surface_->BackColor()), GreenOf(surface_->BackColor()), BlueOf(surface_->BackColor())));
    {
        QPainter copy(bigger.get());
        copy.drawImage(0, 0, *image_);
    }
    image_ = std::move(bigger);
    BeginImagePainter();
    if (OnResize) OnResize();
    Refresh();
}

void Form::PaintCanvas(QPainter& painter) {
    if (paintPending_ && loaded_) {
        paintPending_ = false;
        if (OnPaint) OnPaint();
    }
    // The picture is read with its painter closed, then drawing goes on.
    EndImagePainter();
    painter.drawImage(0, 0, *image_);
    BeginImagePainter();
}

// ---------------------------------------------------------------- input

namespace {

int ShiftOf(const QMouseEvent* event) {
    int shift = 0;
    if (event->modifiers() & Qt::ShiftModifier) shift |= 1;
    if (event->modifiers() & Qt::ControlModifier) shift |= 2;
    if (event->modifiers() & Qt::AltModifier) shift |= 4;
    return shift;
}

}  // namespace

QPointF Form::ToSurface(const QPointF& p) const {
    return QPointF(surface_->ScaleLeft() + p.x() / surface_->PixelsPerUnitX(),
                   surface_->ScaleTop() + p.y() / surface_->PixelsPerUnitY());
}

void Form::MouseMoved(QMouseEvent* event) {
    if (!OnMouseMove) return;
    int held = 0;
    if (event->buttons() & Qt::LeftButton) held |= 1;
    if (event->buttons() & Qt::RightButton) held |= 2;
    if (event->buttons() & Qt::MiddleButton) held |= 4;
    const QPointF at = ToSurface(event->position());
    OnMouseMove(held, ShiftOf(event), at.x(), at.y());
}

void Form::MouseEvent(QMouseEvent* event, bool release) {
    int button = 0;
    switch (event->button()) {
        case Qt::LeftButton: button = 1; break;
        case Qt::RightButton: button = 2; break;
        case Qt::MiddleButton: button = 4; break;
        default: break;
    }
    const int shift = ShiftOf(event);
    const QPointF at = ToSurface(event->position());
    const double x = at.x(), y = at.y();
    if (!release) {
        if (OnMouseDown) OnMouseDown(button, shift, x, y);
        return;
    }
    if (OnMouseUp) OnMouseUp(button, shift, x, y);
    if (button == 1 && OnClick) OnClick();
}

void Form::keyPressEvent(QKeyEvent* event) {
    int key = KeyAsciiOf(event);
    if (key != 0 && OnKeyPress) OnKeyPress(key);
    if (key == 13 && defaultButton_ && defaultButton_->Enabled()) {
        defaultButton_->PerformClick();
        return;
    }
    if (key == 27 && cancelButton_ && cancelButton_->Enabled()) {
        cancelButton_->PerformClick();
        return;
    }
    if (key == 0 && KeyAsciiOf(event) != 0) return;  // discarded by the hook
    QMainWindow::keyPressEvent(event);
}
