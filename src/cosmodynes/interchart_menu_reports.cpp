#include "cosmodynes/interchart_menu_reports.h"

#include "app/output_buffer.h"
#include "cosmodynes/interchart_cosmodynes.h"
#include "cosmodynes/interchart_lines.h"
#include "platform/screen_pointer.h"
#include "program_state.h"

namespace {

void StartPage(ProgramState& ps) {
    if (SecondPersonTicked(ps)) StartReportWithBothHeaders(ps);
    else StartReportWithHeader(ps);
}

void TransitPage(ProgramState& ps, int listEachAspect) {
    StartPage(ps);
    SetMousePointer(kHourglassPointer);
    ps.interchart.ListEachAspect = listEachAspect;
    InterchartCosmodynes(ps);
    ps.interchart.ListEachAspect = 0;
    SetMousePointer(kDefaultPointer);
    ShowOutput(ps);
}

}  // namespace

void AppendInterchartReport(ProgramState& ps) {
    SetMousePointer(kHourglassPointer);
    InterchartCosmodynes(ps);
    SetMousePointer(kDefaultPointer);
}

void TransitCosmodynes(ProgramState& ps) { TransitPage(ps, 0); }

void TransitCosmodynesWithAspects(ProgramState& ps) { TransitPage(ps, 1); }
