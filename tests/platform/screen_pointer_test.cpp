// The mouse pointer as the original runtime kept it: one setting.
#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>

#include "platform/dialogs.h"
#include "platform/screen_pointer.h"

#include <optional>
#include <string>
#include <vector>

TEST(ScreenPointer, IsOneSettingNotAStack) {
    // A run inside a run: both set the hourglass, one default ends it.
    SetMousePointer(kHourglassPointer);
    SetMousePointer(kHourglassPointer);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_EQ(MousePointer(), 11);
    SetMousePointer(kDefaultPointer);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(MousePointer(), 0);
    // The default set again does not undo someone else's cursor.
    QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    SetMousePointer(kDefaultPointer);
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
    QGuiApplication::restoreOverrideCursor();
}

namespace {

// Notes the pointer each prompt is shown with.
class PointerAtPrompt : public DialogHandler {
public:
    MsgResult MessageBox(const std::string&, MsgButtons, MsgIcon, const std::string&) override {
        Note();
        return MsgResult::OK;
    }
    std::optional<std::string> InputBox(const std::string&, const std::string&, const std::string&) override {
        Note();
        return std::nullopt;
    }
    std::optional<std::string> ChooseFile(const FileChooserRequest&) override {
        Note();
        return std::nullopt;
    }
    std::vector<int> pointers;
    std::vector<bool> overridden;

private:
    void Note() {
        pointers.push_back(MousePointer());
        overridden.push_back(QGuiApplication::overrideCursor() != nullptr);
    }
};

}  // namespace

TEST(ScreenPointer, PromptsShowTheNormalPointerAndGiveTheHourglassBack) {
    PointerAtPrompt handler;
    ScopedDialogHandler scoped(&handler);
    SetMousePointer(kHourglassPointer);
    MsgBox("The file X was not found or cannot be read.", MsgButtons::OK, "File Not Found");
    EXPECT_EQ(MousePointer(), kHourglassPointer);
    MsgBoxWithDefault("Full page?", MsgButtons::YesNoCancel, 3, "Full page or half page chartwheel");
    InputBox("Latitude?");
    ChooseFile(FileChooserRequest{});
    EXPECT_EQ(handler.pointers, (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(handler.overridden, (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(MousePointer(), kHourglassPointer);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    SetMousePointer(kDefaultPointer);
    // Without the hourglass a prompt leaves the pointer as it was.
    MsgBox("Done.");
    EXPECT_EQ(MousePointer(), kDefaultPointer);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
