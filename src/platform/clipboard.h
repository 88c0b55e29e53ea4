#pragma once
// The system clipboard as plain text in the program's code page
// (Windows-1252 bytes).
#include <string>

// Replaces the clipboard's text; does nothing without a GUI application.
void SetClipboardText(const std::string& text);
// The clipboard's text ("" when it holds none).
std::string ClipboardText();
