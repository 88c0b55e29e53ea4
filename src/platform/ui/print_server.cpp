#include "platform/ui/print_server.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <dlfcn.h>
#include <utility>

#include "platform/text_file.h"

namespace {

// The answer of the CUPS library to the last request this thread made, when
// Qt's printer support has loaded that library; nothing otherwise.
struct ServerAnswer {
    int status;
    std::string text;
};

std::optional<ServerAnswer> LastServerAnswer() {
    // Only a library already loaded: the one Qt's print engine used.
    void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!cups) return std::nullopt;
    using StatusFn = int (*)();
    using TextFn = const char* (*)();
    const auto status = reinterpret_cast<StatusFn>(dlsym(cups, "cupsLastError"));
    const auto text = reinterpret_cast<TextFn>(dlsym(cups, "cupsLastErrorString"));
    std::optional<ServerAnswer> answer;
    if (status) {
        const char* t = text ? text() : nullptr;
        answer = ServerAnswer{status(), t ? t : ""};
    }
    dlclose(cups);
    return answer;
}

// The IPP statuses up to "successful-ok-conflicting-attributes" (2) are
// successes; the others are the server's refusals and errors.
constexpr int kLastSuccessStatus = 2;

class SystemPrintServer : public PrintServer {
public:
    DefaultPrinter LookUpDefault() override {
        printer_ = QPrinterInfo::defaultPrinter();
        DefaultPrinter found;
        if (!printer_.isNull()) {
            found.installed = found.chosen = true;
            found.name = ToCp1252(printer_.printerName());
            found.paper = printer_.defaultPageSize();
        } else {
            // Asked only when there is no default, to tell the user which.
            found.installed = !QPrinterInfo::availablePrinterNames().isEmpty();
        }
        return found;
    }

    std::unique_ptr<QPagedPaintDevice> OpenJob(const QString& docName) override {
        // Made from the printer found, so Qt does not look up the default
        // again; the server keeps nothing of it once the job has its device.
        const QPrinterInfo found = std::exchange(printer_, QPrinterInfo());
        if (found.isNull()) return nullptr;
        auto printer = std::make_unique<QPrinter>(found, QPrinter::HighResolution);
        printer->setDocName(docName);
        return printer;
    }

    // Qt hands the finished job to CUPS when the painter ends, but neither
    // QPainter::end() nor QPrinter::printerState() tells whether CUPS took it;
    // the library's last answer, in this same thread, does.
    std::optional<std::string> JobRefusal() override {
        const std::optional<ServerAnswer> answer = LastServerAnswer();
        if (!answer || answer->status <= kLastSuccessStatus) return std::nullopt;
        return ToCp1252(QString::fromUtf8(answer->text.c_str()));
    }

private:
    QPrinterInfo printer_;
};

SystemPrintServer g_systemServer;
PrintServer* g_server = &g_systemServer;

}  // namespace

PrintServer* SetPrintServer(PrintServer* server) {
    PrintServer* previous = g_server;
    g_server = server ? server : &g_systemServer;
    return previous;
}

PrintServer& CurrentPrintServer() { return *g_server; }
