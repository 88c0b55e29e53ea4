#include "cosmodynes/dynes_report_fields.h"

#include <cmath>

#include "app/number_padding.h"
#include "app/output_buffer.h"
#include "platform/clipboard.h"
#include "platform/dates.h"
#include "platform/numbers.h"
#include "program_state.h"

namespace dynes {

std::string NumberField(double value) {
    std::string text = Format(value, "###0.00");
    // "-0" and the separator: the value is negative, whatever Val reads.
    if (text.size() > 2 && text[0] == '-' && text[1] == '0' && (text[2] == '.' || text[2] == ','))
        return Spaces(2) + text;
    return PadSignedNumber(text);
}

std::string ShareField(double value, double sum) {
    const double share = sum == 0 ? 0.0 : value * 100 / sum;
    return PadNumber2(Format(share, "#0.0"));
}

void Emit(ProgramState& ps, std::string line) {
    ps.output.CurrentLine = std::move(line);
    AppendLine(ps);
}

void EmitBlank(ProgramState& ps) { AppendBlankLine(ps); }

void StartDynesCopy(ProgramState& ps) {
    CosmodyneState& cd = ps.cosmodynes;
    const ChartState& cs = ps.chart;
    cd.DynesLines.assign(86, std::string());
    cd.DynesLineCount = 0;
    CopyLine(ps, "  " + cs.ChartName + ", " + FormatDateText(cs.NatalDateText, "dd mmm yyyy", ps.settings.DateOrder) +
                     ", " + "TZ = " + Format(cs.NatalZone, "##0.0") + ", " + Format(cs.NatalTime, "#0.00") + " " +
                     cs.NatalAmPm + ", " + Format(std::fabs(cs.NatalLatitude), "##0.00") + " " + cs.NatalNorthSouth +
                     ", " + Format(std::fabs(cs.NatalLongitude), "##0.00") + " " + cs.NatalEastWest);
    cd.DynesLineCount = 2;
}

void CopyLine(ProgramState& ps, std::string_view line) {
    CosmodyneState& cd = ps.cosmodynes;
    if (cd.DynesLineCount >= 0 && cd.DynesLineCount < static_cast<int>(cd.DynesLines.size()))
        cd.DynesLines[static_cast<size_t>(cd.DynesLineCount)] = line;
    cd.DynesLineCount += 1;
}

void CopyAppend(ProgramState& ps, std::string_view text) {
    CosmodyneState& cd = ps.cosmodynes;
    if (cd.DynesLineCount >= 0 && cd.DynesLineCount < static_cast<int>(cd.DynesLines.size()))
        cd.DynesLines[static_cast<size_t>(cd.DynesLineCount)] += text;
}

void PutDynesOnClipboard(ProgramState& ps) {
    const CosmodyneState& cd = ps.cosmodynes;
    std::string text;
    const int count = std::min(cd.DynesLineCount, static_cast<int>(cd.DynesLines.size()));
    for (int k = 0; k < count; ++k) text += cd.DynesLines[static_cast<size_t>(k)] + ps.settings.NewLine;
    SetClipboardText(text);
}

}  // namespace dynes
