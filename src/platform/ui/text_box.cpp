#include "platform/ui/text_box.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStringList>
#include <QTextCursor>

#include "platform/text_file.h"

namespace {

QWidget* MakeEditor(QWidget* parent, bool multiLine) {
    if (multiLine) return new QPlainTextEdit(parent);
    return new QLineEdit(parent);
}

}  // namespace

TextBox::TextBox(QWidget* parent, bool multiLine) : Control(MakeEditor(parent, multiLine)) {
    if (multiLine) {
        plain_ = static_cast<QPlainTextEdit*>(Widget());
        QObject::connect(plain_, &QPlainTextEdit::textChanged, Context(), [this] { Changed(); });
    } else {
        line_ = static_cast<QLineEdit*>(Widget());
        QObject::connect(line_, &QLineEdit::textChanged, Context(), [this] { Changed(); });
    }
}

std::string TextBox::Text() const {
    if (line_) return ToCp1252(line_->text());
    return ToCp1252(plain_->toPlainText().replace('\n', "\r\n"));
}

int TextBox::LineNotInCodePage() const {
    const QStringList lines = (line_ ? line_->text() : plain_->toPlainText()).split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (!FitsCp1252(lines[i])) return static_cast<int>(i) + 1;
    return 0;
}

void TextBox::Changed() {
    const std::string now = Text();
    if (now == lastText_) return;
    lastText_ = now;
    if (Change) Change();
}

void TextBox::SetText(const std::string& text) {
    {
        // The widget's own signal is held back so Change runs exactly once,
        // here, before SetText returns.
        QSignalBlocker block(Widget());
        if (line_) {
            line_->setText(FromCp1252(text));
        } else {
            QString t = FromCp1252(text);
            t.replace("\r\n", "\n");
            plain_->setPlainText(t);
        }
    }
    Changed();
}

int TextBox::MaxLength() const {
    if (!line_ || line_->maxLength() >= 32767) return 0;
    return line_->maxLength();
}

void TextBox::SetMaxLength(int length) {
    if (line_) line_->setMaxLength(length > 0 ? length : 32767);
}

void TextBox::SetLocked(bool locked) {
    if (line_) line_->setReadOnly(locked);
    if (plain_) plain_->setReadOnly(locked);
}

int TextBox::SelStart() const {
    if (line_) return line_->hasSelectedText() ? line_->selectionStart() : line_->cursorPosition();
    return plain_->textCursor().selectionStart();
}

int TextBox::SelLength() const {
    if (line_) return static_cast<int>(line_->selectedText().size());
    const QTextCursor c = plain_->textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void TextBox::SetSelection(int start, int length) {
    if (line_) {
        line_->setSelection(start, length);
        return;
    }
    QTextCursor c = plain_->textCursor();
    c.setPosition(start);
    c.setPosition(start + length, QTextCursor::KeepAnchor);
    plain_->setTextCursor(c);
}

void TextBox::SelectAll() {
    if (line_) line_->selectAll();
    if (plain_) plain_->selectAll();
}

bool TextBox::FilterEvent(QEvent* event) {
    if (event->type() != QEvent::FocusIn) return Control::FilterEvent(event);
    if (GotFocus) GotFocus();
    if (QGuiApplication::mouseButtons() != Qt::NoButton && SelLength() > 0) {
        const int start = SelStart(), length = SelLength();
        QTimer::singleShot(0, Widget(), [this, start, length] { SetSelection(start, length); });
    }
    return false;
}

bool TextBox::FilterKey(QKeyEvent* event) {
    if (!KeyPress) return false;
    const int original = KeyAsciiOf(event);
    if (original == 0) return false;
    int key = original;
    KeyPress(key);
    if (key == original) return false;
    if (key == 0) return true;
    // Another character: type it in place of the one pressed.
    if (key >= 32 && key <= 255) {
        const QString replacement = FromCp1252(std::string(1, static_cast<char>(key)));
        if (line_) line_->insert(replacement);
        if (plain_) plain_->insertPlainText(replacement);
    }
    return true;
}
