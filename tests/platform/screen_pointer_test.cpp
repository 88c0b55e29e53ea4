// The mouse pointer as the original runtime kept it: one setting.
#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>

#include "platform/screen_pointer.h"

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
