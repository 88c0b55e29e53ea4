#pragma once
// Dialog handlers for tests. DialogResponder records every prompt and answers
// each from a queue of expected answers; a prompt with no answer left fails
// the running test and is answered the safe way (OK, No, Abort or Cancel; no
// text, no file). DialogRecorder records and answers alike but takes a prompt
// with no answer left without failing, for tests that deliberately leave
// some prompts unchecked. Each installs itself for its lifetime and puts the
// previous handler back afterwards.
#include <deque>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/dialogs.h"

struct RecordedPrompt {
    enum class Kind { Message, Input, ChooseFile } kind = Kind::Message;
    std::string text;      // prompt; for a file chooser its title
    std::string title;
    MsgButtons buttons = MsgButtons::OK;
    MsgIcon icon = MsgIcon::None;
    int defaultButton = 1;
    std::string defaultText;           // input box
    FileChooserRequest fileRequest;    // file chooser
};

class DialogResponder : public DialogHandler {
public:
    // What a prompt with no queued answer does besides getting the safe answer.
    enum class Unexpected { Fail, Allow };

    explicit DialogResponder(Unexpected unexpected = Unexpected::Fail);
    ~DialogResponder() override;
    DialogResponder(const DialogResponder&) = delete;
    DialogResponder& operator=(const DialogResponder&) = delete;

    // Queue the answer of the next message box (of the next few, with times).
    DialogResponder& Answer(MsgResult result, int times = 1);
    // Queue the text of the next input box or the path of the next file
    // chooser; nullopt answers Cancel.
    DialogResponder& AnswerText(std::optional<std::string> text);

    const std::vector<RecordedPrompt>& Prompts() const { return prompts_; }
    // Answers queued but never asked for.
    std::size_t UnusedAnswers() const { return answers_.size(); }

    MsgResult MessageBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                         const std::string& title) override;
    MsgResult MessageBoxWithDefault(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                                    const std::string& title, int defaultButton) override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    std::optional<std::string> ChooseFile(const FileChooserRequest& request) override;

private:
    using AnswerValue = std::variant<MsgResult, std::optional<std::string>>;
    std::optional<AnswerValue> Next(const RecordedPrompt& prompt);

    Unexpected unexpected_;
    std::deque<AnswerValue> answers_;
    std::vector<RecordedPrompt> prompts_;
    DialogHandler* previous_;
};

class DialogRecorder : public DialogResponder {
public:
    DialogRecorder() : DialogResponder(Unexpected::Allow) {}
};
