// The debugger output: a side channel for developers, silent unless switched on.
#pragma once

#include <string>

void SetDebugOutput(bool enabled);
bool DebugOutputEnabled();
// Writes text and a line end to the standard error stream while switched on.
void DebugLog(const std::string& text);
