// The bridge's messages for developers. Silent unless ORVELINK_DEBUG is set (and not "0"),
// then written to the standard error stream, each on a line of its own.
#pragma once

#include <string>

void DebuggerOutput(const std::string& text);
