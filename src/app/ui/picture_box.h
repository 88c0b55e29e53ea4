#pragma once
// A picture box: a control with a drawing surface of its own, which keeps
// what was drawn (like the window's surface) and shows it. Its scale starts
// in twips of the box; a new size keeps the picture and re-measures a
// plain-unit scale.
#include <memory>

#include "platform/drawing_surface.h"
#include "platform/ui/control_base.h"

class PictureBox : public Control {
public:
    explicit PictureBox(QWidget* parent);
    ~PictureBox() override;

    DrawingSurface& Surface();
    // Paints the box on screen now.
    void Refresh();
    // The picture as it stands, for tests and snapshots.
    QImage Picture() const;

private:
    class Canvas;
    Canvas* canvas_;
};
