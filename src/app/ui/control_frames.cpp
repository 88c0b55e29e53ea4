#include "app/ui/control_frames.h"

#include <QColor>
#include <QPalette>
#include <algorithm>
#include <cmath>

#include "platform/ui/control_base.h"
#include "platform/ui/form.h"

void Draw3DFrame(DrawingSurface& surface, FrameRecord& frame, double twipsPerPixelX, double twipsPerPixelY) {
    const auto shadow = static_cast<Colour>(frame.ShadowColour);
    const auto light = static_cast<Colour>(frame.LightColour);

    const std::int32_t px = std::max<std::int32_t>(1, static_cast<std::int32_t>(std::lround(twipsPerPixelX)));
    if (frame.XThickness < px) frame.XThickness = px;
    for (std::int32_t d = px; d <= frame.XThickness; d += px) {
        surface.Line(frame.Left - d, frame.Top - d, frame.Left - d, frame.Bottom + d, shadow);
        surface.Line(frame.Right + d, frame.Top - d, frame.Right + d, frame.Bottom + d, light);
    }

    const std::int32_t py = std::max<std::int32_t>(1, static_cast<std::int32_t>(std::lround(twipsPerPixelY)));
    if (frame.YThickness < py) frame.YThickness = py;
    for (std::int32_t d = py; d <= frame.YThickness; d += py) {
        surface.Line(frame.Left - d, frame.Top - d, frame.Right + d, frame.Top - d, shadow);
        surface.Line(frame.Left - d, frame.Bottom + d, frame.Right + d, frame.Bottom + d, light);
    }
}

void Draw3DFrame(Form& form, FrameRecord& frame) {
    Draw3DFrame(form.Surface(), frame, TwipsPerPixelX(), TwipsPerPixelY());
}

void UseWindowFace(Form& form) {
    const QColor face = form.palette().color(QPalette::Window);
    form.Surface().SetBackColor(RGB(face.red(), face.green(), face.blue()));
}

void DrawControlFrame(Form& form, const Control& control) {
    FrameRecord frame;
    frame.Left = static_cast<std::int32_t>(std::lround(control.Left()));
    frame.Top = static_cast<std::int32_t>(std::lround(control.Top()));
    frame.Right = frame.Left + static_cast<std::int32_t>(std::lround(control.Width()));
    frame.Bottom = frame.Top + static_cast<std::int32_t>(std::lround(control.Height()));
    frame.XThickness = 15;
    frame.YThickness = 15;
    frame.ShadowColour = 0x808080;
    frame.LightColour = 0xFFFFFF;
    Draw3DFrame(form, frame);
}
