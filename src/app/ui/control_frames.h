#pragma once
// Sunken frames drawn round a rectangle or a control on a window: dark
// above and to the left, light below and to the right, one line per pixel
// of thickness, all outside the rectangle. The input windows and the
// criteria window call DrawControlFrame from their paint handlers.
#include <cstdint>

#include "platform/drawing_surface.h"

class Control;
class Form;

struct FrameRecord {
    std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;  // twips
    std::int32_t XThickness = 0, YThickness = 0;            // twips
    std::int32_t ShadowColour = 0, LightColour = 0;         // RGB values
};

// Draws the frame on the window's surface (its scale in twips). Thicknesses
// smaller than one pixel are raised to one pixel in the record.
void Draw3DFrame(Form& form, FrameRecord& frame);
// The same on any surface in twips, with the given twips per pixel.
void Draw3DFrame(DrawingSurface& surface, FrameRecord& frame, double twipsPerPixelX, double twipsPerPixelY);

// A frame 15 twips thick, grey and white, round the control's place.
void DrawControlFrame(Form& form, const Control& control);

// Gives the window's surface the face colour of the system's windows (the
// colour round buttons and labels) and clears it to that colour.
void UseWindowFace(Form& form);
