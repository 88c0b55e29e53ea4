#pragma once
// The circles and house spokes of a single wheel or a bi-wheel.
struct WheelPaintContext;

void DrawRingsSingle(WheelPaintContext& c);
void DrawRingsDual(WheelPaintContext& c);
