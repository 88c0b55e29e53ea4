#pragma once
// Stages of the paint driver that draw aspects: the aspect lines of a
// single "90 degree wheel" (window and page, when option 47 is 1) and the
// aspect grid of a printed page (option 178). The grid takes the orbs as
// OrbValues holds them: the print reads the wheel's orb file before the job.
struct WheelPaintContext;

void DrawAspectLines(WheelPaintContext& c);
void DrawAspectGridPrinter(WheelPaintContext& c);
