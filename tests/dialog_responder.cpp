#include "dialog_responder.h"

#include <gtest/gtest.h>

namespace {

// The answer given to a prompt nobody expected: the safe way out.
MsgResult SafeAnswer(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::OK: return MsgResult::OK;
        case MsgButtons::YesNo: return MsgResult::No;
        case MsgButtons::AbortRetryIgnore: return MsgResult::Abort;
        default: return MsgResult::Cancel;
    }
}

}  // namespace

DialogResponder::DialogResponder(Unexpected unexpected)
    : unexpected_(unexpected), previous_(SetDialogHandler(this)) {}

DialogResponder::~DialogResponder() { SetDialogHandler(previous_); }

DialogResponder& DialogResponder::Answer(MsgResult result, int times) {
    for (int i = 0; i < times; ++i) answers_.emplace_back(result);
    return *this;
}

DialogResponder& DialogResponder::AnswerText(std::optional<std::string> text) {
    answers_.emplace_back(std::move(text));
    return *this;
}

std::optional<DialogResponder::AnswerValue> DialogResponder::Next(const RecordedPrompt& prompt) {
    prompts_.push_back(prompt);
    if (answers_.empty()) {
        if (unexpected_ == Unexpected::Allow) return std::nullopt;
        ADD_FAILURE() << "Unexpected prompt \"" << prompt.text << "\" titled \"" << prompt.title << "\"";
        return std::nullopt;
    }
    AnswerValue answer = answers_.front();
    answers_.pop_front();
    return answer;
}

MsgResult DialogResponder::MessageBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                                      const std::string& title) {
    return MessageBoxWithDefault(prompt, buttons, icon, title, 1);
}

MsgResult DialogResponder::MessageBoxWithDefault(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                                                 const std::string& title, int defaultButton) {
    RecordedPrompt p;
    p.kind = RecordedPrompt::Kind::Message;
    p.text = prompt;
    p.title = title;
    p.buttons = buttons;
    p.icon = icon;
    p.defaultButton = defaultButton;
    std::optional<AnswerValue> answer = Next(p);
    if (!answer) return SafeAnswer(buttons);
    if (const MsgResult* r = std::get_if<MsgResult>(&*answer)) return *r;
    ADD_FAILURE() << "A text answer was queued for the message \"" << prompt << "\"";
    return SafeAnswer(buttons);
}

std::optional<std::string> DialogResponder::InputBox(const std::string& prompt, const std::string& title,
                                                     const std::string& defaultText) {
    RecordedPrompt p;
    p.kind = RecordedPrompt::Kind::Input;
    p.text = prompt;
    p.title = title;
    p.defaultText = defaultText;
    std::optional<AnswerValue> answer = Next(p);
    if (!answer) return std::nullopt;
    if (const auto* t = std::get_if<std::optional<std::string>>(&*answer)) return *t;
    ADD_FAILURE() << "A button answer was queued for the input box \"" << prompt << "\"";
    return std::nullopt;
}

std::optional<std::string> DialogResponder::ChooseFile(const FileChooserRequest& request) {
    RecordedPrompt p;
    p.kind = RecordedPrompt::Kind::ChooseFile;
    p.text = request.title;
    p.title = request.title;
    p.fileRequest = request;
    std::optional<AnswerValue> answer = Next(p);
    if (!answer) return std::nullopt;
    if (const auto* t = std::get_if<std::optional<std::string>>(&*answer)) return *t;
    ADD_FAILURE() << "A button answer was queued for the file chooser \"" << request.title << "\"";
    return std::nullopt;
}
