#pragma once
// A dialog responder for the tests: records every message and answers file
// choosers with a preset path.
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"

struct RecordedMessage {
    std::string prompt;
    std::string title;
    MsgIcon icon;
};

class DialogRecorder : public DialogHandler {
public:
    DialogRecorder() { previous_ = SetDialogHandler(this); }
    ~DialogRecorder() override { SetDialogHandler(previous_); }

    MsgResult MessageBox(const std::string& prompt, MsgButtons, MsgIcon icon, const std::string& title) override {
        messages.push_back({prompt, title, icon});
        return MsgResult::OK;
    }
    std::optional<std::string> InputBox(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseFile(const FileChooserRequest& request) override {
        requests.push_back(request);
        return chosenFile;
    }

    std::vector<RecordedMessage> messages;
    std::vector<FileChooserRequest> requests;
    std::optional<std::string> chosenFile;

private:
    DialogHandler* previous_ = nullptr;
};
