#pragma once
// Stages of the paint driver whose drawing comes with the aspect tools: the
// aspect lines of a single "90 degree wheel" (window and page) and the
// aspect grid of a printed page (option 178). The driver calls them in
// their places; until they are built they draw nothing.
struct WheelPaintContext;

void DrawAspectLines(WheelPaintContext& c);
void DrawAspectGridPrinter(WheelPaintContext& c);
