#include "app/ui/report_printing.h"

#include "app/report_files.h"
#include "platform/drawing_surface.h"
#include "platform/text_file.h"
#include "program_state.h"

PrinterOutput::Target& ReportPrintTarget() {
    static PrinterOutput::Target target = PrinterOutput::Target::Automatic;
    return target;
}

void PrinterReset(DrawingSurface& page) {
    page.SetScaleMode(ScaleUnit::Inches);
    page.SetCurrentX(0);
    page.SetCurrentY(0);
    page.SetScaleMode(ScaleUnit::Inches);
}

namespace {

void SetPrintFont(DrawingSurface& page, double fontSize) {
    PrinterReset(page);
    page.SetFontName("Courier New");
    page.SetFontSize(fontSize);
    page.SetFontTransparent(true);
}

}  // namespace

bool PrintReportLines(ProgramState& ps, const std::vector<std::string>& lines, double fontSize) {
    PrinterOutput job(JoinPath(ps.settings.AppPath, "REPORTS"), ReportPrintTarget());
    if (!job.IsOpen()) return false;
    SetPrintFont(job.Page(), fontSize);
    const auto pages = SplitPrintPages(lines, ps.settings.OptionValues[30]);
    for (size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) {
            job.NewPage();
            SetPrintFont(job.Page(), fontSize);
        }
        for (size_t i = 0; i < pages[p].size(); ++i) {
            DrawingSurface& page = job.Page();
            if (i > 0 && page.CurrentY() + page.TextHeight("X") > page.ScaleHeight()) {
                job.NewPage();
                SetPrintFont(job.Page(), fontSize);
            }
            job.Page().Print(pages[p][i]);
        }
    }
    return job.EndDoc();
}
