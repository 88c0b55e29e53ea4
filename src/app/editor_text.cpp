#include "app/editor_text.h"

#include "app/options_file.h"
#include "app/settings.h"
#include "platform/dialogs.h"
#include "platform/text_file.h"

std::optional<std::string> LoadEditorText(const std::string& path) {
    const auto lines = ReadTextLines(path);
    if (!lines) return std::nullopt;
    std::string text;
    for (const std::string& line : *lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string EditorTextForSave(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    if (out.size() >= 2 && out.compare(out.size() - 2, 2, "\r\n") == 0) out.resize(out.size() - 2);
    return out;
}

bool SaveEditorText(const std::string& path, const std::string& text) {
    if (WriteFileBytes(path, EditorTextForSave(text))) return true;
    MsgBox("The file " + PathToText(path) + " could not be written. Your changes were not saved.", MsgButtons::OK,
           "Warning!", MsgIcon::Exclamation);
    return false;
}

bool SaveOptionsEditorText(Settings& s, const std::string& text) {
    if (!SaveEditorText(OptionsFilePath(s), text)) return false;
    return ReadOptionsFile(s);
}
