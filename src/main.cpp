// Starts the program: one Qt application, the program state, and the main
// window, whose loading runs the start-up sequence. Returns when the
// program ends.
#include <QApplication>
#include <clocale>
#include <memory>

#include "app/ui/main_window.h"
#include "app/ui/ui_state.h"
#include "platform/ui/form_registry.h"
#include "platform/ui/qt_dialog_handler.h"
#include "program_state.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Qt takes the whole C locale from the system; numbers in files and in
    // the code's own conversions are always written and read with a point,
    // and reports get the regional separator through Format.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("Tandrell");
    // Only the exit sequence ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    auto ps = std::make_unique<ProgramState>();
    SetUiState(ps.get());
    QtDialogHandler dialogs;
    ScopedDialogHandler installed(&dialogs);

    TANDRELL& mainWindow = FormOf<TANDRELL>();
    if (mainWindow.Ended()) return 0;
    mainWindow.Show();
    return app.exec();
}
