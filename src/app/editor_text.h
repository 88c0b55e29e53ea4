#pragma once
// The options and orb editors edit a whole file as one text. Loading puts
// CR LF after every line; saving writes the text back less the final CR LF
// that loading added. Only a final CR LF that is really there is dropped, so
// characters the user typed at the end are never cut.
#include <optional>
#include <string>

struct Settings;

// The file's lines, each followed by CR LF; nullopt when it cannot be read.
std::optional<std::string> LoadEditorText(const std::string& path);

// The bytes an editor writes for its text: line ends made CR LF (the text
// box may hand back bare LF), then one final CR LF dropped when present.
std::string EditorTextForSave(const std::string& text);

// Writes the editor's text to the file, replacing it. When it cannot be
// written the user is told, the file stays as it was, and false is returned.
bool SaveEditorText(const std::string& path, const std::string& text);

// The options editor's Save: writes "OPTIONS.OPT" and reads it again into
// OptionValues. The caller rebuilds the caption prefix afterwards.
bool SaveOptionsEditorText(Settings& s, const std::string& text);
