#pragma once
// A dialog responder for the people tests: records every prompt and answers
// Yes/No questions and input boxes from queues (OK otherwise).
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"

struct RecordedDialogPrompt {
    std::string prompt;
    std::string title;
    MsgButtons buttons;
    MsgIcon icon;
};

class RecordingDialogs : public DialogHandler {
public:
    RecordingDialogs() { previous_ = SetDialogHandler(this); }
    ~RecordingDialogs() override { SetDialogHandler(previous_); }

    std::vector<RecordedDialogPrompt> prompts;
    std::deque<MsgResult> answers;                     // for Yes/No questions; Yes when empty
    std::deque<std::optional<std::string>> inputs;     // for input boxes; cancel when empty

    MsgResult MessageBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                         const std::string& title) override {
        prompts.push_back({prompt, title, buttons, icon});
        if (buttons != MsgButtons::YesNo) return MsgResult::OK;
        if (answers.empty()) return MsgResult::Yes;
        const MsgResult r = answers.front();
        answers.pop_front();
        return r;
    }
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string&) override {
        prompts.push_back({prompt, title, MsgButtons::OKCancel, MsgIcon::None});
        if (inputs.empty()) return std::nullopt;
        auto r = inputs.front();
        inputs.pop_front();
        return r;
    }
    std::optional<std::string> ChooseFile(const FileChooserRequest&) override { return std::nullopt; }

private:
    DialogHandler* previous_ = nullptr;
};
