#include "platform/debug_output.h"

#include <cstdio>

namespace {
bool debugOutput = false;
}

void SetDebugOutput(bool enabled) { debugOutput = enabled; }

bool DebugOutputEnabled() { return debugOutput; }

void DebugLog(const std::string& text) {
  if (!debugOutput) return;
  std::fprintf(stderr, "%s\n", text.c_str());
}
