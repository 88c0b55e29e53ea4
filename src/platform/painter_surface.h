#pragma once
// The drawing surface on a QPainter: a window's backing image, a QImage, a
// printer page or a PDF file. The painter stays owned by the caller and must
// be active while the surface draws.
#include <QFont>
#include <QLineF>
#include <QPen>
#include <QString>
#include <vector>

#include "platform/drawing_surface.h"

class QPainter;

// The face the glyph font is selected by.
inline constexpr const char* kGlyphFontName = "Tandrell";

// The installed font family for a font name the program uses: "Courier
// New" to Liberation Mono, "Times New Roman" to Liberation Serif, "Arial"
// and "MS Sans Serif" to Liberation Sans; other names stay as they are.
QString MappedFontFamily(const std::string& name);

// Glyph codes as the glyph font holds them: code c at U+F000 + c.
QString GlyphText(const std::string& codes);
// Text as it is drawn in the named font: in the glyph font each code 128 to
// 255 becomes its glyph, and a code below 128 too where the font holds one
// (letters and digits otherwise stay the font's ordinary characters); in
// every other font the bytes are read as Windows-1252.
QString SurfaceText(const std::string& bytes, const std::string& fontName, const QFont& font);

class PainterSurface : public DrawingSurface {
public:
    // clearsOnBackColor: setting the back colour clears the surface, as on a
    // window (not on a printer page).
    PainterSurface(QPainter* painter, bool clearsOnBackColor);

    // Points the surface at another painter (a new page or a resized image);
    // a plain-unit scale is re-measured, a user scale keeps its corners.
    void Rebind(QPainter* painter);

    double DeviceWidth() const override { return width_; }
    double DeviceHeight() const override { return height_; }
    double DpiX() const override { return dpiX_; }
    double DpiY() const override { return dpiY_; }

    // The Qt font the current font settings stand for.
    QFont CurrentQFont() const;

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
    double MeasurePlainWidthPx(const std::string& line) override;
    double LineHeightPx() override;
    void BackColorChanged() override;

private:
    void ReadDevice();
    void DrawQText(double x, double y, const QString& text, const QFont& font);
    double PenWidthPx() const;
    // The pen of lines and outlines: colour, draw width and draw style.
    QPen LinePen(Colour colour) const;
    // LinePen kept between calls: rebuilt only when colour, width or style
    // change, so that a run of lines in one pen costs no pen each.
    const QPen& CachedLinePen(Colour colour);
    // Sets the plain-line pen with antialiasing off; gives back whether it was on.
    bool BeginPlainLines(Colour colour);

    QPainter* painter_;
    bool clearsOnBackColor_;
    double width_ = 1, height_ = 1, dpiX_ = 96, dpiY_ = 96;
    QPen cachedPen_;
    Colour cachedColour_ = 0;
    double cachedWidthPx_ = -1;
    DrawStyle cachedStyle_ = DrawStyle::Solid;
    std::vector<QLineF> lineBuffer_;  // reused by DoLines
};
