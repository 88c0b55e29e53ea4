#include "scoring/couple_aspect_report.h"

#include <cmath>
#include <string>
#include <utility>

#include "app/number_padding.h"
#include "app/output_buffer.h"
#include "platform/numbers.h"
#include "program_state.h"
#include "scoring/magi_aspects.h"
#include "scoring/magi_pair_names.h"

namespace {

using magi::LinkageColumn;

constexpr int kSaturn = 6;
constexpr int kJupiter = 5;
constexpr float kCrucial = 100;
constexpr const char* kColumnTitles = "  Romance   Sex   Compatibility";

// The romance, sex and compatibility totals and the five sums of crucial
// scores of one run.
struct ScoreSums {
    float romance = 0, sex = 0, compatibility = 0;
    float romanceLinkages = 0, romanceClashes = 0, sexLinkages = 0, compatibilityLinkages = 0,
          compatibilityClashes = 0;
};

void Line(ProgramState& ps, const std::string& text) {
    ps.output.CurrentLine = text;
    AppendLine(ps);
}

// A score right-aligned with one decimal.
std::string Score(float value) { return PadSignedNumber(Format(value, "0.0")); }

// Adds the pair's three scores to the sums and returns the scores' part of
// the aspect line.
std::string ScorePair(const ScoringState& sc, int code, int i, int j, ScoreSums& sums) {
    const float a = sc.MagiGridA[code][i][j];
    const float b = sc.MagiGridB[code][i][j];
    const float c = sc.MagiGridC[code][i][j];
    sums.romance += a;
    sums.sex += b;
    sums.compatibility += c;
    if (a > kCrucial) sums.romanceLinkages += a;
    if (a < -kCrucial) sums.romanceClashes += a;
    if (b > kCrucial) sums.sexLinkages += b;
    if (c > kCrucial) sums.compatibilityLinkages += c;
    if (c < -kCrucial) sums.compatibilityClashes += c;
    return "  " + Score(a) + "  " + Score(b) + "  " + Score(c) + "   ";
}

// The names a longitude aspect gives the pair: the Saturn and nuclear
// clashes, then the clash of a square or opposition, or the linkage of a
// conjunction, trine or quincunx.
std::string LongitudeNames(int code, int i, int j) {
    std::string names;
    const bool hard = code == magi::kSquare || code == magi::kOpposition || code == magi::kQuincunx;
    if (hard && (i == kSaturn || j == kSaturn)) {
        names += "   SATURN CLASH";
        if ((i == kJupiter && j == kSaturn) || (i == kSaturn && j == kJupiter)) names += "   NUCLEAR CLASH";
    }
    if (code == magi::kSquare || code == magi::kOpposition) names += magi::ClashName(i, j);
    if (code == magi::kConjunction || code == magi::kTrine) names += magi::LinkageName(i, j, LinkageColumn::Harmonious);
    if (code == magi::kQuincunx) names += magi::LinkageName(i, j, LinkageColumn::Quincunx);
    return names;
}

}  // namespace

void CopyChironScores(ScoringState& sc) {
    constexpr int kCodes[] = {2, 4, 5, 6, 7, 9, 11};
    for (ScoringState::MagiGrid* grid : {&sc.MagiGridA, &sc.MagiGridB, &sc.MagiGridC}) {
        for (int code : kCodes)
            for (int k = 1; k <= 15; ++k) (*grid)[code][11][k] = (*grid)[code][13][k];
        for (int code : kCodes)
            for (int k = 1; k <= 15; ++k) (*grid)[code][k][11] = (*grid)[code][k][13];
    }
}

void DataMagiCouple(ProgramState& ps) {
    const ChartState& cs = ps.chart;
    const magi::ChartBodies a = magi::ReadChartBodies(cs.NatalLongitudes, cs.NatalDeclinations);
    const magi::ChartBodies b = magi::ReadChartBodies(cs.SecondLongitudes, cs.SecondDeclinations);

    StartReportWithBothHeaders(ps);
    AppendBlankLine(ps);
    Line(ps, "  Magi Society Aspects for " + ps.people.NatalNameText + " and " + ps.people.SecondPersonCaption);
    AppendBlankLine(ps);
    Line(ps, kColumnTitles);

    ScoreSums sums;
    CopyChironScores(ps.scoring);

    for (int i = 1; i <= a.count; ++i) {
        for (int j = 1; j <= b.count; ++j) {
            const magi::Aspect aspect = magi::LongitudeAspect(a.longitudes[i], b.longitudes[j]);
            if (aspect.code == magi::kNoAspect) continue;
            const std::string scores = ScorePair(ps.scoring, aspect.code, i, j, sums);
            Line(ps, scores + magi::PairText(ps.settings, i, aspect.code, j, std::fabs(aspect.deviation)) +
                         LongitudeNames(aspect.code, i, j));
        }
    }

    AppendBlankLine(ps);
    Line(ps, kColumnTitles);
    for (int i = 1; i <= a.count; ++i) {
        for (int j = 1; j <= b.count; ++j) {
            const magi::Aspect aspect = magi::DeclinationAspect(a.declinations[i], b.declinations[j]);
            if (aspect.code == magi::kNoAspect) continue;
            const std::string scores = ScorePair(ps.scoring, aspect.code, i, j, sums);
            Line(ps, scores + magi::PairText(ps.settings, i, aspect.code, j, aspect.deviation) +
                         magi::LinkageName(i, j, LinkageColumn::Harmonious));
        }
    }

    AppendBlankLine(ps);
    Line(ps, "  TOTALS");
    Line(ps, kColumnTitles);
    Line(ps, "  " + Score(sums.romance) + "  " + Score(sums.sex) + "  " + Score(sums.compatibility));
    AppendBlankLine(ps);
    const std::pair<const char*, float> crucial[] = {
        {"Crucial Romance Linkages", sums.romanceLinkages},
        {"Crucial Romance Clashes", sums.romanceClashes},
        {"Crucial Sex Linkages", sums.sexLinkages},
        {"Crucial Compatibility Linkages", sums.compatibilityLinkages},
        {"Crucial Compatibility Clashes", sums.compatibilityClashes},
    };
    for (const auto& [title, sum] : crucial) {
        Line(ps, std::string("  ") + title);
        Line(ps, "  " + Score(sum));
    }
    ShowOutput(ps);
}
