#include "wheels/ui/wheel_print.h"

#include <QPainter>

#include "app/options_file.h"
#include "app/ui/report_printing.h"
#include "platform/painter_surface.h"
#include "platform/text_file.h"
#include "platform/ui/printer_output.h"
#include "program_state.h"
#include "wheels/wheel_legends.h"
#include "wheels/wheel_paint.h"

namespace {

std::string ReportsFolder(const ProgramState& ps) { return JoinPath(ps.settings.AppPath, "REPORTS"); }

}  // namespace

std::vector<std::string> ReadWheelPageFiles(ProgramState& ps) {
    Settings& s = ps.settings;
    if (s.OptionValues[178] != 0) LoadOrbsFile(s);
    return ReadPersonalLines(s.AppPath, s.OptionValues[174]);
}

bool PrintWheelFullPage(ProgramState& ps) {
    const std::vector<std::string> personalLines = ReadWheelPageFiles(ps);
    PrinterOutput job(ReportsFolder(ps), ReportPrintTarget(), "Chartwheel");
    if (!job.IsOpen()) return false;
    WheelState& ws = ps.wheels;
    ws.PrintToPrinter = 1;
    ws.WheelSwitched = 0;
    PaintWheelPage(ps, job.Page(), personalLines);
    const bool sent = job.EndDoc();
    ws.PrintToPrinter = 0;
    return sent;
}

QImage HalfPageImage(ProgramState& ps, int widthPx, int heightPx) {
    QImage image(std::max(widthPx, 1), std::max(heightPx, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    WheelState& ws = ps.wheels;
    const int windowScale = ps.settings.StartScale;
    ws.HalfPagePrint = 1;
    ws.PrintToPrinter = 0;
    {
        QPainter painter(&image);
        PainterSurface surface(&painter, true);
        if (ResizeWheelWindow(ps, image.width(), image.height()))
            PaintWheelWindow(ps, surface, image.width(), image.height());
    }
    ws.HalfPagePrint = 0;
    ps.settings.StartScale = windowScale;
    return image;
}

bool PrintWheelHalfPage(ProgramState& ps, int widthPx, int heightPx) {
    const QImage image = HalfPageImage(ps, widthPx, heightPx);
    PrinterOutput job(ReportsFolder(ps), ReportPrintTarget(), "Chartwheel");
    if (!job.IsOpen()) return false;
    job.PrintImage(image);
    return job.EndDoc();
}
