#pragma once
// A dialog handler for tests: it records every prompt and answers each from
// a queue of expected answers. A prompt with no answer left fails the
// running test and is answered Cancel (or No, or nothing). It installs itself
// for its lifetime and puts the previous handler back afterwards.
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
    DialogResponder();
    ~DialogResponder() override;
    DialogResponder(const DialogResponder&) = delete;
    DialogResponder& operator=(const DialogResponder&) = delete;

    // Queue the answer of the next message box.
    DialogResponder& Answer(MsgResult result);
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

    std::deque<AnswerValue> answers_;
    std::vector<RecordedPrompt> prompts_;
    DialogHandler* previous_;
};
