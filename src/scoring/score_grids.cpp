#include "scoring/score_grids.h"

#include <string>
#include <utility>

#include "app/number_padding.h"
#include "app/output_buffer.h"
#include "platform/numbers.h"
#include "program_state.h"

namespace {

void Line(ProgramState& ps, const std::string& text) {
    ps.output.CurrentLine = text;
    AppendLine(ps);
}

// One row of a grid: a 7-character label, then each entry right-aligned
// with one decimal and followed by a blank.
std::string GridRow(const ScoringState::MagiGrid& grid, int code, int row) {
    std::string line = (row < 10 ? "   " : "  ") + std::to_string(row) + " - ";
    for (int column = 1; column <= 15; ++column) line += PadSignedNumber(Format(grid[code][row][column], "0.0")) + " ";
    return line;
}

}  // namespace

void DataGrids(ProgramState& ps) {
    StartReport(ps);
    const std::pair<const ScoringState::MagiGrid*, const char*> tables[] = {
        {&ps.scoring.MagiGridA, "ROMANCE"},
        {&ps.scoring.MagiGridB, "SEX"},
        {&ps.scoring.MagiGridC, "COMPATIBILITY"},
    };
    constexpr int kCodes[] = {2, 4, 5, 6, 7, 9, 11};
    for (const auto& [grid, title] : tables) {
        Line(ps, std::string("  ") + title);
        for (int code : kCodes) {
            Line(ps, "  Q = " + std::to_string(code));
            for (int row = 1; row <= 15; ++row) Line(ps, GridRow(*grid, code, row));
            AppendBlankLine(ps);
        }
    }
    ShowOutput(ps);
}
