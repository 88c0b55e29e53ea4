#include "platform/screen_pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

int g_pointer = kDefaultPointer;
bool g_overrideSet = false;  // whether this setting holds one override cursor

Qt::CursorShape ShapeOf(int pointer) {
    switch (pointer) {
        case 2: return Qt::CrossCursor;
        case 3: return Qt::IBeamCursor;
        case 11: return Qt::WaitCursor;
        case 13: return Qt::BusyCursor;
        default: return Qt::ArrowCursor;
    }
}

}  // namespace

void SetMousePointer(int pointer) {
    g_pointer = pointer;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    if (pointer == kDefaultPointer) {
        if (g_overrideSet) QGuiApplication::restoreOverrideCursor();
        g_overrideSet = false;
        return;
    }
    if (g_overrideSet) {
        QGuiApplication::changeOverrideCursor(QCursor(ShapeOf(pointer)));
    } else {
        QGuiApplication::setOverrideCursor(QCursor(ShapeOf(pointer)));
        g_overrideSet = true;
    }
}

int MousePointer() { return g_pointer; }
