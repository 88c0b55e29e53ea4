#pragma once
// Plain-text files in the program's 8-bit code page (Windows-1252). Strings
// hold the file's bytes unchanged; lines are written with CR LF and read with
// CR LF or LF. A file is replaced through a temporary file beside it, so a
// failed write never leaves it half written.
//
// Paths are another matter: a path is held as UTF-8, as Qt and the system
// give it, and every function here that takes or returns a path takes or
// returns UTF-8. Only the contents of files (and the texts of windows and
// messages) are Windows-1252; PathToText and TextToPath cross between them.
#include <optional>
#include <string>
#include <vector>

class QString;

// The file's lines without their line ends; a last line without a line end
// is kept. nullopt when the file cannot be opened.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);
// The same split of text already read: CR LF or LF ends a line.
std::vector<std::string> SplitTextLines(const std::string& bytes);
// The whole file as bytes; nullopt when it cannot be opened.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Writes each line followed by CR LF, replacing the file only once the new
// content is complete. False when the file could not be written.
bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines);
// Writes the bytes as they are, replacing the file the same way.
bool WriteFileBytes(const std::string& path, const std::string& bytes);

bool FileExists(const std::string& path);
// Folder and file name joined with "/".
std::string JoinPath(const std::string& folder, const std::string& name);

// Conversions at the widget boundary.
QString FromCp1252(const std::string& bytes);
// A character the code page has no byte for becomes '?'.
std::string ToCp1252(const QString& text);
// Whether every character of the text has its byte in the code page, so
// that ToCp1252 keeps it whole.
bool FitsCp1252(const QString& text);

// A path as a text of the program (a message, a caption, a line written to
// a file): UTF-8 to Windows-1252.
std::string PathToText(const std::string& path);
// A text that names a path (a line read from a file, a box's text) as a
// path: Windows-1252 to UTF-8.
std::string TextToPath(const std::string& text);
