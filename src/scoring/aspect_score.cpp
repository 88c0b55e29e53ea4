#include "scoring/aspect_score.h"

#include "app/output_buffer.h"
#include "platform/numbers.h"
#include "program_state.h"
#include "scoring/relationship_names.h"

namespace {

void Line(ProgramState& ps, std::string text) {
    ps.output.CurrentLine = std::move(text);
    AppendLine(ps);
}

}  // namespace

std::string SingleText(float value) {
    std::string text = Str(value);
    if (!text.empty() && text[0] == ' ') text.erase(0, 1);
    const size_t digits = (!text.empty() && text[0] == '-') ? 1 : 0;
    if (text.size() > digits && text[digits] == '.') text.insert(digits, "0");
    for (char& c : text)
        if (c == '.') c = DecimalSeparator();
    return text;
}

float SumAspectPoints(ProgramState& ps) {
    const ScoringState& sc = ps.scoring;
    const auto& points = ps.chart.PointsCube;  // [aspect][A body][B body]
    float score = 0.0f;
    for (int a = 0; a <= 10; ++a)
        for (int b = 0; b <= 10; ++b)
            for (int k = 0; k <= 8; ++k)
                if (sc.AspectCube[a][b][k] == 1) score += points[k][a][b];
    ps.scoring.AspectScore = score;
    return score;
}

void AddTotalScore(ProgramState& ps) {
    SumAspectPoints(ps);
    ps.scoring.BatchTotal += ps.scoring.AspectScore;
}

void PrintAspectScore(ProgramState& ps) {
    ps.scoring.AspectScore = 0.0f;
    const std::string& nameA = ps.people.NatalNameText;
    const std::string& nameB = ps.people.SecondPersonCaption;
    // The word after A's name always starts in column 13.
    const std::string gap(nameA.size() < 7 ? 10 - nameA.size() : 3, ' ');

    AppendBlankLine(ps);
    Line(ps, "  " + nameA.substr(0, 7) + gap + "Aspect" + std::string(11, ' ') + nameB);
    Line(ps, "  -------" + gap + "------" + std::string(11, ' ') + std::string(nameB.size(), '-'));

    const auto& points = ps.chart.PointsCube;
    float score = 0.0f;
    for (int a = 0; a <= 10; ++a) {
        for (int b = 0; b <= 10; ++b) {
            for (int k = 0; k <= 8; ++k) {
                if (ps.scoring.AspectCube[a][b][k] != 1) continue;
                const float value = points[k][a][b];
                score += value;
                Line(ps, "  " + RelBodyName(ps.settings, a) + "   " + RelAspectName(ps.settings, k) + "   " +
                             RelBodyName(ps.settings, b) + "  (" + SingleText(value) + ")");
            }
        }
    }
    ps.scoring.AspectScore = score;
    AppendBlankLine(ps);
    Line(ps, "  Total score = " + SingleText(score) + " points.");
}
