#include "platform/painter_surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/text_file.h"
#include "platform/units.h"

QString MappedFontFamily(const std::string& name) { return QString::fromStdString(MapFontName(name)); }

namespace {

bool IsGlyphFont(const std::string& name) {
    return QString::fromLatin1(name.c_str()).trimmed().compare(kGlyphFontName, Qt::CaseInsensitive) == 0;
}

QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

constexpr char32_t kGlyphBase = 0xF000;

}  // namespace

QString GlyphText(const std::string& codes) {
    QString out;
    for (unsigned char c : codes) out += QString::fromUcs4(std::u32string(1, kGlyphBase + c).c_str(), 1);
    return out;
}

QString SurfaceText(const std::string& bytes, const std::string& fontName, const QFont& font) {
    if (!IsGlyphFont(fontName)) return FromCp1252(bytes);
    QFontMetricsF metrics(font);
    QString out;
    for (unsigned char c : bytes) {
        char32_t glyph = kGlyphBase + c;
        if (c < 128 && !metrics.inFontUcs4(glyph)) {
            out += QChar(c);
        } else {
            out += QString::fromUcs4(&glyph, 1);
        }
    }
    return out;
}

PainterSurface::PainterSurface(QPainter* painter, bool clearsOnBackColor)
    : painter_(painter), clearsOnBackColor_(clearsOnBackColor) {
    ReadDevice();
    InitScale();
}

void PainterSurface::ReadDevice() {
    QPaintDevice* device = painter_ ? painter_->device() : nullptr;
    if (!device) return;
    width_ = std::max(1, device->width());
    height_ = std::max(1, device->height());
    dpiX_ = device->logicalDpiX() > 0 ? device->logicalDpiX() : 96;
    dpiY_ = device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
}

void PainterSurface::Rebind(QPainter* painter) {
    painter_ = painter;
    ReadDevice();
    DeviceResized();
}

QFont PainterSurface::CurrentQFont() const {
    QFont font(MappedFontFamily(FontName()));
    font.setPointSizeF(FontSize());
    font.setBold(FontBold());
    font.setItalic(FontItalic());
    return font;
}

double PainterSurface::PenWidthPx() const { return DrawWidth() * std::max(1.0, dpiX_ / 96.0); }

QPen PainterSurface::LinePen(Colour colour) const {
    QPen pen(ToQColor(colour), PenWidthPx(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (GetDrawStyle() == DrawStyle::Invisible) return QPen(Qt::NoPen);
    // Patterns apply to one-pixel lines only; a wider pen stays solid.
    if (DrawWidth() > 1) return pen;
    switch (GetDrawStyle()) {
        case DrawStyle::Dash: pen.setStyle(Qt::DashLine); break;
        case DrawStyle::Dot: pen.setStyle(Qt::DotLine); break;
        case DrawStyle::DashDot: pen.setStyle(Qt::DashDotLine); break;
        case DrawStyle::DashDotDot: pen.setStyle(Qt::DashDotDotLine); break;
        default: return pen;
    }
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void PainterSurface::DoCls() {
    if (!painter_) return;
    painter_->fillRect(QRectF(0, 0, width_, height_), ToQColor(BackColor()));
}

void PainterSurface::BackColorChanged() {
    if (clearsOnBackColor_) DoCls();
}

const QPen& PainterSurface::CachedLinePen(Colour colour) {
    const double widthPx = PenWidthPx();
    if (colour != cachedColour_ || widthPx != cachedWidthPx_ || GetDrawStyle() != cachedStyle_) {
        cachedPen_ = LinePen(colour);
        cachedColour_ = colour;
        cachedWidthPx_ = widthPx;
        cachedStyle_ = GetDrawStyle();
    }
    return cachedPen_;
}

bool PainterSurface::BeginPlainLines(Colour colour) {
    // Straight lines stay crisp: a one-pixel line lies on one pixel row.
    const bool antialiased = painter_->testRenderHint(QPainter::Antialiasing);
    if (antialiased) painter_->setRenderHint(QPainter::Antialiasing, false);
    const QPen& pen = CachedLinePen(colour);
    if (painter_->pen() != pen) painter_->setPen(pen);
    return antialiased;
}

void PainterSurface::DoLine(double x1, double y1, double x2, double y2, Colour colour, LineBox box) {
    if (!painter_) return;
    const QPointF a(ToDeviceX(x1), ToDeviceY(y1)), b(ToDeviceX(x2), ToDeviceY(y2));
    if (box == LineBox::None) {
        // A plain line sets only what it needs and puts back the
        // antialiasing hint, without a full save.
        const bool antialiased = BeginPlainLines(colour);
        painter_->drawLine(a, b);
        if (antialiased) painter_->setRenderHint(QPainter::Antialiasing, true);
        return;
    }
    painter_->save();
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setPen(LinePen(colour));
    {
        QRectF rect = QRectF(a, b).normalized();
        if (box == LineBox::FilledBox) {
            painter_->setBrush(ToQColor(colour));
        } else {
            painter_->setBrush(GetFillStyle() == FillStyle::Solid ? QBrush(ToQColor(FillColor())) : QBrush());
        }
        painter_->drawRect(rect);
    }
    painter_->restore();
}

void PainterSurface::DoLines(const std::vector<LineSegment>& segments, Colour colour) {
    if (!painter_) return;
    // The pen is set once for the lot. Solid lines go to the painter in one
    // drawLines, the same pixels as a drawLine each. A patterned pen would
    // carry its dashes on from one line to the next there, so each of those
    // lines is drawn by itself and starts its own pattern, as with DoLine.
    lineBuffer_.clear();
    lineBuffer_.reserve(segments.size());
    for (const LineSegment& l : segments)
        lineBuffer_.emplace_back(ToDeviceX(l.x1), ToDeviceY(l.y1), ToDeviceX(l.x2), ToDeviceY(l.y2));
    const bool antialiased = BeginPlainLines(colour);
    const QPen pen = painter_->pen();
    if (pen.style() == Qt::SolidLine) {
        painter_->drawLines(lineBuffer_.data(), static_cast<int>(lineBuffer_.size()));
    } else {
        for (const QLineF& l : lineBuffer_) painter_->drawLine(l);
    }
    if (antialiased) painter_->setRenderHint(QPainter::Antialiasing, true);
}

void PainterSurface::DoCircle(double x, double y, double radius, Colour colour, std::optional<double> start,
                              std::optional<double> end, double aspect, bool pieStart, bool pieEnd) {
    if (!painter_) return;
    // The radius is a length in horizontal units; with aspect above 1 it is
    // the vertical half axis and the horizontal one is shorter.
    const double rPx = std::fabs(radius * PixelsPerUnitX());
    double rx = rPx, ry = rPx * aspect * dpiY_ / dpiX_;
    if (aspect > 1) {
        ry = rPx * dpiY_ / dpiX_;
        rx = rPx / aspect;
    }
    const QPointF centre(ToDeviceX(x), ToDeviceY(y));
    const QRectF rect(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);

    QPainterPath path;
    if (!start && !end) {
        path.addEllipse(rect);
    } else {
        constexpr double twoPi = 2 * std::numbers::pi;
        double a0 = std::fmod(start.value_or(0), twoPi) * 180 / std::numbers::pi;
        double a1 = std::fmod(end.value_or(twoPi), twoPi) * 180 / std::numbers::pi;
        double span = a1 - a0;
        if (span <= 0) span += 360;
        if (pieStart) {
            path.moveTo(centre);
            path.arcTo(rect, a0, 0);
        } else {
            path.arcMoveTo(rect, a0);
        }
        path.arcTo(rect, a0, span);
        if (pieEnd) path.lineTo(centre);
        if (pieStart && pieEnd) path.closeSubpath();
    }
    painter_->save();
    painter_->setRenderHint(QPainter::Antialiasing, true);
    // Only closed figures are filled: a whole circle or a pie; an open arc is an outline.
    const bool closed = (!start && !end) || (pieStart && pieEnd);
    if (closed && GetFillStyle() == FillStyle::Solid) painter_->fillPath(path, ToQColor(FillColor()));
    painter_->setPen(LinePen(colour));
    painter_->setBrush(Qt::NoBrush);
    painter_->drawPath(path);
    painter_->restore();
}

void PainterSurface::DoPSet(double x, double y, Colour colour) {
    if (!painter_) return;
    painter_->save();
    const double w = PenWidthPx();
    painter_->fillRect(QRectF(ToDeviceX(x) - w / 2, ToDeviceY(y) - w / 2, w, w), ToQColor(colour));
    painter_->restore();
}

void PainterSurface::DoText(double x, double y, const std::string& line) {
    if (!painter_) return;
    const QFont font = CurrentQFont();
    DrawQText(x, y, SurfaceText(line, FontName(), font), font);
}

void PainterSurface::DoPlainText(double x, double y, const std::string& line) {
    if (!painter_) return;
    DrawQText(x, y, FromCp1252(line), CurrentQFont());
}

double PainterSurface::MeasurePlainWidthPx(const std::string& line) {
    QFontMetricsF metrics(CurrentQFont(), painter_ ? painter_->device() : nullptr);
    return metrics.horizontalAdvance(FromCp1252(line));
}

void PainterSurface::DrawQText(double x, double y, const QString& text, const QFont& font) {
    QFontMetricsF metrics(font, painter_->device());
    const QPointF topLeft(ToDeviceX(x), ToDeviceY(y));
    painter_->save();
    painter_->setFont(font);
    if (!FontTransparent())
        painter_->fillRect(QRectF(topLeft, QSizeF(metrics.horizontalAdvance(text), metrics.height())),
                           ToQColor(BackColor()));
    painter_->setPen(ToQColor(ForeColor()));
    painter_->drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    painter_->restore();
}

double PainterSurface::MeasureWidthPx(const std::string& line) {
    const QFont font = CurrentQFont();
    QFontMetricsF metrics(font, painter_ ? painter_->device() : nullptr);
    return metrics.horizontalAdvance(SurfaceText(line, FontName(), font));
}

double PainterSurface::LineHeightPx() {
    QFontMetricsF metrics(CurrentQFont(), painter_ ? painter_->device() : nullptr);
    return metrics.height();
}
