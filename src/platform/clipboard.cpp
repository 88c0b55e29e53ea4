#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/text_file.h"

namespace {

QClipboard* Clipboard() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}

}  // namespace

void SetClipboardText(const std::string& text) {
    if (QClipboard* cb = Clipboard()) cb->setText(FromCp1252(text));
}

std::string ClipboardText() {
    QClipboard* cb = Clipboard();
    return cb ? ToCp1252(cb->text()) : std::string();
}
