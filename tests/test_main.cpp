// Runs every test with a QApplication on the offscreen platform, so window
// tests never need a display.
#include <QApplication>
#include <QString>
#include <clocale>
#include <gtest/gtest.h>

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

// The headless platform warns on every raise and size hint of a window, and
// Qt on a missing runtime folder; none of it concerns a test, and hundreds
// of such lines would hide the report of a failing one. Every other message
// goes through as before.
void QuietHeadlessMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg || type == QtDebugMsg || type == QtInfoMsg) {
        if (message.startsWith(QLatin1String("This plugin does not support")) ||
            message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
            return;
    }
    if (qtDefaultHandler) qtDefaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qtDefaultHandler = qInstallMessageHandler(QuietHeadlessMessages);
    QApplication app(argc, argv);
    // As the program does: the C library's number conversions use a point.
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
