#include "platform/dialogs.h"

#include <cstdio>

#include "platform/screen_pointer.h"

namespace {

// Used when no window layer or test has installed a handler (a headless
// tool): prompts are written to standard error and take their first button.
class StderrHandler : public DialogHandler {
public:
    MsgResult MessageBox(const std::string& prompt, MsgButtons buttons, MsgIcon,
                         const std::string& title) override {
        std::fprintf(stderr, "[%s] %s\n", title.c_str(), prompt.c_str());
        switch (buttons) {
            case MsgButtons::YesNo:
            case MsgButtons::YesNoCancel: return MsgResult::Yes;
            case MsgButtons::RetryCancel: return MsgResult::Retry;
            case MsgButtons::AbortRetryIgnore: return MsgResult::Abort;
            default: return MsgResult::OK;
        }
    }
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string&) override {
        std::fprintf(stderr, "[%s] %s\n", title.c_str(), prompt.c_str());
        return std::nullopt;
    }
    std::optional<std::string> ChooseFile(const FileChooserRequest&) override { return std::nullopt; }
};

StderrHandler g_stderrHandler;
DialogHandler* g_handler = &g_stderrHandler;

// A prompt waits for the user, so it shows the normal pointer even when a
// long run has set the hourglass; the run's pointer comes back once the
// prompt is answered.
class NormalPointerWhileAsking {
public:
    NormalPointerWhileAsking() : saved_(MousePointer()) {
        if (saved_ != kDefaultPointer) SetMousePointer(kDefaultPointer);
    }
    ~NormalPointerWhileAsking() {
        if (saved_ != kDefaultPointer) SetMousePointer(saved_);
    }
    NormalPointerWhileAsking(const NormalPointerWhileAsking&) = delete;
    NormalPointerWhileAsking& operator=(const NormalPointerWhileAsking&) = delete;

private:
    int saved_;
};

}  // namespace

DialogHandler* SetDialogHandler(DialogHandler* handler) {
    DialogHandler* old = g_handler;
    g_handler = handler ? handler : &g_stderrHandler;
    return old;
}

DialogHandler* CurrentDialogHandler() { return g_handler; }

MsgResult MsgBox(const std::string& prompt, MsgButtons buttons, const std::string& title, MsgIcon icon) {
    const NormalPointerWhileAsking pointer;
    return g_handler->MessageBox(prompt, buttons, icon, title);
}

MsgResult MsgBoxWithDefault(const std::string& prompt, MsgButtons buttons, int defaultButton,
                            const std::string& title, MsgIcon icon) {
    const NormalPointerWhileAsking pointer;
    return g_handler->MessageBoxWithDefault(prompt, buttons, icon, title, defaultButton);
}

std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                    const std::string& defaultText) {
    const NormalPointerWhileAsking pointer;
    return g_handler->InputBox(prompt, title, defaultText);
}

std::optional<std::string> ChooseFile(const FileChooserRequest& request) {
    const NormalPointerWhileAsking pointer;
    return g_handler->ChooseFile(request);
}
