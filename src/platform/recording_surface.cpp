#include "platform/recording_surface.h"

#include <sstream>
#include <utility>

RecordingSurface::RecordingSurface(double widthPx, double heightPx, double dpi)
    : width_(widthPx > 0 ? widthPx : 1), height_(heightPx > 0 ? heightPx : 1), dpi_(dpi > 0 ? dpi : 96) {
    InitScale();
}

void RecordingSurface::Resize(double widthPx, double heightPx) {
    width_ = widthPx > 0 ? widthPx : 1;
    height_ = heightPx > 0 ? heightPx : 1;
    DeviceResized();
}

std::vector<RecordedCall> RecordingSurface::CallsOf(const std::string& op) const {
    std::vector<RecordedCall> out;
    for (const RecordedCall& c : calls_)
        if (c.op == op) out.push_back(c);
    return out;
}

std::string RecordingSurface::Dump() const {
    std::ostringstream s;
    for (const RecordedCall& c : calls_) {
        s << c.op << '(';
        for (std::size_t i = 0; i < c.numbers.size(); ++i) s << (i ? ", " : "") << c.numbers[i];
        if (!c.text.empty()) s << (c.numbers.empty() ? "" : ", ") << '"' << c.text << '"';
        s << ") colour " << c.colour << '\n';
    }
    return s.str();
}

void RecordingSurface::DoCls() { calls_.push_back({"Cls", {}, "", BackColor()}); }

void RecordingSurface::DoLine(double x1, double y1, double x2, double y2, Colour colour, LineBox box) {
    const char* option = box == LineBox::Box ? "B" : box == LineBox::FilledBox ? "BF" : "";
    calls_.push_back({"Line", {x1, y1, x2, y2}, option, colour});
}

void RecordingSurface::DoLines(const std::vector<LineSegment>& segments, Colour colour) {
    RecordedCall call{"Lines", {}, "", colour};
    call.numbers.reserve(segments.size() * 4);
    for (const LineSegment& l : segments) call.numbers.insert(call.numbers.end(), {l.x1, l.y1, l.x2, l.y2});
    calls_.push_back(std::move(call));
}

void RecordingSurface::DoCircle(double x, double y, double radius, Colour colour, std::optional<double> start,
                                std::optional<double> end, double aspect, bool pieStart, bool pieEnd) {
    // Numbers: centre, radius, aspect, then start and end when given; a pie
    // end is logged as a negative angle (a pie at angle 0 as "P" in text).
    RecordedCall call{"Circle", {x, y, radius, aspect}, "", colour};
    if (start || end) {
        call.numbers.push_back(pieStart ? -start.value_or(0) : start.value_or(0));
        call.numbers.push_back(pieEnd ? -end.value_or(0) : end.value_or(0));
        if (pieStart || pieEnd) call.text = "P";
    }
    if (GetFillStyle() == FillStyle::Solid) call.text += "F";
    calls_.push_back(call);
}

void RecordingSurface::DoPSet(double x, double y, Colour colour) { calls_.push_back({"PSet", {x, y}, "", colour}); }

void RecordingSurface::DoText(double x, double y, const std::string& line) {
    calls_.push_back({"Print", {x, y}, line, ForeColor()});
}

void RecordingSurface::DoPlainText(double x, double y, const std::string& line) {
    calls_.push_back({"PrintText", {x, y}, line, ForeColor()});
}

double RecordingSurface::MeasureWidthPx(const std::string& line) {
    return static_cast<double>(line.size()) * 0.6 * FontSize() * dpi_ / 72.0;
}

double RecordingSurface::LineHeightPx() { return 1.2 * FontSize() * dpi_ / 72.0; }

void RecordingSurface::StateChanged(const char* what, const std::vector<double>& numbers, const std::string& text) {
    calls_.push_back({what, numbers, text, 0});
}
