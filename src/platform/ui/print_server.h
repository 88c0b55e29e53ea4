#pragma once
// The system's printers as a print job meets them: which printer is the
// default, the paint device of a job on it, and whether it took the job.
// The program asks the print server through Qt; a test installs a stand-in.
#include <QPageSize>
#include <QString>
#include <memory>
#include <optional>
#include <string>

class QPagedPaintDevice;

class PrintServer {
public:
    struct DefaultPrinter {
        bool installed = false;  // at least one printer is set up
        bool chosen = false;     // one of them is chosen as the default
        std::string name;        // the default printer's name (program text)
        QPageSize paper;         // its own default paper; invalid when it names none
    };

    virtual ~PrintServer() = default;
    // Asks which printer is the default: made once per print job, since the
    // server may be slow to answer.
    virtual DefaultPrinter LookUpDefault() = 0;
    // The paint device of a job on the default printer found by the last
    // look-up; null when it cannot be made.
    virtual std::unique_ptr<QPagedPaintDevice> OpenJob(const QString& docName) = 0;
    // Once the job's painter has ended: the printer's reason when it did
    // not take the job (it may be empty), nothing when it took it.
    virtual std::optional<std::string> JobRefusal() = 0;
};

// Installs the server every print job asks; nullptr puts back the system's.
// Returns the previous one.
PrintServer* SetPrintServer(PrintServer* server);
PrintServer& CurrentPrintServer();

// Installs a server for the lifetime of this object.
class ScopedPrintServer {
public:
    explicit ScopedPrintServer(PrintServer* server) : previous_(SetPrintServer(server)) {}
    ~ScopedPrintServer() { SetPrintServer(previous_); }
    ScopedPrintServer(const ScopedPrintServer&) = delete;
    ScopedPrintServer& operator=(const ScopedPrintServer&) = delete;

private:
    PrintServer* previous_;
};
