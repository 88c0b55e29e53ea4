// A passing test run stays short: the headless platform's warnings on
// raising and sizing windows are silenced by the test set-up.
#include <QApplication>
#include <QMainWindow>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

TEST(HeadlessMessages, RaisingAndSizingWindowsPrintsNothing) {
    testing::internal::CaptureStderr();
    {
        QMainWindow window;
        window.setMinimumSize(100, 80);
        window.show();
        window.raise();
        window.activateWindow();
        window.setFixedSize(120, 90);
        QApplication::processEvents();
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    }
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(printed.find("does not support"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("XDG_RUNTIME_DIR"), std::string::npos) << printed;
}

TEST(HeadlessMessages, OtherWarningsStillShow) {
    testing::internal::CaptureStderr();
    qWarning("a warning of the program");
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_NE(printed.find("a warning of the program"), std::string::npos);
}

}  // namespace
