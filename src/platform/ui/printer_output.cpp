#include "platform/ui/printer_output.h"

#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/dialogs.h"
#include "platform/painter_surface.h"
#include "platform/recording_surface.h"
#include "platform/text_file.h"

std::string NewPrintFileName(const std::string& folder) {
    const std::string stamp = QDateTime::currentDateTime().toString("yyyyMMdd_hhmmss").toStdString();
    std::string name = "PRINT_" + stamp + ".pdf";
    for (int n = 2; FileExists(JoinPath(folder, name)); ++n) name = "PRINT_" + stamp + "_" + std::to_string(n) + ".pdf";
    return name;
}

PrinterOutput::PrinterOutput(const std::string& reportsFolder, Target target, const std::string& jobName) {
    const bool havePrinter = target == Target::Automatic && !QPrinterInfo::defaultPrinter().isNull();
    if (havePrinter) {
        printer_ = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    } else {
        toPdf_ = true;
        QDir().mkpath(QString::fromStdString(reportsFolder));
        pdfPath_ = JoinPath(reportsFolder, NewPrintFileName(reportsFolder));
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(QString::fromStdString(pdfPath_));
    }
    printer_->setDocName(FromCp1252(jobName));
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(printer_.get())) {
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
    printer_->newPage();
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
    const bool finished = painter_->end();
    if (toPdf_) {
        if (finished) {
            MsgBox("No printer is set up. The pages were saved in the file " + PathToText(pdfPath_) + ".", MsgButtons::OK,
                   "Information", MsgIcon::Information);
        } else {
            MsgBox("The print file " + PathToText(pdfPath_) + " could not be written.", MsgButtons::OK, "Error!",
                   MsgIcon::Critical);
        }
    }
    return finished;
}
