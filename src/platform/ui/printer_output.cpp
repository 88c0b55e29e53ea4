#include "platform/ui/printer_output.h"

#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "platform/dialogs.h"
#include "platform/painter_surface.h"
#include "platform/recording_surface.h"
#include "platform/text_file.h"
#include "platform/ui/print_server.h"

namespace {

// Dots per inch of the PDF file, those of a high-resolution printer.
constexpr int kPdfResolution = 1200;

}  // namespace

std::string NewPrintFileName(const std::string& folder) {
    const std::string stamp = QDateTime::currentDateTime().toString("yyyyMMdd_hhmmss").toStdString();
    std::string name = "PRINT_" + stamp + ".pdf";
    for (int n = 2; FileExists(JoinPath(folder, name)); ++n) name = "PRINT_" + stamp + "_" + std::to_string(n) + ".pdf";
    return name;
}

PrinterOutput::PrinterOutput(const std::string& reportsFolder, Target target, const std::string& jobName) {
    const QString docName = FromCp1252(jobName);
    PrintServer::DefaultPrinter found;
    if (target == Target::Automatic) {
        server_ = &CurrentPrintServer();
        found = server_->LookUpDefault();
    }
    if (found.chosen) {
        printerName_ = found.name;
        device_ = server_->OpenJob(docName);
        // The printer's own paper; the pages are laid out on whatever size it has.
        if (device_ && found.paper.isValid()) device_->setPageSize(found.paper);
    } else {
        toPdf_ = true;
        pdfReason_ = found.installed ? "No default printer is chosen." : "No printer is set up.";
        QDir().mkpath(QString::fromStdString(reportsFolder));
        pdfPath_ = JoinPath(reportsFolder, NewPrintFileName(reportsFolder));
        // A PDF writer rather than a printer object, which would ask the
        // print server for a default printer again.
        auto writer = std::make_unique<QPdfWriter>(QString::fromStdString(pdfPath_));
        writer->setResolution(kPdfResolution);
        writer->setTitle(docName);
        device_ = std::move(writer);
    }
    auto painter = std::make_unique<QPainter>();
    if (!device_ || !painter->begin(device_.get())) {
        MsgBox(toPdf_ ? "The print file " + PathToText(pdfPath_) + " could not be written." : "The printer could not be started.",
               MsgButtons::OK, "Error!", MsgIcon::Critical);
        surface_ = std::make_unique<RecordingSurface>();
        return;
    }
    painter_ = std::move(painter);
    surface_ = std::make_unique<PainterSurface>(painter_.get(), false);
}

PrinterOutput::~PrinterOutput() { EndDoc(); }

DrawingSurface& PrinterOutput::Page() { return *surface_; }

void PrinterOutput::NewPage() {
    if (!painter_ || ended_) return;
    device_->newPage();
    surface_->SetScaleMode(ScaleUnit::Twips);
    surface_->SetCurrentX(0);
    surface_->SetCurrentY(0);
}

void PrinterOutput::PrintImage(const QImage& image) {
    if (!painter_ || ended_ || image.isNull()) return;
    const double width = surface_->DeviceWidth();
    const double height = width * image.height() / image.width();
    painter_->drawImage(QRectF(0, 0, width, height), image);
}

bool PrinterOutput::EndDoc() {
    if (!painter_ || ended_) return false;
    ended_ = true;
    bool finished = painter_->end();
    if (toPdf_) {
        if (finished) {
            MsgBox(pdfReason_ + " The pages were saved in the file " + PathToText(pdfPath_) + ".", MsgButtons::OK,
                   "Information", MsgIcon::Information);
        } else {
            MsgBox("The print file " + PathToText(pdfPath_) + " could not be written.", MsgButtons::OK, "Error!",
                   MsgIcon::Critical);
        }
    } else if (finished) {
        if (const std::optional<std::string> reason = server_->JobRefusal()) {
            finished = false;
            MsgBox("The printer \"" + printerName_ + "\" did not take the print job. Nothing was printed." +
                       (reason->empty() ? "" : "\r\n\r\n" + *reason),
                   MsgButtons::OK, "Error!", MsgIcon::Critical);
        }
    }
    return finished;
}
