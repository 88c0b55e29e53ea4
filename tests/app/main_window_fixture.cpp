#include "main_window_fixture.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include "app/ui/about_window.h"
#include "app/ui/options_editor_window.h"
#include "app/ui/report_window.h"
#include "app/ui/tip_window.h"
#include "app/ui/title_window.h"
#include "app/ui/ui_state.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_natal_window.h"
#include "platform/app_path.h"
#include "platform/dates.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"
#include "test_support.h"

void MainWindowTest::SetUp() {
    folder = JoinPath(testsupport::MakeTempDir(), "Tandrell");
    lockPath = JoinPath(testsupport::MakeTempDir(), "tandrell.lock");
    ps = std::make_unique<ProgramState>();
    SetUiState(ps.get());
    responder = std::make_unique<DialogResponder>();

    MainWindowEnvironment& env = MainWindowSetup();
    env.ProgramFolder = [this] {
        SeedProgramFolder(folder, testsupport::ShippedDataDir());
        return folder;
    };
    env.InstanceLockPath = lockPath;
    env.DateOrder = [] { return 1; };
    env.TimeFormat = [] { return 1; };
    env.EndProgram = [this] { ++ends; };
}

void MainWindowTest::TearDown() {
    Stop();
    responder.reset();
    ResetMainWindowEnvironment();
    SetClock({});
}

void MainWindowTest::SetOption(int n, const std::string& value) {
    ASSERT_TRUE(SeedProgramFolder(folder, testsupport::ShippedDataDir()));
    const std::string path = JoinPath(folder, "OPTIONS.OPT");
    auto lines = ReadTextLines(path);
    ASSERT_TRUE(lines && static_cast<int>(lines->size()) >= n);
    std::string line = value;
    line.resize(7, ' ');
    (*lines)[static_cast<size_t>(n - 1)] = line + "#test";
    ASSERT_TRUE(WriteTextLines(path, *lines));
}

TANDRELL& MainWindowTest::Start() {
    Stop();
    QTimer::singleShot(0, [] {
        if (FormLoaded<TITLE>()) FormOf<TITLE>().cmdOK.PerformClick();
    });
    window = std::make_unique<TANDRELL>();
    window->Load();
    return *window;
}

void MainWindowTest::Stop() {
    UnloadForm<TITLE>();
    UnloadForm<frmTip>();
    UnloadForm<Options>();
    UnloadForm<About>();
    UnloadForm<OutputD1>();
    UnloadForm<InputD>();
    UnloadForm<InputD1>();
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
