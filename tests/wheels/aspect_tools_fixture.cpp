#include "aspect_tools_fixture.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <cstdlib>
#include <regex>

#include "app/ui/report_printing.h"
#include "app/ui/ui_state.h"
#include "people/ui/input_window_hooks.h"
#include "platform/font_registry.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"
#include "test_support.h"
#include "wheel_test_support.h"
#include "app/ui/file_chooser_window.h"
#include "app/ui/orbs_editor_window.h"
#include "wheels/ui/aspect_list_window.h"
#include "wheels/ui/astro_line_window.h"
#include "wheels/ui/wheels_window.h"

void AspectToolsTest::SetUp() {
    static const RegisteredFont font = AddFontFile(JoinPath(testsupport::ShippedDataDir(), "tandrell.ttf"));
    ASSERT_GE(font.Id, 0);
    SetUiState(&ps);
    responder = std::make_unique<DialogResponder>();
    ReportPrintTarget() = PrinterOutput::Target::PdfFile;
    InputHooks().FocusMainWindow = [this] { ++focused; };
}

void AspectToolsTest::TearDown() {
    UnloadForm<CWAspect>();
    UnloadForm<AstrLine>();
    UnloadForm<OrbsEdit>();
    UnloadForm<SelectFIle>();
    UnloadForm<Wheels>();
    Settle();
    InputHooks().FocusMainWindow = nullptr;
    ReportPrintTarget() = PrinterOutput::Target::Automatic;
    responder.reset();
    SetUiState(nullptr);
}

void AspectToolsTest::ComputeCouple(const fixtures::Couple& couple) {
    wheeltest::ComputeWheelCouple(ps, couple);
    for (const char* name : {"NATAL.ORB", "MAGI_NAT.ORB", "TRANSIT.ORB", "COMPOSIT.ORB", "NAT2TRAN.ORB", "SYNASTRY.ORB",
                             "MAGI.ORB", "VENUS_Z.ORB", "PERSONAL.NAM"})
        testsupport::WriteBytes(JoinPath(ps.settings.AppPath, name),
                                testsupport::ReadBytes(JoinPath(testsupport::ShippedDataDir(), name)));
}

Wheels& AspectToolsTest::OpenWheels() {
    UnloadForm<Wheels>();
    Settle();
    Wheels& w = FormOf<Wheels>();
    w.Show();
    QApplication::processEvents();
    return w;
}

std::vector<std::string> AspectToolsTest::PdfFiles() const {
    std::vector<std::string> files;
    const QDir dir(QString::fromStdString(JoinPath(ps.settings.AppPath, "REPORTS")));
    for (const QString& name : dir.entryList({"*.pdf"}, QDir::Files, QDir::Name))
        files.push_back(JoinPath(ps.settings.AppPath, "REPORTS/" + name.toStdString()));
    return files;
}

void AspectToolsTest::Shot(const QImage& image, const char* name) {
    if (const char* dir = std::getenv("TANDRELL_WHEEL_SHOTS")) image.save(QString(dir) + "/" + name + ".png");
}

void AspectToolsTest::Settle() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int PdfPageCount(const std::string& bytes) {
    static const std::regex page("/Type\\s*/Page(?![a-zA-Z])");
    return static_cast<int>(std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page), std::sregex_iterator()));
}

std::optional<std::string> PdfText(const std::string& path) {
    const QString tool = QStandardPaths::findExecutable("pdftotext");
    if (tool.isEmpty()) return std::nullopt;
    QProcess p;
    p.start(tool, {"-layout", QString::fromStdString(path), "-"});
    if (!p.waitForFinished(20000)) return std::nullopt;
    return p.readAllStandardOutput().toStdString();
}
