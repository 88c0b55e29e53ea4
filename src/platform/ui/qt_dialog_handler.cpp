#include "platform/ui/qt_dialog_handler.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

#include "platform/text_file.h"

namespace {

struct ButtonSpec {
    QMessageBox::StandardButton qt;
    MsgResult result;
};

// The buttons of each set in the order the user sees them.
std::vector<ButtonSpec> ButtonsOf(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::OK: return {{QMessageBox::Ok, MsgResult::OK}};
        case MsgButtons::OKCancel: return {{QMessageBox::Ok, MsgResult::OK}, {QMessageBox::Cancel, MsgResult::Cancel}};
        case MsgButtons::YesNo: return {{QMessageBox::Yes, MsgResult::Yes}, {QMessageBox::No, MsgResult::No}};
        case MsgButtons::YesNoCancel:
            return {{QMessageBox::Yes, MsgResult::Yes}, {QMessageBox::No, MsgResult::No},
                    {QMessageBox::Cancel, MsgResult::Cancel}};
        case MsgButtons::RetryCancel:
            return {{QMessageBox::Retry, MsgResult::Retry}, {QMessageBox::Cancel, MsgResult::Cancel}};
        case MsgButtons::AbortRetryIgnore:
            return {{QMessageBox::Abort, MsgResult::Abort}, {QMessageBox::Retry, MsgResult::Retry},
                    {QMessageBox::Ignore, MsgResult::Ignore}};
    }
    return {{QMessageBox::Ok, MsgResult::OK}};
}

QMessageBox::Icon IconOf(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Critical: return QMessageBox::Critical;
        case MsgIcon::Question: return QMessageBox::Question;
        case MsgIcon::Exclamation: return QMessageBox::Warning;
        case MsgIcon::Information: return QMessageBox::Information;
        case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

// A message box that, when it has no button to take Esc, ignores Esc and
// the close button of its frame: the user must click one of its buttons.
// Qt would otherwise let Esc and the frame answer No on a Yes/No box.
class MessageBoxWindow : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    void SetMustChoose(bool mustChoose) { mustChoose_ = mustChoose; }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (mustChoose_ && event->matches(QKeySequence::Cancel)) return;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (mustChoose_) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }

private:
    bool mustChoose_ = false;
};

// A prompt as a dialog shows it: the program ends its lines with CR LF, Qt
// with LF alone.
QString DialogText(const std::string& text) {
    QString t = FromCp1252(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

}  // namespace

std::string ChooserFilter(const std::vector<std::string>& patterns) {
    if (patterns.empty()) return "All files (*)";
    std::string joined;
    for (const std::string& p : patterns) joined += (joined.empty() ? "" : " ") + p;
    // Patterns are upper case in the program; files on Linux may be either.
    std::string lower;
    for (const std::string& p : patterns) {
        std::string l = p;
        for (char& c : l) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (l != p) lower += " " + l;
    }
    return "Files (" + joined + lower + ");;All files (*)";
}

QString ChooserFilter(const FileChooserRequest& request) {
    if (request.filterName.empty() || request.patterns.empty())
        return QString::fromStdString(ChooserFilter(request.patterns));
    std::string joined;
    for (const std::string& p : request.patterns) joined += (joined.empty() ? "" : " ") + p;
    // The chooser's name filters ignore letter case, so "*.DOC" shows ".doc" files too.
    return FromCp1252(request.filterName + " (" + joined + ")");
}

QString ChooserStartPath(const FileChooserRequest& request) {
    // Folder and file name are paths (UTF-8); the title is a program text.
    if (request.fileName.empty()) return QString::fromStdString(request.folder);
    return QString::fromStdString(JoinPath(request.folder, request.fileName));
}

MsgResult QtDialogHandler::MessageBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                                      const std::string& title) {
    return MessageBoxWithDefault(prompt, buttons, icon, title, 1);
}

MsgResult QtDialogHandler::MessageBoxWithDefault(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                                                 const std::string& title, int defaultButton) {
    const std::vector<ButtonSpec> specs = ButtonsOf(buttons);
    MessageBoxWindow box(IconOf(icon), FromCp1252(title), DialogText(prompt), QMessageBox::NoButton,
                         QApplication::activeWindow());
    std::vector<std::pair<QAbstractButton*, MsgResult>> made;
    for (const ButtonSpec& s : specs) made.emplace_back(box.addButton(s.qt), s.result);
    const int index = (defaultButton >= 1 && defaultButton <= static_cast<int>(made.size())) ? defaultButton - 1 : 0;
    box.setDefaultButton(static_cast<QPushButton*>(made[static_cast<std::size_t>(index)].first));
    // Closing the box by its frame or Esc answers Cancel where there is one,
    // OK for a lone OK button; the other sets cannot be closed that way.
    bool closable = false;
    for (const auto& [button, result] : made)
        if (result == MsgResult::Cancel || buttons == MsgButtons::OK) {
            box.setEscapeButton(button);
            closable = true;
        }
    box.SetMustChoose(!closable);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (const auto& [button, result] : made)
        if (button == clicked) return result;
    return buttons == MsgButtons::OK ? MsgResult::OK : MsgResult::Cancel;
}

int InputBoxMinimumWidth(int titleWidth) { return std::max(300, titleWidth + 160); }

std::optional<std::string> QtDialogHandler::InputBox(const std::string& prompt, const std::string& title,
                                                     const std::string& defaultText) {
    QInputDialog box(QApplication::activeWindow());
    box.setWindowTitle(FromCp1252(title));
    box.setLabelText(DialogText(prompt));
    box.setInputMode(QInputDialog::TextInput);
    box.setTextValue(FromCp1252(defaultText));
    // Wide enough that the window manager need not cut the caption short
    // (room left for the frame's icon and buttons).
    // The dialog's layout sets its own least size, so the text line is widened.
    if (auto* line = box.findChild<QLineEdit*>())
        line->setMinimumWidth(InputBoxMinimumWidth(box.fontMetrics().horizontalAdvance(box.windowTitle())) - 24);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return ToCp1252(box.textValue());
}

std::optional<std::string> QtDialogHandler::ChooseFile(const FileChooserRequest& request) {
    const QString start = ChooserStartPath(request);
    const QString filter = ChooserFilter(request);
    const QString caption = FromCp1252(request.title);
    // An empty result is a cancel, also when the chooser is closed by its frame.
    const QString chosen = request.save
                               ? QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, start, filter)
                               : QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, start, filter);
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();  // a path, UTF-8 like every path
}
