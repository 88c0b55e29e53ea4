#pragma once
// A window with the original runtime's life: loaded on first use (its Load
// hook runs once per loading), shown modeless or modal, hidden, unloaded
// (its Unload hook may refuse). Controls are made in Container(); the window
// draws on Surface(), which keeps what was drawn like a picture behind the
// controls, so drawing may happen outside the Paint hook too. Places and
// sizes are in twips.
#include <QCoreApplication>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

class QEventLoop;
class QImage;
class QPainter;
class QPointF;
class CommandButton;
class DrawingSurface;
class PainterSurface;

class Form : public QMainWindow {
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    QWidget* Container() const;

    // Runs the Load hook unless the window is loaded already.
    void Load();
    bool IsLoaded() const { return loaded_; }
    // Loads when needed, then shows; a modal show returns once the window
    // is hidden or unloaded.
    void Show(bool modal = false);
    void Hide();
    // Asks the QueryUnload and Unload hooks; unless one sets cancel, hides
    // the window and marks it unloaded. False when refused.
    bool Unload();

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // Outer place and size in twips.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void SetLeft(double twips);
    void SetTop(double twips);
    void SetWidth(double twips);
    void SetHeight(double twips);
    void Move(double left, double top, double width = -1, double height = -1);
    // Inside size (the container) in twips.
    double InsideWidth() const;
    double InsideHeight() const;
    // 0 normal, 1 minimized, 2 maximized.
    int WindowState() const;
    void SetWindowState(int state);

    // The window's drawing surface; its scale starts in twips.
    DrawingSurface& Surface();
    // Repaints: the Paint hook runs before the window is next shown on screen.
    void Refresh();
    // The button Enter presses and the one Esc presses.
    void SetDefaultButton(CommandButton* button) { defaultButton_ = button; }
    void SetCancelButton(CommandButton* button) { cancelButton_ = button; }

    std::function<void()> OnLoad;
    std::function<void()> OnPaint;
    std::function<void()> OnResize;
    std::function<void()> OnActivate;
    std::function<void()> OnClick;
    std::function<void(int& cancel)> OnQueryUnload;
    std::function<void(int& cancel)> OnUnload;
    // Keys not taken by a control; set the code to 0 to discard it.
    std::function<void(int& keyAscii)> OnKeyPress;
    // Button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt; x and
    // y in the surface's scale.
    std::function<void(int button, int shift, double x, double y)> OnMouseDown;
    std::function<void(int button, int shift, double x, double y)> OnMouseUp;
    // Every move of the pointer over the window, with or without a button
    // held; button is then the sum of the buttons held (1 + 2 + 4).
    std::function<void(int button, int shift, double x, double y)> OnMouseMove;

    // Told when the window is unloaded, so whoever holds it can let it go.
    void SetUnloadedCallback(std::function<void()> callback) { unloaded_ = std::move(callback); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    class Canvas;
    friend class Canvas;
    void PaintCanvas(QPainter& painter);
    void CanvasResized();
    void MouseEvent(QMouseEvent* event, bool release);
    void MouseMoved(QMouseEvent* event);
    QPointF ToSurface(const QPointF& pixel) const;
    bool RunUnloadHooks();
    void EndImagePainter();
    void BeginImagePainter();

    Canvas* canvas_;
    std::unique_ptr<QImage> image_;
    std::unique_ptr<QPainter> imagePainter_;
    std::unique_ptr<PainterSurface> surface_;
    QEventLoop* modalLoop_ = nullptr;
    CommandButton* defaultButton_ = nullptr;
    CommandButton* cancelButton_ = nullptr;
    std::function<void()> unloaded_;
    bool loaded_ = false;
    bool paintPending_ = true;
    bool closingByUnload_ = false;
    // An outer size asked for before the frame was known, in pixels.
    int pendingOuterWidth_ = -1, pendingOuterHeight_ = -1;
    void ApplyOuterSize(int width, int height);
    void ApplyPendingOuterSize();
    bool FrameKnown() const;
};

// Holds one window class's single instance, made on first use and let go
// when the window is unloaded, so the next use makes it (and loads it) anew.
template <class T>
class FormSlot {
public:
    ~FormSlot() {
        if (form_ && QCoreApplication::instance()) delete form_;
    }
    T& operator()() {
        if (!form_) {
            form_ = new T();
            form_->SetUnloadedCallback([this] { Release(); });
            form_->Load();
        }
        return *form_;
    }
    bool IsLoaded() const { return form_ != nullptr; }
    void Unload() {
        if (form_) form_->Unload();
    }

private:
    void Release() {
        T* gone = form_;
        form_ = nullptr;
        // Deleted once control returns to the event loop, so an Unload from
        // inside one of the window's own handlers is safe.
        if (gone) gone->deleteLater();
    }
    T* form_ = nullptr;
};
