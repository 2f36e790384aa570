// Hands a web address, mail link or document to the desktop's default handler.
#pragma once

#include <string>

// The longest text, in characters, that ShellOpen passes on; longer texts are cut.
inline constexpr int ShellTextLimit = 79;

// `file` is a URL ("https://…", "mailto:…") or a path, taken relative to `directory` when it is
// not absolute. The desktop's handlers take no extra parameters and choose their own window
// state, so `parameters` and `showCommand` are not used. Nothing is reported: a
// link without a handler opens nothing. Needs a running QGuiApplication.
void ShellOpen(const std::string& file, const std::string& parameters, const std::string& directory,
               int showCommand);

// A UTF-8 text cut to at most ShellTextLimit characters (code points, never half of one).
std::string ShellText(const std::string& text);
