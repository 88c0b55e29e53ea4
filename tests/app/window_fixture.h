#pragma once
// A program folder in a temporary folder with the shipped settings files, a
// fresh program state for the windows, the report window's hooks, and a
// dialog responder; every window of this branch is unloaded afterwards.
#include <QCoreApplication>
#include <QEvent>
#include <gtest/gtest.h>

#include "app/options_file.h"
#include "app/output_buffer.h"
#include "app/ui/about_window.h"
#include "app/ui/file_chooser_window.h"
#include "app/ui/options_editor_window.h"
#include "app/ui/orbs_editor_window.h"
#include "app/ui/print_editor_window.h"
#include "app/ui/report_printing.h"
#include "app/ui/report_window.h"
#include "app/ui/status_window.h"
#include "app/ui/tip_window.h"
#include "app/ui/title_window.h"
#include "app/ui/ui_state.h"
#include "dialog_responder.h"
#include "platform/app_path.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"
#include "test_support.h"

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ps.settings.AppPath = testsupport::MakeTempDir();
        for (const char* name : {"OPTIONS.OPT", "OPTIONS.MAS", "NATAL.ORB", "TIPOFDAY.TXT", "OUTPUTD1.HLP"})
            testsupport::WriteBytes(JoinPath(ps.settings.AppPath, name),
                                    testsupport::ReadBytes(JoinPath(testsupport::ShippedDataDir(), name)));
        MakeReportsFolder(ps.settings.AppPath);
        ps.settings.CurrentOrbFile = JoinPath(ps.settings.AppPath, "NATAL.ORB");
        ReadOptionsFile(ps.settings);
        ps.chart.CaptionPrefix = "Tropical - ";
        SetUiState(&ps);
        InstallReportWindow(ps, [this] { ++mainWindowFocused; });
        ReportPrintTarget() = PrinterOutput::Target::PdfFile;
    }

    void TearDown() override {
        UnloadForm<PrntFile>();
        UnloadForm<OutputD1>();
        UnloadForm<Options>();
        UnloadForm<OrbsEdit>();
        UnloadForm<TITLE>();
        UnloadForm<About>();
        UnloadForm<frmTip>();
        UnloadForm<StatusDlg>();
        UnloadForm<SelectFIle>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetFileChosenHook({});
    }

    std::string AppFile(const std::string& name) const { return JoinPath(ps.settings.AppPath, name); }

    // Builds a page of the given lines and shows it through ShowOutput.
    void ShowPage(const std::vector<std::string>& lines) {
        StartReport(ps);
        for (const std::string& line : lines) {
            ps.output.CurrentLine = line;
            AppendLine(ps);
        }
        ShowOutput(ps);
    }

    ProgramState ps;
    DialogResponder responder;
    int mainWindowFocused = 0;
};
