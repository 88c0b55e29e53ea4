#include "wheels/wheel_paint.h"

#include <cmath>

#include "chart/house_placement.h"
#include "platform/glyph_codes.h"
#include "platform/numbers.h"
#include "platform/painter_surface.h"
#include "program_state.h"
#include "wheels/planet_columns.h"
#include "wheels/ring_placement.h"
#include "wheels/wheel_extra_stages.h"
#include "wheels/wheel_labels.h"
#include "wheels/wheel_legends.h"
#include "wheels/wheel_paint_context.h"
#include "wheels/wheel_rings.h"
#include "wheels/wheel_window_fit.h"

namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

const std::string& FirstLegendLine(const WheelState& ws) {
    static const std::string empty;
    return ws.WheelHeader1.size() > 1 ? ws.WheelHeader1[1] : empty;
}

// The transits of a natal-and-transits bi-wheel go outside, once per opening.
void SwapTransitRings(WheelState& ws, bool secondPerson) {
    if (ws.WheelLayout != 1 || secondPerson) return;
    ws.RingsSwapped = 1;
    std::swap(ws.WheelLongitudes, ws.WheelSecondLongitudes);
    std::swap(ws.WheelDeclinations, ws.WheelSecondDeclinations);
    std::swap(ws.WheelRetroFlags, ws.WheelSecondFlags);
}

void MeasureGlyphMetrics(WheelPaintContext& c) {
    const WheelProfile& p = c.profile;
    const std::string glyph = GlyphChar(BodyGlyph(13));
    c.glyphWidth = CInt(c.s.TextWidth(glyph) + c.Option(p.glyphWidthOption));
    c.glyphHeight = CInt(std::fabs(c.s.TextHeight(glyph)) + c.Option(p.glyphHeightOption));
    c.digitWidth = CInt(c.s.TextWidth("0") + c.Option(p.digitWidthOption));
    c.digitHeight = CInt(std::fabs(c.s.TextHeight("0")) + c.Option(p.digitHeightOption));
}

// One chart ring: ring 1 is the first chart, ring 0 the second chart of a
// bi-wheel, placed in the first chart's houses.
void DrawChartRing(WheelPaintContext& c, const ChartState& chart, int ring) {
    WheelState& ws = c.wheels;
    ws.WheelRing = ring;
    const bool inner = ws.WheelLayout == 1 && ring == 0;
    const RingParams params = inner ? InnerRingParams(c.settings.RingTable3, c.settings.RingTable4)
                                    : OuterRingParams(c.settings.RingTable1);
    RingChart rc;
    rc.wheelCusps = ws.WheelCusps;
    rc.sizes = c.sizes;
    rc.european = c.EuropeanSingle();
    rc.vedic = EndsWith(FirstLegendLine(ws), "vedic");
    const std::string* flags = &ws.WheelRetroFlags;
    if (!inner) {
        rc.longitudes = ws.WheelLongitudes;
        rc.houseString = ws.WheelHouseString;
        // After the ring exchange the saved house string belongs to the
        // other chart: the houses are found again.
        if (ws.WheelLayout == 1 && (c.Option(216) != 0 || ws.RingsSwapped == 1))
            AssignHouses(ws.WheelLongitudes, ws.WheelCusps, rc.houseString);
    } else {
        rc.longitudes = ws.WheelSecondLongitudes;
        rc.houseString = ws.WheelHouseString;
        AssignHouses(ws.WheelSecondLongitudes, ws.WheelCusps, rc.houseString);
        flags = &ws.WheelSecondFlags;
    }
    for (const PlacedBody& body : PlaceRing(rc, params, chart.RingRadius)) {
        ws.BodyGlyphAngles[static_cast<std::size_t>(body.body)] = body.angle;
        DrawPlanetColumn(c, body, params, inner, *flags);
    }
}

// The stages after the rings, the same on window and page.
void DrawWheelBody(WheelPaintContext& c, const ChartState& chart, bool window) {
    const WheelProfile& p = c.profile;
    WheelState& ws = c.wheels;
    c.s.SetFontName(kGlyphFontName);
    c.s.SetFontSize(c.Option(p.labelDegrees.sizeOption));
    if (p.printer) c.s.SetFontBold(false);
    if (ws.WheelLayout != 0) DrawHouseNumbers(c);
    c.sizes = ComputeHouseSizes(ws.WheelCusps);
    DrawCuspLabels(c);
    DrawInterceptedSigns(c);
    c.s.SetFontName(kGlyphFontName);
    c.s.SetFontSize(c.Option(p.planetGlyph.sizeOption));
    MeasureGlyphMetrics(c);
    if (window && c.Option(216) != 0 && ws.RingsSwapped == 0) SwapTransitRings(ws, c.secondPerson);
    DrawChartRing(c, chart, 1);
    if (ws.WheelLayout == 0) {
        if (c.Option(47) == 1) DrawAspectLines(c);
    } else {
        DrawChartRing(c, chart, 0);
    }
}

}  // namespace

int PageStartScale(int chartStyle, int chartCount) { return chartStyle == 1 && chartCount == 1 ? 272 : 265; }

bool ResizeWheelWindow(ProgramState& ps, double insideWidth, double insideHeight) {
    const std::optional<int> scale = StartScaleFor(insideWidth, insideHeight);
    if (!scale) return false;
    ps.settings.StartScale = *scale;
    return true;
}

bool PaintWheelWindow(ProgramState& ps, DrawingSurface& s, double insideWidth, double insideHeight) {
    if (!StartScaleFor(insideWidth, insideHeight)) return false;
    WheelState& ws = ps.wheels;
    WheelPaintContext c{s, kWindowProfile, ps.settings, ws, ps.chart.RingRadius, ps.chart.HcData, false, {}, 0, 0, 0, 0};
    c.secondPerson = ps.people.SecondPersonChecked == 1;
    const double startScale = ps.settings.StartScale;
    const double ratio = std::fabs(insideHeight / insideWidth);
    s.Cls();
    s.Scale(-startScale, startScale * ratio, startScale, -startScale * ratio);
    // The wheel is drawn smaller where its labels would not fit the window.
    const double S = FitLabelsHalfWidth(c, startScale, ratio);
    if (S > startScale) s.Scale(-S, S * ratio, S, -S * ratio);
    s.SetBackColor(ws.HalfPagePrint == 1 ? QBColor(15) : c.OptionColour(100));
    s.SetForeColor(RGB(0, 0, 0));
    if (ws.WheelLayout == 0) {
        DrawRingsSingle(c);
    } else {
        DrawRingsDual(c);
    }
    DrawWheelBody(c, ps.chart, true);
    DrawHeaderScreen(c);
    return true;
}

void PaintWheelPage(ProgramState& ps, DrawingSurface& page, const std::vector<std::string>& personalLines) {
    WheelState& ws = ps.wheels;
    WheelPaintContext c{page, kPageProfile, ps.settings, ws, ps.chart.RingRadius, ps.chart.HcData, false, {}, 0, 0, 0, 0};
    c.secondPerson = ps.people.SecondPersonChecked == 1;
    const double S = PageStartScale(ps.settings.ChartStyle, ws.ChartCount);
    page.SetForeColor(RGB(0, 0, 0));
    page.FitFrame(kPageFrameRatio);
    page.Scale(-0.9475 * S, 0.9475 * (S / 0.8 - 56), 0.9475 * S, 0.9475 * (-S / 0.8 - 56));
    if (ws.WheelLayout == 0) {
        DrawRingsSingle(c);
    } else {
        DrawRingsDual(c);
    }
    DrawWheelBody(c, ps.chart, false);
    DrawHeaderPrinter(c, personalLines);
    if (c.Option(178) != 0) DrawAspectGridPrinter(c);
}

bool NinetyDegreeWheel(const ProgramState& ps) { return EndsWith(FirstLegendLine(ps.wheels), "90 degree wheel"); }

void LoadWheelCharts(ProgramState& ps) {
    WheelState& ws = ps.wheels;
    const ChartState& cs = ps.chart;
    for (int i = 1; i <= 15; ++i) ws.WheelLongitudes[static_cast<std::size_t>(i)] = cs.WorkLongitudes[static_cast<std::size_t>(i)];
    for (int i = 1; i <= 12; ++i) ws.WheelCusps[static_cast<std::size_t>(i)] = cs.WorkCusps[static_cast<std::size_t>(i)];
    ws.WheelDeclinations = cs.WorkDeclinations;
    ws.WheelHouseString = cs.WheelHouseString;
    ws.RingsSwapped = 0;
    ws.WheelRetroFlags = cs.RetrogradeFlags;
    ws.HalfPagePrint = 0;
    if (ps.people.SecondPersonChecked != 1 || ws.ChartCount != 2) ws.WheelSwitched = 0;
    if (NinetyDegreeWheel(ps)) ps.settings.ChartStyle = 0;
}
