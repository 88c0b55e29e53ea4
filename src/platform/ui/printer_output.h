#pragma once
// One print job: pages drawn on a DrawingSurface go to the default printer,
// on its own default paper, when one is chosen; otherwise to a PDF file
// "PRINT_yyyyMMdd_hhmmss.pdf" (A4) in the reports folder, and the user is
// told that file's name when the job ends. The surface of each page starts
// with its origin at the top left of the printable area, counted in twips.
#include <memory>
#include <string>

class QImage;
class QPagedPaintDevice;
class QPainter;
class DrawingSurface;
class PrintServer;

class PrinterOutput {
public:
    enum class Target { Automatic, PdfFile };
    // Automatic: the default printer when there is one, else a PDF file.
    explicit PrinterOutput(const std::string& reportsFolder, Target target = Target::Automatic,
                           const std::string& jobName = "TANDRELL");
    ~PrinterOutput();
    PrinterOutput(const PrinterOutput&) = delete;
    PrinterOutput& operator=(const PrinterOutput&) = delete;

    // False when the job could not be started (the user has been told).
    bool IsOpen() const { return painter_ != nullptr && !ended_; }
    bool ToPdf() const { return toPdf_; }
    // The PDF file the job writes; empty when it goes to a printer.
    const std::string& PdfPath() const { return pdfPath_; }

    // The surface of the page in progress; a closed job gives one that
    // draws nowhere.
    DrawingSurface& Page();
    // Ends the page and starts the next; the surface keeps its fonts and
    // colours, the scale returns to twips and the position to the top left.
    void NewPage();
    // Prints an image (a window's picture) across the page width, keeping
    // its proportions, at the top of the page.
    void PrintImage(const QImage& image);
    // Ends the job: the last page is sent. True when it was finished and,
    // on a printer, the printer took it (the user is told when it did not).
    bool EndDoc();

private:
    PrintServer* server_ = nullptr;
    std::string printerName_;
    // Why the pages go to a file: no printer at all, or none chosen as default.
    std::string pdfReason_;
    std::unique_ptr<QPagedPaintDevice> device_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<DrawingSurface> surface_;
    std::string pdfPath_;
    bool toPdf_ = false;
    bool ended_ = false;
};

// A file name "PRINT_yyyyMMdd_hhmmss.pdf" for now that does not exist yet in
// the folder (a suffix "_2", "_3", ... when it does).
std::string NewPrintFileName(const std::string& folder);
