#pragma once
// A drawing surface that draws nothing and keeps a log of every call in user
// units, so that geometry can be checked as numbers. Text is measured with a
// fixed, font-independent model: each character is 0.6 of the font size
// wide and a line is 1.2 times the font size high (sizes in points), so the
// numbers do not depend on the fonts installed.
#include <string>
#include <vector>

#include "platform/drawing_surface.h"

struct RecordedCall {
    std::string op;               // "Line", "Lines", "Circle", "Print", "PrintText", "Cls", "PSet", or a state name
    std::vector<double> numbers;  // user-unit arguments in call order (Lines: x1, y1, x2, y2 of each)
    std::string text;             // printed text, font name or box option ("B", "BF")
    Colour colour = 0;            // drawing colour of Line, Circle, Print, PSet
};

class RecordingSurface : public DrawingSurface {
public:
    // A device of the given size in pixels at the given resolution.
    explicit RecordingSurface(double widthPx = 640, double heightPx = 480, double dpi = 96);

    const std::vector<RecordedCall>& Calls() const { return calls_; }
    // The calls of one kind, in order.
    std::vector<RecordedCall> CallsOf(const std::string& op) const;
    void ClearLog() { calls_.clear(); }
    // One readable line per call, for failure messages.
    std::string Dump() const;

    double DeviceWidth() const override { return width_; }
    double DeviceHeight() const override { return height_; }
    double DpiX() const override { return dpi_; }
    double DpiY() const override { return dpi_; }
    void Resize(double widthPx, double heightPx);

protected:
    void DoCls() override;
    void DoLine(double x1, double y1, double x2, double y2, Colour colour, LineBox box) override;
    void DoLines(const std::vector<LineSegment>& segments, Colour colour) override;
    void DoCircle(double x, double y, double radius, Colour colour, std::optional<double> start,
                  std::optional<double> end, double aspect, bool pieStart, bool pieEnd) override;
    void DoPSet(double x, double y, Colour colour) override;
    void DoText(double x, double y, const std::string& line) override;
    void DoPlainText(double x, double y, const std::string& line) override;
    double MeasureWidthPx(const std::string& line) override;
    double LineHeightPx() override;
    void StateChanged(const char* what, const std::vector<double>& numbers, const std::string& text) override;

private:
    double width_, height_, dpi_;
    std::vector<RecordedCall> calls_;
};
