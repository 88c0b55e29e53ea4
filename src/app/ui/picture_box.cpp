#include "app/ui/picture_box.h"

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "platform/painter_surface.h"

class PictureBox::Canvas : public QWidget {
public:
    explicit Canvas(QWidget* parent) : QWidget(parent) {
        image_ = QImage(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
        image_.fill(Qt::white);
        painter_ = std::make_unique<QPainter>(&image_);
        surface_ = std::make_unique<PainterSurface>(painter_.get(), true);
        surface_->SetBackColor(0xFFFFFF);
    }
    ~Canvas() override {
        surface_.reset();
        if (painter_) painter_->end();
    }

    PainterSurface& Surface() { return *surface_; }
    QImage Picture() {
        painter_->end();
        QImage copy = image_.copy();
        Reopen();
        return copy;
    }

protected:
    void paintEvent(QPaintEvent*) override {
        painter_->end();
        {
            QPainter screen(this);
            screen.drawImage(0, 0, image_);
        }
        Reopen();
    }
    void resizeEvent(QResizeEvent*) override {
        const QSize size(std::max(1, width()), std::max(1, height()));
        if (size == image_.size()) return;
        painter_->end();
        QImage bigger(size, QImage::Format_RGB32);
        const Colour back = surface_->BackColor();
        bigger.fill(QColor(RedOf(back), GreenOf(back), BlueOf(back)));
        {
            QPainter copy(&bigger);
            copy.drawImage(0, 0, image_);
        }
        image_ = bigger;
        Reopen();
    }

private:
    void Reopen() {
        painter_ = std::make_unique<QPainter>(&image_);
        surface_->Rebind(painter_.get());
    }

    QImage image_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<PainterSurface> surface_;
};

PictureBox::PictureBox(QWidget* parent) : Control(new Canvas(parent)) {
    canvas_ = static_cast<Canvas*>(Widget());
}

PictureBox::~PictureBox() = default;

DrawingSurface& PictureBox::Surface() {
    canvas_->update();
    return canvas_->Surface();
}

void PictureBox::Refresh() { canvas_->repaint(); }

QImage PictureBox::Picture() const { return canvas_->Picture(); }
