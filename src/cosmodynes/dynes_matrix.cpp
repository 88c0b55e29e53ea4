#include "cosmodynes/dynes_matrix.h"

#include <cctype>
#include <string>
#include <vector>

#include "app/number_padding.h"
#include "cosmodynes/cosmodyne_engine.h"
#include "cosmodynes/cosmodyne_rules.h"
#include "cosmodynes/dynes_report_fields.h"
#include "platform/numbers.h"
#include "program_state.h"

namespace {

using dynes::Spaces;

std::string RowLabel(const std::string& planetName) {
    const std::string s = (planetName + "   ").substr(0, 3);
    if (s == "MC ") return "  " + s + "  ";
    std::string label = "  ";
    label += s[0];
    label += static_cast<char>(std::tolower(static_cast<unsigned char>(s[1])));
    label += static_cast<char>(std::tolower(static_cast<unsigned char>(s[2])));
    return label + "  ";
}

// A cell that rounds to 0.00 or -0.00 shows "----". The test looks at the
// digits themselves, so a value below 1 written with a decimal comma
// ("0,50"), which reads as 0 up to the comma, keeps its number.
std::string Cell(float value) {
    const std::string t = PadSignedNumber2(Format(value, "#0.00"));
    if (t.find_first_of("123456789") == std::string::npos) return "  ---- ";
    return t + " ";
}

}  // namespace

void PrintDynesMatrix(ProgramState& ps) {
    const ChartState& cs = ps.chart;
    const CosmodyneState& cd = ps.cosmodynes;
    const int n = CosmodyneBodyCount(cs);
    const bool relationship = cd.RelationshipMode == 1;
    std::vector<int> shown;
    for (int b = 1; b <= n; ++b) {
        if (b == cosmo::kNorthNode || b == cosmo::kSouthNode) continue;
        if (b == cosmo::kChiron && !cs.UseChiron) continue;
        if (b == cosmo::kMC && relationship) continue;
        shown.push_back(b);
    }

    std::string header = "Sun    Mer    Ven    Mar    Jup    Sat    Ura    Nep    Plu    Moo";
    if (cs.UseChiron) header += "    Chi";
    if (n >= 14) header += "    Asc";
    if (n == 15 && !relationship) header += "    MC";
    header = Spaces(10) + header;

    dynes::EmitBlank(ps);
    dynes::EmitBlank(ps);
    dynes::Emit(ps, Spaces(25) + "Power is listed in upper right section.");
    dynes::Emit(ps, Spaces(25) + "Harmony is listed in lower left section.");
    dynes::EmitBlank(ps);
    dynes::Emit(ps, header);
    dynes::CopyLine(ps, Spaces(6) + "Power is listed in upper right section. Harmony is listed in lower left section.");
    ps.cosmodynes.DynesLineCount += 1;
    dynes::CopyLine(ps, header);

    for (int i : shown) {
        std::string line = RowLabel(ps.settings.PlanetNames[static_cast<size_t>(i)]);
        for (int j : shown)
            line += j == i ? "  **** " : Cell(cd.AspectMatrix[static_cast<size_t>(i)][static_cast<size_t>(j)]);
        dynes::Emit(ps, line);
        dynes::CopyLine(ps, line);
    }
}
