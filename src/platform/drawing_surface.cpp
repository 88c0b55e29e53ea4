#include "platform/drawing_surface.h"

#include <algorithm>
#include <cmath>

Colour RGB(int red, int green, int blue) {
    auto clamp = [](int v) { return static_cast<Colour>(std::clamp(v, 0, 255)); };
    return clamp(red) | (clamp(green) << 8) | (clamp(blue) << 16);
}

Colour QBColor(int n) {
    static const Colour palette[16] = {
        RGB(0, 0, 0),       RGB(0, 0, 128),   RGB(0, 128, 0),   RGB(0, 128, 128),
        RGB(128, 0, 0),     RGB(128, 0, 128), RGB(128, 128, 0), RGB(192, 192, 192),
        RGB(128, 128, 128), RGB(0, 0, 255),   RGB(0, 255, 0),   RGB(0, 255, 255),
        RGB(255, 0, 0),     RGB(255, 0, 255), RGB(255, 255, 0), RGB(255, 255, 255)};
    return palette[std::clamp(n, 0, 15)];
}

// ---------------------------------------------------------------- scale

double DrawingSurface::UnitsPerPixel(ScaleUnit unit, bool horizontal) const {
    const double dpi = horizontal ? DpiX() : DpiY();
    switch (unit) {
        case ScaleUnit::Twips: return 1440.0 / dpi;
        case ScaleUnit::Points: return 72.0 / dpi;
        case ScaleUnit::Pixels: return 1.0;
        case ScaleUnit::Characters: return 1440.0 / dpi / (horizontal ? 120.0 : 240.0);
        case ScaleUnit::Inches: return 1.0 / dpi;
        case ScaleUnit::Millimetres: return 25.4 / dpi;
        case ScaleUnit::Centimetres: return 2.54 / dpi;
    }
    return 1.0;
}

void DrawingSurface::InitScale(ScaleUnit unit) {
    scaleUnit_ = unit;
    scaleLeft_ = scaleTop_ = 0;
    scaleWidth_ = DeviceWidth() * UnitsPerPixel(unit, true);
    scaleHeight_ = DeviceHeight() * UnitsPerPixel(unit, false);
    if (scaleWidth_ == 0) scaleWidth_ = 1;
    if (scaleHeight_ == 0) scaleHeight_ = 1;
}

void DrawingSurface::SetScaleMode(ScaleUnit unit) {
    // Plain units count from the device's top left, whatever frame was set.
    frame_.reset();
    InitScale(unit);
    StateChanged("ScaleMode", {static_cast<double>(unit)}, "");
}

void DrawingSurface::DeviceResized() {
    if (scaleUnit_) InitScale(*scaleUnit_);
}

void DrawingSurface::Scale(double x1, double y1, double x2, double y2) {
    scaleUnit_.reset();
    scaleLeft_ = x1;
    scaleTop_ = y1;
    // A zero extent would make every conversion divide by zero.
    scaleWidth_ = (x2 - x1) != 0 ? x2 - x1 : 1;
    scaleHeight_ = (y2 - y1) != 0 ? y2 - y1 : 1;
    StateChanged("Scale", {x1, y1, x2, y2}, "");
}

void DrawingSurface::SetScaleLeft(double v) { Scale(v, scaleTop_, v + scaleWidth_, scaleTop_ + scaleHeight_); }
void DrawingSurface::SetScaleTop(double v) { Scale(scaleLeft_, v, scaleLeft_ + scaleWidth_, v + scaleHeight_); }
void DrawingSurface::SetScaleWidth(double v) { Scale(scaleLeft_, scaleTop_, scaleLeft_ + v, scaleTop_ + scaleHeight_); }
void DrawingSurface::SetScaleHeight(double v) { Scale(scaleLeft_, scaleTop_, scaleLeft_ + scaleWidth_, scaleTop_ + v); }

double DrawingSurface::PixelsPerUnitX() const { return (frame_ ? frame_->width : DeviceWidth()) / scaleWidth_; }
double DrawingSurface::PixelsPerUnitY() const { return (frame_ ? frame_->height : DeviceHeight()) / scaleHeight_; }
double DrawingSurface::ToDeviceX(double x) const {
    return (frame_ ? frame_->left : 0.0) + (x - scaleLeft_) * PixelsPerUnitX();
}
double DrawingSurface::ToDeviceY(double y) const {
    return (frame_ ? frame_->top : 0.0) + (y - scaleTop_) * PixelsPerUnitY();
}

void DrawingSurface::SetFrame(double leftPx, double topPx, double widthPx, double heightPx) {
    frame_ = Frame{leftPx, topPx, widthPx > 0 ? widthPx : 1, heightPx > 0 ? heightPx : 1};
    StateChanged("Frame", {leftPx, topPx, frame_->width, frame_->height}, "");
}

void DrawingSurface::ClearFrame() {
    frame_.reset();
    StateChanged("Frame", {}, "");
}

void DrawingSurface::FitFrame(double heightOverWidth) {
    const double w = DeviceWidth(), h = DeviceHeight();
    // Device pixels need not be square: the frame's shape counts in inches.
    const double wInches = w / DpiX(), hInches = h / DpiY();
    const double ratio = heightOverWidth > 0 ? heightOverWidth : 1;
    double frameW = wInches, frameH = wInches * ratio;
    if (frameH > hInches) {
        frameH = hInches;
        frameW = hInches / ratio;
    }
    const double widthPx = frameW * DpiX();
    SetFrame((w - widthPx) / 2, 0, widthPx, frameH * DpiY());
}

// ---------------------------------------------------------------- state

void DrawingSurface::StateChanged(const char*, const std::vector<double>&, const std::string&) {}

void DrawingSurface::SetForeColor(Colour c) {
    foreColor_ = c;
    StateChanged("ForeColor", {static_cast<double>(c)}, "");
}
void DrawingSurface::SetBackColor(Colour c) {
    backColor_ = c;
    StateChanged("BackColor", {static_cast<double>(c)}, "");
    BackColorChanged();
}
void DrawingSurface::SetFillColor(Colour c) {
    fillColor_ = c;
    StateChanged("FillColor", {static_cast<double>(c)}, "");
}
void DrawingSurface::SetFillStyle(FillStyle s) {
    fillStyle_ = s;
    StateChanged("FillStyle", {static_cast<double>(s)}, "");
}
void DrawingSurface::SetDrawWidth(int pixels) {
    drawWidth_ = std::max(1, pixels);
    StateChanged("DrawWidth", {static_cast<double>(drawWidth_)}, "");
}
void DrawingSurface::SetDrawStyle(DrawStyle s) {
    drawStyle_ = s;
    StateChanged("DrawStyle", {static_cast<double>(s)}, "");
}
void DrawingSurface::SetFontName(const std::string& name) {
    fontName_ = name;
    StateChanged("FontName", {}, name);
}
void DrawingSurface::SetFontSize(double points) {
    fontSize_ = points > 0 ? points : 1;
    StateChanged("FontSize", {fontSize_}, "");
}
void DrawingSurface::SetFontBold(bool bold) {
    fontBold_ = bold;
    StateChanged("FontBold", {bold ? 1.0 : 0.0}, "");
}
void DrawingSurface::SetFontItalic(bool italic) {
    fontItalic_ = italic;
    StateChanged("FontItalic", {italic ? 1.0 : 0.0}, "");
}
void DrawingSurface::SetFontTransparent(bool transparent) {
    fontTransparent_ = transparent;
    StateChanged("FontTransparent", {transparent ? 1.0 : 0.0}, "");
}

// ---------------------------------------------------------------- drawing

void DrawingSurface::Cls() {
    DoCls();
    currentX_ = currentY_ = 0;
}

void DrawingSurface::Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour, LineBox box) {
    DoLine(x1, y1, x2, y2, colour.value_or(foreColor_), box);
    currentX_ = x2;
    currentY_ = y2;
}

void DrawingSurface::Lines(const std::vector<LineSegment>& segments, std::optional<Colour> colour) {
    if (segments.empty()) return;
    DoLines(segments, colour.value_or(foreColor_));
    currentX_ = segments.back().x2;
    currentY_ = segments.back().y2;
}

void DrawingSurface::DoLines(const std::vector<LineSegment>& segments, Colour colour) {
    for (const LineSegment& l : segments) DoLine(l.x1, l.y1, l.x2, l.y2, colour, LineBox::None);
}

void DrawingSurface::LineTo(double x2, double y2, std::optional<Colour> colour, LineBox box) {
    Line(currentX_, currentY_, x2, y2, colour, box);
}

void DrawingSurface::Circle(double x, double y, double radius, std::optional<Colour> colour,
                            std::optional<double> start, std::optional<double> end, double aspect) {
    bool pieStart = start && *start < 0;
    bool pieEnd = end && *end < 0;
    if (start) start = std::fabs(*start);
    if (end) end = std::fabs(*end);
    DoCircle(x, y, radius, colour.value_or(foreColor_), start, end, aspect > 0 ? aspect : 1.0, pieStart, pieEnd);
    currentX_ = x;
    currentY_ = y;
}

void DrawingSurface::Pie(double x, double y, double radius, double start, double end, std::optional<Colour> colour) {
    DoCircle(x, y, radius, colour.value_or(foreColor_), std::fabs(start), std::fabs(end), 1.0, true, true);
    currentX_ = x;
    currentY_ = y;
}

void DrawingSurface::PSet(double x, double y, std::optional<Colour> colour) {
    DoPSet(x, y, colour.value_or(foreColor_));
    currentX_ = x;
    currentY_ = y;
}

std::vector<std::string> DrawingSurface::SplitLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (c == '\n' || c == '\r') {
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

void DrawingSurface::Print(const std::string& text, bool newLine) { PrintLines(text, newLine, false); }

void DrawingSurface::PrintText(const std::string& text, bool newLine) { PrintLines(text, newLine, true); }

double DrawingSurface::PlainTextWidth(const std::string& text) {
    double widest = 0;
    for (const std::string& line : SplitLines(text)) widest = std::max(widest, MeasurePlainWidthPx(line));
    return widest / PixelsPerUnitX();
}

void DrawingSurface::PrintLines(const std::string& text, bool newLine, bool plain) {
    const std::vector<std::string> lines = SplitLines(text);
    const double lineStep = LineHeightPx() / PixelsPerUnitY();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            currentX_ = scaleLeft_;
            currentY_ += lineStep;
        }
        if (lines[i].empty()) continue;
        if (plain) {
            DoPlainText(currentX_, currentY_, lines[i]);
        } else {
            DoText(currentX_, currentY_, lines[i]);
        }
    }
    if (newLine) {
        currentX_ = scaleLeft_;
        currentY_ += lineStep;
    } else {
        const double px = plain ? MeasurePlainWidthPx(lines.back()) : MeasureWidthPx(lines.back());
        currentX_ += px / PixelsPerUnitX();
    }
}

double DrawingSurface::TextWidth(const std::string& text) {
    double widest = 0;
    for (const std::string& line : SplitLines(text)) widest = std::max(widest, MeasureWidthPx(line));
    return widest / PixelsPerUnitX();
}

double DrawingSurface::TextHeight(const std::string& text) {
    return static_cast<double>(SplitLines(text).size()) * LineHeightPx() / PixelsPerUnitY();
}
