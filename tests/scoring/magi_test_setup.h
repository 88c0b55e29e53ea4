#pragma once
// Synthetic charts for the Magi report tests: every body of chart A stands
// at one place and every body of chart B at another, far from any aspect,
// so a test moves only the bodies it is about. Lines are found by the two
// body names they carry.
#include <QDir>
#include <string>
#include <vector>

#include "app/constant_tables.h"
#include "platform/numbers.h"
#include "program_state.h"
#include "test_support.h"

namespace magitest {

// Column of the first body name in a couple line (after the three scores)
// and in a natal line.
inline constexpr size_t kCoupleBodyColumn = 27;
inline constexpr size_t kNatalBodyColumn = 2;

// A state with the name tables and a program folder; chart A's bodies at
// 10 degrees longitude, chart B's at 70, Chiron (slot 13) included; their
// declinations 3 degrees apart (chart A 5, 8, .. 47; chart B 1.5 further),
// so that no two bodies form an aspect across the charts, nor any two of
// chart B in declination.
inline ProgramState MagiState() {
    ProgramState ps;
    ps.settings.AppPath = testsupport::MakeTempDir();
    QDir(QString::fromStdString(ps.settings.AppPath)).mkdir("REPORTS");
    FillNameTables(ps.settings);
    SetDecimalSeparator('.');
    for (int b = 1; b <= 15; ++b) {
        ps.chart.NatalLongitudes[b] = 10;
        ps.chart.NatalDeclinations[b] = 2 + 3 * b;
        ps.chart.SecondLongitudes[b] = 70;
        ps.chart.SecondDeclinations[b] = 3.5 + 3 * b;
    }
    ps.people.NatalNameText = "Ann";
    ps.people.SecondPersonCaption = "Ben";
    return ps;
}

// The lines of the current page.
inline std::vector<std::string> PageLines(const ProgramState& ps) {
    return {ps.output.OutputPage.begin(), ps.output.OutputPage.begin() + ps.output.PageLineCount};
}

// The parts of an aspect line from its first body name on.
struct AspectLine {
    std::string bodyA, aspect, bodyB, orb, names;
};

// The aspect lines of the page that set the two bodies (10-character
// names) against each other in this order, with the first name at column.
inline std::vector<AspectLine> FindPair(const std::vector<std::string>& lines, size_t column, const std::string& a,
                                        const std::string& b) {
    std::vector<AspectLine> found;
    for (const std::string& line : lines) {
        if (line.size() < column + 41) continue;
        AspectLine l{line.substr(column, 10), line.substr(column + 10, 10), line.substr(column + 22, 10),
                     line.substr(column + 32, 9), line.substr(column + 41)};
        if (l.bodyA == a && l.bodyB == b && line.substr(column + 20, 2) == "  ") found.push_back(l);
    }
    return found;
}

inline std::string Name(const std::string& name) {
    std::string out = name;
    out.resize(10, ' ');
    return out;
}

}  // namespace magitest
