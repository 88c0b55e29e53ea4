#include "scoring/ui/organizational_fit_print.h"

#include "app/ui/report_printing.h"
#include "platform/text_file.h"
#include "program_state.h"
#include "scoring/organizational_fit.h"

bool PrintOrganizationalFit(ProgramState& ps) {
    // The orbs are read before the job starts, so a missing file leaves no
    // empty page behind.
    FitOrbs orbs{};
    if (!ReadFitOrbs(ps, orbs)) return false;
    PrinterOutput job(JoinPath(ps.settings.AppPath, "REPORTS"), ReportPrintTarget());
    if (!job.IsOpen()) return false;
    PrinterReset(job.Page());
    DrawOrganizationalFit(ps, job.Page(), orbs);
    return job.EndDoc();
}
