#include "scoring/natal_aspect_report.h"

#include <cmath>
#include <string>

#include "app/output_buffer.h"
#include "program_state.h"
#include "scoring/magi_aspects.h"
#include "scoring/magi_pair_names.h"

namespace {

using magi::LinkageColumn;

constexpr int kSaturn = 6;

void Line(ProgramState& ps, const std::string& text) {
    ps.output.CurrentLine = text;
    AppendLine(ps);
}

// Of the clashes only Saturn's is named; linkages as the aspect's column.
std::string LongitudeNames(int code, int i, int j) {
    std::string names;
    const bool hard = code == magi::kSquare || code == magi::kOpposition || code == magi::kQuincunx;
    if (hard && (i == kSaturn || j == kSaturn)) names += "   SATURN CLASH";
    if (code == magi::kConjunction || code == magi::kTrine)
        names += magi::NatalLinkageName(i, j, LinkageColumn::Harmonious);
    if (code == magi::kQuincunx) names += magi::NatalLinkageName(i, j, LinkageColumn::Quincunx);
    return names;
}

}  // namespace

void DataMagiNatal(ProgramState& ps) {
    const magi::ChartBodies a = magi::ReadChartBodies(ps.chart.NatalLongitudes, ps.chart.NatalDeclinations);

    StartReportWithHeader(ps);
    AppendBlankLine(ps);
    Line(ps, "  Magi Society Aspects for " + ps.people.NatalNameText);
    AppendBlankLine(ps);

    for (int i = 1; i < a.count; ++i) {
        for (int j = i + 1; j <= a.count; ++j) {
            const magi::Aspect aspect = magi::LongitudeAspect(a.longitudes[i], a.longitudes[j]);
            if (aspect.code == magi::kNoAspect) continue;
            Line(ps, "  " + magi::PairText(ps.settings, i, aspect.code, j, std::fabs(aspect.deviation)) +
                         LongitudeNames(aspect.code, i, j));
        }
    }

    AppendBlankLine(ps);
    for (int i = 1; i < a.count; ++i) {
        for (int j = i + 1; j <= a.count; ++j) {
            const magi::Aspect aspect = magi::DeclinationAspect(a.declinations[i], a.declinations[j]);
            if (aspect.code == magi::kNoAspect) continue;
            Line(ps, "  " + magi::PairText(ps.settings, i, aspect.code, j, aspect.deviation) +
                         magi::NatalLinkageName(i, j, LinkageColumn::Harmonious));
        }
    }
    ShowOutput(ps);
}
