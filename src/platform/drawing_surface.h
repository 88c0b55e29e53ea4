#pragma once
// The drawing model the windows and the printer share: a user scale with
// free corners (x and y units independent, y may point up), a current
// position, text printed by its top-left corner, lines, boxes, circles and
// pie outlines, fonts and colours from the 16-colour palette.
//
// DrawingSurface keeps that state and the unit arithmetic; a back end
// supplies the device size and the primitives. Coordinates handed to the
// back end are user units; it converts them with ToDeviceX/ToDeviceY.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A colour as the original runtime stored it: red + 256 green + 65536 blue.
using Colour = std::uint32_t;

Colour RGB(int red, int green, int blue);
// Colour n (rounded into 0..15) of the fixed 16-colour palette.
Colour QBColor(int n);
inline int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
inline int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
inline int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

// Units that a scale mode other than the user scale counts in. A character
// is 120 twips wide and 240 twips high.
enum class ScaleUnit { Twips = 1, Points = 2, Pixels = 3, Characters = 4, Inches = 5, Millimetres = 6, Centimetres = 7 };

// Box option of Line: a plain line, a box outline ("B"), a filled box ("BF").
enum class LineBox { None, Box, FilledBox };

// One straight segment of a Lines call, in user units.
struct LineSegment {
    double x1, y1, x2, y2;
};

enum class FillStyle { Solid = 0, Transparent = 1 };

// The pattern of lines and outlines. The patterns take effect only with a
// draw width of 1; a wider pen draws them solid, as the original did.
enum class DrawStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Invisible = 5 };

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // --- Scale --------------------------------------------------------
    // Sets the user scale by its upper-left and lower-right corners.
    void Scale(double x1, double y1, double x2, double y2);
    // Returns to a scale of plain units with the origin at the top left.
    void SetScaleMode(ScaleUnit unit);
    double ScaleLeft() const { return scaleLeft_; }
    double ScaleTop() const { return scaleTop_; }
    double ScaleWidth() const { return scaleWidth_; }
    double ScaleHeight() const { return scaleHeight_; }
    void SetScaleLeft(double v);
    void SetScaleTop(double v);
    void SetScaleWidth(double v);
    void SetScaleHeight(double v);

    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void SetCurrentX(double x) { currentX_ = x; }
    void SetCurrentY(double y) { currentY_ = y; }

    // --- Pens, fills, fonts ---------------------------------------------
    Colour ForeColor() const { return foreColor_; }
    void SetForeColor(Colour c);
    Colour BackColor() const { return backColor_; }
    // On a window this also clears it to the new colour, as the original did.
    void SetBackColor(Colour c);
    Colour FillColor() const { return fillColor_; }
    void SetFillColor(Colour c);
    FillStyle GetFillStyle() const { return fillStyle_; }
    void SetFillStyle(FillStyle s);
    int DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(int pixels);
    DrawStyle GetDrawStyle() const { return drawStyle_; }
    void SetDrawStyle(DrawStyle s);
    const std::string& FontName() const { return fontName_; }
    void SetFontName(const std::string& name);
    double FontSize() const { return fontSize_; }
    void SetFontSize(double points);
    bool FontBold() const { return fontBold_; }
    void SetFontBold(bool bold);
    bool FontItalic() const { return fontItalic_; }
    void SetFontItalic(bool italic);
    // Text leaves the background untouched when true (the default here).
    bool FontTransparent() const { return fontTransparent_; }
    void SetFontTransparent(bool transparent);

    // --- Drawing ----------------------------------------------------------
    // Clears to the back colour; the current position returns to 0, 0.
    void Cls();
    // A line, box or filled box from (x1, y1) to (x2, y2); colour defaults to
    // the fore colour. The current position moves to (x2, y2).
    void Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour = std::nullopt,
              LineBox box = LineBox::None);
    // Many plain lines in one colour (default: fore colour), each drawn as
    // Line would draw it, in one call to the back end. The current position
    // moves to the end of the last one.
    void Lines(const std::vector<LineSegment>& segments, std::optional<Colour> colour = std::nullopt);
    // The same from the current position.
    void LineTo(double x2, double y2, std::optional<Colour> colour = std::nullopt, LineBox box = LineBox::None);
    // Circle, ellipse or arc about (x, y). The radius counts in horizontal
    // units (in vertical ones when aspect > 1); aspect is the vertical to
    // horizontal ratio. Angles are radians counter-clockwise from the
    // positive x direction as seen on the page; a negative angle also draws
    // the radius line to that end (pie outline). The current position moves
    // to the centre. Filled by the fill colour when the fill style is solid.
    void Circle(double x, double y, double radius, std::optional<Colour> colour = std::nullopt,
                std::optional<double> start = std::nullopt, std::optional<double> end = std::nullopt,
                double aspect = 1.0);
    // Pie outline from start to end (radians) with both radius lines, also
    // where an angle is 0 and cannot be given as negative.
    void Pie(double x, double y, double radius, double start, double end,
             std::optional<Colour> colour = std::nullopt);
    // One point in the given colour (default: fore colour).
    void PSet(double x, double y, std::optional<Colour> colour = std::nullopt);
    // Prints text (8-bit bytes; CR LF or LF start new lines) with its top-left
    // corner at the current position. With newLine the position then moves to
    // the left edge one line lower; without, it stays on the line just after
    // the text.
    void Print(const std::string& text, bool newLine = true);
    // Width and height of text in user units with the current font; signed
    // like ScaleWidth and ScaleHeight. The height counts the lines of text.
    double TextWidth(const std::string& text);
    double TextHeight(const std::string& text);
    // Prints text as Windows-1252 letters in the current font, never as
    // glyph codes (a name with "\xE9" stays a name in the glyph font too);
    // otherwise as Print. Its width is measured by PlainTextWidth.
    void PrintText(const std::string& text, bool newLine = true);
    double PlainTextWidth(const std::string& text);

    // --- Frame ----------------------------------------------------------------
    // Maps the user scale onto a rectangle of the device (pixels) instead of
    // the whole device; the rest of the device is left alone. A scale mode
    // of plain units (SetScaleMode) ends the frame.
    void SetFrame(double leftPx, double topPx, double widthPx, double heightPx);
    void ClearFrame();
    // The largest frame heightOverWidth times as high as wide that fits the
    // device, centred across and standing at the top.
    void FitFrame(double heightOverWidth);
    bool HasFrame() const { return frame_.has_value(); }

    // --- Device -------------------------------------------------------------
    virtual double DeviceWidth() const = 0;   // pixels
    virtual double DeviceHeight() const = 0;  // pixels
    virtual double DpiX() const = 0;
    virtual double DpiY() const = 0;
    double ToDeviceX(double x) const;
    double ToDeviceY(double y) const;
    // Pixels per user unit (signed).
    double PixelsPerUnitX() const;
    double PixelsPerUnitY() const;
    // Makes the scale follow a new device size: a plain-unit scale is
    // re-measured, a user scale keeps its corners.
    void DeviceResized();

protected:
    DrawingSurface() = default;
    // Sets the initial scale; back ends call it once their device is known.
    void InitScale(ScaleUnit unit = ScaleUnit::Twips);

    // Primitives in user units with the state above.
    virtual void DoCls() = 0;
    virtual void DoLine(double x1, double y1, double x2, double y2, Colour colour, LineBox box) = 0;
    // Plain lines in one colour; by default one DoLine each.
    virtual void DoLines(const std::vector<LineSegment>& segments, Colour colour);
    virtual void DoCircle(double x, double y, double radius, Colour colour, std::optional<double> start,
                          std::optional<double> end, double aspect, bool pieStart, bool pieEnd) = 0;
    virtual void DoPSet(double x, double y, Colour colour) = 0;
    virtual void DoText(double x, double y, const std::string& line) = 0;
    // Text as letters (see PrintText); by default as DoText.
    virtual void DoPlainText(double x, double y, const std::string& line) { DoText(x, y, line); }
    virtual double MeasurePlainWidthPx(const std::string& line) { return MeasureWidthPx(line); }
    // Width and height of one line in device pixels.
    virtual double MeasureWidthPx(const std::string& line) = 0;
    virtual double LineHeightPx() = 0;
    // Told of each change of scale, pen, fill or font (name, numbers, text).
    virtual void StateChanged(const char* what, const std::vector<double>& numbers, const std::string& text);
    virtual void BackColorChanged() {}

private:
    static std::vector<std::string> SplitLines(const std::string& text);
    void PrintLines(const std::string& text, bool newLine, bool plain);
    struct Frame { double left, top, width, height; };
    std::optional<Frame> frame_;
    double UnitsPerPixel(ScaleUnit unit, bool horizontal) const;

    double scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_ = 1, scaleHeight_ = 1;
    std::optional<ScaleUnit> scaleUnit_;  // empty while a user scale is set
    double currentX_ = 0, currentY_ = 0;
    Colour foreColor_ = 0;
    Colour backColor_ = 0xFFFFFF;
    Colour fillColor_ = 0;
    FillStyle fillStyle_ = FillStyle::Transparent;
    int drawWidth_ = 1;
    DrawStyle drawStyle_ = DrawStyle::Solid;
    std::string fontName_ = "MS Sans Serif";
    double fontSize_ = 8.25;
    bool fontBold_ = false, fontItalic_ = false, fontTransparent_ = true;
};
