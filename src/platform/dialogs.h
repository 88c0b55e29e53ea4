#pragma once
// Message boxes, input boxes and the file chooser. Every prompt goes through
// the installed DialogHandler: the windows install one that shows Qt dialogs,
// a test installs a responder that records each prompt and answers it.
#include <optional>
#include <string>
#include <vector>

enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgResult { OK, Cancel, Yes, No, Retry, Abort, Ignore };

struct FileChooserRequest {
    bool save = false;              // a Save As chooser rather than an Open one
    std::string title;              // a program text (Windows-1252)
    std::string folder;             // where it opens, a path (UTF-8)
    std::string fileName;           // proposed name, a path (UTF-8)
    std::vector<std::string> patterns;  // such as "*.DOC"
    // A program text naming the patterns ("Data Files"); when given, the
    // chooser offers that one filter, as named, and no other.
    std::string filterName;
};

class DialogHandler {
public:
    virtual ~DialogHandler() = default;
    virtual MsgResult MessageBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                                 const std::string& title) = 0;
    // nullopt when the user cancels.
    virtual std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText) = 0;
    // The chosen path (UTF-8, as every path), or nullopt when cancelled.
    virtual std::optional<std::string> ChooseFile(const FileChooserRequest& request) = 0;
    // A message box whose default button (the one Enter presses) is the
    // given one, counted from 1; a handler that shows no buttons may ignore it.
    virtual MsgResult MessageBoxWithDefault(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                                            const std::string& title, int defaultButton) {
        (void)defaultButton;
        return MessageBox(prompt, buttons, icon, title);
    }
};

// Installs the handler every prompt goes to; returns the previous one.
DialogHandler* SetDialogHandler(DialogHandler* handler);
DialogHandler* CurrentDialogHandler();

// Installs a handler for the lifetime of this object, then puts back the
// one that was installed before.
class ScopedDialogHandler {
public:
    explicit ScopedDialogHandler(DialogHandler* handler) : previous_(SetDialogHandler(handler)) {}
    ~ScopedDialogHandler() { SetDialogHandler(previous_); }
    ScopedDialogHandler(const ScopedDialogHandler&) = delete;
    ScopedDialogHandler& operator=(const ScopedDialogHandler&) = delete;

private:
    DialogHandler* previous_;
};

// Answers every prompt without showing it (OK, Cancel, no file) for the
// lifetime of this object: for checks made only to learn their verdict.
class SilentDialogs : public DialogHandler {
public:
    SilentDialogs() : installed_(this) {}
    MsgResult MessageBox(const std::string&, MsgButtons, MsgIcon, const std::string&) override {
        return MsgResult::OK;
    }
    std::optional<std::string> InputBox(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseFile(const FileChooserRequest&) override { return std::nullopt; }

private:
    ScopedDialogHandler installed_;
};

// Texts are in the program's 8-bit code page.
MsgResult MsgBox(const std::string& prompt, MsgButtons buttons = MsgButtons::OK,
                 const std::string& title = "TANDRELL", MsgIcon icon = MsgIcon::None);
// The same with a default button other than the first (counted from 1).
MsgResult MsgBoxWithDefault(const std::string& prompt, MsgButtons buttons, int defaultButton,
                            const std::string& title = "TANDRELL", MsgIcon icon = MsgIcon::None);
std::optional<std::string> InputBox(const std::string& prompt, const std::string& title = "TANDRELL",
                                    const std::string& defaultText = "");
std::optional<std::string> ChooseFile(const FileChooserRequest& request);
