#pragma once
// The dialog handler of the running program: message boxes, input boxes and
// file choosers shown as Qt dialogs, modal to the application.
#include <QString>

#include "platform/dialogs.h"

class QtDialogHandler : public DialogHandler {
public:
    MsgResult MessageBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                         const std::string& title) override;
    MsgResult MessageBoxWithDefault(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                                    const std::string& title, int defaultButton) override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    std::optional<std::string> ChooseFile(const FileChooserRequest& request) override;
};

// Where a chooser opens: the folder, or the proposed file in it.
QString ChooserStartPath(const FileChooserRequest& request);

// The file-name filter a chooser shows for patterns such as "*.ORB".
std::string ChooserFilter(const std::vector<std::string>& patterns);
// The filter of a request: its named filter when it has one.
QString ChooserFilter(const FileChooserRequest& request);
