// The blocking error box, for the few failures that end the program.
#pragma once

#include <string>

// Writes the text to standard error and, when windows can be shown, waits on a message box.
// serious picks the error icon over the warning one.
void ShowErrorBox(const std::string& title, const std::string& text, bool serious, bool windowed = true);
