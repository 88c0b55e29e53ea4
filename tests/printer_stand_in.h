#pragma once
// A print server holding the printer a test describes: installed or not,
// chosen as the default or not, its default paper, and whether it takes
// jobs. A job on it is written to a PDF file, so its pages can be read back.
#include <QPagedPaintDevice>
#include <QPdfWriter>

#include "platform/ui/print_server.h"

class PrinterStandIn : public PrintServer {
public:
    DefaultPrinter printer;   // what the look-up finds
    std::string outputPath;   // where a job on the printer is written
    std::optional<std::string> refusal;  // set: the printer refuses every job
    int lookUps = 0;

    DefaultPrinter LookUpDefault() override {
        ++lookUps;
        return printer;
    }
    std::unique_ptr<QPagedPaintDevice> OpenJob(const QString& docName) override {
        auto writer = std::make_unique<QPdfWriter>(QString::fromStdString(outputPath));
        writer->setResolution(1200);
        writer->setTitle(docName);
        return writer;
    }
    std::optional<std::string> JobRefusal() override { return refusal; }
};
